#pragma once

#include <glm/glm.hpp>

#include <cstddef>

// Uniform records exactly as the shaders read them. Every padding byte is an
// explicit member so that a value-initialised record uploads only zeros.

struct UniformBufferObject {
    glm::mat4 model{0.0f};
    glm::mat4 view{0.0f};
    glm::mat4 proj{0.0f};
    float scalar = 0.0f;
    float padding[3] = {0.0f, 0.0f, 0.0f};
};

static_assert(sizeof(UniformBufferObject) == 208, "UniformBufferObject must match the shader block");
static_assert(offsetof(UniformBufferObject, view) == 64 && offsetof(UniformBufferObject, proj) == 128 &&
                  offsetof(UniformBufferObject, scalar) == 192,
              "UniformBufferObject offsets must match the shader block");

struct MaterialBufferObject {
    glm::vec3 materialVector{0.0f};
    float coefficient1 = 0.0f;
    float coefficient2 = 0.0f;
    float coefficient3 = 0.0f;
    float padding[2] = {0.0f, 0.0f};
};

static_assert(sizeof(MaterialBufferObject) == 32, "MaterialBufferObject must match the shader block");
static_assert(offsetof(MaterialBufferObject, coefficient1) == 12 &&
                  offsetof(MaterialBufferObject, coefficient2) == 16 &&
                  offsetof(MaterialBufferObject, coefficient3) == 20,
              "MaterialBufferObject offsets must match the shader block");

struct LightBufferObject {
    glm::vec3 direction{0.0f};
    float padding0 = 0.0f;
    glm::vec3 color{0.0f};
    float padding1 = 0.0f;
    glm::vec3 cameraPosition{0.0f};
    float padding2 = 0.0f;
};

static_assert(sizeof(LightBufferObject) == 48, "LightBufferObject must match the shader block");
static_assert(offsetof(LightBufferObject, color) == 16 && offsetof(LightBufferObject, cameraPosition) == 32,
              "LightBufferObject offsets must match the shader block");

struct CameraBufferObject {
    glm::vec4 position{0.0f};
};

static_assert(sizeof(CameraBufferObject) == 16, "CameraBufferObject must match the shader block");
