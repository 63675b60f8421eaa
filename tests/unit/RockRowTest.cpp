#include "app/RockRow.h"

#include <gtest/gtest.h>

TEST(RockRow, KindSpansTheSixTableRowsAndSevenOnlyAtTheTop)
{
    EXPECT_EQ(rockKind(0), 0);
    EXPECT_EQ(rockKind(5461), 0);
    EXPECT_EQ(rockKind(5462), 1);
    EXPECT_EQ(rockKind(32766), 5);
    EXPECT_EQ(rockKind(32767), 6);
}

TEST(RockRow, StepObjectCountsFollowTheKind)
{
    EXPECT_EQ(rockRowStep(0, 0).size(), 3u);
    EXPECT_EQ(rockRowStep(0, 1).size(), 3u);
    EXPECT_EQ(rockRowStep(0, 2).size(), 2u);
    for (int kind : {3, 4, 5, 6}) {
        EXPECT_EQ(rockRowStep(0, kind).size(), 1u) << "kind " << kind;
    }
}

TEST(RockRow, TheRockOfEachStepStandsInTheRowAtItsZ)
{
    for (int step = 0; step < rockRowSteps; step++) {
        for (int kind = 0; kind <= 6; kind++) {
            const Placement rock = rockRowStep(step, kind).front();
            EXPECT_EQ(rock.mesh, SceneMesh::Rock);
            EXPECT_FLOAT_EQ(rock.position.x, 70.0f);
            EXPECT_FLOAT_EQ(rock.position.y, 0.0f);
            const float expectedZ = kind == 0 ? 70.0f + 10.0f * step : -70.0f + 10.0f * step;
            EXPECT_FLOAT_EQ(rock.position.z, expectedZ) << "step " << step << " kind " << kind;
        }
    }
}

TEST(RockRow, RedRocksOfAKindStandAtOneFixedPlace)
{
    const auto first = rockRowStep(0, 2);
    const auto last = rockRowStep(13, 2);
    EXPECT_EQ(first[1].mesh, SceneMesh::RedRock);
    EXPECT_EQ(first[1].position, last[1].position);
    EXPECT_EQ(first[1].position, glm::vec3(150, -20, 70));
    EXPECT_EQ(rockRowStep(4, 0)[2].mesh, SceneMesh::RedRock2);
    EXPECT_EQ(rockRowStep(4, 0)[2].scale, glm::vec3(0.2f));
}

TEST(RockRow, WholeRowHoldsBetweenFourteenAndFortyTwoObjects)
{
    size_t fewest = 0;
    size_t most = 0;
    for (int step = 0; step < rockRowSteps; step++) {
        fewest += rockRowStep(step, 5).size();
        most += rockRowStep(step, 0).size();
    }
    EXPECT_EQ(6 + fewest, 20u);
    EXPECT_EQ(6 + most, 48u);
}
