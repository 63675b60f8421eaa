#include "GBufferCapture.h"
#include "SquarePass.h"

#include "base/Framebuffers.h"
#include "renderer/MeshDraw.h"
#include "base/ReadBack.h"
#include "renderer/RenderPasses.h"
#include "base/ImageUtils.h"

#include <glm/gtc/packing.hpp>

#include <cstring>

namespace {

const std::array<VkFormat, 5> targetFormats = {VK_FORMAT_R8G8B8A8_UNORM, VK_FORMAT_R16G16B16A16_SFLOAT,
                                               VK_FORMAT_R8G8B8A8_UNORM, VK_FORMAT_R8G8B8A8_UNORM,
                                               VK_FORMAT_R16G16B16A16_SFLOAT};
constexpr size_t albedoTarget = 0;
constexpr size_t normalTarget = 1;
constexpr size_t positionTarget = 4;

} // namespace

GBufferCapture::GBufferCapture(BufferUtils bufferUtils) : bufferUtils(bufferUtils), device(bufferUtils.getDevice())
{
    const VkFormat depthFormat = bufferUtils.findDepthFormat();
    gBufferPass = createGBufferRenderPass(device, depthFormat);
    std::vector<VkImageView> views;
    for (size_t index = 0; index <= targetFormats.size(); index++) {
        const bool depth = index == targetFormats.size();
        const VkFormat format = depth ? depthFormat : targetFormats[index];
        const VkImageUsageFlags usage =
            depth ? VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT
                  : VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT | VK_IMAGE_USAGE_SAMPLED_BIT | VK_IMAGE_USAGE_TRANSFER_SRC_BIT;
        Target& target = targets[index];
        createImage(bufferUtils, {size, size, 1, 0}, format, VK_IMAGE_TILING_OPTIMAL, usage,
                    VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, target.image, target.memory);
        target.view =
            createImageView(device, target.image, VK_IMAGE_VIEW_TYPE_2D, format,
                            depth ? depthStencilAspect(format) : VkImageAspectFlags{VK_IMAGE_ASPECT_COLOR_BIT}, 0, 1,
                            "failed to create image view!");
        views.push_back(target.view);
    }
    framebuffer = createFramebuffer(device, gBufferPass, views, size, size);
}

GBufferCapture::~GBufferCapture()
{
    vkDestroyFramebuffer(device, framebuffer, nullptr);
    for (Target& target : targets) {
        vkDestroyImageView(device, target.view, nullptr);
        vkDestroyImage(device, target.image, nullptr);
        vkFreeMemory(device, target.memory, nullptr);
    }
    vkDestroyRenderPass(device, gBufferPass, nullptr);
}

void GBufferCapture::draw(CubemapObject& object, uint32_t frame) const
{
    std::vector<VkClearValue> clearValues(6);
    clearValues[5].depthStencil = {1.0f, 0};
    const glm::mat4 identity(1.0f);
    VkCommandBuffer commandBuffer = bufferUtils.beginSingleTimeCommands();
    beginSquarePass(commandBuffer, gBufferPass, framebuffer, size, clearValues);
    // The pass leaves its colour targets to the sky, which is not drawn here.
    std::vector<VkClearAttachment> clears(targetFormats.size());
    for (uint32_t target = 0; target < clears.size(); target++) {
        clears[target] = {VK_IMAGE_ASPECT_COLOR_BIT, target, clearValues[target]};
    }
    const VkClearRect whole{{{0, 0}, {size, size}}, 0, 1};
    vkCmdClearAttachments(commandBuffer, static_cast<uint32_t>(clears.size()), clears.data(), 1, &whole);
    vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, object.getPipeline());
    vkCmdPushConstants(commandBuffer, object.getPipelineLayout(), VK_SHADER_STAGE_VERTEX_BIT, 0, sizeof(glm::mat4),
                       &identity);
    const VkViewport viewport{0.0f, 0.0f, size, size, 0.0f, 1.0f};
    const VkRect2D scissor{{0, 0}, {size, size}};
    vkCmdSetViewport(commandBuffer, 0, 1, &viewport);
    vkCmdSetScissor(commandBuffer, 0, 1, &scissor);
    drawMesh(commandBuffer, object, object.getPipelineLayout(), object.getDescriptorSet(frame));
    vkCmdEndRenderPass(commandBuffer);
    bufferUtils.endSingleTimeCommands(commandBuffer);
}

GBufferPixels GBufferCapture::read() const
{
    GBufferPixels pixels;
    const std::vector<char> albedoBytes = readTarget(albedoTarget, 4);
    pixels.albedo.resize(size * size);
    std::memcpy(pixels.albedo.data(), albedoBytes.data(), albedoBytes.size());
    pixels.normal = readHalfFloatTarget(normalTarget);
    pixels.position = readHalfFloatTarget(positionTarget);
    return pixels;
}

// Copies one colour target (left shader-readable by the pass) to the host; the
// target stays in the transfer layout until the next pass begins.
std::vector<char> GBufferCapture::readTarget(size_t index, VkDeviceSize pixelSize) const
{
    const VkDeviceSize bytesSize = pixelSize * size * size;
    VkBuffer buffer;
    VkDeviceMemory memory;
    bufferUtils.createBuffer(bytesSize, VK_BUFFER_USAGE_TRANSFER_DST_BIT,
                             VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT, buffer,
                             memory);
    VkImage image = targets[index].image;
    VkCommandBuffer commandBuffer = bufferUtils.beginSingleTimeCommands();
    VkImageMemoryBarrier barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER;
    barrier.srcAccessMask = VK_ACCESS_COLOR_ATTACHMENT_WRITE_BIT;
    barrier.dstAccessMask = VK_ACCESS_TRANSFER_READ_BIT;
    barrier.oldLayout = VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL;
    barrier.newLayout = VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL;
    barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.image = image;
    barrier.subresourceRange = {VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, 0, 1};
    vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_COLOR_ATTACHMENT_OUTPUT_BIT, VK_PIPELINE_STAGE_TRANSFER_BIT,
                         0, 0, nullptr, 0, nullptr, 1, &barrier);
    recordReadBack(commandBuffer, image, {size, size}, buffer);
    bufferUtils.endSingleTimeCommands(commandBuffer);

    std::vector<char> bytes(bytesSize);
    readHostVisible(device, memory, bytes.data(), bytes.size());
    vkDestroyBuffer(device, buffer, nullptr);
    vkFreeMemory(device, memory, nullptr);
    return bytes;
}

std::vector<glm::vec4> GBufferCapture::readHalfFloatTarget(size_t index) const
{
    const std::vector<char> bytes = readTarget(index, 4 * sizeof(uint16_t));
    std::vector<glm::vec4> pixels(size * size);
    for (size_t pixel = 0; pixel < pixels.size(); pixel++) {
        std::array<uint16_t, 4> halves;
        std::memcpy(halves.data(), bytes.data() + pixel * sizeof(halves), sizeof(halves));
        for (int channel = 0; channel < 4; channel++) {
            pixels[pixel][channel] = glm::unpackHalf1x16(halves[static_cast<size_t>(channel)]);
        }
    }
    return pixels;
}
