#include "ObjWriter.h"

#include <fstream>
#include <stdexcept>

void writeObj(const std::string& path, const Mesh& mesh)
{
    std::ofstream file(path);
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
    file.precision(6);
    file << std::fixed;
    for (const MeshVertex& vertex : mesh.vertices) {
        file << "v " << vertex.position.x << ' ' << vertex.position.y << ' ' << vertex.position.z << '\n';
    }
    for (const MeshVertex& vertex : mesh.vertices) {
        file << "vt " << vertex.uv.x << ' ' << 1.0f - vertex.uv.y << '\n';
    }
    for (const MeshVertex& vertex : mesh.vertices) {
        file << "vn " << vertex.normal.x << ' ' << vertex.normal.y << ' ' << vertex.normal.z << '\n';
    }
    size_t nextGroup = 0;
    for (size_t t = 0; t < mesh.triangles.size(); ++t) {
        if (nextGroup < mesh.groupStarts.size() && mesh.groupStarts[nextGroup] == t) {
            file << "g part" << nextGroup++ << '\n';
        }
        const glm::uvec3& triangle = mesh.triangles[t];
        file << 'f';
        for (int corner = 0; corner < 3; ++corner) {
            const uint32_t index = triangle[corner] + 1;
            file << ' ' << index << '/' << index << '/' << index;
        }
        file << '\n';
    }
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}
