#ifndef CONSTANTS_DUST_VIEWS_H
#define CONSTANTS_DUST_VIEWS_H

// Read by the C++ compiler and by glslc, hence only #define.

// The views that may draw the dust in one frame: the camera and the six faces of the
// environment cube. Each gets its own list of the particles it can see.
#define DUST_VIEW_LIMIT 7

// Invocations of the work group that lists one view's particles.
#define DUST_LIST_INVOCATIONS 256

#endif
