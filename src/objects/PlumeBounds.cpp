#include "objects/PlumeBounds.h"

#include "objects/DustEmitter.h"

#include <cmath>

namespace {

// The simulation's limits, as particle.comp has them: the longest step, the launch speed at the
// largest random draw and its sideways share, the swirl, wobble, drag and wind.
constexpr float longestStep = 0.1f;
constexpr float fastestLaunch = 1.3f + 1.2f;
constexpr float sideSpread = 0.35f;
constexpr float fastestSwirl = 0.9f;
constexpr float wobble = 0.35f;
constexpr float drag = 0.12f;
const glm::vec3 wind(0.45f, 0.0f, 0.18f);

// particle.geom: a sprite's corners lie at most this far from its centre (the largest size at
// the largest random factor the shader admits, times the diagonal of the square).
const float spriteReach = 0.45f * (0.8f + 0.4f * 2.0f) * std::sqrt(2.0f);

// A particle is advanced while its age is below its lifetime, one step past it at most.
constexpr float longestFlight = dustEmitter::shortestLife + dustEmitter::lifeSpread + longestStep;

// The launch velocity decays by (1 - drag * dt) every step, so the distance it covers is at most
// the integral of its exponential decay over the flight.
float launchTravel()
{
    return fastestLaunch * (1.0f - std::exp(-drag * longestFlight)) / drag;
}

// The largest distance from the emitter's vertical axis. The swirl turns the offset from the axis
// a little outwards every step: an explicit Euler step of a rotation lengthens it by
// sqrt(1 + (swirl * dt)^2) <= exp((swirl * dt)^2 / 2), which over a flight of steps no longer than
// the longest multiplies to at most exp(swirl^2 * longestStep * flight / 2). The launch's
// sideways part, the wobble and the wind push it out on top.
float farthestFromAxis()
{
    const float sideways = sideSpread * std::sqrt(2.0f);
    const float sidewaysShare = sideways / std::sqrt(1.0f + sideways * sideways);
    const float drift = sidewaysShare * launchTravel() + (wobble + glm::length(wind)) * longestFlight;
    const float swirlGrowth = std::exp(0.5f * fastestSwirl * fastestSwirl * longestStep * longestFlight);
    return swirlGrowth * (dustEmitter::ringRadius + drift);
}

} // namespace

BoundingSphere plumeBounds()
{
    // Up is -y: the dust only rises from the ring.
    const float rise = launchTravel();
    const glm::vec3 base = dustEmitter::offset + glm::vec3(0.0f, dustEmitter::ringHeight, 0.0f);
    const float halfRise = 0.5f * rise;
    const float horizontal = farthestFromAxis();
    return {base - glm::vec3(0.0f, halfRise, 0.0f),
            std::sqrt(horizontal * horizontal + halfRise * halfRise) + spriteReach};
}
