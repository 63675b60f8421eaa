#pragma once

#include <glm/glm.hpp>

#include <vector>

// The sedimentary layers of the red mesa, shared by its mesh (hard layers stand out as ledges) and its texture
// (each layer its own colour), so that the bands follow the height of the rock. Heights are in the mesh's units:
// the mesa stands on y = 0 with its cap near y = 62; the scene buries its foot.
namespace mesaLayers {

constexpr float capTop = 62.0f;
// Where the cliff gives way to the talus slope below it.
constexpr float cliffFoot = 30.0f;
// The lowest point of the buried root; far placements sink the mesa deep into the sand.
constexpr float rootBottom = -25.0f;

struct Layer {
    float bottom;
    float top;
    // Hard layers resist erosion and stand out; soft ones are worn back.
    bool hard;
    glm::vec3 color;
};

// From the cap down to the root, each layer's bottom the next one's top; thickness, hardness and colour vary.
const std::vector<Layer>& layers();
const Layer& layerAt(float height);

// The colour texture's v of a height (0 at the top row above the cap, 1 at the root's bottom): the cliff gets
// most of the rows, the buried root the fewest. heightAtV undoes it.
float textureV(float height);
float heightAtV(float v);

} // namespace mesaLayers
