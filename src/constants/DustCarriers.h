#ifndef CONSTANTS_DUST_CARRIERS_H
#define CONSTANTS_DUST_CARRIERS_H

// Read by the C++ compiler and by glslc, hence only #define.

// Only the particles whose random x (clamped to 0..2) lies below this carry a
// puff of dust; the others are simulated but never drawn. A particle keeps its
// random vector for good, so the draws can leave the others out from the start.
#define DUST_CARRIER_LIMIT 1.0

#endif
