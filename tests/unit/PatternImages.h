#pragma once

#include <string>

// Fixture images whose every byte differs from its neighbours, so that a
// stride or channel mistake in a decoder or upload cannot go unnoticed.
void writePatternPng(const std::string& path, int width, int height, int channels);
void writePatternJpg(const std::string& path, int width, int height);
