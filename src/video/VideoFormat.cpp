#include "video/VideoFormat.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

// The frames are sRGB; tagging them as BT.709 (the matrix the conversion to
// YUV uses too) makes browsers and players show the colours the demo drew.
const std::vector<std::string> colourTags = {"-vf",
                                             "scale=out_color_matrix=bt709:out_range=tv",
                                             "-colorspace",
                                             "bt709",
                                             "-color_primaries",
                                             "bt709",
                                             "-color_trc",
                                             "bt709"};

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace

std::optional<VideoFormat> videoFormatOf(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".mp4") {
        return VideoFormat::Mp4;
    }
    if (extension == ".webm") {
        return VideoFormat::WebM;
    }
    return std::nullopt;
}

std::vector<std::string> encoderArguments(VideoFormat format)
{
    if (format == VideoFormat::Mp4) {
        // yuv420p is the one H.264 profile every browser plays; faststart puts
        // the index first so that playback can begin before the download ends.
        return joined({"-c:v", "libx264", "-preset", "medium", "-crf", "20", "-pix_fmt", "yuv420p"},
                      joined(colourTags, {"-movflags", "+faststart", "-f", "mp4"}));
    }
    // Constant quality (-b:v 0 lets -crf alone decide), row threads for speed.
    return joined({"-c:v", "libvpx-vp9", "-crf", "32", "-b:v", "0", "-deadline", "good", "-cpu-used", "4", "-row-mt",
                   "1", "-pix_fmt", "yuv420p"},
                  joined(colourTags, {"-f", "webm"}));
}
