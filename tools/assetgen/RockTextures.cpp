#include "ArchShape.h"
#include "MesaLayers.h"
#include "Noise.h"
#include "TextureNoise.h"
#include "Textures.h"

#include <glm/gtc/constants.hpp>

#include <algorithm>
#include <array>

namespace {

using textureNoise::aroundFbm;

constexpr int boulderSize = 1024;
const glm::ivec2 mesaSize(2048, 1024);
const glm::ivec2 archSize(2048, 1024);
const glm::vec3 sand = rgb(204, 160, 110);

// --- The boulder: weathered sandstone broken into plates by a network of cracks, with patches of dark
// desert varnish and a speckled grain. ---

// 0 on a crack, 1 away from one: a few long joints, each fading in and out, and fine crazing.
float boulderPlates(glm::vec2 uv)
{
    const float shown = glm::smoothstep(-0.05f, 0.25f, noise::fbm2(uv * 5.0f, 5, 3, 209));
    const float large = glm::smoothstep(0.0f, 0.05f, noise::cellEdge(uv * 4.0f, glm::ivec2(4), 201));
    const float fine = glm::smoothstep(0.0f, 0.04f, noise::cellEdge(uv * 15.0f, glm::ivec2(15), 202));
    return (1.0f - shown * (1.0f - large)) * (0.85f + 0.15f * fine);
}

float boulderHeight(glm::vec2 uv)
{
    const float ridges = 1.0f - std::abs(noise::fbm2(uv * 4.0f, 4, 5, 203));
    const float bumps = noise::fbm2(uv * 32.0f, 32, 3, 204);
    return 6.0f * boulderPlates(uv) + 5.0f * ridges * ridges + 1.5f * bumps;
}

glm::vec3 boulderColor(glm::vec2 uv)
{
    const float tone = noise::fbm2(uv * 3.0f, 3, 4, 205) * 0.5f + 0.5f;
    glm::vec3 color = glm::mix(rgb(140, 116, 94), rgb(186, 160, 128), tone);
    const float varnish = glm::smoothstep(0.0f, 0.4f, noise::fbm2(uv * 5.0f, 5, 4, 206));
    color = glm::mix(color, rgb(88, 68, 54), 0.6f * varnish);
    const float ridges = 1.0f - std::abs(noise::fbm2(uv * 4.0f, 4, 5, 203));
    color *= 0.86f + 0.2f * ridges * ridges;
    color *= 0.76f + 0.24f * boulderPlates(uv);
    // Weathering bares paler rock on the heights; dust and varnish gather in the hollows.
    color *= 0.64f + 0.5f * glm::smoothstep(-1.0f, 12.0f, boulderHeight(uv));
    const float fleck = textureNoise::grain(uv, glm::ivec2(boulderSize / 2), 207);
    color *= fleck < 0.08f ? 0.78f : (fleck > 0.95f ? 1.15f : 1.0f);
    return color * (0.93f + 0.12f * textureNoise::grain(uv, glm::ivec2(boulderSize), 208));
}

// The boulder's rows are heights (Boulder.cpp: v = (3.7 - y) / 5.5), and every placement stands
// it with y = 0 at the sand, whichever way up: the sky is half hidden there, by the sand and by
// the rock itself.
float boulderExposure(glm::vec2 uv)
{
    const float sandLine = 3.7f / 5.5f;
    const float toSand = std::abs(uv.y - sandLine) / 0.09f;
    return 1.0f - 0.35f * std::exp(-toSand * toSand);
}

// --- The mesa: its layers by height, desert varnish hanging from the hard ones, vertical joints, and scree on
// the talus below the cliff. u repeats round the mesa; v is mesaLayers::textureV of the height. ---

// The height at a texel, the bedding a little wavy so the bands are not ruled lines.
float mesaHeightAt(glm::vec2 uv)
{
    return mesaLayers::heightAtV(uv.y) + 0.35f * aroundFbm(uv.x, 10.0f, uv.y * 4.0f, 3, 211);
}

// 0 on the cliff, 1 well down the talus.
float screeShare(float height)
{
    return glm::smoothstep(mesaLayers::cliffFoot + 0.5f, mesaLayers::cliffFoot - 6.0f, height);
}

// 1 on the vertical joints that split the cliff into columns, 0 elsewhere; the joints fade in and out.
float jointCrack(glm::vec2 uv, float height)
{
    const float cells = 14.0f;
    const float edge = noise::cellEdge(glm::vec2(uv.x * cells, height * 0.07f), glm::ivec2(14, 0), 212);
    const float shown = glm::smoothstep(-0.1f, 0.3f, aroundFbm(uv.x, 8.0f, height * 0.05f, 2, 220));
    return glm::smoothstep(0.035f, 0.0f, edge) * shown;
}

// Fine laminations inside the layers: darker and lighter seams every few tenths of a unit.
float lamination(glm::vec2 uv, float height)
{
    return noise::fbm2(glm::vec2(height * 2.5f, 0.5f) +
                           glm::vec2(0.0f, 0.6f * aroundFbm(uv.x, 6.0f, height * 0.1f, 2, 221)),
                       0, 3, 222);
}

float mesaRelief(glm::vec2 uv, float height)
{
    float ledge = 0.0f;
    for (const float offset : {-0.5f, 0.0f, 0.5f}) {
        ledge += mesaLayers::layerAt(height + offset).hard ? 1.0f : 0.0f;
    }
    const float bedding = lamination(uv, height);
    const float scree = aroundFbm(uv.x, 60.0f, height * 0.6f, 3, 214);
    const float cliff = 4.0f * ledge + 0.8f * bedding + 1.5f * aroundFbm(uv.x, 60.0f, height * 0.5f, 3, 215) -
                        5.0f * jointCrack(uv, height);
    return glm::mix(cliff, 3.0f * scree, screeShare(height));
}

glm::vec3 mesaColor(glm::vec2 uv)
{
    const float height = mesaHeightAt(uv);
    const mesaLayers::Layer& layer = mesaLayers::layerAt(height);
    glm::vec3 color = layer.color * (0.94f + 0.1f * lamination(uv, height));
    // Varnish runs down the face from each hard layer, in streaks.
    const float belowHard = mesaLayers::layerAt(height + 2.5f).hard && !layer.hard ? 1.0f : 0.4f;
    const float streaks = glm::smoothstep(0.0f, 0.5f, aroundFbm(uv.x, 160.0f, height * 0.03f, 3, 216));
    color = glm::mix(color, rgb(74, 40, 30), 0.45f * streaks * belowHard);
    color *= 1.0f - 0.22f * jointCrack(uv, height);
    // The talus: chips of the layers above mixed into sand, more sand further down.
    const mesaLayers::Layer& chip =
        mesaLayers::layerAt(mesaLayers::cliffFoot + 20.0f * (aroundFbm(uv.x, 150.0f, height, 2, 217) + 1.0f));
    const float sandy = 0.5f + 0.35f * glm::smoothstep(0.0f, 25.0f, mesaLayers::cliffFoot - height);
    const glm::vec3 scree = glm::mix(
        chip.color, sand, glm::clamp(sandy + 0.15f * aroundFbm(uv.x, 80.0f, height * 0.6f, 2, 218), 0.0f, 1.0f));
    color = glm::mix(color, scree, screeShare(height));
    // Paler where the rock stands out, darker in its recesses.
    color *= 0.74f + 0.4f * glm::smoothstep(-4.0f, 5.0f, mesaRelief(uv, height));
    return color * (0.93f + 0.12f * textureNoise::grain(uv, mesaSize, 219));
}

// Sky seen at the scale of the mesa: less at the cliff's foot, where the talus meets it, and in the shade
// under each hard ledge.
float mesaExposure(glm::vec2 uv)
{
    const float height = mesaHeightAt(uv);
    const float foot = 1.0f - 0.3f * glm::smoothstep(mesaLayers::cliffFoot + 6.0f, mesaLayers::cliffFoot, height) *
                                  glm::smoothstep(mesaLayers::cliffFoot - 4.0f, mesaLayers::cliffFoot, height);
    const bool underLedge = mesaLayers::layerAt(height + 1.2f).hard && !mesaLayers::layerAt(height).hard;
    return foot * (underLedge ? 0.82f : 1.0f);
}

// --- The arch: cross-bedded sandstone whose layers follow the height of each point, bleached on top,
// pitted and darker underneath, streaked with varnish down its sides. ---

struct ArchPoint {
    glm::vec3 position;
    glm::vec3 normal;
};

ArchPoint archPointAt(glm::vec2 uv)
{
    const float step = 1e-3f;
    const glm::vec3 p = archShape::point(uv.x, uv.y);
    const glm::vec3 dAlong = archShape::point(uv.x + step, uv.y) - archShape::point(uv.x - step, uv.y);
    const glm::vec3 dAround = archShape::point(uv.x, uv.y + step) - archShape::point(uv.x, uv.y - step);
    const glm::vec3 n = glm::cross(dAround, dAlong);
    const float length = glm::length(n);
    return {p, length > 1e-8f ? n / length : glm::vec3(0.0f, 1.0f, 0.0f)};
}

// Sandstone layers, thin and thick, in low-contrast warm tones: a band index and where in it the height lies.
glm::vec3 archLayerColor(float height)
{
    const std::array<glm::vec3, 5> palette = {rgb(196, 112, 70), rgb(212, 134, 88), rgb(184, 100, 64),
                                              rgb(220, 152, 106), rgb(204, 124, 80)};
    const float scaled = (height + 80.0f) / 6.0f;
    const auto band = static_cast<int>(std::floor(scaled + 0.6f * noise::value2(glm::vec2(scaled, 0.5f), 0, 221)));
    const auto pick = static_cast<size_t>(noise::random(band, 0, 0, 222) * palette.size());
    return palette[std::min(pick, palette.size() - 1)] * (0.94f + 0.1f * noise::random(band, 1, 0, 223));
}

float archPits(glm::vec3 p)
{
    return glm::smoothstep(0.3f, 0.6f, noise::fbm3(p * 0.25f, 3, 224));
}

float archRelief(const ArchPoint& point)
{
    const glm::vec3 p = point.position;
    const float crossBedding = std::sin((p.y + 0.35f * p.x + 0.2f * p.z) * 1.6f);
    const float ridges = 1.0f - std::abs(noise::fbm3(p * 0.08f, 4, 225));
    const float underside = std::max(-point.normal.y, 0.0f);
    return 0.8f * crossBedding + 6.0f * ridges * ridges - 5.0f * archPits(p) * (0.3f + underside);
}

glm::vec3 archColor(const ArchPoint& point)
{
    const glm::vec3 p = point.position;
    glm::vec3 color = archLayerColor(p.y);
    color *= 0.94f + 0.06f * std::sin((p.y + 0.35f * p.x + 0.2f * p.z) * 1.6f);
    const float upward = point.normal.y;
    color = glm::mix(color, rgb(230, 180, 132), 0.25f * std::max(upward, 0.0f));
    const float mottle = noise::fbm3(p * 0.12f, 4, 228);
    color *= 0.88f + 0.2f * (mottle * 0.5f + 0.5f);
    const float streaks = glm::smoothstep(0.1f, 0.5f, noise::fbm3(p * glm::vec3(0.25f, 0.02f, 0.25f), 3, 226));
    color = glm::mix(color, rgb(96, 52, 36), 0.4f * streaks * (1.0f - std::abs(upward)));
    const float underside = std::max(-upward, 0.0f);
    color *= 1.0f - 0.3f * archPits(p) * (0.3f + underside);
    return color * (0.95f + 0.05f * noise::fbm3(p * 0.7f, 2, 227));
}

// Darker under the span and low on the legs, where the two placements meet the sand (y 10 to 20).
float archExposure(const ArchPoint& point)
{
    const float base = glm::smoothstep(32.0f, 12.0f, point.position.y);
    return (1.0f - 0.25f * std::max(-point.normal.y, 0.0f)) * (1.0f - 0.3f * base);
}

std::vector<float> fillValues(glm::ivec2 size, const std::function<float(glm::vec2 uv)>& shade)
{
    HeightField values(size.x, size.y);
    fillHeight(values, shade);
    return values.values;
}

} // namespace

