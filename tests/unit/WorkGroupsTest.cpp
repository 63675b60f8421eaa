#include "renderer/WorkGroups.h"

#include <gtest/gtest.h>

TEST(WorkGroups, SceneParticleCountDispatches384Groups)
{
    EXPECT_EQ(particleWorkGroups(98304), 384);
}

TEST(WorkGroups, RemainderBelowOneGroupIsLeftOut)
{
    EXPECT_EQ(particleWorkGroups(255), 0);
    EXPECT_EQ(particleWorkGroups(256), 1);
    EXPECT_EQ(particleWorkGroups(1023), 3);
}
