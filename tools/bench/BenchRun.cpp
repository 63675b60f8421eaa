#include "BenchRun.h"

#include "WindowGrab.h"

#include "app/Application.h"
#include "app/FixedSteps.h"
#include "app/FramesUpTo.h"
#include "app/OffscreenScene.h"
#include "renderer/DeviceDescription.h"
#include "renderer/OffscreenTarget.h"
#include "timing/StartupTally.h"

#include <chrono>
#include <ctime>
#include <memory>

namespace {

// The timeline advances by this much per frame whatever the frame took, so
// every run sees the same camera poses and particle steps.
constexpr float timelineStep = 1.0f / 30.0f;

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double threadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

double tallyMilliseconds(StartupCost cost)
{
    return startupSeconds(cost) * 1e3;
}

std::string deviceName(VkPhysicalDevice physicalDevice)
{
    VkPhysicalDeviceProperties properties;
    vkGetPhysicalDeviceProperties(physicalDevice, &properties);
    return std::string(properties.deviceName) + " (driver " + driverVersionText(properties) + ")";
}

// Frames are timed from the start of one loop turn to the start of the next,
// as the demo's own loop would see them.
class FrameLoop {
public:
    FrameLoop(Application& app, GpuTimestamps& timestamps, float startTime)
        : app(app), renderer(app.getRenderer()), timestamps(timestamps), steps(startTime, timelineStep)
    {
    }

    FrameSample playFrame()
    {
        const auto wallStart = Clock::now();
        const double cpuStart = threadCpuMilliseconds();
        collectFinishedFrame();
        slots.push_back(renderer.getCurrentFrame());
        app.frame(steps.at(static_cast<long>(slots.size()) - 1), steps.step());
        return {millisecondsSince(wallStart), threadCpuMilliseconds() - cpuStart, {}, renderer.lastFrameDrawCounts()};
    }

    // After the device is idle, the frames whose timestamps are still unread.
    void collectRemaining()
    {
        while (collected < slots.size()) {
            gpuTimes.push_back(timestamps.read(slots[collected++]));
        }
    }

    const std::vector<GpuTimestamps::PassTimes>& passTimes() const { return gpuTimes; }

private:
    // The frame that last used the current slot has been presented once the
    // slot's fence is signalled, which the frame about to start waits for anyway.
    void collectFinishedFrame()
    {
        if (slots.size() < MAX_FRAMES_IN_FLIGHT) {
            return;
        }
        renderer.waitForCurrentFrame();
        gpuTimes.push_back(timestamps.read(slots[collected++]));
    }

    Application& app;
    Renderer& renderer;
    GpuTimestamps& timestamps;
    FixedSteps steps;
    std::vector<uint32_t> slots;
    size_t collected = 0;
    std::vector<GpuTimestamps::PassTimes> gpuTimes;
};

std::unique_ptr<Application> startWindowedScene(const BenchOptions& options)
{
    SceneSize sceneSize = options.sceneSize;
    sceneSize.particleSeed = fixedParticleSeed;
    auto app = std::make_unique<Application>(sceneSize);
    app->findProjectRoot();
    app->initWindow(options.run);
    app->initVulkan();
    app->buildScene();
    return app;
}

std::unique_ptr<Application> startApplication(const BenchOptions& options)
{
    auto app = options.offscreen ? startOffscreenScene(options.size(), options.run.renderer, options.sceneSize)
                                 : startWindowedScene(options);
    app->useFreeCamera(options.run.camera == StartCamera::Free);
    app->forceDisplayMode(options.run.displayMode);
    if (options.eye) {
        FreeCamera& camera = app->getFreeCamera();
        camera.position = *options.eye;
        camera.front = glm::normalize(*options.lookAt - *options.eye);
    }
    return app;
}

void saveCaptures(Application& app, const BenchOptions& options)
{
    for (float t : options.captureTimes) {
        playFramesUpTo(app, t, captureLeadInFrames, captureLeadInStep);
        app.getRenderer().waitIdle();
        const OffscreenTarget* target = app.getRenderer().getOffscreenTarget();
        const FramePixels frame = target != nullptr ? target->lastReadBack() : grabWindow(app.getWindow());
        writePng(options.captureFolder + "/" + captureFileName(t), frame);
    }
}

} // namespace

BenchResult runBenchmark(const BenchOptions& options)
{
    const auto runStart = Clock::now();
    auto app = startApplication(options);

    Renderer& renderer = app->getRenderer();
    GpuTimestamps timestamps(renderer.getDevice(), renderer.getPhysicalDevice(), MAX_FRAMES_IN_FLIGHT);
    renderer.attachTimestamps(&timestamps);

    BenchResult result;
    result.deviceName = deviceName(renderer.getPhysicalDevice());
    result.validated = renderer.isValidated();
    result.width = renderer.getSwapChainExtent().width;
    result.height = renderer.getSwapChainExtent().height;
    result.timestampsSupported = timestamps.isSupported();

    FrameLoop loop(*app, timestamps, options.startTime());
    std::vector<FrameSample> samples;
    const int frameCount = 1 + options.warmupFrames + options.frames();
    for (int i = 0; i < frameCount; i++) {
        samples.push_back(loop.playFrame());
        if (i == 0) {
            result.startup.total = millisecondsSince(runStart);
        }
    }
    renderer.waitIdle();
    loop.collectRemaining();
    renderer.attachTimestamps(nullptr);
    saveCaptures(*app, options);

    result.startup.decoding = tallyMilliseconds(StartupCost::Decoding);
    result.startup.uploads = tallyMilliseconds(StartupCost::Uploads);
    result.startup.pipelines = tallyMilliseconds(StartupCost::Pipelines);
    result.startup.firstFrame = samples.front().wallMs;

    // The first frame belongs to the start-up; the warm-up to nobody.
    const size_t firstMeasured = 1 + static_cast<size_t>(options.warmupFrames);
    for (size_t i = firstMeasured; i < samples.size(); i++) {
        samples[i].gpuMs = loop.passTimes()[i];
        result.frames.push_back(samples[i]);
    }

    timestamps.cleanup();
    app->cleanup();
    return result;
}
