#include "renderer/VisibleRanges.h"

#include "renderer/ViewFrustum.h"

std::vector<IndexRange> visibleRanges(const std::vector<MeshCluster>& clusters, const glm::mat4& clipFromModel)
{
    const ViewFrustum frustum(clipFromModel);
    std::vector<IndexRange> ranges;
    for (const MeshCluster& cluster : clusters) {
        if (!frustum.reaches(cluster.bounds)) {
            continue;
        }
        if (!ranges.empty() && ranges.back().first + ranges.back().count == cluster.range.first) {
            ranges.back().count += cluster.range.count;
        } else {
            ranges.push_back(cluster.range);
        }
    }
    return ranges;
}
