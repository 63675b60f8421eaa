#include "Noise.h"
#include "Spaceship.h"
#include "Textures.h"

#include <glm/gtc/constants.hpp>

namespace {

constexpr int shipSize = 1024;
constexpr int panelsAround = 16;
constexpr int panelsAlong = 18;

struct PanelCoordinate {
    glm::ivec2 cell;
    // Distance to the nearest panel edge in texels.
    float edgeDistance;
};

// Hull panels in staggered rows; the hull's texture coordinate spans [0, 1]² of the hull region.
PanelCoordinate panelAt(glm::vec2 hull)
{
    const float row = hull.y * panelsAlong;
    const int rowIndex = static_cast<int>(std::floor(row));
    const float column = hull.x * panelsAround + (rowIndex % 2 == 0 ? 0.0f : 0.5f);
    const glm::vec2 fraction(column - std::floor(column), row - std::floor(row));
    const glm::vec2 texelsPerPanel(shipAtlas::hullWidth * shipSize / panelsAround,
                                   static_cast<float>(shipSize) / panelsAlong);
    const glm::vec2 toEdge = glm::min(fraction, 1.0f - fraction) * texelsPerPanel;
    return {glm::ivec2(static_cast<int>(std::floor(column)), rowIndex), std::min(toEdge.x, toEdge.y)};
}

// 1 inside a stripe, with soft edges: two bands around the hull and one along its spine.
float accentStripe(glm::vec2 hull)
{
    const auto band = [](float x, float centre, float halfWidth) {
        return glm::smoothstep(halfWidth + 0.002f, halfWidth, std::abs(x - centre));
    };
    return std::max({band(hull.y, 0.55f, 0.012f), band(hull.y, 0.585f, 0.006f), band(hull.x, 0.25f, 0.018f)});
}

glm::vec3 hullColor(glm::vec2 hull)
{
    const PanelCoordinate panel = panelAt(hull);
    const float tone = noise::random(panel.cell.x, panel.cell.y, 0, 71);
    glm::vec3 color = glm::mix(rgb(214, 218, 224), rgb(238, 240, 243), tone);
    color *= 0.95f + 0.05f * noise::fbm2(hull * 12.0f, 12, 4, 72);
    const float stripe = accentStripe(hull);
    const glm::vec3 accent = hull.y > 0.5f && hull.y < 0.62f ? rgb(214, 84, 30) : rgb(40, 70, 140);
    color = glm::mix(color, accent, stripe);
    const float groove = glm::smoothstep(1.6f, 0.4f, panel.edgeDistance);
    return color * (1.0f - 0.55f * groove);
}

float hullHeight(glm::vec2 hull)
{
    const PanelCoordinate panel = panelAt(hull);
    return -3.0f * glm::smoothstep(1.8f, 0.3f, panel.edgeDistance) + 0.6f * accentStripe(hull);
}

glm::vec3 glassColor(glm::vec2 local)
{
    const float frame = std::max(glm::smoothstep(0.03f, 0.02f, std::abs(local.y - 0.33f)),
                                 glm::smoothstep(0.03f, 0.02f, std::abs(local.x - 0.25f)));
    const glm::vec3 glass = glm::mix(rgb(24, 40, 66), rgb(70, 104, 140), std::pow(1.0f - local.y, 2.0f));
    const float highlight = glm::smoothstep(0.06f, 0.0f, std::abs(local.x - 0.22f - 0.2f * local.y)) * 0.35f;
    return glm::mix(glass + highlight, rgb(200, 204, 210), frame);
}

glm::vec3 engineColor(glm::vec2 local)
{
    const float rings = 0.5f + 0.5f * std::cos(local.y * glm::two_pi<float>() * 14.0f);
    return glm::mix(rgb(58, 60, 66), rgb(92, 94, 100), rings) * (0.9f + 0.1f * noise::value2(local * 40.0f, 0, 73));
}

glm::vec3 glowColor(glm::vec2 local)
{
    const float r = glm::length(local - 0.5f) * 2.0f;
    const glm::vec3 core = glm::mix(rgb(255, 250, 230), rgb(255, 170, 60), glm::smoothstep(0.0f, 0.6f, r));
    return glm::mix(core, rgb(200, 60, 20), glm::smoothstep(0.6f, 1.0f, r));
}

glm::vec3 shipColor(glm::vec2 uv)
{
    if (uv.x < shipAtlas::hullWidth) {
        return hullColor(glm::vec2(uv.x / shipAtlas::hullWidth, uv.y));
    }
    const float x = (uv.x - shipAtlas::hullWidth) / (1.0f - shipAtlas::hullWidth);
    if (uv.y < shipAtlas::glassEnd) {
        return glassColor(glm::vec2(x, uv.y / shipAtlas::glassEnd));
    }
    if (uv.y < shipAtlas::engineEnd) {
        return engineColor(glm::vec2(x, (uv.y - shipAtlas::glassEnd) / (shipAtlas::engineEnd - shipAtlas::glassEnd)));
    }
    return glowColor(glm::vec2(x, (uv.y - shipAtlas::engineEnd) / (1.0f - shipAtlas::engineEnd)));
}

float shipHeight(glm::vec2 uv)
{
    if (uv.x < shipAtlas::hullWidth) {
        return hullHeight(glm::vec2(uv.x / shipAtlas::hullWidth, uv.y));
    }
    if (uv.y >= shipAtlas::glassEnd && uv.y < shipAtlas::engineEnd) {
        const float local = (uv.y - shipAtlas::glassEnd) / (shipAtlas::engineEnd - shipAtlas::glassEnd);
        return 1.5f * std::cos(local * glm::two_pi<float>() * 14.0f);
    }
    return 0.0f;
}

} // namespace

SurfaceTexture spaceshipTexture()
{
    SurfaceTexture texture{Image(shipSize, shipSize), HeightField(shipSize, shipSize), 0.7f, {}};
    fillImage(texture.color, shipColor);
    fillHeight(texture.height, shipHeight);
    return texture;
}
