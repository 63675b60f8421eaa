#pragma once

#include "Mesh.h"

#include <string>

// Writes positions, texture coordinates, normals and `f a/a/a` triangles, with a `g` line where each of the
// mesh's groups begins; throws if the file cannot be written.
void writeObj(const std::string& path, const Mesh& mesh);
