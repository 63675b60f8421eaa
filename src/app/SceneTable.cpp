#include "app/SceneTable.h"

#include "AssetFiles.h"

namespace {

namespace files = assetFiles;

const glm::vec3 xAxis(1, 0, 0);

} // namespace

const std::array<TexturedMesh, 6> texturedMeshes = {{
    {files::spaceshipModel, files::spaceshipTexture, files::spaceshipNormalMap, {0.6f, 0.6f, 1.0f}, 1.0f, 0.1f, 0.8f},
    {files::groundModel, files::groundTexture, files::groundNormalMap, {0.2f, 1.0f, 0.2f}, 0.6f, 0.6f, 0.2f},
    {files::rockModel, files::rockTexture, files::rockNormalMap, {0.8f, 0.7f, 0.3f}, 0.0f, 0.9f, 0.2f},
    {files::redRockModel, files::redRockTexture, files::redRockNormalMap, {0.2f, 0.7f, 0.3f}, 0.3f, 0.9f, 0.2f},
    {files::redRock2Model, files::redRock2Texture, files::redRock2NormalMap, {0.2f, 0.7f, 0.3f}, 0.3f, 0.9f, 0.2f},
    {files::cactusModel, files::cactusTexture, files::cactusNormalMap, {0.8f, 0.7f, 0.3f}, 0.0f, 0.9f, 0.2f},
}};

const std::array<Placement, 6> fixedObjects = {{
    {SceneMesh::Spaceship, {0, -10, 40}, xAxis, glm::vec3(0.5f), 1.0f, ObjectRole::Spaceship},
    {SceneMesh::Ground, {0, 0, 0}, xAxis, glm::vec3(2.0f), 20.0f},
    {SceneMesh::Cactus, {20, -3, 0}, xAxis, glm::vec3(1.0f)},
    {SceneMesh::Cactus, {-20, -3, 0}, xAxis, glm::vec3(1.0f)},
    {SceneMesh::RedRock, {-20, -10, 100}, xAxis, glm::vec3(1.0f)},
    {SceneMesh::Rock, {12, 0, 7}, xAxis, glm::vec3(7.0f)},
}};
