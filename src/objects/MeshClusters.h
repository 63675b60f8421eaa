#pragma once

#include "objects/BoundingSphere.h"
#include "objects/IndexRange.h"
#include "objects/ObjLoader.h"

#include <vector>

// A part of a mesh that a view can skip on its own: its triangles and a sphere around them.
struct MeshCluster {
    IndexRange range;
    BoundingSphere bounds;
};

// One cluster per part of the mesh, in index order, bounded by the sphere around the box of the
// vertices the part uses.
std::vector<MeshCluster> meshClusters(const MeshData& mesh);
