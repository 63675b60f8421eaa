#pragma once

#include <glm/glm.hpp>

#include <vector>

// The view that every scene object reads when it fills its uniforms.
class Camera {
public:
    Camera() = default;
    Camera(int width, int height, float fov, float nearPlane, float farPlane);

    void updateMatrices();
    // `speed` is a distance per frame at 60 frames a second; each step moves
    // speed * 60 * deltaTime, so the distance covered follows the wall time
    // and not the frame rate.
    void processMovement(const std::vector<int>& codes, float deltaTime);
    // Aims `view` at `centre` from `position`; keeps the previous view where
    // that has no direction (centre on the eye, or straight along `up`).
    void lookAt(const glm::vec3& centre);

    glm::mat4 proj{1.0f};
    glm::mat4 view{1.0f};
    int width = 0;
    int height = 0;
    float fov = 0.0f;
    float aspect = 0.0f;
    float nearPlane = 0.0f;
    float farPlane = 0.0f;
    glm::vec3 position{0.0f, 0.0f, 10.0f};
    glm::vec3 front{0.0f, 0.0f, -1.0f};
    glm::vec3 up{0.0f, 1.0f, 0.0f};
    float speed = 0.005f;
    // (0, 0, 0) means that nothing is being followed.
    glm::vec3 target{0.0f};

private:
    void move(int code, float deltaTime);
};
