#include "app/FramesUpTo.h"

#include "app/Application.h"
#include "renderer/OffscreenTarget.h"

#include <algorithm>

void playFramesUpTo(Application& app, float t, int leadInFrames, float step)
{
    for (int i = leadInFrames; i > 0; i--) {
        app.frame(std::max(0.0f, t - static_cast<float>(i) * step), step);
    }
    if (OffscreenTarget* target = app.getRenderer().getOffscreenTarget()) {
        target->readBackNextFrame();
    }
    app.frame(t, step);
}
