#pragma once

#include "objects/IndexRange.h"
#include "scene/Vertex.h"

#include <cstdint>
#include <string>
#include <vector>

// De-duplicated vertices and three indices per triangle, as read from an OBJ file.
struct MeshData {
    std::vector<Vertex> vertices;
    std::vector<uint32_t> indices;
    // The triangles of each group (or object) of the file that has any, in file order; together
    // they cover the index list.
    std::vector<IndexRange> parts;
};

// Keeps the file's normals; tangent and bitangent stay zero.
MeshData loadModel(const std::string& path);
// Ignores the file's normals and gives every triangle its own normal, tangent and bitangent.
MeshData loadModelWithTangents(const std::string& path);
