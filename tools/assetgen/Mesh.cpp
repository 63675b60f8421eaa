#include "Mesh.h"

uint32_t Mesh::addVertex(glm::vec3 position, glm::vec2 uv, glm::vec3 normal)
{
    vertices.push_back({position, uv, normal});
    return static_cast<uint32_t>(vertices.size() - 1);
}

void Mesh::addTriangle(uint32_t a, uint32_t b, uint32_t c)
{
    triangles.emplace_back(a, b, c);
}

void Mesh::addQuad(uint32_t a, uint32_t b, uint32_t c, uint32_t d)
{
    addTriangle(a, b, c);
    addTriangle(a, c, d);
}

void Mesh::append(const Mesh& other)
{
    const auto base = static_cast<uint32_t>(vertices.size());
    vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
    for (const glm::uvec3& triangle : other.triangles) {
        triangles.push_back(triangle + glm::uvec3(base));
    }
}

void Mesh::remapUv(glm::vec2 offset, glm::vec2 size)
{
    for (MeshVertex& vertex : vertices) {
        vertex.uv = offset + vertex.uv * size;
    }
}

void Mesh::computeNormals()
{
    std::vector<glm::vec3> sums(vertices.size(), glm::vec3(0.0f));
    for (const glm::uvec3& triangle : triangles) {
        const glm::vec3 a = vertices[triangle.x].position;
        const glm::vec3 faceNormal = glm::cross(vertices[triangle.y].position - a, vertices[triangle.z].position - a);
        sums[triangle.x] += faceNormal;
        sums[triangle.y] += faceNormal;
        sums[triangle.z] += faceNormal;
    }
    for (size_t i = 0; i < vertices.size(); ++i) {
        const float length = glm::length(sums[i]);
        vertices[i].normal = length > 0.0f ? sums[i] / length : glm::vec3(0.0f, 1.0f, 0.0f);
    }
}

Mesh gridSurface(int columns, int rows, const std::function<SurfacePoint(float u, float v)>& surface)
{
    Mesh mesh;
    for (int row = 0; row <= rows; ++row) {
        for (int column = 0; column <= columns; ++column) {
            const SurfacePoint point = surface(static_cast<float>(column) / columns, static_cast<float>(row) / rows);
            mesh.addVertex(point.position, point.uv);
        }
    }
    const auto stride = static_cast<uint32_t>(columns + 1);
    for (uint32_t row = 0; row < static_cast<uint32_t>(rows); ++row) {
        for (uint32_t column = 0; column < static_cast<uint32_t>(columns); ++column) {
            const uint32_t corner = row * stride + column;
            mesh.addQuad(corner, corner + 1, corner + stride + 1, corner + stride);
        }
    }
    return mesh;
}
