#include "video/VideoEncoder.h"

#include "video/VideoFormat.h"
#include "video/VideoOutputCheck.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

extern char** environ;

namespace {

// The options before the output's: raw frames on standard input, and ffmpeg
// quiet but for errors, whose last line is what a failure reports.
std::vector<std::string> inputArguments(const VideoStream& stream)
{
    return {"-hide_banner",
            "-nostdin",
            "-loglevel",
            "error",
            "-y",
            "-f",
            "rawvideo",
            "-pix_fmt",
            "rgba",
            "-s",
            std::to_string(stream.width) + "x" + std::to_string(stream.height),
            "-framerate",
            std::to_string(stream.fps),
            "-i",
            "pipe:0"};
}

std::string partialPathFor(const std::string& path)
{
    const std::filesystem::path target(path);
    const std::string name = "." + target.filename().string() + "." + std::to_string(getpid()) + ".part";
    return (target.parent_path() / name).string();
}

// ffmpeg runs in its own process group: Ctrl-C in the terminal reaches this
// program alone, which decides what to do with the recording, and signals
// this program ignores are back to their defaults in ffmpeg.
void setUpAttributes(posix_spawnattr_t& attributes)
{
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    sigset_t noneBlocked;
    sigemptyset(&noneBlocked);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &noneBlocked);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
}

// execve's form: the program first, a null pointer last.
std::vector<char*> argumentVector(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    return argv;
}

} // namespace

VideoEncoder::VideoEncoder(const std::string& path, VideoStream stream)
    : path(path), partialPath(partialPathFor(path)), stream(stream)
{
    std::vector<std::string> arguments = inputArguments(stream);
    for (const std::string& argument : encoderArguments(videoFormatOf(path).value())) {
        arguments.push_back(argument);
    }
    arguments.push_back(partialPath);
    try {
        start(arguments);
    } catch (const EncoderFailure&) {
        release();
        throw;
    }
}

void VideoEncoder::start(const std::vector<std::string>& arguments)
{
    const std::string program = encoderProgramPath();
    std::vector<char*> argv = argumentVector(program, arguments);
    int pipeEnds[2];
    output = std::tmpfile();
    if (program.empty() || output == nullptr || pipe2(pipeEnds, O_CLOEXEC) != 0) {
        throw EncoderFailure("cannot start ffmpeg");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(output), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(output), STDERR_FILENO);
    posix_spawnattr_t attributes;
    setUpAttributes(attributes);
    const int spawned = posix_spawn(&process, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(pipeEnds[0]);
    input = pipeEnds[1];
    if (spawned != 0) {
        process = -1;
        throw EncoderFailure("cannot start ffmpeg: " + std::string(std::strerror(spawned)));
    }
    // A write to a pipe ffmpeg has closed must come back as an error, not end this program.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previousPipeAction);
    pipeSignalIgnored = true;
}

VideoEncoder::~VideoEncoder()
{
    abandon();
    release();
}

void VideoEncoder::release()
{
    if (input != -1) {
        close(input);
        input = -1;
    }
    if (output != nullptr) {
        std::fclose(output);
        output = nullptr;
    }
    if (pipeSignalIgnored) {
        sigaction(SIGPIPE, &previousPipeAction, nullptr);
        pipeSignalIgnored = false;
    }
}

void VideoEncoder::write(const std::vector<uint8_t>& rgba)
{
    if (rgba.size() != size_t{stream.width} * stream.height * 4) {
        throw EncoderFailure("a frame of the wrong size reached the encoder");
    }
    size_t written = 0;
    while (written < rgba.size()) {
        const ssize_t n = ::write(input, rgba.data() + written, rgba.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            fail(waitForExit());
        }
        written += static_cast<size_t>(n);
    }
}

void VideoEncoder::finish()
{
    const int status = waitForExit();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fail(status);
    }
    std::error_code error;
    std::filesystem::rename(partialPath, path, error);
    if (error) {
        std::filesystem::remove(partialPath, error);
        throw EncoderFailure("cannot name the video " + path);
    }
}

// Closing the pipe is ffmpeg's end of input.
int VideoEncoder::waitForExit()
{
    if (input != -1) {
        close(input);
        input = -1;
    }
    int status = 0;
    while (process != -1 && waitpid(process, &status, 0) < 0 && errno == EINTR) {
    }
    process = -1;
    return status;
}

void VideoEncoder::fail(int status)
{
    std::error_code error;
    std::filesystem::remove(partialPath, error);
    std::string line = lastLineOfOutput();
    if (line.empty()) {
        line = WIFEXITED(status) ? "ffmpeg stopped with code " + std::to_string(WEXITSTATUS(status))
                                 : "ffmpeg stopped on signal " + std::to_string(WTERMSIG(status));
    }
    throw EncoderFailure(line);
}

std::string VideoEncoder::lastLineOfOutput() const
{
    std::rewind(output);
    std::string last;
    std::string line;
    for (int c = std::fgetc(output); c != EOF; c = std::fgetc(output)) {
        if (c == '\n' || c == '\r') {
            last = line.empty() ? last : line;
            line.clear();
        } else {
            line.push_back(static_cast<char>(c));
        }
    }
    return line.empty() ? last : line;
}

void VideoEncoder::abandon()
{
    if (process != -1) {
        kill(process, SIGKILL);
        waitForExit();
        std::error_code error;
        std::filesystem::remove(partialPath, error);
    }
}
