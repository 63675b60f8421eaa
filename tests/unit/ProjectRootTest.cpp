#include "app/ProjectRoot.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

TEST(ProjectRootTest, FindsTheAssetsDirectoryTwoLevelsUp)
{
    TempDir dir;
    const fs::path root = dir.path() / "project";
    fs::create_directories(root / "assets" / "models");
    fs::create_directories(root / "build" / "tests");
    EXPECT_EQ(findProjectRoot(root / "build" / "tests"), root);
    EXPECT_EQ(findProjectRoot(root), root);
}

TEST(ProjectRootTest, StopsAtTheNearestDirectoryWithAssets)
{
    TempDir dir;
    const fs::path outer = dir.path() / "outer";
    const fs::path inner = outer / "inner";
    fs::create_directories(outer / "assets");
    fs::create_directories(inner / "deeper");
    // Any kind of entry named assets counts, not only a directory.
    dir.write("outer/inner/assets", "");
    EXPECT_EQ(findProjectRoot(inner / "deeper"), inner);
}

TEST(ProjectRootTest, ReportsAMissingAssetsDirectory)
{
    TempDir dir;
    const fs::path start = dir.path() / "a" / "b";
    fs::create_directories(start);
    // The walk also passes the system temporary directory and the root, which hold no assets.
    ASSERT_FALSE(fs::exists(fs::path("/assets")));
    ASSERT_FALSE(fs::exists(dir.path().parent_path() / "assets"));
    try {
        findProjectRoot(start);
        FAIL() << "expected an error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "Project root not found. Assets folder missing.");
    }
}

TEST(ProjectRootTest, FallsBackToTheExecutablesFolderAndAbove)
{
    TempDir dir;
    const fs::path elsewhere = dir.path() / "elsewhere";
    const fs::path root = dir.path() / "project";
    fs::create_directories(elsewhere);
    fs::create_directories(root / "assets");
    fs::create_directories(root / "build" / "bin");
    EXPECT_EQ(findProjectRoot(elsewhere, root / "build" / "bin"), root);
    // Beside the executable, as a build folder outside the sources has it.
    fs::create_directories(root / "build" / "bin" / "assets");
    EXPECT_EQ(findProjectRoot(elsewhere, root / "build" / "bin"), root / "build" / "bin");
    // The working directory comes first.
    fs::create_directories(elsewhere / "assets");
    EXPECT_EQ(findProjectRoot(elsewhere, root / "build" / "bin"), elsewhere);
}

TEST(ProjectRootTest, TheExecutablesFolderIsKnown)
{
    EXPECT_TRUE(fs::exists(executableFolder() / "unit_tests"));
}

TEST(ProjectRootTest, AnEmptyStartIsRefused)
{
    EXPECT_THROW(findProjectRoot(fs::path()), std::runtime_error);
}
