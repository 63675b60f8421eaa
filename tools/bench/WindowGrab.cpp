#include "WindowGrab.h"

#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <X11/Xutil.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

FramePixels grabOnce(Display* display, Window window, int width, int height)
{
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    if (image == nullptr) {
        throw std::runtime_error("failed to read the window back!");
    }
    FramePixels frame{static_cast<uint32_t>(width), static_cast<uint32_t>(height), {}};
    frame.rgba.reserve(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            const unsigned long pixel = XGetPixel(image, x, y);
            frame.rgba.push_back(static_cast<uint8_t>((pixel & image->red_mask) >> 16));
            frame.rgba.push_back(static_cast<uint8_t>((pixel & image->green_mask) >> 8));
            frame.rgba.push_back(static_cast<uint8_t>(pixel & image->blue_mask));
            frame.rgba.push_back(255);
        }
    }
    XDestroyImage(image);
    return frame;
}

} // namespace

// The software present hands the image to the X server from a thread of its
// own, after the queue is idle: read until two reads a moment apart agree.
FramePixels grabWindow(GLFWwindow* window)
{
    Display* display = glfwGetX11Display();
    const Window xWindow = glfwGetX11Window(window);
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    FramePixels previous;
    for (int attempt = 0; attempt < 20; attempt++) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        XSync(display, False);
        FramePixels current = grabOnce(display, xWindow, width, height);
        if (current.rgba == previous.rgba) {
            return current;
        }
        previous = std::move(current);
    }
    return previous;
}
