// Coverage-guided fuzzing of the path-file reader and the spline fit: the
// input bytes become a path file, which is loaded and then sampled across and
// beyond its time range. Refusing the file with one of the reader's documented
// exceptions is a correct answer; a crash, a sanitizer report, any other
// exception or a NaN in a sample is a fault.

#include "paths/Path.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

const std::string& inputFile()
{
    static const std::string name = "/tmp/kestrelwing-fuzz-" + std::to_string(getpid()) + ".csv";
    return name;
}

void writeInput(const uint8_t* data, size_t size)
{
    std::ofstream file(inputFile(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

bool loads(Path& path)
{
    try {
        path.loadFromFile(inputFile());
        return true;
    } catch (const std::invalid_argument&) {
    } catch (const std::out_of_range&) {
    } catch (const std::runtime_error&) {
    }
    return false;
}

// Positions may overflow to infinity for absurd but finite way-points; a NaN
// never has a reason. The rotation must always be a usable quaternion.
void checkSample(const Path& path, float t)
{
    const glm::vec3 position = path.getPosition(t);
    const glm::quat rotation = path.getRotation(t, glm::vec3(0.0f, 0.0f, 1.0f));
    const bool positionIsNumber = !std::isnan(position.x) && !std::isnan(position.y) && !std::isnan(position.z);
    const float norm = glm::length(glm::vec4(rotation.x, rotation.y, rotation.z, rotation.w));
    if (!positionIsNumber || !(std::fabs(norm - 1.0f) < 1e-3f)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeInput(data, size);
    Path path;
    if (!loads(path)) {
        return 0;
    }
    for (float t : {-1000.0f, -1.0f, 0.0f, 0.05f, 0.5f, 1.0f, 2.5f, 10.0f, 42.5f, 84.95f, 85.0f, 87.0f, 1e4f}) {
        checkSample(path, t);
    }
    return 0;
}
