#include "paths/Spline.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(SplineTest, ThreePointNaturalSplineHasTheKnownCurve)
{
    const spline s({0.0, 1.0, 2.0}, {0.0, 1.0, 0.0});
    EXPECT_DOUBLE_EQ(s(0.5), 0.6875);
    EXPECT_DOUBLE_EQ(s(1.5), 0.6875);
    EXPECT_DOUBLE_EQ(s(1.0), 1.0);
    // c1 = -1.5 means a second derivative of -3 at the middle knot.
    const double h = 1e-4;
    EXPECT_NEAR((s(1.0 + h) - 2.0 * s(1.0) + s(1.0 - h)) / (h * h), -3.0, 1e-3);
}

TEST(SplineTest, HitsEveryKnotExactly)
{
    const std::vector<double> x{-3.0, -1.25, 0.0, 2.5, 7.0, 7.5, 20.0};
    const std::vector<double> y{4.0, -2.0, 0.5, 10.0, -7.25, 3.0, 1.0};
    const spline s(x, y);
    for (size_t i = 0; i < x.size(); i++) {
        EXPECT_NEAR(s(x[i]), y[i], 1e-12) << "knot " << i;
    }
}

TEST(SplineTest, StraightLineIsReproducedInsideAndOutsideTheRange)
{
    const spline s({0.0, 1.0, 3.0, 4.5}, {1.0, 3.0, 7.0, 10.0});
    for (double x : {-10.0, -0.5, 0.3, 2.0, 4.5, 6.0, 100.0}) {
        EXPECT_NEAR(s(x), 2.0 * x + 1.0, 1e-9) << "x = " << x;
    }
}

TEST(SplineTest, ExtrapolatesWithTheEndSlopes)
{
    const spline s({0.0, 1.0, 2.0}, {0.0, 1.0, 0.0});
    // End slopes of the three-point curve: b0 = 1 + 0.5 = 1.5 and, by symmetry, -1.5.
    EXPECT_DOUBLE_EQ(s(-1.0), -1.5);
    EXPECT_DOUBLE_EQ(s(-2.0), -3.0);
    EXPECT_DOUBLE_EQ(s(3.0), -1.5);
    EXPECT_DOUBLE_EQ(s(4.0), -3.0);
}

TEST(SplineTest, ClampedEndsReproduceAQuadratic)
{
    const std::vector<double> x{0.0, 1.0, 2.5, 4.0};
    std::vector<double> y;
    for (double v : x) {
        y.push_back(v * v);
    }
    const spline s(x, y, spline::cspline, false, spline::first_deriv, 0.0, spline::first_deriv, 8.0);
    for (double v : {0.5, 1.7, 3.2}) {
        EXPECT_NEAR(s(v), v * v, 1e-9) << "x = " << v;
    }
}

TEST(SplineTest, NotAKnotEndsReproduceACubic)
{
    const std::vector<double> x{-1.0, 0.0, 1.5, 2.0, 3.0};
    std::vector<double> y;
    for (double v : x) {
        y.push_back(v * v * v - 2.0 * v);
    }
    const spline s(x, y, spline::cspline, false, spline::not_a_knot, 0.0, spline::not_a_knot, 0.0);
    for (double v : {-0.5, 0.75, 1.8, 2.6}) {
        EXPECT_NEAR(s(v), v * v * v - 2.0 * v, 1e-9) << "x = " << v;
    }
}

TEST(SplineTest, EachPreconditionReportsItsText)
{
    EXPECT_EQ(messageOf([] { spline({0.0, 1.0, 2.0}, {0.0, 1.0}); }), "x.size()==y.size()");
    EXPECT_EQ(messageOf([] { spline({0.0, 1.0}, {0.0, 1.0}); }), "x.size()>=3");
    EXPECT_EQ(messageOf([] { spline({}, {}); }), "x.size()>=3");
    EXPECT_EQ(messageOf([] {
                  spline({0.0, 1.0, 2.0}, {0.0, 1.0, 0.0}, spline::cspline, false, spline::not_a_knot, 0.0,
                         spline::second_deriv, 0.0);
              }),
              "x.size()>=4");
    EXPECT_EQ(messageOf([] { spline({0.0, 1.0, 1.0, 2.0}, {0.0, 1.0, 2.0, 3.0}); }), "m_x[i]<m_x[i+1]");
    EXPECT_EQ(messageOf([] { spline({0.0, 2.0, 1.0}, {0.0, 1.0, 2.0}); }), "m_x[i]<m_x[i+1]");
    EXPECT_EQ(messageOf([] {
                  spline({0.0, 1.0, 2.0}, {0.0, 1.0, 0.0}, spline::cspline, false, static_cast<spline::bd_type>(7), 0.0,
                         spline::second_deriv, 0.0);
              }),
              "false");
}

TEST(SplineTest, UnsupportedVariantsAreRefusedRatherThanIgnored)
{
    EXPECT_THROW(spline({0.0, 1.0, 2.0}, {0.0, 1.0, 0.0}, spline::linear), std::runtime_error);
    EXPECT_THROW(spline({0.0, 1.0, 2.0}, {0.0, 1.0, 0.0}, spline::cspline, true), std::runtime_error);
    EXPECT_THROW(spline()(1.0), std::runtime_error);
    EXPECT_TRUE(spline().empty());
}

TEST(BandMatrixTest, SolvesATridiagonalSystem)
{
    band_matrix A(3, 1, 1);
    A(0, 0) = 4.0;
    A(0, 1) = 1.0;
    A(1, 0) = 1.0;
    A(1, 1) = 4.0;
    A(1, 2) = 1.0;
    A(2, 1) = 1.0;
    A(2, 2) = 4.0;
    // Right-hand side of the solution (1, 2, 3).
    const std::vector<double> x = A.lu_solve({6.0, 12.0, 14.0});
    ASSERT_EQ(x.size(), 3u);
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(x[1], 2.0, 1e-12);
    EXPECT_NEAR(x[2], 3.0, 1e-12);
}

TEST(BandMatrixTest, PreconditionsReportTheirTexts)
{
    EXPECT_EQ(messageOf([] { band_matrix(0, 1, 1); }), "dim>0");
    EXPECT_EQ(messageOf([] { band_matrix(3, -1, 1); }), "n_u>=0");
    EXPECT_EQ(messageOf([] { band_matrix(3, 1, -1); }), "n_l>=0");
    band_matrix A(3, 1, 1);
    EXPECT_EQ(messageOf([&] { A(3, 2); }), "(i>=0) && (i<dim()) && (j>=0) && (j<dim())");
    EXPECT_EQ(messageOf([&] { A(-1, 0); }), "(i>=0) && (i<dim()) && (j>=0) && (j<dim())");
    EXPECT_EQ(messageOf([&] { A(0, 2); }), "(-num_lower()<=k) && (k<=num_upper())");
    EXPECT_EQ(messageOf([&] { A.lu_solve({1.0, 2.0}); }), "this->dim()==(int)b.size()");
    EXPECT_EQ(messageOf([&] { A.lu_solve({1.0, 2.0, 3.0}); }), "this->operator()(i,i)!=0.0");
}

TEST(BandMatrixTest, ZeroPivotDuringEliminationIsReported)
{
    band_matrix A(3, 1, 1);
    A(0, 0) = 1.0;
    A(0, 1) = 1.0;
    A(1, 0) = 1.0;
    A(1, 1) = 1.0;
    A(1, 2) = 1.0;
    A(2, 1) = 1.0;
    A(2, 2) = 1.0;
    EXPECT_EQ(messageOf([&] { A.lu_decompose(); }), "this->operator()(k,k)!=0.0");
}
