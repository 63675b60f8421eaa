#include "renderer/HiddenWindow.h"

#include <GLFW/glfw3.h>

bool windowIsHidden(GLFWwindow* window)
{
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    return width == 0 || height == 0 || glfwGetWindowAttrib(window, GLFW_ICONIFIED) == GLFW_TRUE ||
           glfwGetWindowAttrib(window, GLFW_VISIBLE) == GLFW_FALSE;
}

bool waitWhileHidden(GLFWwindow* window)
{
    // The state is read again after every wait, so the event that shows the
    // window is enough to leave; and a close request ends the wait too.
    while (!glfwWindowShouldClose(window) && windowIsHidden(window)) {
        glfwWaitEvents();
    }
    return glfwWindowShouldClose(window) == GLFW_FALSE;
}
