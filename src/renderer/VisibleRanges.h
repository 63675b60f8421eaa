#pragma once

#include "objects/MeshClusters.h"

#include <glm/glm.hpp>

#include <vector>

// The index ranges of the clusters that may touch a pixel of the view whose clip-from-model
// matrix is given; clusters that follow each other in the index list become one range.
std::vector<IndexRange> visibleRanges(const std::vector<MeshCluster>& clusters, const glm::mat4& clipFromModel);
