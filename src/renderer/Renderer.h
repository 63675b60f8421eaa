#pragma once

#define GLFW_INCLUDE_VULKAN
#include <GLFW/glfw3.h>

#include "constants/DisplayModes.h"
#include "constants/DustViews.h"
#include "constants/FramesInFlight.h"
#include "renderer/DrawCounts.h"
#include "renderer/FrameSlot.h"
#include "renderer/DeviceChoice.h"
#include "renderer/FrameTarget.h"
#include "renderer/RendererSettings.h"
#include "renderer/StillFaces.h"

#include <glm/glm.hpp>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class ImageObject;
class ObjectList;
class CubemapObject;
class ParticleObject;
class DefferedDrawObject;
class GpuTimestamps;
class GraphicsPipeline;
class OffscreenTarget;
class PresentationOverlay;
class SwapChainTarget;

struct QueueFamilyIndices {
    std::optional<uint32_t> graphicsFamily;
    std::optional<uint32_t> presentFamily;

    bool isComplete() const { return graphicsFamily.has_value() && presentFamily.has_value(); }
};

// The Vulkan core: instance, device, frame target, render passes, per-frame
// command buffers and synchronisation, and the recording and submission of
// every frame. Its destructor never touches a Vulkan object; cleanup()
// releases them.
class Renderer {
public:
    Renderer() = default;
    // Presents to the window's swap chain.
    explicit Renderer(GLFWwindow* window, RendererSettings settings = {}) : window(window), settings(settings) {}
    // Draws into images of its own of the given size: no window, surface or
    // display is needed.
    static Renderer offscreen(VkExtent2D extent, RendererSettings settings = {});

    void initVulkan();
    void waitIdle();
    void cleanup();

    VkDevice getDevice() const { return device; }
    VkPhysicalDevice getPhysicalDevice() const { return physicalDevice; }
    VkCommandPool getCommandPool() const { return commandPool; }
    VkQueue getGraphicsQueue() const { return graphicsQueue; }
    VkRenderPass getRenderPass() const { return renderPass; }
    VkRenderPass getDeferredRenderPass() const { return deferredRenderPass; }
    VkRenderPass getCubemapRenderPass() const { return cubemapRenderPass; }
    uint32_t getCurrentFrame() const { return currentFrame; }
    VkExtent2D getSwapChainExtent() const { return frameTarget->extent(); }
    // Null when the renderer presents to a window.
    OffscreenTarget* getOffscreenTarget() const { return offscreenTarget; }
    FrameTarget& getFrameTarget() const { return *frameTarget; }
    VkInstance getInstance() const { return instance; }
    uint32_t getGraphicsFamily() const;
    bool isValidated() const { return settings.validation; }
    // The swap chain's present mode; nothing when there is no window.
    std::optional<VkPresentModeKHR> getPresentMode() const;

    void setFramebufferResized() { framebufferResized = true; }

    // Optional: when set, every pass of a frame writes its GPU timestamps into it.
    void attachTimestamps(GpuTimestamps* recorder) { timestamps = recorder; }
    // The pipeline made for the presentation render pass; it is rebuilt with
    // the pass when the surface's format changes.
    void attachPresentationPipeline(GraphicsPipeline* pipeline) { presentationPipeline = pipeline; }
    // Optional: drawn over every presented frame but those read back; null for none.
    void attachOverlay(PresentationOverlay* presentationOverlay) { overlay = presentationOverlay; }

    // Blocks until the frame that last used the current frame index has been
    // presented, so its uniform buffers may be rewritten. This is the one wait
    // of a frame on the host: later calls before the frame is drawn return at
    // once, and the frame's own steps make it if nobody did before.
    void waitForCurrentFrame();
    // How often the host has waited for the GPU through a fence.
    uint64_t getHostWaitCount() const { return hostWaitCount; }
    // Null until the environment's render targets exist.
    const StillFaces* getStillFaces() const { return stillFaces ? &*stillFaces : nullptr; }

