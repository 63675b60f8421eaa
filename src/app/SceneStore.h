#pragma once

#include <memory>
#include <utility>
#include <vector>

// Owns what the scene set-up makes on the heap (meshes, textures, the particle
// system, the mesh objects), which the drawable objects refer to by plain
// pointer. Their Vulkan objects are released by the objects' cleanup(); the
// store frees the memory when it goes away, after that.
class SceneStore {
public:
    template <typename T, typename... Args> T* make(Args&&... args)
    {
        auto item = std::make_shared<T>(std::forward<Args>(args)...);
        items.push_back(item);
        return item.get();
    }

private:
    std::vector<std::shared_ptr<void>> items;
};
