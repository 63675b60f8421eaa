#pragma once

#include "constants/ParticleWorkGroup.h"

// Only whole work groups are dispatched: a remainder of fewer than
// PARTICLES_PER_WORK_GROUP particles gets no group.
constexpr int particleWorkGroups(int particleCount)
{
    return particleCount / PARTICLES_PER_WORK_GROUP;
}
