#include "objects/ObjLoader.h"

#include <tiny_obj_loader.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <unordered_map>

namespace {

constexpr float degenerateLength = 1e-6f;

bool hasElement(const std::vector<tinyobj::real_t>& values, int index, size_t width)
{
    return index >= 0 && static_cast<size_t>(index) * width + width <= values.size();
}

// A face corner without a normal or texture coordinate index (-1) gets zeros
// instead of reading outside the attribute arrays.
glm::vec3 optionalVec3(const std::vector<tinyobj::real_t>& values, int index)
{
    if (!hasElement(values, index, 3)) {
        return glm::vec3(0.0f);
    }
    return {values[3 * index], values[3 * index + 1], values[3 * index + 2]};
}

glm::vec2 optionalTexCoord(const std::vector<tinyobj::real_t>& values, int index)
{
    if (!hasElement(values, index, 2)) {
        return glm::vec2(0.0f);
    }
    // OBJ counts v from the bottom of the image, the sampler from the top.
    return {values[2 * index], 1.0f - values[2 * index + 1]};
}

glm::vec3 position(const tinyobj::attrib_t& attrib, int index, const std::string& path)
{
    if (!hasElement(attrib.vertices, index, 3)) {
        throw std::runtime_error("face refers to a vertex that does not exist: " + path);
    }
    return optionalVec3(attrib.vertices, index);
}

// The parser turns a number beyond the float range into an infinity, which
// would reach the vertex buffer and every product with it.
void requireFinite(const std::vector<tinyobj::real_t>& values, const std::string& path)
{
    if (!std::all_of(values.begin(), values.end(), [](tinyobj::real_t value) { return std::isfinite(value); })) {
        throw std::runtime_error("model holds a value that is not a finite number: " + path);
    }
}

// The parser ends every note with a newline and may give several; the entry
// point reports a failure on one line.
std::string oneLine(const std::string& text)
{
    std::string line;
    std::istringstream lines(text);
    for (std::string part; std::getline(lines, part);) {
        if (!part.empty()) {
            line += line.empty() ? part : " " + part;
        }
    }
    return line;
}

// `fileNormals` false leaves every normal at (1, 1, 1), so corners merge by
// position and texture coordinate alone before the per-triangle frames are written.
MeshData readMesh(const std::string& path, bool fileNormals)
{
    tinyobj::attrib_t attrib;
    std::vector<tinyobj::shape_t> shapes;
    std::vector<tinyobj::material_t> materials;
    std::string warn, err;
    if (!tinyobj::LoadObj(&attrib, &shapes, &materials, &warn, &err, path.c_str(), nullptr, true, true)) {
        throw std::runtime_error(oneLine(warn + err));
    }
    for (const auto* values : {&attrib.vertices, &attrib.normals, &attrib.texcoords}) {
        requireFinite(*values, path);
    }

    MeshData mesh;
    std::unordered_map<Vertex, uint32_t> uniqueVertices;
    for (const tinyobj::shape_t& shape : shapes) {
        const auto first = static_cast<uint32_t>(mesh.indices.size());
        if (!shape.mesh.indices.empty()) {
            mesh.parts.push_back({first, static_cast<uint32_t>(shape.mesh.indices.size())});
        }
        for (const tinyobj::index_t& index : shape.mesh.indices) {
            Vertex vertex{};
            vertex.pos = position(attrib, index.vertex_index, path);
            vertex.texCoord = optionalTexCoord(attrib.texcoords, index.texcoord_index);
            vertex.normal = fileNormals ? optionalVec3(attrib.normals, index.normal_index) : glm::vec3(1.0f);
            const auto inserted = uniqueVertices.emplace(vertex, static_cast<uint32_t>(mesh.vertices.size()));
            if (inserted.second) {
                mesh.vertices.push_back(vertex);
            }
            mesh.indices.push_back(inserted.first->second);
        }
    }
    return mesh;
}

// The strict comparison also rejects a NaN length, as degenerate UVs produce.
glm::vec3 unitOrFallback(const glm::vec3& v)
{
    return glm::length(v) > degenerateLength ? glm::normalize(v) : glm::vec3(1.0f, 0.0f, 0.0f);
}

void writeTriangleFrame(Vertex& a, Vertex& b, Vertex& c)
{
    const glm::vec3 edge1 = b.pos - a.pos;
    const glm::vec3 edge2 = c.pos - a.pos;
    const glm::vec2 deltaUV1 = b.texCoord - a.texCoord;
    const glm::vec2 deltaUV2 = c.texCoord - a.texCoord;
    const float f = 1.0f / (deltaUV1.x * deltaUV2.y - deltaUV2.x * deltaUV1.y);

    const glm::vec3 normal = unitOrFallback(glm::cross(edge1, edge2));
    const glm::vec3 tangent = unitOrFallback(f * (deltaUV2.y * edge1 - deltaUV1.y * edge2));
    const glm::vec3 bitangent = unitOrFallback(f * (-deltaUV2.x * edge1 + deltaUV1.x * edge2));
    for (Vertex* vertex : {&a, &b, &c}) {
        vertex->normal = normal;
        vertex->tangent = tangent;
        vertex->bitangent = bitangent;
    }
}

} // namespace

MeshData loadModel(const std::string& path)
{
    return readMesh(path, true);
}

// Shared corners take the frame of the last triangle that uses them; nothing is averaged.
MeshData loadModelWithTangents(const std::string& path)
{
    MeshData mesh = readMesh(path, false);
    for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
        writeTriangleFrame(mesh.vertices[mesh.indices[i]], mesh.vertices[mesh.indices[i + 1]],
                           mesh.vertices[mesh.indices[i + 2]]);
    }
    return mesh;
}
