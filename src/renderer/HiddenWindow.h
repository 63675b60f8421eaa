#pragma once

struct GLFWwindow;

// Whether the window shows nothing that a frame could be presented to: a
// zero-sized framebuffer, or minimised, or unmapped. On X11 a minimised window
// keeps its size, so the size alone does not tell.
bool windowIsHidden(GLFWwindow* window);

// Sleeps in the event loop while the window is hidden. Returns true once it
// shows again, false when it is to close instead.
bool waitWhileHidden(GLFWwindow* window);
