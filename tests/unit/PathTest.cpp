#include "paths/Path.h"

#include "GlmExpectations.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

class PathTest : public ::testing::Test {
protected:
    Path load(const std::string& content)
    {
        Path path;
        path.loadFromFile(dir.write("path.csv", content));
        return path;
    }

    // The exception's text, or "no error", for a file that is expected to be rejected.
    std::string loadError(const std::string& content)
    {
        try {
            load(content);
        } catch (const std::exception& error) {
            return error.what();
        }
        return "no error";
    }

    TempDir dir;
};

void expectQuatNear(const glm::quat& actual, const glm::quat& expected)
{
    EXPECT_NEAR(actual.w, expected.w, 1e-5f);
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

const glm::vec3 forward(0.0f, 0.0f, -1.0f);

} // namespace

TEST_F(PathTest, BlankPaddedFieldsReadAsTheirNumbers)
{
    const Path path = load("0,0,0,0\n1.5, 2,-3 ,4\n3,1,1,1\n");
    expectVec3Near(path.getPosition(1.5f), {2.0f, -3.0f, 4.0f});
}

TEST_F(PathTest, FieldsBeyondTheFourthAreIgnored)
{
    const Path path = load("0,1,2,3,99\n1,1,2,3,99\n2,1,2,3\n");
    expectVec3Near(path.getPosition(0.0f), {1.0f, 2.0f, 3.0f});
}

TEST_F(PathTest, ALineCutShortIsRefusedWithTheFileName)
{
    const std::string expected =
        "path file holds a line with fewer than four fields: " + (dir.path() / "path.csv").string();
    EXPECT_EQ(loadError("0,1,2\n1,4,5,6\n2,7,8,9\n"), expected);
    EXPECT_EQ(loadError("0,0,0,0\n1,4,5,6\n87,-4.7\n"), expected);
    EXPECT_EQ(loadError("0,0,0,0\n1\n2,7,8,9\n"), expected);
    EXPECT_EQ(loadError("0,0,0,0\n1,4,5,6\r\n2,7,8\r\n"), expected);
    // A field that is there but is no number is reported as such, cut line or not.
    EXPECT_EQ(loadError("0,0,0,0\n1,x\n2,7,8,9\n"), "invalid stof argument");
}

TEST_F(PathTest, AnEmptyFieldIsRejected)
{
    EXPECT_EQ(loadError("0,1,2,\n1,4,5,6\n2,7,8,9\n"), "invalid stof argument");
}

TEST_F(PathTest, WindowsLineEndsReadLikePlainOnes)
{
    const Path plain = load("0,0,0,0\n1,1,2,-1\n2.5,3,1,-4\n4,2,0,-6\n");
    const Path windows = load("0,0,0,0\r\n1,1,2,-1\r\n2.5,3,1,-4\r\n4,2,0,-6\r\n");
    for (float t : {-1.0f, 0.0f, 0.7f, 2.5f, 3.3f, 5.0f}) {
        expectVec3Near(windows.getPosition(t), plain.getPosition(t), 0.0f);
    }
}

TEST_F(PathTest, ABlankLineIsRejectedButOneFinalNewlineIsNot)
{
    EXPECT_EQ(loadError("0,0,0,0\n\n1,1,1,1\n2,2,2,2\n"), "invalid stof argument");
    EXPECT_EQ(loadError("0,0,0,0\n1,1,1,1\n2,2,2,2\n\n"), "invalid stof argument");
    EXPECT_EQ(loadError("0,0,0,0\n1,1,1,1\n2,2,2,2\n"), "no error");
    EXPECT_EQ(loadError("0,0,0,0\n1,1,1,1\n2,2,2,2"), "no error");
}

TEST_F(PathTest, AHeaderLineIsRejected)
{
    EXPECT_EQ(loadError("t,x,y,z\n0,0,0,0\n1,1,1,1\n2,2,2,2\n"), "invalid stof argument");
}

TEST_F(PathTest, ANumberOutsideTheFloatRangeIsRejected)
{
    EXPECT_EQ(loadError("0,0,0,0\n1,1e39,1,1\n2,2,2,2\n"), "stof argument out of range");
}

TEST_F(PathTest, NonFiniteValuesAreRejected)
{
    const std::string expected =
        "path file holds a value that is not a finite number: " + (dir.path() / "path.csv").string();
    EXPECT_EQ(loadError("0,0,0,0\n1,nan,1,1\n2,2,2,2\n"), expected);
    EXPECT_EQ(loadError("0,0,0,0\n1,1,-inf,1\n2,2,2,2\n"), expected);
    EXPECT_EQ(loadError("0,0,0,0\ninfinity,1,1,1\n2,2,2,2\n"), expected);
}

