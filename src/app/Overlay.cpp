#include "app/Overlay.h"

#include "base/ResultCheck.h"

#include <backends/imgui_impl_glfw.h>
#include <backends/imgui_impl_vulkan.h>
#include <imgui.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr float cycleSeconds = 85.0f;

const char* const keyHelp = "F1 free camera   F2 overlay   F3-F10 modes 0-7\n"
                            "P pause   Left/Right -/+5 s   F12 screenshot\n"
                            "W A S D Q E Space Shift move   click mouse-look   Esc quit";

void checkImGuiResult(VkResult result)
{
    checkResult(result, "failed to draw the overlay!");
}

void passLine(const char* name, double milliseconds)
{
    if (std::isnan(milliseconds)) {
        ImGui::Text("%-12s   -", name);
    } else {
        ImGui::Text("%-12s %6.2f ms", name, milliseconds);
    }
}

void passTimes(const GpuTimestamps::PassTimes& times)
{
    double environment = 0.0;
    for (uint32_t face = 0; face < 6; face++) {
        environment += times[static_cast<uint32_t>(environmentFace(face))];
    }
    ImGui::Text("GPU time per pass");
    passLine("compute", times[static_cast<uint32_t>(TimedPass::Compute)]);
    passLine("environment", environment);
    passLine("G-buffer", times[static_cast<uint32_t>(TimedPass::GBuffer)]);
    passLine("lighting", times[static_cast<uint32_t>(TimedPass::Lighting)]);
}

void timelineBar(const OverlayState& state)
{
    char label[48];
    std::snprintf(label, sizeof(label), "%.1f s of %.0f%s", state.time, cycleSeconds, state.paused ? "  (paused)" : "");
    ImGui::ProgressBar(state.time / cycleSeconds, ImVec2(-1.0f, 0.0f), label);
}

} // namespace

void Overlay::init(GLFWwindow* window, Renderer& renderer, const BufferUtils& bufferUtils)
{
    device = renderer.getDevice();
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::StyleColorsDark();
    ImGui_ImplGlfw_InitForVulkan(window, true);
    createDescriptorPool(device);

    const auto imageCount = static_cast<uint32_t>(renderer.getFrameTarget().imageViews().size());
    ImGui_ImplVulkan_InitInfo initInfo{};
    initInfo.Instance = renderer.getInstance();
    initInfo.PhysicalDevice = renderer.getPhysicalDevice();
    initInfo.Device = device;
    initInfo.QueueFamily = renderer.getGraphicsFamily();
    initInfo.Queue = renderer.getGraphicsQueue();
    initInfo.DescriptorPool = descriptorPool;
    initInfo.MinImageCount = imageCount < 2 ? 2 : imageCount;
    initInfo.ImageCount = initInfo.MinImageCount;
    initInfo.MSAASamples = VK_SAMPLE_COUNT_1_BIT;
    initInfo.CheckVkResultFn = checkImGuiResult;
    ImGui_ImplVulkan_Init(&initInfo, renderer.getRenderPass());
    uploadFonts(bufferUtils);
    initialised = true;
}

void Overlay::createDescriptorPool(VkDevice device)
{
    VkDescriptorPoolSize poolSize{VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, 1};
    VkDescriptorPoolCreateInfo poolInfo{};
    poolInfo.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_POOL_CREATE_INFO;
    poolInfo.flags = VK_DESCRIPTOR_POOL_CREATE_FREE_DESCRIPTOR_SET_BIT;
    poolInfo.maxSets = 1;
    poolInfo.poolSizeCount = 1;
    poolInfo.pPoolSizes = &poolSize;
    checkResult(vkCreateDescriptorPool(device, &poolInfo, nullptr, &descriptorPool),
                "failed to create descriptor pool!");
}

void Overlay::uploadFonts(const BufferUtils& bufferUtils)
{
    VkCommandBuffer commandBuffer = bufferUtils.beginSingleTimeCommands();
    ImGui_ImplVulkan_CreateFontsTexture(commandBuffer);
    bufferUtils.endSingleTimeCommands(commandBuffer);
    ImGui_ImplVulkan_DestroyFontUploadObjects();
}

void Overlay::build(const OverlayState& state)
{
    ImGui_ImplVulkan_NewFrame();
    ImGui_ImplGlfw_NewFrame();
    ImGui::NewFrame();
    ImGui::SetNextWindowPos(ImVec2(10.0f, 10.0f), ImGuiCond_Always);
    ImGui::SetNextWindowBgAlpha(0.75f);
    ImGui::Begin("Kestrelwing", nullptr,
                 ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings);
    const std::vector<float> times(state.frameTimes.begin(), state.frameTimes.end());
    const float latest = times.empty() ? 0.0f : times.back();
    ImGui::Text("%.1f frames per second, %.1f ms per frame", state.framesPerSecond(), latest);
    ImGui::PlotLines("##frame times", times.data(), static_cast<int>(times.size()), 0, "last 2 s (ms)", 0.0f, FLT_MAX,
                     ImVec2(320.0f, 60.0f));
    passTimes(state.passTimes);
    ImGui::Separator();
    ImGui::Text("%s", state.deviceName.c_str());
    timelineBar(state);
    ImGui::Text("mode %d: %s", static_cast<int>(state.displayMode), displayModeName(state.displayMode));
    ImGui::Text("%s camera%s", state.freeCamera ? "free" : "path", state.paused ? ", paused" : "");
    ImGui::Separator();
    ImGui::TextUnformatted(keyHelp);
    ImGui::End();
    ImGui::Render();
}

void Overlay::record(VkCommandBuffer commandBuffer)
{
    ImGui_ImplVulkan_RenderDrawData(ImGui::GetDrawData(), commandBuffer);
}

bool Overlay::wantsMouse() const
{
    return initialised && ImGui::GetIO().WantCaptureMouse;
}

void Overlay::cleanup()
{
    if (!initialised) {
        return;
    }
    ImGui_ImplVulkan_Shutdown();
    ImGui_ImplGlfw_Shutdown();
    ImGui::DestroyContext();
    vkDestroyDescriptorPool(device, descriptorPool, nullptr);
    initialised = false;
}
