#pragma once

// The size of the demo's full-screen window. The G-buffer starts at it, and the
// offscreen benchmark draws at it unless told otherwise.
constexpr int fullScreenWidth = 1920;
constexpr int fullScreenHeight = 1080;
