#include "objects/PathRotation.h"

#include "scene/Finite.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

void expectMatrixNear(const glm::mat4& actual, const glm::mat4& expected)
{
    for (int column = 0; column < 4; column++) {
        for (int row = 0; row < 4; row++) {
            EXPECT_NEAR(actual[column][row], expected[column][row], 1e-5f) << "element " << column << "," << row;
        }
    }
}

} // namespace

TEST(PathRotationTest, IdentityQuaternionGivesIdentity)
{
    const glm::mat4 rotation = pathRotationMatrix(glm::quat(1.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(isFinite(rotation));
    expectMatrixNear(rotation, glm::mat4(1.0f));
}

// A path that runs against the reference direction gives a half turn about y.
TEST(PathRotationTest, HalfTurnReversesTheForwardDirection)
{
    const glm::mat4 rotation = pathRotationMatrix(glm::quat(0.0f, 0.0f, 1.0f, 0.0f));
    EXPECT_TRUE(isFinite(rotation));
    const glm::vec4 forward = rotation * glm::vec4(0.0f, 0.0f, -1.0f, 0.0f);
    EXPECT_NEAR(forward.x, 0.0f, 1e-6f);
    EXPECT_NEAR(forward.y, 0.0f, 1e-6f);
    EXPECT_NEAR(forward.z, 1.0f, 1e-6f);
}

TEST(PathRotationTest, MatchesTheQuaternionsOwnMatrix)
{
    const glm::quat rotation = glm::angleAxis(1.2f, glm::normalize(glm::vec3(1.0f, 2.0f, -0.5f)));
    expectMatrixNear(pathRotationMatrix(rotation), glm::mat4_cast(rotation));
}

// Rounding can push w past 1 or shrink the quaternion; glm::angle or glm::axis then fail.
TEST(PathRotationTest, QuaternionsOffUnitLengthStayFinite)
{
    expectMatrixNear(pathRotationMatrix(glm::quat(1.0000002f, 0.0f, 0.0f, 0.0f)), glm::mat4(1.0f));
    expectMatrixNear(pathRotationMatrix(glm::quat(0.5f, 0.0f, 0.0f, 0.0f)), glm::mat4(1.0f));
    expectMatrixNear(pathRotationMatrix(glm::quat(0.0f, 0.0f, 1.0000002f, 0.0f)),
                     glm::mat4_cast(glm::quat(0.0f, 0.0f, 1.0f, 0.0f)));
    expectMatrixNear(pathRotationMatrix(glm::quat(1.1f, 0.1f, 0.0f, 0.0f)),
                     glm::mat4_cast(glm::normalize(glm::quat(1.1f, 0.1f, 0.0f, 0.0f))));
}

TEST(PathRotationTest, DegenerateQuaternionsGiveIdentity)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    expectMatrixNear(pathRotationMatrix(glm::quat(0.0f, 0.0f, 0.0f, 0.0f)), glm::mat4(1.0f));
    expectMatrixNear(pathRotationMatrix(glm::quat(nan, 0.0f, 0.0f, 0.0f)), glm::mat4(1.0f));
}
