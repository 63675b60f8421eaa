#pragma once

#include "constants/FullScreenSize.h"
#include "base/BufferUtils.h"
#include "textures/Material.h"

#include <array>
#include <vector>

// The G-buffer: five colour targets per frame in flight, written by the
// geometry pass and sampled by the lighting pass through one sampler.
class DefferedTexture : public Material {
public:
    // Attachment order of the G-buffer framebuffers and of the lighting pass's
    // image bindings, which follow its light buffer.
    enum Attachment { Albedo, Normal, Coefficients, MaterialParameters, WorldPos, AttachmentCount };
    // Normals and positions need the range and sign of half floats; the rest are colours and factors.
    static constexpr std::array<VkFormat, AttachmentCount> attachmentFormats = {
        VK_FORMAT_R8G8B8A8_UNORM, VK_FORMAT_R16G16B16A16_SFLOAT, VK_FORMAT_R8G8B8A8_UNORM, VK_FORMAT_R8G8B8A8_UNORM,
        VK_FORMAT_R16G16B16A16_SFLOAT};

    static constexpr VkExtent2D fullScreenExtent{fullScreenWidth, fullScreenHeight};

    explicit DefferedTexture(BufferUtils bufferUtils, VkExtent2D extent = fullScreenExtent);

    // Replaces every target by one of the new size. The views change, so the
    // caller rebuilds what refers to them, once the GPU no longer uses the old ones.
    void resize(VkExtent2D newExtent);
    void cleanup() override;

    VkExtent2D getExtent() const { return extent; }
    std::vector<VkImageView> getAlbedoViews() const { return imageViews[Albedo]; }
    std::vector<VkImageView> getNormalViews() const { return imageViews[Normal]; }
    std::vector<VkImageView> getCoefficientViews() const { return imageViews[Coefficients]; }
    std::vector<VkImageView> getMaterialViews() const { return imageViews[MaterialParameters]; }
    std::vector<VkImageView> getWorldPosViews() const { return imageViews[WorldPos]; }
    VkSampler getSampler() const { return sampler; }
    std::vector<VkImage> getImages(Attachment attachment) const { return images[attachment]; }

private:
    void createTargets();
    void destroyTargets();
    void createAttachment(std::vector<VkImage>& attachmentImages, std::vector<VkDeviceMemory>& attachmentMemories,
                          std::vector<VkImageView>& attachmentViews, VkFormat format);

    BufferUtils bufferUtils;
    VkDevice device = VK_NULL_HANDLE;
    VkExtent2D extent{};
    std::array<std::vector<VkImage>, AttachmentCount> images;
    std::array<std::vector<VkDeviceMemory>, AttachmentCount> imageMemories;
    std::array<std::vector<VkImageView>, AttachmentCount> imageViews;
    VkSampler sampler = VK_NULL_HANDLE;
};