    void createDeferredFramebuffers(DefferedDrawObject& deferredObject);
    void createCubemapRenderPass(CubemapObject& envCube);
    void cleanupDeferredResources();
    void cleanupCubemapResources();

    void submitCompute(ParticleObject& particles);
    // Draws the frame whose camera records update() has written.
    void drawFrame(ObjectList& objects, float t, float dt, CubemapObject& skybox, CubemapObject& envCube,
                   ParticleObject& particles, DefferedDrawObject& deferredObject, DisplayMode displayMode);

    void recreateSwapChain();

    // The draws of the last frame that drawFrame recorded in full.
    const DrawCounts& lastFrameDrawCounts() const { return lastFrameCounts; }

private:
    // Instance and device.
    void createInstance();
    bool checkValidationLayerSupport() const;
    std::vector<const char*> getRequiredExtensions() const;
    void setupDebugMessenger();
    void createSurface();
    void pickPhysicalDevice();
    DeviceFacts deviceFacts(VkPhysicalDevice candidate) const;
    QueueFamilyIndices findQueueFamilies(VkPhysicalDevice candidate) const;
    bool checkDeviceExtensionSupport(VkPhysicalDevice candidate) const;
    std::vector<const char*> requiredDeviceExtensions() const;
    void createLogicalDevice();

    // The frame target and what depends on it.
    void createFrameTarget();
    void cleanupSwapChain();
    void createRenderPass();
    void rebuildPresentationPass();
    void createDeferredRenderPass();
    void createDepthResources();
    void createDeferredDepthImage();
    void resizeDeferredTargets();
    void createFramebuffers();
    void createCubemapFramebuffers(CubemapObject& envCube);
    void createImage(uint32_t width, uint32_t height, VkFormat format, VkImageTiling tiling, VkImageUsageFlags usage,
                     VkMemoryPropertyFlags properties, VkImage& image, VkDeviceMemory& imageMemory) const;
    VkImageView createImageView(VkImage image, VkFormat format, VkImageAspectFlags aspectFlags) const;
    VkFormat findDepthFormat() const;

    // Command buffers and synchronisation.
    void createCommandPool();
    VkCommandBuffer allocateCommandBuffer(const char* failureMessage) const;
    void createCommandBuffers();
    void createSyncObjects();
    void matchRenderFinishedSemaphoresToImages();
    void destroyRenderFinishedSemaphores();
    void resetDefFinishedSemaphore(uint32_t frame);

    // Recording.
    void recordComputeCommandBuffer(VkCommandBuffer commandBuffer, ParticleObject& particles);
    void recordCubemapCommandBuffer(VkCommandBuffer commandBuffer, const std::array<VkFramebuffer, 6>& framebuffers,
                                    ObjectList& objects, CubemapObject& skybox, CubemapObject& envCube,
                                    ParticleObject& particles);
    void recordDustLists(VkCommandBuffer commandBuffer, ParticleObject& particles,
                         const std::array<glm::mat4, 6>& faceViews);
    void recordStillFace(VkCommandBuffer commandBuffer, uint32_t face, const glm::mat4& faceView,
                         const std::vector<ImageObject*>& stillObjects, CubemapObject& skybox, CubemapObject& envCube);
    void recordMovingFace(VkCommandBuffer commandBuffer, VkFramebuffer framebuffer, uint32_t face,
                          const glm::mat4& faceView, const std::vector<ImageObject*>& movingObjects,
                          CubemapObject& envCube, ParticleObject& particles);
    // One environment face's render pass: which pass, into which framebuffer, at what size.
    struct FacePass {
        VkRenderPass renderPass;
        VkFramebuffer framebuffer;
        VkExtent2D extent;
    };
    void beginFaceWithMeshes(VkCommandBuffer commandBuffer, const FacePass& pass, const glm::mat4& faceView,
                             const std::vector<ImageObject*>& objects, CubemapObject& envCube);
    void recordDeferredCommandBuffer(VkCommandBuffer commandBuffer, uint32_t frameIndex, ObjectList& objects,
                                     CubemapObject& skybox, CubemapObject& envCube, ParticleObject& particles);
    void recordDrawCommandBuffer(VkCommandBuffer commandBuffer, uint32_t imageIndex, DefferedDrawObject& deferredObject,
                                 DisplayMode displayMode);

