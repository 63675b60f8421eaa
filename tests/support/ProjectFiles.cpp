#include "ProjectFiles.h"

std::string projectRoot()
{
    return KESTRELWING_ROOT;
}

std::string shaderPath(const std::string& name)
{
    return projectRoot() + "/assets/shaders/" + name;
}
