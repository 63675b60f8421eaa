#include "BenchReport.h"

#include "Statistics.h"

#include <array>
#include <cmath>
#include <functional>
#include <iomanip>
#include <utility>

namespace {

const std::array<const char*, timedPassCount> passNames = {
    "compute step", "dust lists",  "env face +X", "env face -X",   "env face +Y",
    "env face -Y",  "env face +Z", "env face -Z", "G-buffer pass", "lighting pass"};

const std::array<const char*, timedPassCount> passColumns = {"compute_ms", "dust_lists_ms", "face_px_ms", "face_nx_ms",
                                                             "face_py_ms", "face_ny_ms",    "face_pz_ms", "face_nz_ms",
                                                             "gbuffer_ms", "lighting_ms"};

std::vector<double> column(const BenchResult& result, const std::function<double(const FrameSample&)>& pick)
{
    std::vector<double> values;
    for (const FrameSample& frame : result.frames) {
        values.push_back(pick(frame));
    }
    return values;
}

void printRow(std::ostream& out, const char* name, const Summary& summary)
{
    out << "  " << std::left << std::setw(26) << name << std::right << std::fixed << std::setprecision(2);
    for (double value : {summary.median, summary.p95, summary.max}) {
        out << std::setw(10);
        if (std::isnan(value)) {
            out << "n/a";
        } else {
            out << value;
        }
    }
    out << '\n';
}

void printStartupRow(std::ostream& out, const char* name, double milliseconds)
{
    out << "  " << std::left << std::setw(26) << name << std::right << std::fixed << std::setprecision(1)
        << std::setw(10) << milliseconds << '\n';
}

double environmentTotal(const FrameSample& frame)
{
    double total = 0.0;
    for (uint32_t face = 0; face < 6; face++) {
        total += frame.gpuMs[static_cast<uint32_t>(environmentFace(face))];
    }
    return total;
}

void printFrameTimes(std::ostream& out, const BenchResult& result)
{
    out << "frame time (ms)                 median       p95       max\n";
    printRow(out, "wall", summarize(column(result, [](const FrameSample& f) { return f.wallMs; })));
    printRow(out, "host CPU outside waits",
             summarize(column(result, [](const FrameSample& f) { return f.hostCpuMs; })));
}

void printPassTimes(std::ostream& out, const BenchResult& result)
{
    out << "GPU time per pass (ms)          median       p95       max\n";
    if (!result.timestampsSupported) {
        out << "  (the graphics queue keeps no timestamps on this device)\n";
        return;
    }
    for (uint32_t pass = 0; pass < timedPassCount; pass++) {
        printRow(out, passNames[pass],
                 summarize(column(result, [pass](const FrameSample& f) { return f.gpuMs[pass]; })));
        if (pass == static_cast<uint32_t>(TimedPass::GBuffer) - 1) {
            printRow(out, "environment (6 faces)", summarize(column(result, environmentTotal)));
        }
    }
}

// Counts vary with what the camera sees; they are printed like the times, without decimals.
void printDrawCounts(std::ostream& out, const BenchResult& result)
{
    out << "drawn per frame (all passes)    median       p95       max\n";
    const std::array<std::pair<const char*, std::function<double(const FrameSample&)>>, 3> rows = {{
        {"triangles", [](const FrameSample& f) { return static_cast<double>(f.draws.triangles); }},
        {"draw calls", [](const FrameSample& f) { return static_cast<double>(f.draws.drawCalls); }},
        {"particle points", [](const FrameSample& f) { return static_cast<double>(f.draws.points); }},
    }};
    for (const auto& [name, pick] : rows) {
        const Summary summary = summarize(column(result, pick));
        out << "  " << std::left << std::setw(26) << name << std::right << std::fixed << std::setprecision(0);
        for (double value : {summary.median, summary.p95, summary.max}) {
            out << std::setw(10) << value;
        }
        out << '\n';
    }
}

void printStartup(std::ostream& out, const StartupSplit& startup)
{
    out << "start-up (ms)\n";
    printStartupRow(out, "asset decoding", startup.decoding);
    printStartupRow(out, "uploads", startup.uploads);
    printStartupRow(out, "pipeline creation", startup.pipelines);
    printStartupRow(out, "first frame", startup.firstFrame);
    printStartupRow(out, "other",
                    startup.total - startup.decoding - startup.uploads - startup.pipelines - startup.firstFrame);
    printStartupRow(out, "to first presented frame", startup.total);
}

} // namespace

void printReport(std::ostream& out, const BenchOptions& options, const BenchResult& result)
{
    out << "Kestrelwing benchmark on " << result.deviceName << ", " << result.width << "x" << result.height << ", "
        << options.sceneSize.particleCount << " particles, " << options.sceneSize.environmentFaceSize
        << " px environment faces, " << result.frames.size() << " frames after " << options.warmupFrames << " warm-up, "
        << (options.offscreen ? "offscreen" : "windowed") << ", "
        << (result.validated ? "validation on" : "VALIDATION OFF (timing only)") << '\n';
    printFrameTimes(out, result);
    printPassTimes(out, result);
    printDrawCounts(out, result);
    printStartup(out, result.startup);
}

void writeFrameCsv(std::ostream& out, const BenchResult& result)
{
    out << "frame,wall_ms,host_cpu_ms";
    for (const char* name : passColumns) {
        out << ',' << name;
    }
    out << ",triangles,draw_calls,particle_points";
    out << '\n' << std::fixed << std::setprecision(3);
    for (size_t i = 0; i < result.frames.size(); i++) {
        const FrameSample& frame = result.frames[i];
        out << i << ',' << frame.wallMs << ',' << frame.hostCpuMs;
        for (double passMs : frame.gpuMs) {
            out << ',';
            if (!std::isnan(passMs)) {
                out << passMs;
            }
        }
        out << ',' << frame.draws.triangles << ',' << frame.draws.drawCalls << ',' << frame.draws.points;
        out << '\n';
    }
}