TEST_F(PathTest, SplinePreconditionsSurfaceForBadWayPointsWithTheFileName)
{
    const std::string file = (dir.path() / "path.csv").string();
    EXPECT_EQ(loadError(""), "path file fails x.size()>=3: " + file);
    EXPECT_EQ(loadError("0,0,0,0\n1,1,1,1\n"), "path file fails x.size()>=3: " + file);
    EXPECT_EQ(loadError("0,0,0,0\n1,1,1,1\n1,2,2,2\n"), "path file fails m_x[i]<m_x[i+1]: " + file);
    EXPECT_EQ(loadError("0,0,0,0\n2,1,1,1\n1,2,2,2\n"), "path file fails m_x[i]<m_x[i+1]: " + file);
}

TEST_F(PathTest, AMissingFileIsReportedAndLeavesThePathUnchanged)
{
    Path path = load("0,1,2,3\n1,2,3,4\n2,3,4,5\n");
    const std::string missing = (dir.path() / "absent.csv").string();
    ::testing::internal::CaptureStderr();
    path.loadFromFile(missing);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error opening file: " + missing + "\n");
    expectVec3Near(path.getPosition(1.0f), {2.0f, 3.0f, 4.0f});
}

TEST_F(PathTest, AFailedLoadLeavesThePathUnchanged)
{
    Path path = load("0,1,2,3\n1,2,3,4\n2,3,4,5\n");
    EXPECT_THROW(path.loadFromFile(dir.write("bad.csv", "0,0,0,0\nx,1,1,1\n2,2,2,2\n")), std::invalid_argument);
    expectVec3Near(path.getPosition(1.0f), {2.0f, 3.0f, 4.0f});
}

TEST_F(PathTest, AnEmptyPathStaysAtTheOriginWithoutTurning)
{
    const Path path;
    expectVec3Near(path.getPosition(12.0f), glm::vec3(0.0f), 0.0f);
    expectQuatNear(path.getRotation(12.0f, forward), glm::quat(1.0f, 0.0f, 0.0f, 0.0f));
}

TEST_F(PathTest, AStationaryPathDoesNotTurn)
{
    const glm::quat q = load("0,5,5,5\n1,5,5,5\n2,5,5,5\n").getRotation(1.0f, forward);
    EXPECT_FALSE(std::isnan(q.w) || std::isnan(q.x) || std::isnan(q.y) || std::isnan(q.z));
    expectQuatNear(q, glm::quat(1.0f, 0.0f, 0.0f, 0.0f));
}

TEST_F(PathTest, TravelAlongNegativeZNeedsNoTurn)
{
    const Path path = load("0,0,0,0\n1,0,0,-1\n2,0,0,-2\n");
    expectQuatNear(path.getRotation(0.5f, forward), glm::quat(1.0f, 0.0f, 0.0f, 0.0f));
}

TEST_F(PathTest, TravelAlongPositiveZIsAHalfTurnAboutY)
{
    const Path path = load("0,0,0,0\n1,0,0,1\n2,0,0,2\n");
    expectQuatNear(path.getRotation(0.5f, forward), glm::quat(0.0f, 0.0f, 1.0f, 0.0f));
}

TEST_F(PathTest, TravelAlongPositiveXIsAQuarterTurnClockwiseAboutY)
{
    const Path path = load("0,0,0,0\n1,1,0,0\n2,2,0,0\n");
    const glm::quat q = path.getRotation(0.5f, forward);
    const float half = std::sqrt(0.5f);
    expectQuatNear(q, glm::quat(half, 0.0f, -half, 0.0f));
    expectVec3Near(q * forward, {1.0f, 0.0f, 0.0f});
}

TEST_F(PathTest, RotationLooksAheadPastTheLastWayPoint)
{
    const Path path = load("0,0,0,0\n1,1,0,0\n2,2,0,0\n");
    expectVec3Near(path.getRotation(2.0f, forward) * forward, {1.0f, 0.0f, 0.0f});
    expectVec3Near(path.getPosition(3.0f), {3.0f, 0.0f, 0.0f});
}

TEST_F(PathTest, CopiesAreIndependent)
{
    Path original = load("0,0,0,0\n1,1,1,1\n2,2,2,2\n");
    const Path copy = original;
    original.loadFromFile(dir.write("other.csv", "0,9,9,9\n1,9,9,9\n2,9,9,9\n"));
    expectVec3Near(copy.getPosition(1.0f), {1.0f, 1.0f, 1.0f});
}
