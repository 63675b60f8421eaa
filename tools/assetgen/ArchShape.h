#pragma once

#include <glm/glm.hpp>

// The free-standing arch, as a function of two coordinates: `along` runs from the foot of one leg (0) over the
// span to the foot of the other (1), `around` once round the rock's cross-section (0 … 1, closing on itself).
// The mesh samples it at its vertices and the texture at its texels, so the texture can follow the rock's height.
// Heights are in the mesh's units, legs reaching 60 below y = 0; the scene buries them.
namespace archShape {

// The cross-section turns like the rings of a lathe (Lathe.h), with the curve in place of the y axis.
glm::vec3 point(float along, float around);
// The middle of the cross-section.
glm::vec3 centre(float along);

} // namespace archShape
