#include "app/RecordSettings.h"

#include "video/VideoOutputCheck.h"

#include <algorithm>
#include <cmath>

namespace {

RecordingRefused badNumber(const std::string& option, const std::string& text, const std::string& expected)
{
    return RecordingRefused(option + " takes " + expected + ", not '" + text + "'");
}

bool isDigits(const std::string& text)
{
    return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

int RecordSettings::frameCount() const
{
    return std::max(1, static_cast<int>(std::lround(static_cast<double>(seconds) * fps)));
}

int framesPerSecond(const std::string& text)
{
    const int fps = isDigits(text) ? std::stoi(text) : 0;
    if (fps < 1 || fps > maxFramesPerSecond) {
        throw badNumber("--fps", text,
                        "a whole number of frames a second from 1 to " + std::to_string(maxFramesPerSecond));
    }
    return fps;
}

float recordingSeconds(const std::string& text)
{
    size_t used = 0;
    float seconds = NAN;
    try {
        seconds = std::stof(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (text.empty() || used != text.size() || !(seconds > 0.0f && seconds <= maxRecordingSeconds)) {
        throw badNumber("--seconds", text, "a number of seconds above 0 and at most 86400");
    }
    return seconds;
}
