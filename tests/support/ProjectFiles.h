#pragma once

#include <string>

// The project's source root, where assets/ lives.
std::string projectRoot();

// The compiled shader of that name, as the build puts it under assets/shaders.
std::string shaderPath(const std::string& name);
