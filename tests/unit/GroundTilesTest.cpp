#include "Tiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

constexpr int columns = 6;
constexpr int rows = 4;
constexpr int tileCells = 2;

// A flat grid whose vertex of a column and a row sits at (column, 0, row), so positions tell
// the cell.
Mesh flatGrid()
{
    return gridSurface(columns, rows, [](float u, float v) {
        return SurfacePoint{glm::vec3(u * columns, 0.0f, v * rows), glm::vec2(u, v)};
    });
}

// For each vertex, the last triangle in the list that uses it: the loader gives a shared
// corner that triangle's frame, so the order must not change it.
std::map<uint32_t, glm::uvec3> lastUser(const Mesh& mesh)
{
    std::map<uint32_t, glm::uvec3> last;
    for (const glm::uvec3& triangle : mesh.triangles) {
        for (int corner = 0; corner < 3; ++corner) {
            last[triangle[corner]] = triangle;
        }
    }
    return last;
}

bool lessTriangle(const glm::uvec3& a, const glm::uvec3& b)
{
    return std::lexicographical_compare(&a[0], &a[0] + 3, &b[0], &b[0] + 3);
}

} // namespace

TEST(GroundTiles, EveryTileIsOneGroupOfTheTrianglesInsideItsSquare)
{
    const Mesh tiled = tiledGrid(flatGrid(), columns, rows, tileCells);
    const size_t tileTriangles = 2 * tileCells * tileCells;
    ASSERT_EQ(tiled.groupStarts.size(), static_cast<size_t>((columns / tileCells) * (rows / tileCells)));
    for (size_t group = 0; group < tiled.groupStarts.size(); ++group) {
        ASSERT_EQ(tiled.groupStarts[group], group * tileTriangles);
        glm::vec3 lowest(1e9f);
        glm::vec3 highest(-1e9f);
        for (size_t t = group * tileTriangles; t < (group + 1) * tileTriangles; ++t) {
            for (int corner = 0; corner < 3; ++corner) {
                const glm::vec3 p = tiled.vertices[tiled.triangles[t][corner]].position;
                lowest = glm::min(lowest, p);
                highest = glm::max(highest, p);
            }
        }
        EXPECT_NEAR(highest.x - lowest.x, tileCells, 1e-5f) << "group " << group;
        EXPECT_NEAR(highest.z - lowest.z, tileCells, 1e-5f) << "group " << group;
    }
}

TEST(GroundTiles, SameTrianglesAndEveryCornerIsStillUsedLastByTheSameTriangle)
{
    const Mesh grid = flatGrid();
    const Mesh tiled = tiledGrid(grid, columns, rows, tileCells);
    EXPECT_EQ(tiled.vertices.size(), grid.vertices.size());

    std::vector<glm::uvec3> before = grid.triangles;
    std::vector<glm::uvec3> after = tiled.triangles;
    std::sort(before.begin(), before.end(), lessTriangle);
    std::sort(after.begin(), after.end(), lessTriangle);
    EXPECT_EQ(before, after);

    EXPECT_NE(tiled.triangles, grid.triangles) << "the tiles must change the order for this to test anything";
    EXPECT_EQ(lastUser(tiled), lastUser(grid));
}

TEST(GroundTiles, AGridThatDoesNotSplitIntoWholeTilesIsRefused)
{
    EXPECT_THROW(tiledGrid(flatGrid(), columns, rows, 4), std::invalid_argument);
}
