#pragma once

#include "paths/Spline.h"

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <string>

// A trajectory through timed way-points: one natural cubic spline per axis.
class Path {
public:
    void loadFromFile(const std::string& fileName);

    glm::vec3 getPosition(float t) const;
    glm::quat getRotation(float t, glm::vec3 forward) const;

private:
    spline splineX;
    spline splineY;
    spline splineZ;
};
