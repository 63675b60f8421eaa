#pragma once

// OBJ texts for the tests that load meshes.

// A unit cube around the origin: eight corners, twelve triangles.
extern const char* const cubeObj;
