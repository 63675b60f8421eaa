#include "app/RecordSettings.h"

#include "app/OptionValues.h"

#include <algorithm>
#include <cmath>

int RecordSettings::frameCount() const
{
    return std::max(1, static_cast<int>(std::lround(static_cast<double>(seconds) * fps)));
}

int framesPerSecond(const std::string& text)
{
    const int fps = wholeNumberAtLeast("--fps", text, 1);
    if (fps > maxFramesPerSecond) {
        throw badValue("--fps", text, "a whole number from 1 to " + std::to_string(maxFramesPerSecond));
    }
    return fps;
}

float recordingSeconds(const std::string& text)
{
    const float seconds = finiteSeconds("--seconds", text);
    if (!(seconds > 0.0f && seconds <= maxRecordingSeconds)) {
        throw badValue("--seconds", text, "a number of seconds above 0 and at most 86400");
    }
    return seconds;
}
