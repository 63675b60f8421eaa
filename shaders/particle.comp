#version 450

// One simulation step of the dust plume. Each particle is read from the buffer
// the other frame wrote and written to this frame's buffer.
//
// Positions are stored in world space. The initial records sit around (0, -3, 0)
// without the emitter offset and are all born at once, so the first step moves
// every untouched record to the emitter and gives it a negative age: a staggered
// birth that turns the initial burst into a steady stream. A particle with a
// negative age is not yet born; it waits at the emitter and is not drawn.

#include "constants/ParticleWorkGroup.h"
#include "particle_record.glsl"

layout(local_size_x = PARTICLES_PER_WORK_GROUP, local_size_y = 1, local_size_z = 1) in;

layout(set = 0, binding = 0) uniform UniformBufferObject {
    mat4 model;
    mat4 view;
    mat4 proj;
    float scalar;
} ubo;

layout(std430, set = 0, binding = 1) readonly buffer PreviousParticles {
    Particle particles[];
} previous;

layout(std430, set = 0, binding = 2) buffer CurrentParticles {
    Particle particles[];
} current;

// A long first frame must not fling the plume apart.
const float MAX_STEP = 0.1;
const float RISE_SPEED = 1.3;
const float RISE_SPREAD = 1.2;
const float SIDE_SPREAD = 0.35;
const float SWIRL_RATE = 0.9;
const float WOBBLE = 0.35;
const float DRAG = 0.12;
const vec3 WIND = vec3(0.45, 0.0, 0.18);

// Up is -y. The horizontal direction and the speed come from the particle's own
// random vector, so every rebirth of the same particle takes the same path shape.
vec3 launchVelocity(Particle p)
{
    vec3 r = p.randomVector;
    vec2 side = vec2(r.x - 1.0, r.z * 2.0 - 1.0) * SIDE_SPREAD;
    vec3 direction = normalize(vec3(side.x, -1.0, side.y));
    return direction * (RISE_SPEED + RISE_SPREAD * r.y);
}

Particle reborn(Particle p, vec3 emitter)
{
    p.position = p.startPosition + emitter;
    p.velocity = launchVelocity(p);
    p.age = 0.0;
    return p;
}

bool untouched(Particle p)
{
    return p.age == 0.0 && p.position == p.startPosition;
}

// Rise with the launch velocity, circle the emitter's axis and wobble around it.
Particle advanced(Particle p, vec3 emitter, float dt)
{
    vec2 fromAxis = p.position.xz - emitter.xz;
    float swirl = SWIRL_RATE * (0.6 + 0.4 * p.randomVector.z);
    vec2 around = vec2(-fromAxis.y, fromAxis.x) * swirl;
    float phase = p.age * (1.5 + p.randomVector.y) + p.angle;
    vec3 wobble = vec3(sin(phase), 0.0, cos(phase)) * WOBBLE;
    p.velocity *= 1.0 - DRAG * dt;
    p.position += (p.velocity + vec3(around.x, 0.0, around.y) + wobble + WIND) * dt;
    return p;
}

void main()
{
    uint index = gl_GlobalInvocationID.x;
    if (index >= uint(previous.particles.length())) {
        return;
    }
    Particle p = previous.particles[index];
    vec3 emitter = ubo.model[3].xyz;
    float dt = clamp(ubo.scalar, 0.0, MAX_STEP);
    float lifetime = max(p.lifetime, 0.1);

    if (untouched(p)) {
        p = reborn(p, emitter);
        p.age = -lifetime * fract(p.angle * 0.1591549 + p.randomVector.x * 0.5);
    }

    p.age += dt;
    if (p.age >= lifetime || isnan(p.age)) {
        p = reborn(p, emitter);
    } else if (p.age >= 0.0) {
        p = advanced(p, emitter, dt);
    }
    current.particles[index] = p;
}
