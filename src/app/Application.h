#pragma once

#include "scene/Camera.h"
#include "app/Controls.h"
#include "app/FreeCamera.h"
#include "app/Overlay.h"
#include "app/OverlayState.h"
#include "scene/Light.h"
#include "app/PathCamera.h"
#include "app/RunOptions.h"
#include "app/SceneSize.h"
#include "app/SceneStore.h"
#include "app/Timeline.h"
#include "constants/FieldOfView.h"
#include "objects/CubemapObject.h"
#include "objects/DefferedDrawObject.h"
#include "objects/ObjectList.h"
#include "objects/ParticleObject.h"
#include "paths/Path.h"
#include "pipelines/ComputePipeline.h"
#include "pipelines/CubemapPipeline.h"
#include "pipelines/DynEnvironmentMapDrawPipeline.h"
#include "pipelines/ImagePipeline.h"
#include "pipelines/ParticleDrawPipeline.h"
#include "pipelines/RenderDefferedPipeline.h"
#include "base/BufferUtils.h"
#include "renderer/GpuTimestamps.h"
#include "renderer/Renderer.h"

#include <filesystem>
#include <optional>

// The one top-level object: owns the window, the renderer, the scene, the
// pipelines, both cameras, the light and the input state for the whole run.
class Application {
public:
    Application() = default;
    explicit Application(SceneSize sceneSize) : sceneSize(sceneSize) {}

    void run(const RunOptions& options = {});

    // The steps of run(), public for drivers that time the start-up and pace
    // the frames themselves (the benchmark); frame() is one turn of the loop.
    void findProjectRoot();
    // The window and the renderer for it, as the options ask.
    void initWindow(const RunOptions& options = {});
    // In place of initWindow: no window, frames drawn into images of the
    // renderer's own at `extent`.
    void initOffscreen(VkExtent2D extent, const RendererSettings& settings = {});
    void initVulkan();
    void buildScene();
    void frame(float t, float dt) { frame(t, dt, dt); }
    // `cameraDt` moves the free camera: clock seconds even while the timeline is paused.
    void frame(float t, float dt, float cameraDt);
    void cleanup();
    Renderer& getRenderer() { return renderer; }
    GLFWwindow* getWindow() const { return window; }

    // For drivers without input: the camera, and a display mode that holds
    // whatever the timeline or the keys say.
    void useFreeCamera(bool on) { controls.freeCameraMode = on; }
    void forceDisplayMode(std::optional<DisplayMode> mode) { forcedDisplayMode = mode; }
    FreeCamera& getFreeCamera() { return freeCamera; }
    // The scene as the renderer draws it, for drivers that check what it drew.
    ObjectList& getObjects() { return objects; }
    CubemapObject& getEnvironmentCube() { return envCube; }

private:
    void initCameras(int width, int height);
    // The steps of buildScene(), in order.
    void buildMeshObjects(const Path& spaceshipPath);
    void buildSkyAndEffects();
    void buildCubeFacePipelines();
    // Until the window closes, or after `frames` frames when given; the first
    // frame is at timeline second `startTime` when given.
    void mainLoop(std::optional<float> startTime, std::optional<int> frames);
    void update(float t, float dt, float cameraDt);
    void processInput(float dt);
    void draw(float t, float dt);

    // What a viewer of the window does besides steering (ApplicationViewer.cpp):
    // the overlay, pause and seek, screenshots.
    void initViewer(bool overlayShown);
    void applyTimelineKeys(Timeline& timeline);
    void prepareOverlay(float t, DisplayMode displayMode);
    void saveRequestedScreenshot(float t);
    void cleanupViewer();

    static void framebufferResizeCallback(GLFWwindow* window, int width, int height);
    static void keyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void mouseButtonCallback(GLFWwindow* window, int button, int action, int mods);

    SceneSize sceneSize;
    float fov = FIELD_OF_VIEW_DEGREES;
    GLFWwindow* window = nullptr;
    Renderer renderer;
    BufferUtils bufferUtils;
    SceneStore store;
    ObjectList objects;
    CubemapObject skybox;
    CubemapObject envCube;
    ParticleObject particles;
    DefferedDrawObject deferredObject;

    ImagePipeline imagePipeline;
    CubemapPipeline cubemapPipeline;
    ParticleDrawPipeline particlePipeline;
    ComputePipeline computePipeline;
    ComputePipeline dustListPipeline;
    DynEnvironmentMapDrawPipeline envMapPipeline;
    ImagePipeline imageToCubePipeline;
    CubemapPipeline cubeToCubePipeline;
    ParticleDrawPipeline particleToCubePipeline;
    RenderDefferedPipeline deferredPipeline;

    FreeCamera freeCamera;
    PathCamera pathCamera;
    Light light;
    Controls controls;
    std::optional<DisplayMode> forcedDisplayMode;
    double cursorX = 0.0;
    double cursorY = 0.0;
    Path cameraPath;

    Overlay overlay;
    OverlayState overlayState;
    GpuTimestamps overlayTimestamps;
    // Whether the renderer holds the overlay and its timestamps, which only then are taken off again.
    bool overlayAttached = false;
    bool paused = false;
    double lastFrameClock = 0.0;
    // Where the program was started: screenshots go into screenshots/ there.
    std::filesystem::path startFolder;
};
