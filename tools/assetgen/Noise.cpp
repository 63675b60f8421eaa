#include "Noise.h"

#include <cmath>

namespace noise {

namespace {

float fade(float t)
{
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

int wrap(int i, int period)
{
    if (period <= 0) {
        return i;
    }
    const int m = i % period;
    return m < 0 ? m + period : m;
}

float lattice(int x, int y, int z, uint32_t seed)
{
    return random(x, y, z, seed) * 2.0f - 1.0f;
}

} // namespace

uint32_t hash(int x, int y, int z, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h = (h << 17) | (h >> 15);
    h ^= static_cast<uint32_t>(z) * 0x27D4EB2Fu;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float random(int x, int y, int z, uint32_t seed)
{
    return static_cast<float>(hash(x, y, z, seed) >> 8) / 16777216.0f;
}

float value2(glm::vec2 p, int period, uint32_t seed)
{
    const float fx = std::floor(p.x);
    const float fy = std::floor(p.y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const float tx = fade(p.x - fx);
    const float ty = fade(p.y - fy);
    const int xa = wrap(x0, period), xb = wrap(x0 + 1, period);
    const int ya = wrap(y0, period), yb = wrap(y0 + 1, period);
    const float bottom = glm::mix(lattice(xa, ya, 0, seed), lattice(xb, ya, 0, seed), tx);
    const float top = glm::mix(lattice(xa, yb, 0, seed), lattice(xb, yb, 0, seed), tx);
    return glm::mix(bottom, top, ty);
}

float value3(glm::vec3 p, uint32_t seed)
{
    const glm::vec3 f = glm::floor(p);
    const glm::ivec3 i(f);
    const glm::vec3 t(fade(p.x - f.x), fade(p.y - f.y), fade(p.z - f.z));
    float layers[2];
    for (int dz = 0; dz < 2; ++dz) {
        const float bottom = glm::mix(lattice(i.x, i.y, i.z + dz, seed), lattice(i.x + 1, i.y, i.z + dz, seed), t.x);
        const float top =
            glm::mix(lattice(i.x, i.y + 1, i.z + dz, seed), lattice(i.x + 1, i.y + 1, i.z + dz, seed), t.x);
        layers[dz] = glm::mix(bottom, top, t.y);
    }
    return glm::mix(layers[0], layers[1], t.z);
}

float fbm2(glm::vec2 p, int period, int octaves, uint32_t seed)
{
    float sum = 0.0f;
    float amplitude = 0.5f;
    float norm = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * value2(p, period, seed + static_cast<uint32_t>(octave));
        norm += amplitude;
        p *= 2.0f;
        period *= 2;
        amplitude *= 0.5f;
    }
    return sum / norm;
}

float fbm3(glm::vec3 p, int octaves, uint32_t seed)
{
    float sum = 0.0f;
    float amplitude = 0.5f;
    float norm = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * value3(p, seed + static_cast<uint32_t>(octave));
        norm += amplitude;
        p = p * 2.03f + glm::vec3(17.1f, 3.7f, 9.3f);
        amplitude *= 0.5f;
    }
    return sum / norm;
}

float cellEdge(glm::vec2 p, glm::ivec2 period, uint32_t seed)
{
    const glm::ivec2 cell(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y)));
    float nearest = 1e9f;
    float second = 1e9f;
    glm::vec2 nearestPoint(0.0f);
    glm::vec2 secondPoint(0.0f);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const glm::ivec2 c = cell + glm::ivec2(dx, dy);
            const int hx = wrap(c.x, period.x);
            const int hy = wrap(c.y, period.y);
            const glm::vec2 point = glm::vec2(c) + glm::vec2(random(hx, hy, 0, seed), random(hx, hy, 1, seed));
            const float d = glm::dot(point - p, point - p);
            if (d < nearest) {
                second = nearest;
                secondPoint = nearestPoint;
                nearest = d;
                nearestPoint = point;
            } else if (d < second) {
                second = d;
                secondPoint = point;
            }
        }
    }
    // Distance to the bisector of the two nearest points.
    const glm::vec2 middle = 0.5f * (nearestPoint + secondPoint);
    const glm::vec2 across = secondPoint - nearestPoint;
    const float length = glm::length(across);
    return length > 1e-6f ? std::abs(glm::dot(p - middle, across / length)) : 0.0f;
}

} // namespace noise
