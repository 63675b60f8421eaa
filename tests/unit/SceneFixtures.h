#pragma once

#include "TempDir.h"

#include <glm/glm.hpp>

#include <string>

// A unit cube around the origin: eight corners, twelve triangles.
extern const char* const cubeObj;

// Writes a single-colour square image, 4 pixels wide unless said otherwise; the
// format follows the name's extension (.png or .jpg).
std::string writeImage(const TempDir& dir, const std::string& name, glm::u8vec3 color, int size = 4);

// The compiled shader of that name, as the build puts it under assets/shaders.
std::string shaderPath(const std::string& name);

// Expects a finite point within 1e-4 of `expected`.
void expectPointNear(const glm::vec3& actual, const glm::vec3& expected);
