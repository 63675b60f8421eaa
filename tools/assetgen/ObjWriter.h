#pragma once

#include "Mesh.h"

#include <string>

// Writes positions, texture coordinates, normals and `f a/a/a` triangles; throws if the file cannot be written.
void writeObj(const std::string& path, const Mesh& mesh);
