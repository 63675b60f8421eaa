#include "Cactus.h"
#include "ObjWriter.h"
#include "Primitives.h"
#include "Rocks.h"
#include "Sky.h"
#include "Spaceship.h"
#include "Terrain.h"
#include "Textures.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

constexpr int skySize = 512;
// The reflective cube is drawn at scale 0.6, so ±5 makes it six world units wide.
constexpr float reflectiveCubeHalfSize = 5.0f;

void writeSurface(const std::string& textures, const std::string& name, const SurfaceTexture& texture, bool png)
{
    const std::string colourPath = textures + "/" + name + (png ? ".png" : ".jpg");
    if (png) {
        writePng(colourPath, texture.colour);
    } else {
        writeJpeg(colourPath, texture.colour);
    }
    writeJpeg(textures + "/" + name + "_normal.jpg", normalMap(texture.height, texture.normalStrength));
}

void generateModels(const std::string& models)
{
    writeObj(models + "/spaceship.obj", spaceship());
    writeObj(models + "/ground.obj", terrain::groundMesh());
    writeObj(models + "/rock.obj", rocks::boulder());
    writeObj(models + "/redRock.obj", rocks::mesa());
    writeObj(models + "/redRock2.obj", rocks::arch());
    writeObj(models + "/cactus.obj", saguaro());
    writeObj(models + "/cube.obj", box(1.0f));
    writeObj(models + "/dynCube.obj", box(reflectiveCubeHalfSize));
    writeObj(models + "/plane.obj", screenQuad());
}

void generateTextures(const std::string& textures)
{
    writeSurface(textures, "spaceship", spaceshipTexture(), false);
    writeSurface(textures, "ground", groundTexture(), false);
    writeSurface(textures, "rock", rockTexture(), false);
    writeSurface(textures, "redRock", redRockTexture(), false);
    writeSurface(textures, "redRock2", redRock2Texture(), false);
    writeSurface(textures, "cactus", cactusTexture(), true);
}

void generateSky(const std::string& directory)
{
    const std::array<Image, 6> faces = skyFaces(skySize);
    for (size_t face = 0; face < faces.size(); ++face) {
        writeJpeg(directory + "/" + skyFaceNames[face], faces[face]);
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
        const std::string assets = argv[1];
        std::filesystem::create_directories(assets + "/models");
        std::filesystem::create_directories(assets + "/textures/sea");
        generateModels(assets + "/models");
        generateTextures(assets + "/textures");
        generateSky(assets + "/textures/sea");
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
