#pragma once

class Application;

// Plays `leadInFrames` frames `step` seconds apart that end just before
// timeline second `t`, then the frame at `t`. The reflections show the frame
// before, so a lead-in of at least one frame makes the last frame depend on
// the timeline alone, not on where the run was before. Offscreen, the last
// frame is read back (Renderer::getOffscreenTarget()->lastReadBack()).
void playFramesUpTo(Application& app, float t, int leadInFrames, float step);

// The lead-in of a still of one timeline second, the same for the benchmark's
// captures and a recording's first frame, so that both show that second alike
// (the path camera aims where the ship was a frame before).
constexpr int captureLeadInFrames = 2;
constexpr float captureLeadInStep = 1.0f / 30.0f;
