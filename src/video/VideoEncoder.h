#pragma once

#include <sys/types.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

// ffmpeg stopped or could not start; the message is its last line of output.
class EncoderFailure : public std::runtime_error {
public:
    explicit EncoderFailure(const std::string& message) : std::runtime_error(message) {}
};

struct VideoStream {
    uint32_t width = 0;
    uint32_t height = 0;
    int fps = 30;
};

// The ffmpeg program encoding raw RGBA frames, piped to its standard input,
// into the file `path` in the format its extension names. ffmpeg writes to a
// hidden file beside it, renamed only once ffmpeg has ended cleanly: a failed
// or abandoned recording leaves nothing under the name asked for.
class VideoEncoder {
public:
    VideoEncoder(const std::string& path, VideoStream stream);
    // Without finish(): ffmpeg is stopped and its file removed.
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // One frame of width × height RGBA pixels, rows from the top. Throws
    // EncoderFailure when ffmpeg has stopped reading.
    void write(const std::vector<uint8_t>& rgba);
    // Ends ffmpeg's input so that it completes the file, waits for it, and
    // gives the file its name. Throws EncoderFailure when ffmpeg fails.
    void finish();

private:
    void start(const std::vector<std::string>& arguments);
    int waitForExit();
    [[noreturn]] void fail(int status);
    std::string lastLineOfOutput() const;
    void abandon();
    void release();

    std::string path;
    std::string partialPath;
    VideoStream stream;
    pid_t process = -1;
    int input = -1;
    std::FILE* output = nullptr;
    struct sigaction previousPipeAction {};
    bool pipeSignalIgnored = false;
};
