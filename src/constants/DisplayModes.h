#ifndef CONSTANTS_DISPLAY_MODES_H
#define CONSTANTS_DISPLAY_MODES_H

// Read by the C++ compiler and by glslc, hence only #define outside the C++ part.

// What the lighting pass shows, chosen by its push constant `displayMode`.
#define MODE_FINAL 0        // the final image
#define MODE_ALBEDO 1       // albedo
#define MODE_NORMALS 2      // world normals, shown as n * 0.5 + 0.5
#define MODE_COEFFICIENTS 3 // coefficients: r metalness, g roughness, b reflectance
#define MODE_MATERIAL 4     // material weights: r ambient, g diffuse, b specular
#define MODE_POSITION 5     // world position, each axis squashed into 0..1 (0.5 at the origin)
// lighting alone, on a neutral grey albedo, without haze, with the occlusion
// (the mirror shows its reflection, the light it returns)
#define MODE_LIGHTING 6
// overview: albedo (top left), normals (top right), lighting (bottom left),
// final (bottom right)
#define MODE_OVERVIEW 7

#ifdef __cplusplus
#include <cstdint>

// The modes as the value the renderer pushes (the shader reads an int); the
// entry after the last mode counts them.
enum DisplayMode : int32_t {
    ShowFinal = MODE_FINAL,
    ShowAlbedo = MODE_ALBEDO,
    ShowNormals = MODE_NORMALS,
    ShowCoefficients = MODE_COEFFICIENTS,
    ShowMaterial = MODE_MATERIAL,
    ShowPosition = MODE_POSITION,
    ShowLighting = MODE_LIGHTING,
    ShowOverview = MODE_OVERVIEW,
    DisplayModeCount
};
#endif

#endif
