#pragma once

#include "objects/MeshClusters.h"

#include <glm/glm.hpp>

#include <cstddef>
#include <vector>

// A mesh as one view sees it: its parts and where its model matrix puts them.
struct ViewedMesh {
    const std::vector<MeshCluster>* clusters;
    glm::mat4 worldFromModel;
};

// One indexed draw: which of the meshes, and which of its indices.
struct PartDraw {
    size_t mesh;
    IndexRange range;
};

// The parts of the meshes that may touch a pixel of the view, nearest first by the nearest point
// of their spheres to the eye, so that the depth test turns away what lies behind; parts that
// follow each other in one mesh's index list and in this order become one draw.
std::vector<PartDraw> frontToBack(const std::vector<ViewedMesh>& meshes, const glm::mat4& clipFromWorld,
                                  const glm::vec3& eye);
