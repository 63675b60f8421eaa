#pragma once

// Timeline seconds of frames a fixed step apart, for runs that must see the
// same poses and particle steps whatever each frame took to draw. Each second
// comes from its frame's index, so that rounding does not pile up over
// thousands of frames, and wraps at the end of the cycle as the demo's does.
class FixedSteps {
public:
    FixedSteps(float start, float step) : start(start), stepLength(step) {}

    float at(long frame) const;
    float step() const { return stepLength; }

private:
    float start;
    float stepLength;
};