    // Submission steps of drawFrame.
    void submitEnvironmentPass(ObjectList& objects, float t, float dt, CubemapObject& skybox, CubemapObject& envCube,
                               ParticleObject& particles);
    void submitDeferredPass(ObjectList& objects, CubemapObject& skybox, CubemapObject& envCube,
                            ParticleObject& particles);
    void submitPresentationPass(uint32_t imageIndex, DefferedDrawObject& deferredObject, DisplayMode displayMode);

    GLFWwindow* window = nullptr;
    VkInstance instance = VK_NULL_HANDLE;
    VkDebugUtilsMessengerEXT debugMessenger = VK_NULL_HANDLE;
    VkSurfaceKHR surface = VK_NULL_HANDLE;
    VkPhysicalDevice physicalDevice = VK_NULL_HANDLE;
    VkDevice device = VK_NULL_HANDLE;
    VkQueue graphicsQueue = VK_NULL_HANDLE;
    VkQueue computeQueue = VK_NULL_HANDLE;
    VkQueue presentQueue = VK_NULL_HANDLE;
    RendererSettings settings;
    VkExtent2D offscreenExtent{};
    std::unique_ptr<FrameTarget> frameTarget;
    OffscreenTarget* offscreenTarget = nullptr;
    SwapChainTarget* swapChainTarget = nullptr;
    std::vector<VkFramebuffer> swapChainFramebuffers;
    std::vector<VkFramebuffer> deferredFramebuffers;
    VkRenderPass renderPass = VK_NULL_HANDLE;
    VkRenderPass deferredRenderPass = VK_NULL_HANDLE;
    VkRenderPass cubemapRenderPass = VK_NULL_HANDLE;
    VkRenderPass stillFacesRenderPass = VK_NULL_HANDLE;
    VkCommandPool commandPool = VK_NULL_HANDLE;
    VkImage deferredDepthImage = VK_NULL_HANDLE;
    VkDeviceMemory deferredDepthImageMemory = VK_NULL_HANDLE;
    VkImageView deferredDepthImageView = VK_NULL_HANDLE;
    // The G-buffer's size, which follows the swap chain's, and the lighting
    // object whose targets and descriptor sets are rebuilt when it changes.
    VkExtent2D deferredExtent{};
    DefferedDrawObject* gBufferObject = nullptr;
    std::array<FrameSlot, MAX_FRAMES_IN_FLIGHT> frames{};
    // One per swap-chain image, indexed by image rather than by frame in flight.
    std::vector<VkSemaphore> renderFinishedSemaphores;
    uint32_t currentFrame = 0;
    // Whether the slot of currentFrame has been waited for since the frame began.
    bool slotWaited = false;
    uint64_t hostWaitCount = 0;
    std::optional<StillFaces> stillFaces;
    // Where the still faces were drawn from; empty until they are drawn, and
    // again when their targets are made anew.
    std::optional<glm::vec3> stillFacesOrigin;
    // For each cube set, the faces that hold the still faces' copy and nothing drawn over it.
    std::array<std::array<bool, StillFaces::faceCount>, MAX_FRAMES_IN_FLIGHT> facesHoldingStillCopy{};
    // The frame's list of the dust for the camera (first) and each face, or none where the plume
    // cannot reach the view.
    std::array<std::optional<uint32_t>, DUST_VIEW_LIMIT> dustLists{};
    GpuTimestamps* timestamps = nullptr;
    DrawCounts recordingCounts;
    DrawCounts lastFrameCounts;
    GraphicsPipeline* presentationPipeline = nullptr;
    PresentationOverlay* overlay = nullptr;
    bool framebufferResized = false;
};
