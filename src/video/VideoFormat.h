#pragma once

#include <optional>
#include <string>
#include <vector>

// The containers a recording can be written as, picked by the file's extension.
enum class VideoFormat { Mp4, WebM };

// ".mp4" or ".webm" in any case; nothing for any other extension.
std::optional<VideoFormat> videoFormatOf(const std::string& path);

// ffmpeg's output options for `format`, from the codec to the muxer's name.
std::vector<std::string> encoderArguments(VideoFormat format);
