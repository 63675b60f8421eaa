#pragma once

#include <cstdint>

// What one frame asked the GPU to draw, over all its passes: the draw commands, the triangles of
// the indexed draws and the points of the particle draws (each of which the geometry shader may
// turn into two triangles, or none). A particle draw is counted at its list's room, every carrier:
// the device decides how many of them the view gets. The benchmark reports it; the demo pays only
// the additions.
struct DrawCounts {
    uint32_t drawCalls = 0;
    uint64_t triangles = 0;
    uint64_t points = 0;

    void indexedTriangles(uint32_t indexCount)
    {
        drawCalls++;
        triangles += indexCount / 3;
    }

    void pointList(uint32_t pointCount)
    {
        drawCalls++;
        points += pointCount;
    }
};
