#pragma once

#include <glm/glm.hpp>

// True when no element is a NaN or an infinity: a degenerate look-at yields a
// matrix that fails this, and such a matrix must never reach the GPU.
bool isFinite(const glm::mat4& matrix);
