#pragma once

// How many frames the CPU may record while the GPU still works on earlier
// ones: every per-frame buffer, image and descriptor set exists this many times.
constexpr int MAX_FRAMES_IN_FLIGHT = 2;
