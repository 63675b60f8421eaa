#pragma once

#include <glm/glm.hpp>

#include <cstdint>
#include <functional>
#include <vector>

// Texture coordinates are kept in image space (v grows downwards, row 0 at v = 0);
// the OBJ writer stores 1 - v, which the loader flips back.
struct MeshVertex {
    glm::vec3 position;
    glm::vec2 uv;
    glm::vec3 normal{0.0f};
};

// A triangle mesh whose triangles wind counter-clockwise seen from outside.
struct Mesh {
    std::vector<MeshVertex> vertices;
    std::vector<glm::uvec3> triangles;
    // Where each named group of triangles begins (indices into `triangles`, ascending); empty for a
    // mesh that is one group.
    std::vector<size_t> groupStarts;

    uint32_t addVertex(glm::vec3 position, glm::vec2 uv, glm::vec3 normal = glm::vec3(0.0f));
    void addTriangle(uint32_t a, uint32_t b, uint32_t c);
    // Corners in counter-clockwise order seen from outside.
    void addQuad(uint32_t a, uint32_t b, uint32_t c, uint32_t d);
    void append(const Mesh& other);
    // Maps every texture coordinate into the atlas rectangle at `offset` of size `size`.
    void remapUv(glm::vec2 offset, glm::vec2 size);
    // Area-weighted vertex normals, for meshes whose file normals are read.
    void computeNormals();
};

struct SurfacePoint {
    glm::vec3 position;
    glm::vec2 uv;
};

// A (columns × rows) quad grid over the unit square; `surface` must be parametrised so that
// cross(dP/du, dP/dv) points outwards.
Mesh gridSurface(int columns, int rows, const std::function<SurfacePoint(float u, float v)>& surface);
