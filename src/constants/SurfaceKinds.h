#ifndef CONSTANTS_SURFACE_KINDS_H
#define CONSTANTS_SURFACE_KINDS_H

// Read by the C++ compiler and by glslc, hence only #define.

// What a G-buffer pixel's normal.w says it is, so that the lighting pass knows
// how to treat it. The clear value (0, 0, 0, 1) therefore reads as an unlit
// black pixel, which is what uncovered background should show.
#define KIND_LIT 0    // opaque surface, lit with its material
#define KIND_UNLIT 1  // sky (and untouched background): shown as it is
#define KIND_MIRROR 2 // the reflective cube: already a finished colour
#define KIND_DUST 3   // particles: translucent, lit with wrapped diffuse

#endif
