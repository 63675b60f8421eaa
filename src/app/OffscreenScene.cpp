#include "app/OffscreenScene.h"

std::unique_ptr<Application> startOffscreenScene(VkExtent2D extent, bool validation, SceneSize sceneSize)
{
    sceneSize.particleSeed = fixedParticleSeed;
    auto app = std::make_unique<Application>(sceneSize);
    app->findProjectRoot();
    app->initOffscreen(extent, validation);
    app->initVulkan();
    app->buildScene();
    return app;
}
