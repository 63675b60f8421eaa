#ifndef CONSTANTS_PARTICLE_WORK_GROUP_H
#define CONSTANTS_PARTICLE_WORK_GROUP_H

// Read by the C++ compiler and by glslc, hence only #define.

// Particles simulated by one work group of the particle compute shader.
#define PARTICLES_PER_WORK_GROUP 256

#endif
