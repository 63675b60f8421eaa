#pragma once

#include <cstdint>

// A run of consecutive entries of a mesh's index list, drawn with one indexed draw.
struct IndexRange {
    uint32_t first = 0;
    uint32_t count = 0;
};
