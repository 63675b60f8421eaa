#include "app/Application.h"

#include "app/AssetPath.h"
#include "app/ProjectRoot.h"
#include "app/StartLine.h"
#include "app/Timeline.h"
#include "constants/DepthRange.h"
#include "constants/ProgramInfo.h"
#include "renderer/HiddenWindow.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace {

Application* applicationOf(GLFWwindow* window)
{
    return static_cast<Application*>(glfwGetWindowUserPointer(window));
}

} // namespace

void Application::run(const RunOptions& options)
{
    startFolder = std::filesystem::current_path();
    findProjectRoot();
    initWindow(options);
    initVulkan();
    std::cout << startLine(renderer, options.windowed() ? "window" : "full screen") << std::endl;
    buildScene();
    useFreeCamera(options.camera == StartCamera::Free);
    forceDisplayMode(options.displayMode);
    initViewer(options.overlay);
    mainLoop(options.startTime, options.frames);
}

void Application::findProjectRoot()
{
    std::filesystem::current_path(::findProjectRoot(std::filesystem::current_path(), executableFolder()));
}

void Application::initWindow(const RunOptions& options)
{
    // Without a display there is nothing to draw into; say so instead of
    // failing later on a null window.
    if (glfwInit() != GLFW_TRUE) {
        throw std::runtime_error("failed to initialize GLFW!");
    }
    const bool windowed = options.windowed();
    const VkExtent2D size = options.windowSize();
    const auto width = static_cast<int>(size.width);
    const auto height = static_cast<int>(size.height);
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    // A window among others wants a frame to move and resize it by; a full
    // screen has no room for one.
    glfwWindowHint(GLFW_DECORATED, windowed ? GLFW_TRUE : GLFW_FALSE);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    window = glfwCreateWindow(width, height, programName, windowed ? nullptr : glfwGetPrimaryMonitor(), nullptr);
    if (window == nullptr) {
        glfwTerminate();
        throw std::runtime_error("failed to create window!");
    }
    glfwSetWindowUserPointer(window, this);
    glfwSetFramebufferSizeCallback(window, framebufferResizeCallback);
    renderer = Renderer(window, options.renderer);
    glfwSetKeyCallback(window, keyCallback);
    glfwSetMouseButtonCallback(window, mouseButtonCallback);
    initCameras(width, height);
}

void Application::initOffscreen(VkExtent2D extent, const RendererSettings& settings)
{
    renderer = Renderer::offscreen(extent, settings);
    initCameras(static_cast<int>(extent.width), static_cast<int>(extent.height));
}

void Application::initCameras(int width, int height)
{
    cameraPath = Path();
    cameraPath.loadFromFile(assetPath(assetFiles::cameraPathFile));
    freeCamera = FreeCamera(width, height, fov, NEAR_PLANE, FAR_PLANE);
    pathCamera = PathCamera(width, height, fov, NEAR_PLANE, FAR_PLANE, cameraPath);
    light = Light{};
}

void Application::initVulkan()
{
    renderer.initVulkan();
    bufferUtils = BufferUtils(renderer.getDevice(), renderer.getPhysicalDevice(), renderer.getCommandPool(),
                              renderer.getGraphicsQueue());
    const int gBufferTargets = DefferedTexture::AttachmentCount;
    imagePipeline = ImagePipeline(assetPath(assetFiles::imageVert), assetPath(assetFiles::imageFrag), bufferUtils,
                                  renderer.getDeferredRenderPass(), gBufferTargets);
    cubemapPipeline = CubemapPipeline(assetPath(assetFiles::cubemapVert), assetPath(assetFiles::cubemapFrag),
                                      bufferUtils, renderer.getDeferredRenderPass(), gBufferTargets);
    particlePipeline = ParticleDrawPipeline(assetPath(assetFiles::particleVert), assetPath(assetFiles::particleFrag),
                                            assetPath(assetFiles::particleGeom), bufferUtils,
                                            renderer.getDeferredRenderPass(), gBufferTargets);
    computePipeline = ComputePipeline(assetPath(assetFiles::particleComp), bufferUtils, renderer.getRenderPass(),
                                      ComputePipeline::particleStepBindings());
    dustListPipeline = ComputePipeline(assetPath(assetFiles::dustViewsComp), bufferUtils, renderer.getRenderPass(),
                                       DustViews::listBindings());
    envMapPipeline =
        DynEnvironmentMapDrawPipeline(assetPath(assetFiles::envMapDrawVert), assetPath(assetFiles::envMapDrawFrag),
                                      bufferUtils, renderer.getDeferredRenderPass());
    deferredPipeline = RenderDefferedPipeline(assetPath(assetFiles::defferedVert), assetPath(assetFiles::defferedFrag),
                                              bufferUtils, renderer.getRenderPass());
    renderer.attachPresentationPipeline(&deferredPipeline);
}

