#include "app/Application.h"

#include "app/AssetPath.h"
#include "app/RockRow.h"
#include "objects/ImageObject.h"
#include "objects/Model.h"
#include "objects/ParticleSystem.h"
#include "objects/Rand15.h"
#include "textures/DefferedTexture.h"
#include "textures/DynEnvironmentTexture.h"
#include "textures/ImageTexture.h"
#include "textures/StaticEnvironmentTexture.h"

#include <glm/gtc/constants.hpp>

namespace {

const glm::vec3 envCubePosition(0, -10, 30);

// Every mesh object is turned half a turn about its rotation axis.
const float halfTurn = glm::radians(180.0f);

struct MeshAndTexture {
    Model* model;
    ImageTexture* texture;
};

}  // namespace

void Application::buildScene() {
    objects = ObjectList(&imagePipeline);

    Path spaceshipPath;
    spaceshipPath.loadFromFile(assetPath(assetFiles::spaceshipPathFile));

    auto add = [&](MeshAndTexture mesh, glm::vec3 position, glm::vec3 axis, glm::vec3 scale, const Path* path,
                   float objectScalar, bool isCameraTarget) {
        objects.add(store.make<ImageObject>(bufferUtils, &imagePipeline, mesh.model, mesh.texture, position, halfTurn, axis,
                                    scale, path, objectScalar, isCameraTarget));
    };
    const glm::vec3 xAxis(1, 0, 0);

    MeshAndTexture spaceship{store.make<Model>(bufferUtils, assetPath(assetFiles::spaceshipModel), true),
                             store.make<ImageTexture>(bufferUtils, assetPath(assetFiles::spaceshipTexture), assetPath(assetFiles::spaceshipNormalMap),
                                              glm::vec3(0.6f, 0.6f, 1.0f), 1.0f, 0.1f, 0.8f)};
    add(spaceship, {0, -10, 40}, xAxis, glm::vec3(0.5f), &spaceshipPath, 1.0f, true);

    MeshAndTexture ground{store.make<Model>(bufferUtils, assetPath(assetFiles::groundModel), true),
                          store.make<ImageTexture>(bufferUtils, assetPath(assetFiles::groundTexture), assetPath(assetFiles::groundNormalMap),
                                           glm::vec3(0.2f, 1.0f, 0.2f), 0.6f, 0.6f, 0.2f)};
    add(ground, {0, 0, 0}, xAxis, glm::vec3(2.0f), nullptr, 20.0f, false);

    MeshAndTexture rock{store.make<Model>(bufferUtils, assetPath(assetFiles::rockModel), true),
                        store.make<ImageTexture>(bufferUtils, assetPath(assetFiles::rockTexture), assetPath(assetFiles::rockNormalMap),
                                         glm::vec3(0.8f, 0.7f, 0.3f), 0.0f, 0.9f, 0.2f)};
    MeshAndTexture redRock{store.make<Model>(bufferUtils, assetPath(assetFiles::redRockModel), true),
                           store.make<ImageTexture>(bufferUtils, assetPath(assetFiles::redRockTexture), assetPath(assetFiles::redRockNormalMap),
                                            glm::vec3(0.2f, 0.7f, 0.3f), 0.3f, 0.9f, 0.2f)};
    MeshAndTexture redRock2{store.make<Model>(bufferUtils, assetPath(assetFiles::redRock2Model), true),
                            store.make<ImageTexture>(bufferUtils, assetPath(assetFiles::redRock2Texture), assetPath(assetFiles::redRock2NormalMap),
                                             glm::vec3(0.2f, 0.7f, 0.3f), 0.3f, 0.9f, 0.2f)};
    MeshAndTexture cactus{store.make<Model>(bufferUtils, assetPath(assetFiles::cactusModel), true),
                          store.make<ImageTexture>(bufferUtils, assetPath(assetFiles::cactusTexture), assetPath(assetFiles::cactusNormalMap),
                                           glm::vec3(0.8f, 0.7f, 0.3f), 0.0f, 0.9f, 0.2f)};
    add(cactus, {20, -3, 0}, xAxis, glm::vec3(1.0f), nullptr, 1.0f, false);
    add(cactus, {-20, -3, 0}, xAxis, glm::vec3(1.0f), nullptr, 1.0f, false);
    add(redRock, {-20, -10, 100}, xAxis, glm::vec3(1.0f), nullptr, 1.0f, false);
    add(rock, {12, 0, 7}, xAxis, glm::vec3(7.0f), nullptr, 1.0f, false);

    for (int i = 0; i < rockRowSteps; i++) {
        for (const RockPlacement& placement : rockRowStep(i, rockKind(rand15()))) {
            const MeshAndTexture& mesh = placement.mesh == RockMesh::Rock      ? rock
                                         : placement.mesh == RockMesh::RedRock ? redRock
                                                                               : redRock2;
            add(mesh, placement.position, placement.rotationAxis, placement.scale, nullptr, 1.0f, false);
        }
    }

    auto* cube = store.make<Model>(bufferUtils, assetPath(assetFiles::cubeModel), false);
    skybox = CubemapObject(bufferUtils, &cubemapPipeline, cube,
                           store.make<StaticEnvironmentTexture>(bufferUtils, assetPath(assetFiles::skyboxTexture)), false);

    auto* plane = store.make<Model>(bufferUtils, assetPath(assetFiles::planeModel), true);
    deferredObject = DefferedDrawObject(bufferUtils, &deferredPipeline, plane, glm::vec3(0.0f),
                                        store.make<DefferedTexture>(bufferUtils), false);
    renderer.createDeferredFramebuffers(deferredObject);

    particles = ParticleObject(bufferUtils, &computePipeline, cube, glm::vec3(20, 0.5f, 50),
                               store.make<ParticleSystem>(bufferUtils, sceneSize.particleCount, sceneSize.particleSeed), &particlePipeline, false);

    auto* dynCube = store.make<Model>(bufferUtils, assetPath(assetFiles::dynCubeModel), false);
    envCube = CubemapObject(bufferUtils, &envMapPipeline, dynCube,
                            store.make<DynEnvironmentTexture>(bufferUtils, sceneSize.environmentFaceSize,
                                                      sceneSize.environmentFaceSize, 4), true);
    renderer.createCubemapRenderPass(envCube);

    const int cubeFaceTargets = 1;
    imageToCubePipeline = ImagePipeline(assetPath(assetFiles::imageToCubeVert),
                                        assetPath(assetFiles::imageToCubeFrag), bufferUtils,
                                        renderer.getCubemapRenderPass(), cubeFaceTargets);
    cubeToCubePipeline = CubemapPipeline(assetPath(assetFiles::cubeToCubeVert),
                                         assetPath(assetFiles::cubeToCubeFrag), bufferUtils,
                                         renderer.getCubemapRenderPass(), cubeFaceTargets);
    particleToCubePipeline = ParticleDrawPipeline(
        assetPath(assetFiles::particleVert), assetPath(assetFiles::particleToCubeFrag),
        assetPath(assetFiles::particleGeom), bufferUtils, renderer.getCubemapRenderPass(), cubeFaceTargets);

    envCube.setImageToCubePipeline(&imageToCubePipeline);
    envCube.setCubeToCubePipeline(&cubeToCubePipeline);
    particles.setCubemapPipeline(&particleToCubePipeline);
    envCube.setPosition(envCubePosition);
}
