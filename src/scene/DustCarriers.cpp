#include "scene/DustCarriers.h"

#include "constants/DustCarriers.h"

#include <algorithm>

std::vector<uint32_t> dustCarriers(const std::vector<Particle>& particles)
{
    std::vector<uint32_t> carriers;
    for (size_t i = 0; i < particles.size(); i++) {
        // The geometry shader's own test, on the value it reads.
        if (std::clamp(particles[i].randomVector.x, 0.0f, 2.0f) < static_cast<float>(DUST_CARRIER_LIMIT)) {
            carriers.push_back(static_cast<uint32_t>(i));
        }
    }
    return carriers;
}
