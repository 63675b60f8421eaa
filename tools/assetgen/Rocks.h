#pragma once

#include "Mesh.h"

// Rock meshes stand on their origin with +y up; the scene buries their bases, by different depths for different
// placements, so each reaches well below y = 0 and meets the sand wherever it is cut.
namespace rocks {

// A weathered boulder about 5 units wide and 3.5 tall above y = 0, on a root that goes 1.6 units down.
Mesh boulder();
// A mesa of layered rock, about 70 units across and 62 tall, its cliffs over a talus slope whose foot spreads
// wide below y = 30 and reaches y = -25.
Mesh mesa();
// A free-standing arch: about 180 units wide, 135 tall and 40 deep, its legs reaching 60 units below y = 0.
Mesh arch();

} // namespace rocks
