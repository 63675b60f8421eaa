#pragma once

#include "renderer/FramePixels.h"

struct GLFWwindow;

// What the X server shows in the window once the presented frames have
// reached it: the windowed run's counterpart of an offscreen read-back.
FramePixels grabWindow(GLFWwindow* window);
