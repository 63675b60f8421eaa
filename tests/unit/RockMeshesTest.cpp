#include "ArchShape.h"
#include "MesaLayers.h"
#include "Rocks.h"
#include "Terrain.h"

#include "app/RockRow.h"

#include <gtest/gtest.h>

#include <glm/gtc/constants.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

struct NamedRock {
    std::string name;
    SceneMesh mesh;
    Mesh (*build)();
};

const std::vector<NamedRock>& rocksToCheck()
{
    static const std::vector<NamedRock> rocks = {{"boulder", SceneMesh::Rock, rocks::boulder},
                                                 {"mesa", SceneMesh::RedRock, rocks::mesa},
                                                 {"arch", SceneMesh::RedRock2, rocks::arch}};
    return rocks;
}

// Corners at the same place (within 1e-4) are one corner, whatever their texture coordinates.
std::vector<uint32_t> weldedCorners(const Mesh& mesh)
{
    std::map<std::tuple<long, long, long>, uint32_t> ids;
    std::vector<uint32_t> welded;
    for (const MeshVertex& vertex : mesh.vertices) {
        const glm::vec3 q = glm::round(vertex.position * 1e4f);
        const auto key = std::make_tuple(static_cast<long>(q.x), static_cast<long>(q.y), static_cast<long>(q.z));
        welded.push_back(ids.emplace(key, static_cast<uint32_t>(ids.size())).first->second);
    }
    return welded;
}

// The edges of a closed, consistently wound surface are each used twice, once in each direction;
// returns how many directed edges break that (a crack or T-junction leaves an edge used once,
// a flipped triangle one used twice the same way).
size_t brokenEdges(const Mesh& mesh)
{
    const std::vector<uint32_t> corner = weldedCorners(mesh);
    std::map<std::pair<uint32_t, uint32_t>, int> directed;
    for (const glm::uvec3& triangle : mesh.triangles) {
        for (int i = 0; i < 3; ++i) {
            const uint32_t a = corner[triangle[i]];
            const uint32_t b = corner[triangle[(i + 1) % 3]];
            if (a != b) {
                directed[{a, b}]++;
            }
        }
    }
    size_t broken = 0;
    for (const auto& [edge, count] : directed) {
        const auto reverse = directed.find({edge.second, edge.first});
        broken += count == 1 && reverse != directed.end() && reverse->second == 1 ? 0 : 1;
    }
    return broken;
}

// The world transform the scene gives a placement: scale, half turn about the axis, then the
// position, which is applied first, in the object's own space.
glm::mat4 worldFromModel(const Placement& placement)
{
    return glm::scale(glm::mat4(1.0f), placement.scale) *
           glm::rotate(glm::mat4(1.0f), glm::pi<float>(), placement.rotationAxis) *
           glm::translate(glm::mat4(1.0f), placement.position);
}

// The scene stands the ground at scale 2, turned upside down: the sand's world height at (x, z).
float sandHeight(float x, float z)
{
    return -2.0f * terrain::groundHeight(x / 2.0f, -z / 2.0f);
}

std::vector<Placement> everyPlacementOf(SceneMesh mesh)
{
    std::vector<Placement> placements;
    for (const Placement& placement : fixedObjects) {
        if (placement.mesh == mesh) {
            placements.push_back(placement);
        }
    }
    for (int step = 0; step < rockRowSteps; ++step) {
        for (int kind = 0; kind <= 6; ++kind) {
            for (const Placement& placement : rockRowStep(step, kind)) {
                if (placement.mesh == mesh) {
                    placements.push_back(placement);
                }
            }
        }
    }
    return placements;
}

// Convex hull (counter-clockwise) of points in a plane.
std::vector<glm::vec2> hull(std::vector<glm::vec2> points)
{
    std::sort(points.begin(), points.end(),
              [](glm::vec2 a, glm::vec2 b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    const auto turn = [](glm::vec2 o, glm::vec2 a, glm::vec2 b) {
        return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    };
    std::vector<glm::vec2> chain(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && turn(chain[k - 2], chain[k - 1], points[i]) <= 0.0f) {
            --k;
        }
        chain[k++] = points[i];
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && turn(chain[k - 2], chain[k - 1], points[i]) <= 0.0f) {
            --k;
        }
        chain[k++] = points[i];
    }
    chain.resize(k - 1);
    return chain;
}

// How much of its tightest enclosing rectangle (at any angle) a silhouette fills: 1 for a box,
// pi / 4 for an ellipse.
float rectangleFill(const std::vector<glm::vec2>& outline)
{
    float area = 0.0f;
    for (size_t i = 0; i < outline.size(); ++i) {
        const glm::vec2 a = outline[i];
        const glm::vec2 b = outline[(i + 1) % outline.size()];
        area += 0.5f * (a.x * b.y - b.x * a.y);
    }
    float tightest = std::numeric_limits<float>::max();
    for (size_t i = 0; i < outline.size(); ++i) {
        const glm::vec2 along = glm::normalize(outline[(i + 1) % outline.size()] - outline[i]);
        const glm::vec2 across(-along.y, along.x);
        glm::vec2 low(std::numeric_limits<float>::max()), high(std::numeric_limits<float>::lowest());
        for (const glm::vec2 p : outline) {
            const glm::vec2 q(glm::dot(p, along), glm::dot(p, across));
            low = glm::min(low, q);
            high = glm::max(high, q);
        }
        tightest = std::min(tightest, (high.x - low.x) * (high.y - low.y));
    }
    return area / tightest;
}

} // namespace

