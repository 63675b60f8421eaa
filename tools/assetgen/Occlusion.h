#pragma once

#include "Image.h"

#include <vector>

// How much of the sky each texel of a tiling height field sees, from 0 (none) to 1 (all of it):
// 1 on flat ground and on crests, less in pits, cracks and at the foot of ledges. `strength`
// turns the field's values into heights in texels, as for its normal map, and the field wraps.
std::vector<float> heightOcclusion(const HeightField& field, float strength);
