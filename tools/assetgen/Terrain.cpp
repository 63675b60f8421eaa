#include "Terrain.h"

#include "Noise.h"
#include "Tiles.h"

#include <glm/gtc/constants.hpp>

namespace terrain {

namespace {

constexpr int gridSize = 220;
// 20 × 20 tiles of 242 triangles: small enough that a 90-degree view skips most of the ground.
constexpr int tileCells = 11;
constexpr uint32_t seed = 1201;

// Wind-driven dunes: ridges across the wind with a gentle windward slope and a steep lee face.
float dunes(glm::vec2 p, float wavelength)
{
    const glm::vec2 wind = glm::normalize(glm::vec2(0.8f, 0.6f));
    const float warp = 0.35f * noise::fbm2(p / (wavelength * 2.3f), 0, 3, seed + 10);
    const float phase = glm::dot(p, wind) / wavelength + warp;
    const float f = phase - std::floor(phase);
    const float profile = f < 0.8f ? f / 0.8f : (1.0f - f) / 0.2f;
    const float crestVariation = 0.6f + 0.4f * noise::value2(p / (wavelength * 1.7f), 0, seed + 20);
    return glm::smoothstep(0.0f, 1.0f, profile) * crestVariation;
}

// Grid parameter in [-1, 1] to mesh position: fine spacing near the centre, coarse far away.
float spread(float s)
{
    return halfExtent * (0.3f * s + 0.7f * s * s * s);
}

} // namespace

float groundHeight(float x, float z)
{
    const glm::vec2 p(x, z);
    const float distance = glm::length(p);
    const float nearAmplitude = 0.8f;
    const float farAmplitude = 11.0f;
    const float reach = glm::smoothstep(70.0f, 450.0f, distance);
    const float swell = 1.5f * noise::fbm2(p / 60.0f, 0, 3, seed);
    const float nearDunes = nearAmplitude * (dunes(p, 28.0f) - 0.5f) + 0.5f * swell * (1.0f - reach);
    const float farDunes = farAmplitude * dunes(p, 140.0f) + 5.0f * noise::fbm2(p / 90.0f, 0, 4, seed + 1);
    return glm::mix(nearDunes, farDunes, reach);
}

Mesh groundMesh()
{
    Mesh mesh = gridSurface(gridSize, gridSize, [](float u, float v) {
        // u runs along +z and v along +x so that cross(dP/du, dP/dv) points up (+y).
        const float z = spread(u * 2.0f - 1.0f);
        const float x = spread(v * 2.0f - 1.0f);
        const glm::vec2 uv((x + halfExtent) / halfExtent, (z + halfExtent) / halfExtent);
        return SurfacePoint{glm::vec3(x, groundHeight(x, z), z), uv};
    });
    mesh.computeNormals();
    return tiledGrid(mesh, gridSize, gridSize, tileCells);
}

} // namespace terrain
