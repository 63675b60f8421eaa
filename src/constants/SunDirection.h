#ifndef CONSTANTS_SUN_DIRECTION_H
#define CONSTANTS_SUN_DIRECTION_H

// Read by the C++ compiler and by glslc, hence only #define.

// The way the sunlight travels, not normalised, as the components of a
// vec3(...) constructor: down and across the scene (up is -y). The light
// buffer, the shaders that have no light buffer and the generated sky all
// put the sun here.
#define SUN_DIRECTION_XYZ -1.0f, -1.0f, -1.0f

#endif
