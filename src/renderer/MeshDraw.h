#pragma once

#include <vulkan/vulkan.h>

// Binds a mesh's vertex and index buffers and its descriptor set at set 0.
// Mesh is any object with getVertexBuffer(), getIndexBuffer() and getIndexCount().
template <typename Mesh>
void bindMesh(VkCommandBuffer commandBuffer, Mesh& mesh, VkPipelineLayout layout, VkDescriptorSet descriptorSet)
{
    VkBuffer vertexBuffers[] = {mesh.getVertexBuffer()};
    VkDeviceSize offsets[] = {0};
    vkCmdBindVertexBuffers(commandBuffer, 0, 1, vertexBuffers, offsets);
    vkCmdBindIndexBuffer(commandBuffer, mesh.getIndexBuffer(), 0, VK_INDEX_TYPE_UINT32);
    vkCmdBindDescriptorSets(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, layout, 0, 1, &descriptorSet, 0, nullptr);
}

// The whole mesh, once.
template <typename Mesh>
void drawMesh(VkCommandBuffer commandBuffer, Mesh& mesh, VkPipelineLayout layout, VkDescriptorSet descriptorSet)
{
    bindMesh(commandBuffer, mesh, layout, descriptorSet);
    vkCmdDrawIndexed(commandBuffer, mesh.getIndexCount(), 1, 0, 0, 0);
}
