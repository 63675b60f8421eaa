#pragma once

#include <glm/glm.hpp>

#include <array>

// Six colours, one distinct pattern of full and empty channels per cube face,
// so that a pixel's colour names its face however a shader tints it.
using FaceColors = std::array<glm::vec3, 6>;
extern const FaceColors primaryFaceColors;

// The layer a direction looks up: 0 to 5 for +x, -x, +y, -y, +z, -z, or -1
// within a few degrees of an edge, where linear filtering blends two faces.
int faceOf(const glm::vec3& direction);

// The face whose colour a pixel shows, or -1 for none.
int faceOfColor(const glm::u8vec4& albedo, const FaceColors& colors);
