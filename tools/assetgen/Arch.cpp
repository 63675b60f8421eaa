#include "ArchShape.h"
#include "Lathe.h"
#include "Rocks.h"

#include <glm/gtc/constants.hpp>

namespace rocks {

// The arch's texture is its own: u runs along the arch once, v once round it, so that the texture
// can give every point the colour of the layer at its height.
Mesh arch()
{
    const int rings = 64;
    LatheShape shape;
    shape.segments = 24;
    for (int i = 0; i < rings; ++i) {
        shape.rings.push_back(static_cast<float>(i) / static_cast<float>(rings - 1));
    }
    shape.point = [](float angle, float along) { return archShape::point(along, angle / glm::two_pi<float>()); };
    shape.bottomPole = archShape::centre(0.0f);
    shape.topPole = archShape::centre(1.0f);
    shape.uv = [](glm::vec3, float angle, float along) { return glm::vec2(along, angle / glm::two_pi<float>()); };
    return lathe(shape);
}

} // namespace rocks
