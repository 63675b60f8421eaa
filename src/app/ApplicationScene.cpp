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

MeshAndTexture loadMesh(SceneStore& store, const BufferUtils& bufferUtils, const TexturedMesh& mesh)
{
    return {store.make<Model>(bufferUtils, assetPath(mesh.model), true),
            store.make<ImageTexture>(bufferUtils, assetPath(mesh.colorTexture), assetPath(mesh.normalMap),
                                     mesh.materialVector, mesh.coefficient1, mesh.coefficient2, mesh.coefficient3)};
}

} // namespace

void Application::buildScene()
{
    objects = ObjectList(&imagePipeline);

    Path spaceshipPath;
    spaceshipPath.loadFromFile(assetPath(assetFiles::spaceshipPathFile));
    buildMeshObjects(spaceshipPath);
    buildSkyAndEffects();
    buildCubeFacePipelines();
}

// The meshes load in table order, and each fixed object is built and appended
// as soon as its mesh and every object before it are there: the spaceship
// before the ground is loaded, the ground before the rocks, the other four
// after the cactus. The rock row follows, one random kind per step.
void Application::buildMeshObjects(const Path& spaceshipPath)
{
    std::vector<MeshAndTexture> meshes;
    auto place = [&](const Placement& placement) {
        const MeshAndTexture& mesh = meshes.at(static_cast<size_t>(placement.mesh));
        const bool spaceship = placement.role == ObjectRole::Spaceship;
        objects.add(store.make<ImageObject>(bufferUtils, &imagePipeline, mesh.model, mesh.texture, placement.position,
                                            halfTurn, placement.rotationAxis, placement.scale,
                                            spaceship ? &spaceshipPath : nullptr, placement.objectScalar, spaceship));
    };

    size_t placed = 0;
    for (const TexturedMesh& mesh : texturedMeshes) {
        meshes.push_back(loadMesh(store, bufferUtils, mesh));
        while (placed < fixedObjects.size() && static_cast<size_t>(fixedObjects[placed].mesh) < meshes.size()) {
            place(fixedObjects[placed++]);
        }
    }
    for (int i = 0; i < rockRowSteps; i++) {
        for (const Placement& placement : rockRowStep(i, rockKind(rand15()))) {
            place(placement);
        }
    }
}

void Application::buildSkyAndEffects()
{
    auto* cube = store.make<Model>(bufferUtils, assetPath(assetFiles::cubeModel), false);
    skybox =
        CubemapObject(bufferUtils, &cubemapPipeline, cube,
                      store.make<StaticEnvironmentTexture>(bufferUtils, assetPath(assetFiles::skyboxTexture)), false);

    auto* plane = store.make<Model>(bufferUtils, assetPath(assetFiles::planeModel), true);
    deferredObject = DefferedDrawObject(bufferUtils, &deferredPipeline, plane, glm::vec3(0.0f),
                                        store.make<DefferedTexture>(bufferUtils), false);
    renderer.createDeferredFramebuffers(deferredObject);

    particles = ParticleObject(bufferUtils, &computePipeline, cube, glm::vec3(20, 0.5f, 50),
                               store.make<ParticleSystem>(bufferUtils, sceneSize.particleCount, sceneSize.particleSeed),
                               &particlePipeline, false);
    particles.setListPipeline(&dustListPipeline);

    auto* dynCube = store.make<Model>(bufferUtils, assetPath(assetFiles::dynCubeModel), false);
    envCube = CubemapObject(
        bufferUtils, &envMapPipeline, dynCube,
        store.make<DynEnvironmentTexture>(bufferUtils, sceneSize.environmentFaceSize, sceneSize.environmentFaceSize, 4),
        true);
    renderer.createCubemapRenderPass(envCube);
}

void Application::buildCubeFacePipelines()
{
    const int cubeFaceTargets = 1;
    imageToCubePipeline = ImagePipeline(assetPath(assetFiles::imageToCubeVert), assetPath(assetFiles::imageToCubeFrag),
                                        bufferUtils, renderer.getCubemapRenderPass(), cubeFaceTargets);
    cubeToCubePipeline = CubemapPipeline(assetPath(assetFiles::cubeToCubeVert), assetPath(assetFiles::cubeToCubeFrag),
                                         bufferUtils, renderer.getCubemapRenderPass(), cubeFaceTargets);
    particleToCubePipeline = ParticleDrawPipeline(
        assetPath(assetFiles::particleVert), assetPath(assetFiles::particleToCubeFrag),
        assetPath(assetFiles::particleGeom), bufferUtils, renderer.getCubemapRenderPass(), cubeFaceTargets);

    envCube.setImageToCubePipeline(&imageToCubePipeline);
    envCube.setCubeToCubePipeline(&cubeToCubePipeline);
    particles.setCubemapPipeline(&particleToCubePipeline);
    envCube.setPosition(envCubePosition);
}
