#pragma once

#include "Mesh.h"

// A saguaro 12 units tall standing on its origin (+y up): a ribbed trunk and two arms.
// Texture u goes once around every stem, so the twelve ribs of the texture sit on the twelve ribs of the mesh.
Mesh saguaro();
