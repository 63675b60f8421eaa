#pragma once

// The two views a frame draws the scene from: the camera's, into the G-buffer, and the
// reflective cube's, into the six faces of its environment. Each view has uniform records of
// its own, so that both passes of a frame can be recorded before either has run.
enum class ViewPass { Camera, Environment };

constexpr unsigned viewPassCount = 2;
