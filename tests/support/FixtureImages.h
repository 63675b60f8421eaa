#pragma once

#include "TempDir.h"

#include <glm/glm.hpp>

#include <string>

// Image files for the tests that read textures.

// Writes a single-colour square image, 4 pixels wide unless said otherwise; the
// format follows the name's extension (.png or .jpg).
std::string writeImage(const TempDir& dir, const std::string& name, glm::u8vec3 color, int size = 4);

// Images whose every byte differs from its neighbours, so that a stride or
// channel mistake in a decoder or upload cannot go unnoticed.
void writePatternPng(const std::string& path, int width, int height, int channels);
void writePatternJpg(const std::string& path, int width, int height);
