#include "paths/Path.h"

#include "ProjectFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr float cycle = 85.0f;
constexpr float lookAhead = 0.1f;

std::string pathFile(const std::string& name)
{
    return projectRoot() + "/assets/paths/" + name;
}

std::vector<float> times(const std::string& name)
{
    std::ifstream file(pathFile(name));
    std::vector<float> result;
    std::string line;
    while (std::getline(file, line)) {
        result.push_back(std::stof(line.substr(0, line.find(','))));
    }
    return result;
}

Path load(const std::string& name)
{
    Path path;
    path.loadFromFile(pathFile(name));
    return path;
}

} // namespace

TEST(FlightPaths, BothFilesCoverTheWholeCycleWithIncreasingTimes)
{
    for (const std::string name : {"camera_path.csv", "spaceship_path.csv"}) {
        const std::vector<float> t = times(name);
        ASSERT_GE(t.size(), 3u) << name;
        EXPECT_LE(t.front(), 0.0f) << name;
        EXPECT_GE(t.back(), cycle + lookAhead) << name;
        for (size_t i = 1; i < t.size(); ++i) {
            EXPECT_GT(t[i], t[i - 1]) << name << " line " << i + 1;
        }
    }
}

TEST(FlightPaths, LoopsCloseSoTheRestartDoesNotJump)
{
    for (const std::string name : {"camera_path.csv", "spaceship_path.csv"}) {
        const Path path = load(name);
        EXPECT_LT(glm::length(path.getPosition(cycle) - path.getPosition(0.0f)), 2.0f) << name;
    }
}

TEST(FlightPaths, ShipFliesAboveTheGroundUprightAndTheCameraKeepsItInFrame)
{
    const Path ship = load("spaceship_path.csv");
    const Path camera = load("camera_path.csv");
    for (float t = 0.0f; t <= cycle + lookAhead; t += 0.05f) {
        const glm::vec3 position = ship.getPosition(t);
        // World up is -y and the ground lies within a few units of y = 0 here.
        EXPECT_LT(position.y, -4.0f) << "t = " << t;
        // The ship's mesh up (+y) is turned to -y by the scene before the path rotation applies.
        const glm::vec3 shipUp = ship.getRotation(t, glm::vec3(0.0f, 0.0f, -1.0f)) * glm::vec3(0.0f, -1.0f, 0.0f);
        EXPECT_LT(shipUp.y, -0.7f) << "the ship rolls over at t = " << t;
        const float distance = glm::length(camera.getPosition(t) - position);
        EXPECT_GT(distance, 6.0f) << "t = " << t;
        EXPECT_LT(distance, 45.0f) << "t = " << t;
        if (HasFailure()) {
            return;
        }
    }
}
