#pragma once

#include "Mesh.h"

// A grid from gridSurface with its triangles regrouped into square tiles of `tileCells` × `tileCells`
// cells, each tile one group, so that a renderer can skip the tiles a view cannot see. Tiles follow
// each other row by row, and so do the cells inside a tile: a corner that several cells share is
// still used last by the same cell as in the grid's own order. `columns` and `rows` must be
// multiples of `tileCells`.
Mesh tiledGrid(const Mesh& grid, int columns, int rows, int tileCells);
