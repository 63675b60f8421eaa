#pragma once

#include "TempDir.h"
#include "VulkanTestContext.h"

#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include <string>

// A unit cube around the origin: eight corners, twelve triangles.
extern const char* const cubeObj;

// Writes a single-colour square image, 4 pixels wide unless said otherwise; the
// format follows the name's extension (.png or .jpg).
std::string writeImage(const TempDir& dir, const std::string& name, glm::u8vec3 color, int size = 4);

// The compiled shader of that name, as the build puts it under assets/shaders.
std::string shaderPath(const std::string& name);

// Base of the tests that make Vulkan objects: each test must end without a validation message.
class VulkanObjectTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(context.validationMessages().empty())
            << ::testing::PrintToString(context.validationMessages());
    }

    VulkanTestContext context;
    TempDir dir;
};

// Expects a finite point within 1e-4 of `expected`.
void expectPointNear(const glm::vec3& actual, const glm::vec3& expected);
