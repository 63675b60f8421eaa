#pragma once

#include "app/Application.h"
#include "app/SceneSize.h"
#include "renderer/RendererSettings.h"

#include <memory>

// Runs that compare frames (captures, references, recordings) start the dust
// from this seed, so that two runs draw the same frames.
constexpr unsigned fixedParticleSeed = 1;

// The demo's scene drawn into offscreen images of `extent`, the dust from the
// fixed seed, ready for its first frame.
std::unique_ptr<Application> startOffscreenScene(VkExtent2D extent, const RendererSettings& settings = {},
                                                 SceneSize sceneSize = {});