TEST(RockMeshes, EveryRockIsClosedWithoutCracksAndWoundOneWay)
{
    for (const NamedRock& rock : rocksToCheck()) {
        const Mesh mesh = rock.build();
        ASSERT_GT(mesh.triangles.size(), 1000u) << rock.name;
        EXPECT_EQ(brokenEdges(mesh), 0u) << rock.name;
    }
}

TEST(RockMeshes, TheCrackCheckFindsAMissingTriangleAndAFlippedOne)
{
    Mesh open = rocks::boulder();
    open.triangles.erase(open.triangles.begin() + 100);
    EXPECT_EQ(brokenEdges(open), 3u);
    Mesh flipped = rocks::boulder();
    std::swap(flipped.triangles[200].x, flipped.triangles[200].y);
    EXPECT_GE(brokenEdges(flipped), 3u);
}

// Wherever the scene stands a rock, and however far the dunes there rise or fall, its deepest
// part is in the sand: nothing that shows above the ground floats over it.
TEST(RockMeshes, EveryPlacedRockMeetsTheSandAllRoundItsBase)
{
    for (const NamedRock& rock : rocksToCheck()) {
        const Mesh mesh = rock.build();
        for (const Placement& placement : everyPlacementOf(rock.mesh)) {
            const glm::mat4 toWorld = worldFromModel(placement);
            std::vector<glm::vec3> world;
            bool shows = false;
            for (const MeshVertex& vertex : mesh.vertices) {
                world.push_back(glm::vec3(toWorld * glm::vec4(vertex.position, 1.0f)));
                shows = shows || world.back().y < sandHeight(world.back().x, world.back().z);
            }
            if (!shows) {
                continue;
            }
            // Up is -y: the deepest twentieth of the rock's height.
            const auto [top, bottom] =
                std::minmax_element(world.begin(), world.end(), [](glm::vec3 a, glm::vec3 b) { return a.y < b.y; });
            const float floor = bottom->y - 0.05f * (bottom->y - top->y);
            for (const glm::vec3& p : world) {
                if (p.y >= floor) {
                    EXPECT_GT(p.y, sandHeight(p.x, p.z) + 0.5f)
                        << rock.name << " at (" << placement.position.x << ", " << placement.position.y << ", "
                        << placement.position.z << ") scale " << placement.scale.x << ": base above the sand at ("
                        << p.x << ", " << p.z << ")";
                }
            }
        }
    }
}

TEST(RockMeshes, TheBoulderShowsNoBoxFromAnySide)
{
    const Mesh mesh = rocks::boulder();
    for (int view = 0; view < 9; ++view) {
        // Eight views around it at the height of the sand, and one from straight above.
        const float angle = glm::two_pi<float>() * static_cast<float>(view) / 8.0f;
        const glm::vec3 across = view < 8 ? glm::vec3(-std::sin(angle), 0.0f, std::cos(angle)) : glm::vec3(1, 0, 0);
        const glm::vec3 up = view < 8 ? glm::vec3(0.0f, 1.0f, 0.0f) : glm::vec3(0, 0, 1);
        std::vector<glm::vec2> projected;
        for (const MeshVertex& vertex : mesh.vertices) {
            if (vertex.position.y >= 0.0f) {
                projected.emplace_back(glm::dot(vertex.position, across), glm::dot(vertex.position, up));
            }
        }
        EXPECT_LT(rectangleFill(hull(projected)), 0.88f) << "view " << view;
    }
}

// The mesa's texture rows stand for heights and the arch's texels for points of the arch, so the
// layers of both follow the height of the rock instead of running round it in rings.
TEST(RockMeshes, TextureCoordinatesPutEachLayerAtItsHeight)
{
    const Mesh mesa = rocks::mesa();
    size_t wall = 0;
    for (const MeshVertex& vertex : mesa.vertices) {
        const float radius = glm::length(glm::vec2(vertex.position.x, vertex.position.z));
        if (vertex.position.y < mesaLayers::capTop - 1.0f && radius > 20.0f) {
            EXPECT_NEAR(mesaLayers::heightAtV(vertex.uv.y), vertex.position.y, 0.05f);
            ++wall;
        }
    }
    EXPECT_GT(wall, mesa.vertices.size() / 2);
    const Mesh arch = rocks::arch();
    for (const MeshVertex& vertex : arch.vertices) {
        if (vertex.uv.x >= 0.0f && vertex.uv.x <= 1.0f) {
            EXPECT_LT(glm::distance(archShape::point(vertex.uv.x, vertex.uv.y), vertex.position), 0.01f);
        }
    }
}
