#include "renderer/CubeFaceViews.h"

#include "constants/DepthRange.h"

#include <glm/gtc/matrix_transform.hpp>

std::array<glm::mat4, 6> cubeFaceViews(const glm::vec3& position)
{
    return {glm::lookAt(position, position + glm::vec3(1, 0, 0), glm::vec3(0, -1, 0)),
            glm::lookAt(position, position + glm::vec3(-1, 0, 0), glm::vec3(0, -1, 0)),
            glm::lookAt(position, position + glm::vec3(0, 1, 0), glm::vec3(0, 0, 1)),
            glm::lookAt(position, position + glm::vec3(0, -1, 0), glm::vec3(0, 0, -1)),
            glm::lookAt(position, position + glm::vec3(0, 0, 1), glm::vec3(0, -1, 0)),
            glm::lookAt(position, position + glm::vec3(0, 0, -1), glm::vec3(0, -1, 0))};
}

// The environment faces are square 90-degree views sharing the scene's depth range.
glm::mat4 cubeFaceProjection()
{
    return glm::perspective(90.0f * 0.017453292f, 1.0f, NEAR_PLANE, FAR_PLANE);
}
