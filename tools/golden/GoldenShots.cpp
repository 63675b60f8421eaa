#include "GoldenShots.h"

#include "app/Application.h"
#include "app/FramesUpTo.h"
#include "app/OffscreenScene.h"
#include "renderer/OffscreenTarget.h"

#include <memory>

namespace {

constexpr float step = 1.0f / 30.0f;
constexpr float freeCameraTime = 12.0f;

void aim(Application& app, const GoldenShot& shot)
{
    app.useFreeCamera(shot.freeCamera);
    app.forceDisplayMode(shot.displayMode);
    if (shot.eye) {
        FreeCamera& camera = app.getFreeCamera();
        camera.position = *shot.eye;
        camera.front = glm::normalize(shot.lookAt - *shot.eye);
    }
}

} // namespace

const std::vector<GoldenShot>& goldenShots()
{
    static const std::vector<GoldenShot> shots = [] {
        std::vector<GoldenShot> list = {
            {"path-05s", 5.0f, false, std::nullopt, std::nullopt},
            {"path-20s-mirror", 20.0f, false, std::nullopt, std::nullopt},
            {"path-41s-coefficients", 41.0f, false, std::nullopt, std::nullopt},
        };
        for (int mode = 0; mode < DisplayModeCount; mode++) {
            list.push_back({"free-mode-" + std::to_string(mode), freeCameraTime, true, static_cast<DisplayMode>(mode),
                            std::nullopt});
        }
        // Up is -y in the scene; the plume rises from (20, -3, 0), beside a cactus.
        list.push_back(
            {"dust-close", 14.0f, true, ShowFinal, glm::vec3(25.0f, -4.0f, 9.0f), glm::vec3(20.0f, -5.0f, 0.0f), 30});
        // Straight up: the one sky face the horizontal views never show.
        list.push_back(
            {"sky-up", 12.0f, true, ShowFinal, glm::vec3(0.0f, -5.0f, 10.0f), glm::vec3(0.3f, -100.0f, 10.0f)});
        // The reflective cube filling most of the frame.
        list.push_back(
            {"mirror-close", 20.0f, true, ShowFinal, glm::vec3(7.0f, -15.0f, 42.0f), glm::vec3(0.0f, -10.0f, 30.0f)});
        return list;
    }();
    return shots;
}

std::vector<FramePixels> renderGoldenShots(uint32_t width, uint32_t height)
{
    auto app = startOffscreenScene({width, height});

    std::vector<FramePixels> frames;
    for (const GoldenShot& shot : goldenShots()) {
        aim(*app, shot);
        playFramesUpTo(*app, shot.t, shot.leadInFrames, step);
        app->getRenderer().waitIdle();
        frames.push_back(app->getRenderer().getOffscreenTarget()->lastReadBack());
    }
    app->cleanup();
    return frames;
}
