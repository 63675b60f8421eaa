#include "scene/Finite.h"

#include <cmath>

bool isFinite(const glm::mat4& matrix)
{
    for (int column = 0; column < 4; column++) {
        for (int row = 0; row < 4; row++) {
            if (!std::isfinite(matrix[column][row])) {
                return false;
            }
        }
    }
    return true;
}
