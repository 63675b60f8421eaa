#pragma once

#include <chrono>
#include <ostream>
#include <string>

// "frame 120/2550, 0:42 elapsed, about 14:10 left": the estimate assumes the
// frames still to come take as long as those done so far took on average.
std::string progressText(int done, int total, double elapsedSeconds);

// A line on a terminal rewritten in place as long work goes on, at most four
// times a second: a terminal or a log file taking it is not flooded.
class ProgressLine {
public:
    ProgressLine(std::ostream& out, std::string label, int total);
    // Work that ends in an exception leaves the line ended too, so its
    // message starts a line of its own.
    ~ProgressLine() { end(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void show(int done);
    // The last state stays on its line; what is printed next starts a new one.
    void end();

private:
    void draw(int done);

    using Clock = std::chrono::steady_clock;

    std::ostream& out;
    std::string label;
    int total;
    Clock::time_point start;
    Clock::time_point lastShown;
    size_t lastLength = 0;
    int lastDone = -1;
    int latest = -1;
};
