#include "timing/ProgressLine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::chrono::milliseconds updateInterval{250};

// m:ss, or h:mm:ss from an hour.
std::string clockTime(double seconds)
{
    const long whole = std::lround(std::max(0.0, seconds));
    char text[32];
    if (whole >= 3600) {
        std::snprintf(text, sizeof(text), "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
    } else {
        std::snprintf(text, sizeof(text), "%ld:%02ld", whole / 60, whole % 60);
    }
    return text;
}

} // namespace

std::string progressText(int done, int total, double elapsedSeconds)
{
    std::string text =
        "frame " + std::to_string(done) + "/" + std::to_string(total) + ", " + clockTime(elapsedSeconds) + " elapsed";
    if (done > 0 && done < total) {
        text += ", about " + clockTime(elapsedSeconds / done * (total - done)) + " left";
    }
    return text;
}

ProgressLine::ProgressLine(std::ostream& out, std::string label, int total)
    : out(out), label(std::move(label)), total(total), start(Clock::now()), lastShown(start - updateInterval)
{
}

void ProgressLine::show(int done)
{
    latest = done;
    if (Clock::now() - lastShown >= updateInterval || done == total) {
        draw(done);
    }
}

void ProgressLine::draw(int done)
{
    const Clock::time_point now = Clock::now();
    const std::string text = label + progressText(done, total, std::chrono::duration<double>(now - start).count());
    // Spaces cover the tail of a longer line before it.
    out << '\r' << text << std::string(lastLength > text.size() ? lastLength - text.size() : 0, ' ') << std::flush;
    lastShown = now;
    lastLength = text.size();
    lastDone = done;
}

void ProgressLine::end()
{
    if (latest != lastDone) {
        draw(latest);
    }
    if (lastDone >= 0) {
        out << '\n' << std::flush;
        lastDone = latest = -1;
        lastLength = 0;
    }
}
