#pragma once

#include <glm/glm.hpp>

#include <array>

// The textured meshes of the scene, in the order they are loaded.
enum class SceneMesh { Spaceship, Ground, Rock, RedRock, RedRock2, Cactus };

// A mesh with its colour texture and normal map (files of AssetFiles.h) and
// the four material parameters that the lighting pass reads.
struct TexturedMesh {
    const char* model;
    const char* colorTexture;
    const char* normalMap;
    glm::vec3 materialVector;
    float coefficient1;
    float coefficient2;
    float coefficient3;
};

// Indexed by SceneMesh.
extern const std::array<TexturedMesh, 6> texturedMeshes;

// The spaceship flies its path and is what the path camera looks at; scenery stands still.
enum class ObjectRole { Scenery, Spaceship };

// One mesh object: turned half a turn about rotationAxis, scaled, and put at position.
struct Placement {
    SceneMesh mesh;
    glm::vec3 position;
    glm::vec3 rotationAxis;
    glm::vec3 scale;
    float objectScalar = 1.0f;
    ObjectRole role = ObjectRole::Scenery;
};

// The objects of every run, in the order they are appended; the rock row follows them.
extern const std::array<Placement, 6> fixedObjects;
