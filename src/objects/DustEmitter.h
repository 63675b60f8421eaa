#pragma once

#include <glm/glm.hpp>

// Where and for how long the dust lives. The records start on a ring around the origin and the
// simulation carries them to the emitter by its offset.
namespace dustEmitter {

constexpr float ringRadius = 0.2f;
constexpr float ringHeight = -3.0f;
const glm::vec3 offset(20.0f, 0.0f, 0.0f);

// Lifetimes are drawn from [shortestLife, shortestLife + lifeSpread).
constexpr float shortestLife = 3.0f;
constexpr float lifeSpread = 4.0f;

} // namespace dustEmitter
