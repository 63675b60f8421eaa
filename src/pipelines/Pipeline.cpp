#include "pipelines/Pipeline.h"

#include "base/ResultCheck.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

Pipeline::Pipeline(BufferUtils bufferUtils, VkRenderPass renderPass)
    : bufferUtils(bufferUtils), device(bufferUtils.getDevice()), renderPass(renderPass)
{
}

std::vector<char> Pipeline::readFile(const std::string& filename)
{
    std::ifstream file(filename, std::ios::ate | std::ios::binary);
    if (!file.is_open()) {
        throw std::runtime_error("failed to open file! location: " + filename);
    }
    const auto fileSize = static_cast<size_t>(file.tellg());
    std::vector<char> buffer(fileSize);
    file.seekg(0);
    file.read(buffer.data(), static_cast<std::streamsize>(fileSize));
    file.close();
    return buffer;
}

VkShaderModule Pipeline::createShaderModule(const std::vector<char>& code) const
{
    // SPIR-V is a stream of 32-bit words starting with its magic number; anything
    // else is refused here, because the driver would read past the buffer or
    // misparse it.
    constexpr uint32_t spirvMagic = 0x07230203;
    if (code.empty() || code.size() % sizeof(uint32_t) != 0) {
        throw std::runtime_error("failed to create shader module!");
    }
    std::vector<uint32_t> words(code.size() / sizeof(uint32_t));
    std::copy(code.begin(), code.end(), reinterpret_cast<char*>(words.data()));
    if (words.size() < 5 || words[0] != spirvMagic) {
        throw std::runtime_error("failed to create shader module!");
    }

    VkShaderModuleCreateInfo createInfo{};
    createInfo.sType = VK_STRUCTURE_TYPE_SHADER_MODULE_CREATE_INFO;
    createInfo.codeSize = code.size();
    createInfo.pCode = words.data();

    VkShaderModule shaderModule;
    checkResult(vkCreateShaderModule(device, &createInfo, nullptr, &shaderModule), "failed to create shader module!");
    return shaderModule;
}

void Pipeline::cleanup()
{
    vkDestroyPipeline(device, pipeline, nullptr);
    vkDestroyPipelineLayout(device, pipelineLayout, nullptr);
    vkDestroyDescriptorSetLayout(device, descriptorSetLayout, nullptr);
}
