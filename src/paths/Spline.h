#pragma once

#include <cstddef>
#include <vector>

// Square banded matrix with an LU decomposition that needs no pivoting;
// the spline's tridiagonal systems are diagonally dominant.
class band_matrix {
public:
    band_matrix(int dim, int n_u, int n_l);

    int dim() const;
    int num_upper() const { return static_cast<int>(m_upper.size()) - 1; }
    int num_lower() const { return static_cast<int>(m_lower.size()) - 1; }

    double& operator()(int i, int j);
    double operator()(int i, int j) const;

    void lu_decompose();
    std::vector<double> l_solve(const std::vector<double>& b) const;
    std::vector<double> r_solve(const std::vector<double>& b) const;
    std::vector<double> lu_solve(const std::vector<double>& b);

private:
    double& saved_diag(int i);
    double saved_diag(int i) const;
    void checkIndex(int i, int j) const;
    void checkRhs(const std::vector<double>& b) const;

    std::vector<std::vector<double>> m_upper;
    std::vector<std::vector<double>> m_lower;
};

// C2 cubic spline through strictly increasing knots, evaluated inside and
// (with the end slopes) outside the knot range.
class spline {
public:
    // A fixed underlying type makes every int a valid value, so an unknown
    // kind reaches the checks that refuse it instead of being undefined.
    enum spline_type : int { linear = 10, cspline = 30, cspline_hermite = 31 };
    enum bd_type : int { first_deriv = 1, second_deriv = 2, not_a_knot = 3 };

    spline() = default;
    spline(const std::vector<double>& x, const std::vector<double>& y, spline_type type = cspline,
           bool make_monotonic = false, bd_type left = second_deriv, double left_value = 0.0,
           bd_type right = second_deriv, double right_value = 0.0);

    bool empty() const { return m_x.empty(); }
    double operator()(double x) const;

private:
    void set_points(const std::vector<double>& x, const std::vector<double>& y, spline_type type);
    std::size_t find_closest(double x) const;
    void checkPoints(const std::vector<double>& x, const std::vector<double>& y) const;
    void fillInteriorRows(band_matrix& A, std::vector<double>& rhs) const;
    void fillLeftRow(band_matrix& A, std::vector<double>& rhs) const;
    void fillRightRow(band_matrix& A, std::vector<double>& rhs) const;
    void deriveCoefficients();

    std::vector<double> m_x, m_y;
    std::vector<double> m_b, m_c, m_d;
    double m_c0 = 0.0;
    bd_type m_left = second_deriv;
    bd_type m_right = second_deriv;
    double m_left_value = 0.0;
    double m_right_value = 0.0;
};
