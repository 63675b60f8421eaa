#pragma once

// The particle compute shader runs 256 particles per work group; a remainder
// of fewer than 256 particles gets no group.
constexpr int particlesPerWorkGroup = 256;

constexpr int particleWorkGroups(int particleCount) { return particleCount / particlesPerWorkGroup; }
