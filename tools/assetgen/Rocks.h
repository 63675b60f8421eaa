#pragma once

#include "Mesh.h"

// Rock meshes stand on their origin with +y up; the scene buries their bases a little.
namespace rocks {

// A faceted boulder about 5 units wide and 4 tall (y from −0.5), so that at scale 10 it reads as a butte.
Mesh boulder();
// A flat-topped mesa with cliffs and a talus apron: about 80 units across and 60 tall.
Mesh mesa();
// A free-standing arch: about 180 units wide, 150 tall and 40 deep, its legs reaching 50 units below y = 0.
Mesh arch();

} // namespace rocks
