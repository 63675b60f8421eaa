#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// A recording that cannot succeed, found before any frame is drawn; the
// message is one line naming the option at fault.
class RecordingRefused : public std::invalid_argument {
public:
    explicit RecordingRefused(const std::string& message) : std::invalid_argument(message) {}
};

// Throws RecordingRefused when `path` has an extension no format answers to,
// or its folder is missing or not writable.
void checkVideoPath(const std::string& path);

// Throws RecordingRefused when a side is odd: 4:2:0 colour halves both sides.
void checkVideoSize(uint32_t width, uint32_t height);

// Throws RecordingRefused, saying how to install it, when no ffmpeg program is on the PATH.
void checkEncoderInstalled();

// Where the ffmpeg program is on the PATH; empty when it is not.
std::string encoderProgramPath();
