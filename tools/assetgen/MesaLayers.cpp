#include "MesaLayers.h"

#include "Image.h"
#include "Noise.h"

#include <algorithm>
#include <array>

namespace mesaLayers {

namespace {

constexpr uint32_t seed = 51;
constexpr float rimAllowance = 3.0f; // the rows above the cap, for the rim and the top

// The v of each height, as knots of a piecewise-linear map.
struct Knot {
    float height;
    float v;
};
const std::array<Knot, 4> knots = {
    {{capTop + rimAllowance, 0.0f}, {cliffFoot, 0.56f}, {0.0f, 0.84f}, {rootBottom, 1.0f}}};

std::vector<Layer> buildLayers()
{
    const std::array<glm::vec3, 6> palette = {rgb(168, 70, 40), rgb(192, 96, 52),   rgb(206, 128, 78),
                                              rgb(140, 58, 36), rgb(220, 168, 120), rgb(178, 84, 48)};
    std::vector<Layer> built;
    // The cap rock: thick, hard and pale.
    built.push_back({capTop - 5.5f, capTop + rimAllowance, true, rgb(214, 170, 128)});
    int index = 0;
    while (built.back().bottom > rootBottom) {
        const float draw = noise::random(index, 0, 0, seed);
        const float thickness = 1.2f + 7.0f * draw * draw;
        const bool hard = noise::random(index, 1, 0, seed) < 0.4f;
        const auto pick = static_cast<size_t>(noise::random(index, 2, 0, seed) * palette.size());
        const float tone = 0.9f + 0.2f * noise::random(index, 3, 0, seed);
        const float top = built.back().bottom;
        built.push_back({top - thickness, top, hard, palette[std::min(pick, palette.size() - 1)] * tone});
        ++index;
    }
    built.back().bottom = rootBottom - rimAllowance;
    return built;
}

} // namespace

const std::vector<Layer>& layers()
{
    static const std::vector<Layer> table = buildLayers();
    return table;
}

const Layer& layerAt(float height)
{
    const std::vector<Layer>& table = layers();
    for (const Layer& layer : table) {
        if (height >= layer.bottom) {
            return layer;
        }
    }
    return table.back();
}

float textureV(float height)
{
    const float h = std::clamp(height, knots.back().height, knots.front().height);
    for (size_t i = 0; i + 1 < knots.size(); ++i) {
        if (h >= knots[i + 1].height) {
            const float t = (knots[i].height - h) / (knots[i].height - knots[i + 1].height);
            return glm::mix(knots[i].v, knots[i + 1].v, t);
        }
    }
    return 1.0f;
}

float heightAtV(float v)
{
    const float clamped = std::clamp(v, 0.0f, 1.0f);
    for (size_t i = 0; i + 1 < knots.size(); ++i) {
        if (clamped <= knots[i + 1].v) {
            const float t = (clamped - knots[i].v) / (knots[i + 1].v - knots[i].v);
            return glm::mix(knots[i].height, knots[i + 1].height, t);
        }
    }
    return knots.back().height;
}

} // namespace mesaLayers
