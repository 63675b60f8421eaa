#pragma once

#include "objects/BoundingSphere.h"

// A world-space sphere that holds every dust sprite the geometry shader can emit: the ring the
// particles are born on, the farthest the simulation can carry them in one life, and a sprite's
// own reach around its centre.
BoundingSphere plumeBounds();