void Application::mainLoop(std::optional<float> startTime, std::optional<int> frames)
{
    Timeline timeline = startTime ? Timeline(glfwGetTime(), *startTime) : Timeline(glfwGetTime());
    for (int played = 1; !glfwWindowShouldClose(window); played++) {
        // Keys pressed since the last frame move the timeline before this frame reads it.
        glfwPollEvents();
        applyTimelineKeys(timeline);
        frame(timeline.time(), timeline.deltaTime(), timeline.frameSeconds());
        // The last frame asked for ends the run as a close request would.
        if (frames && played >= *frames) {
            glfwSetWindowShouldClose(window, GLFW_TRUE);
        }
        // Frames of a hidden window would be drawn for nobody; the loop sleeps
        // until the window shows again or is closed.
        waitWhileHidden(window);
        timeline.advance(glfwGetTime());
    }
    cleanup();
}

void Application::frame(float t, float dt, float cameraDt)
{
    update(t, dt, cameraDt);
    draw(t, dt);
}

void Application::processInput(float dt)
{
    freeCamera.processMovement(controls.movementCodes(), dt);

    if (controls.cursorCaptured) {
        int width = 0;
        int height = 0;
        glfwGetWindowSize(window, &width, &height);
        if (controls.firstMouse) {
            glfwSetCursorPos(window, width / 2, height / 2);
            controls.firstMouse = false;
            cursorX = width / 2;
            cursorY = height / 2;
        }
        freeCamera.processMouse(width, height, static_cast<int>(cursorX), static_cast<int>(cursorY));
        glfwSetCursorPos(window, width / 2, height / 2);
    } else {
        controls.firstMouse = true;
    }
    freeCamera.updateMatrices();
}

void Application::update(float t, float dt, float cameraDt)
{
    if (window != nullptr) {
        glfwPollEvents();
        glfwGetCursorPos(window, &cursorX, &cursorY);
    }
    processInput(cameraDt);
    pathCamera.followPath(t);

    // The frame that last used this index may still read its records: this is
    // the frame's one wait for the GPU.
    renderer.waitForCurrentFrame();
    const uint32_t f = renderer.getCurrentFrame();
    if (!controls.freeCameraMode) {
        deferredObject.updateLightBuffer(t, dt, f, &pathCamera, &light);
        objects.update(t, dt, f, &pathCamera);
        skybox.updateAsSkybox(f, &pathCamera);
        envCube.updateAtPosition(f, &pathCamera, glm::vec3(0.6f));
        particles.update(t, dt, f, &pathCamera);
    } else {
        deferredObject.updateLightBuffer(t, dt, f, &freeCamera, &light);
        envCube.updateAtPosition(f, &freeCamera, glm::vec3(0.5f));
        skybox.updateAsSkybox(f, &freeCamera);
        particles.update(t, dt, f, &freeCamera);
        objects.update(t, dt, f, &freeCamera);
    }
    renderer.submitCompute(particles);
}

void Application::draw(float t, float dt)
{
    DisplayMode displayMode = controls.freeCameraMode ? controls.displayMode : scheduledDisplayMode(t);
    displayMode = forcedDisplayMode.value_or(displayMode);
    prepareOverlay(t, displayMode);
    if (controls.screenshotRequested) {
        renderer.getFrameTarget().readBackNextFrame();
    }
    renderer.drawFrame(objects, t, dt, skybox, envCube, particles, deferredObject, displayMode);
    saveRequestedScreenshot(t);
}

void Application::cleanup()
{
    renderer.waitIdle();
    cleanupViewer();
    objects.cleanup();
    skybox.cleanup();
    envCube.cleanup();
    particles.cleanup();
    deferredObject.cleanup();
    renderer.cleanupCubemapResources();
    renderer.cleanupDeferredResources();
    for (Pipeline* pipeline : std::initializer_list<Pipeline*>{
             &imagePipeline, &cubemapPipeline, &computePipeline, &dustListPipeline, &particlePipeline, &envMapPipeline,
             &imageToCubePipeline, &cubeToCubePipeline, &particleToCubePipeline, &deferredPipeline}) {
        pipeline->cleanup();
    }
    renderer.cleanup();
}

void Application::framebufferResizeCallback(GLFWwindow* window, int, int)
{
    applicationOf(window)->renderer.setFramebufferResized();
}

void Application::keyCallback(GLFWwindow* window, int key, int, int action, int)
{
    if (applicationOf(window)->controls.onKey(key, action)) {
        glfwSetWindowShouldClose(window, GLFW_TRUE);
    }
}

void Application::mouseButtonCallback(GLFWwindow* window, int button, int action, int)
{
    Application* app = applicationOf(window);
    // A click on the overlay is the overlay's, not a request for mouse-look.
    if (app->controls.overlayShown && app->overlay.wantsMouse()) {
        return;
    }
    if (app->controls.onMouseButton(button, action)) {
        glfwSetInputMode(window, GLFW_CURSOR, app->controls.cursorCaptured ? GLFW_CURSOR_HIDDEN : GLFW_CURSOR_NORMAL);
    }
}
