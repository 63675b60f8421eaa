#include "Tiles.h"

#include <stdexcept>

Mesh tiledGrid(const Mesh& grid, int columns, int rows, int tileCells)
{
    if (columns % tileCells != 0 || rows % tileCells != 0 ||
        grid.triangles.size() != 2 * static_cast<size_t>(columns) * static_cast<size_t>(rows)) {
        throw std::invalid_argument("the grid does not split into whole tiles");
    }
    Mesh tiled;
    tiled.vertices = grid.vertices;
    for (int tileRow = 0; tileRow < rows; tileRow += tileCells) {
        for (int tileColumn = 0; tileColumn < columns; tileColumn += tileCells) {
            tiled.groupStarts.push_back(tiled.triangles.size());
            for (int row = tileRow; row < tileRow + tileCells; ++row) {
                for (int column = tileColumn; column < tileColumn + tileCells; ++column) {
                    // gridSurface writes the two triangles of a cell one after the other.
                    const size_t cell = 2 * (static_cast<size_t>(row) * columns + column);
                    tiled.triangles.push_back(grid.triangles[cell]);
                    tiled.triangles.push_back(grid.triangles[cell + 1]);
                }
            }
        }
    }
    return tiled;
}
