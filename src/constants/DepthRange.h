#ifndef CONSTANTS_DEPTH_RANGE_H
#define CONSTANTS_DEPTH_RANGE_H

// Read by the C++ compiler and by glslc, hence only #define.

// The near and far planes of every projection in the scene: both cameras and
// the environment faces. The ground reaches the far plane in every direction,
// and the mirror turns the environment depth back into distances with them.
#define NEAR_PLANE 0.1f
#define FAR_PLANE 1500.0f

#endif
