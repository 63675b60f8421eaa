#ifndef CONSTANTS_FIELD_OF_VIEW_H
#define CONSTANTS_FIELD_OF_VIEW_H

// Read by the C++ compiler and by glslc, hence only #define.

// The vertical field of view of both cameras, in degrees. The lighting pass
// turns screen points back into view rays with it, so the two must agree.
#define FIELD_OF_VIEW_DEGREES 60.0f

#endif
