#include "app/OffscreenScene.h"

std::unique_ptr<Application> startOffscreenScene(VkExtent2D extent, const RendererSettings& settings,
                                                 SceneSize sceneSize)
{
    sceneSize.particleSeed = fixedParticleSeed;
    auto app = std::make_unique<Application>(sceneSize);
    app->findProjectRoot();
    app->initOffscreen(extent, settings);
    app->initVulkan();
    app->buildScene();
    return app;
}
