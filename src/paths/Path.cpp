#include "paths/Path.h"

#include <cmath>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr float lookAhead = 0.1f;
constexpr float parallelThreshold = 0.001f;

// The standard library's own texts for these failures vary between vendors;
// a malformed path file always reports the same words.
float convert(const std::string& token)
{
    try {
        return std::stof(token);
    } catch (const std::invalid_argument&) {
        throw std::invalid_argument("invalid stof argument");
    } catch (const std::out_of_range&) {
        throw std::out_of_range("stof argument out of range");
    }
}

// std::stof accepts "nan" and "inf"; either would poison every sample of the path.
double readFinite(const std::string& token, const std::string& fileName)
{
    const float value = convert(token);
    if (!std::isfinite(value)) {
        throw std::runtime_error("path file holds a value that is not a finite number: " + fileName);
    }
    return value;
}

// The comma-separated fields of a line; an empty line is one empty field.
std::vector<std::string> splitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::string::size_type begin = 0;
    std::string::size_type comma = line.find(',');
    while (comma != std::string::npos) {
        fields.push_back(line.substr(begin, comma - begin));
        begin = comma + 1;
        comma = line.find(',', begin);
    }
    fields.push_back(line.substr(begin));
    return fields;
}

// The fit states the condition that the way-points break but not where they
// come from; the reader adds the file.
spline fit(const std::vector<double>& t, const std::vector<double>& values, const std::string& fileName)
{
    try {
        return spline(t, values);
    } catch (const std::runtime_error& error) {
        throw std::runtime_error("path file fails " + std::string(error.what()) + ": " + fileName);
    }
}

} // namespace

void Path::loadFromFile(const std::string& fileName)
{
    std::ifstream file(fileName);
    if (!file.is_open()) {
        std::cerr << "Error opening file: " << fileName << std::endl;
        return;
    }

    std::vector<double> t, x, y, z;
    std::string line;
    while (std::getline(file, line)) {
        const std::vector<std::string> fields = splitFields(line);
        // Fields are read from the left, so a bad number before the cut is the one reported.
        std::size_t field = 0;
        for (std::vector<double>* column : {&t, &x, &y, &z}) {
            if (field == fields.size()) {
                throw std::runtime_error("path file holds a line with fewer than four fields: " + fileName);
            }
            column->push_back(readFinite(fields[field++], fileName));
        }
    }

    splineX = fit(t, x, fileName);
    splineY = fit(t, y, fileName);
    splineZ = fit(t, z, fileName);
}

glm::vec3 Path::getPosition(float t) const
{
    // A path file that could not be opened leaves the path empty; it stays at the origin.
    if (splineX.empty()) {
        return glm::vec3(0.0f);
    }
    const double time = t;
    return glm::vec3(static_cast<float>(splineX(time)), static_cast<float>(splineY(time)),
                     static_cast<float>(splineZ(time)));
}

glm::quat Path::getRotation(float t, glm::vec3 forward) const
{
    const glm::vec3 currentPos = getPosition(t);
    const glm::vec3 nextPos = getPosition(t + lookAhead);
    const glm::vec3 travel = nextPos - currentPos;
    const float travelLength = glm::length(travel);
    // Without movement over the look-ahead there is no direction to turn to.
    if (!(travelLength > 0.0f) || !std::isfinite(travelLength)) {
        return glm::quat(1.0f, 0.0f, 0.0f, 0.0f);
    }
    const glm::vec3 direction = glm::normalize(travel);

    glm::vec3 rotationAxis = glm::cross(forward, direction);
    if (glm::length(rotationAxis) < parallelThreshold) {
        if (glm::dot(forward, direction) > 0.0f) {
            return glm::quat(1.0f, 0.0f, 0.0f, 0.0f);
        }
        return glm::quat(0.0f, 0.0f, 1.0f, 0.0f);
    }
    rotationAxis = glm::normalize(rotationAxis);
    const float angle = std::acos(glm::clamp(glm::dot(forward, direction), -1.0f, 1.0f));
    const float halfSin = std::sin(angle / 2.0f);
    return glm::quat(std::cos(angle / 2.0f), rotationAxis.x * halfSin, rotationAxis.y * halfSin,
                     rotationAxis.z * halfSin);
}
