#include "AssetFiles.h"
#include "Cactus.h"
#include "ObjWriter.h"
#include "Occlusion.h"
#include "Primitives.h"
#include "Rocks.h"
#include "Sky.h"
#include "Spaceship.h"
#include "Terrain.h"
#include "Textures.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace {

constexpr int skySize = 512;
// The reflective cube is drawn at scale 0.6, so ±5 makes it six world units wide.
constexpr float reflectiveCubeHalfSize = 5.0f;

// The file name decides the format, so the list of asset files alone says which textures are PNG.
void writeImage(const std::filesystem::path& path, const Image& image)
{
    std::filesystem::create_directories(path.parent_path());
    if (path.extension() == ".png") {
        writePng(path.string(), image);
    } else {
        writeJpeg(path.string(), image);
    }
}

void writeSurface(const std::filesystem::path& assets, const char* colorFile, const char* normalFile,
                  const SurfaceTexture& texture)
{
    writeImage(assets / colorFile, texture.color);
    std::vector<float> occlusion = heightOcclusion(texture.height, texture.normalStrength);
    for (size_t i = 0; i < texture.exposure.size(); ++i) {
        occlusion[i] *= texture.exposure[i];
    }
    writeImage(assets / normalFile, surfaceMap(texture.height, texture.normalStrength, occlusion));
}

void writeModel(const std::filesystem::path& path, const Mesh& mesh)
{
    std::filesystem::create_directories(path.parent_path());
    writeObj(path.string(), mesh);
}

void generateModels(const std::filesystem::path& assets)
{
    writeModel(assets / assetFiles::spaceshipModel, spaceship());
    writeModel(assets / assetFiles::groundModel, terrain::groundMesh());
    writeModel(assets / assetFiles::rockModel, rocks::boulder());
    writeModel(assets / assetFiles::redRockModel, rocks::mesa());
    writeModel(assets / assetFiles::redRock2Model, rocks::arch());
    writeModel(assets / assetFiles::cactusModel, saguaro());
    writeModel(assets / assetFiles::cubeModel, box(1.0f));
    writeModel(assets / assetFiles::dynCubeModel, box(reflectiveCubeHalfSize));
    writeModel(assets / assetFiles::planeModel, screenQuad());
}

void generateTextures(const std::filesystem::path& assets)
{
    writeSurface(assets, assetFiles::spaceshipTexture, assetFiles::spaceshipNormalMap, spaceshipTexture());
    writeSurface(assets, assetFiles::groundTexture, assetFiles::groundNormalMap, groundTexture());
    writeSurface(assets, assetFiles::rockTexture, assetFiles::rockNormalMap, rockTexture());
    writeSurface(assets, assetFiles::redRockTexture, assetFiles::redRockNormalMap, redRockTexture());
    writeSurface(assets, assetFiles::redRock2Texture, assetFiles::redRock2NormalMap, redRock2Texture());
    writeSurface(assets, assetFiles::cactusTexture, assetFiles::cactusNormalMap, cactusTexture());
}

void generateSky(const std::filesystem::path& assets)
{
    const std::array<Image, 6> faces = skyFaces(skySize);
    static_assert(assetFiles::cubeFaceFiles.size() == 6, "the list of asset files names six cube faces");
    for (size_t face = 0; face < faces.size(); ++face) {
        writeImage(assets / assetFiles::skyboxTexture / assetFiles::cubeFaceFiles[face], faces[face]);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: assetgen <assets directory>\n";
        return 1;
    }
    try {
        const std::filesystem::path assets = argv[1];
        generateModels(assets);
        generateTextures(assets);
        generateSky(assets);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