SurfaceTexture rockTexture()
{
    SurfaceTexture texture{Image(boulderSize, boulderSize), HeightField(boulderSize, boulderSize), 0.55f, {}};
    fillImage(texture.color, boulderColor);
    fillHeight(texture.height, boulderHeight);
    texture.exposure = fillValues(glm::ivec2(boulderSize), boulderExposure);
    return texture;
}

SurfaceTexture redRockTexture()
{
    SurfaceTexture texture{Image(mesaSize.x, mesaSize.y), HeightField(mesaSize.x, mesaSize.y), 0.6f, {}};
    fillImage(texture.color, mesaColor);
    fillHeight(texture.height, [](glm::vec2 uv) { return mesaRelief(uv, mesaHeightAt(uv)); });
    texture.exposure = fillValues(mesaSize, mesaExposure);
    return texture;
}

SurfaceTexture redRock2Texture()
{
    SurfaceTexture texture{Image(archSize.x, archSize.y), HeightField(archSize.x, archSize.y), 0.6f, {}};
    // Every texel is a point of the arch; each is found once and read three times.
    std::vector<ArchPoint> points(static_cast<size_t>(archSize.x) * archSize.y);
    forEachRow(archSize.y, [&](int y) {
        for (int x = 0; x < archSize.x; ++x) {
            const glm::vec2 uv((static_cast<float>(x) + 0.5f) / archSize.x,
                               (static_cast<float>(y) + 0.5f) / archSize.y);
            points[static_cast<size_t>(y) * archSize.x + x] = archPointAt(uv);
        }
    });
    const auto at = [&](glm::vec2 uv) -> const ArchPoint& {
        const glm::ivec2 texel = glm::min(glm::ivec2(uv * glm::vec2(archSize)), archSize - 1);
        return points[static_cast<size_t>(texel.y) * archSize.x + texel.x];
    };
    fillImage(texture.color, [&](glm::vec2 uv) { return archColor(at(uv)); });
    fillHeight(texture.height, [&](glm::vec2 uv) { return archRelief(at(uv)); });
    texture.exposure = fillValues(archSize, [&](glm::vec2 uv) { return archExposure(at(uv)); });
    return texture;
}
