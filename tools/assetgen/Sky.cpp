#include "Sky.h"

#include "Noise.h"

#include "constants/SunDirection.h"

#include <glm/gtc/constants.hpp>

namespace {

const glm::vec3 sunDirection = glm::normalize(glm::vec3(SUN_DIRECTION_XYZ));

glm::vec3 skyGradient(float up)
{
    const glm::vec3 horizon = rgb(240, 214, 172);
    const glm::vec3 middle = rgb(142, 180, 222);
    const glm::vec3 zenith = rgb(40, 84, 160);
    if (up < 0.0f) {
        return glm::mix(horizon, rgb(196, 160, 120), glm::smoothstep(0.0f, 0.3f, -up));
    }
    const float lift = std::pow(up, 0.55f);
    return lift < 0.35f ? glm::mix(horizon, middle, lift / 0.35f) : glm::mix(middle, zenith, (lift - 0.35f) / 0.65f);
}

// Thin high cloud streaks on a plane far above, fading towards the horizon.
float cloudCover(glm::vec3 direction, float up)
{
    if (up < 0.03f) {
        return 0.0f;
    }
    const glm::vec2 onPlane = glm::vec2(direction.x, direction.z) / up;
    const glm::vec2 stretched(onPlane.x * 0.6f + onPlane.y * 0.35f, onPlane.y * 2.2f - onPlane.x * 0.4f);
    const float streaks = noise::fbm2(stretched * 1.4f, 0, 5, 301);
    return glm::smoothstep(0.05f, 0.5f, streaks) * glm::smoothstep(0.03f, 0.3f, up) * 0.55f;
}

} // namespace

glm::vec3 skyColor(glm::vec3 direction)
{
    direction = glm::normalize(direction);
    const float up = -direction.y;
    glm::vec3 color = skyGradient(up);
    color = glm::mix(color, rgb(250, 246, 240), cloudCover(direction, up));
    const float towardsSun = std::max(glm::dot(direction, sunDirection), 0.0f);
    color += rgb(255, 220, 160) * (0.5f * std::pow(towardsSun, 400.0f) + 0.25f * std::pow(towardsSun, 24.0f) +
                                   0.1f * std::pow(towardsSun, 4.0f));
    const float disc = glm::smoothstep(std::cos(glm::radians(1.4f)), std::cos(glm::radians(1.1f)), towardsSun);
    color = glm::mix(color, rgb(255, 252, 240), disc);
    return glm::min(color, glm::vec3(1.0f));
}

glm::vec3 cubeFaceDirection(int face, int x, int y, int size)
{
    const float s = 2.0f * (static_cast<float>(x) + 0.5f) / size - 1.0f;
    const float t = 2.0f * (static_cast<float>(y) + 0.5f) / size - 1.0f;
    switch (face) {
    case 0:
        return {1.0f, -t, -s};
    case 1:
        return {-1.0f, -t, s};
    case 2:
        return {s, 1.0f, t};
    case 3:
        return {s, -1.0f, -t};
    case 4:
        return {s, -t, 1.0f};
    default:
        return {-s, -t, -1.0f};
    }
}

std::array<Image, 6> skyFaces(int size)
{
    std::array<Image, 6> faces{Image(size, size), Image(size, size), Image(size, size),
                               Image(size, size), Image(size, size), Image(size, size)};
    for (int face = 0; face < 6; ++face) {
        fillImage(faces[face], [&](glm::vec2 uv) {
            const int x = static_cast<int>(uv.x * size);
            const int y = static_cast<int>(uv.y * size);
            return skyColor(cubeFaceDirection(face, x, y, size));
        });
    }
    return faces;
}
