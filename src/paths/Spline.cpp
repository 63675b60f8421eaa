#include "paths/Spline.h"

#include <algorithm>
#include <stdexcept>

namespace {

// Preconditions hold in every build: bad path data must surface as an error
// the entry point can report, never as undefined behaviour.
void require(bool condition, const char* text)
{
    if (!condition) {
        throw std::runtime_error(text);
    }
}

} // namespace

band_matrix::band_matrix(int dim, int n_u, int n_l)
{
    require(dim > 0, "dim>0");
    require(n_u >= 0, "n_u>=0");
    require(n_l >= 0, "n_l>=0");
    m_upper.assign(n_u + 1, std::vector<double>(dim, 0.0));
    m_lower.assign(n_l + 1, std::vector<double>(dim, 0.0));
}

int band_matrix::dim() const
{
    return static_cast<int>(m_upper[0].size());
}

void band_matrix::checkIndex(int i, int j) const
{
    const int k = j - i;
    require((i >= 0) && (i < dim()) && (j >= 0) && (j < dim()), "(i>=0) && (i<dim()) && (j>=0) && (j<dim())");
    require((-num_lower() <= k) && (k <= num_upper()), "(-num_lower()<=k) && (k<=num_upper())");
}

double& band_matrix::operator()(int i, int j)
{
    checkIndex(i, j);
    const int k = j - i;
    return k >= 0 ? m_upper[k][i] : m_lower[-k][i];
}

double band_matrix::operator()(int i, int j) const
{
    checkIndex(i, j);
    const int k = j - i;
    return k >= 0 ? m_upper[k][i] : m_lower[-k][i];
}

// Lower band 0 lies outside the matrix, so it keeps each row's scaling factor.
double& band_matrix::saved_diag(int i)
{
    require((i >= 0) && (i < dim()), "(i>=0) && (i<dim())");
    return m_lower[0][i];
}

double band_matrix::saved_diag(int i) const
{
    require((i >= 0) && (i < dim()), "(i>=0) && (i<dim())");
    return m_lower[0][i];
}

void band_matrix::checkRhs(const std::vector<double>& b) const
{
    require(this->dim() == (int)b.size(), "this->dim()==(int)b.size()");
}

void band_matrix::lu_decompose()
{
    const int n = dim();
    for (int i = 0; i < n; i++) {
        require(this->operator()(i, i) != 0.0, "this->operator()(i,i)!=0.0");
        saved_diag(i) = 1.0 / this->operator()(i, i);
        const int jMin = std::max(0, i - num_lower());
        const int jMax = std::min(n - 1, i + num_upper());
        for (int j = jMin; j <= jMax; j++) {
            this->operator()(i, j) *= saved_diag(i);
        }
        this->operator()(i, i) = 1.0;
    }
    for (int k = 0; k < n; k++) {
        const int iMax = std::min(n - 1, k + num_lower());
        for (int i = k + 1; i <= iMax; i++) {
            require(this->operator()(k, k) != 0.0, "this->operator()(k,k)!=0.0");
            const double m = this->operator()(i, k) / this->operator()(k, k);
            this->operator()(i, k) = m;
            const int jMax = std::min(n - 1, k + num_upper());
            for (int j = k + 1; j <= jMax; j++) {
                this->operator()(i, j) -= m * this->operator()(k, j);
            }
        }
    }
}

std::vector<double> band_matrix::l_solve(const std::vector<double>& b) const
{
    checkRhs(b);
    const int n = dim();
    std::vector<double> x(n);
    for (int i = 0; i < n; i++) {
        double sum = 0.0;
        for (int j = std::max(0, i - num_lower()); j < i; j++) {
            sum += this->operator()(i, j) * x[j];
        }
        x[i] = b[i] * saved_diag(i) - sum;
    }
    return x;
}

std::vector<double> band_matrix::r_solve(const std::vector<double>& b) const
{
    checkRhs(b);
    const int n = dim();
    std::vector<double> x(n);
    for (int i = n - 1; i >= 0; i--) {
        double sum = 0.0;
        const int jMax = std::min(n - 1, i + num_upper());
        for (int j = i + 1; j <= jMax; j++) {
            sum += this->operator()(i, j) * x[j];
        }
        x[i] = (b[i] - sum) / this->operator()(i, i);
    }
    return x;
}

std::vector<double> band_matrix::lu_solve(const std::vector<double>& b)
{
    checkRhs(b);
    lu_decompose();
    return r_solve(l_solve(b));
}

spline::spline(const std::vector<double>& x, const std::vector<double>& y, spline_type type, bool make_monotonic,
               bd_type left, double left_value, bd_type right, double right_value)
    : m_left(left), m_right(right), m_left_value(left_value), m_right_value(right_value)
{
    if (make_monotonic) {
        throw std::runtime_error("monotonic spline adjustment is not supported");
    }
    set_points(x, y, type);
}

void spline::checkPoints(const std::vector<double>& x, const std::vector<double>& y) const
{
    require(x.size() == y.size(), "x.size()==y.size()");
    require(x.size() >= 3, "x.size()>=3");
    if (m_left == not_a_knot || m_right == not_a_knot) {
        require(x.size() >= 4, "x.size()>=4");
    }
    for (size_t i = 0; i + 1 < x.size(); i++) {
        require(x[i] < x[i + 1], "m_x[i]<m_x[i+1]");
    }
}

void spline::set_points(const std::vector<double>& x, const std::vector<double>& y, spline_type type)
{
    checkPoints(x, y);
    if (type != cspline) {
        throw std::runtime_error("only the cspline spline type is supported");
    }
    m_x = x;
    m_y = y;

    const int n = static_cast<int>(x.size());
    // A not-a-knot end couples three coefficients, widening the band on its side.
    band_matrix A(n, m_left == not_a_knot ? 2 : 1, m_right == not_a_knot ? 2 : 1);
    std::vector<double> rhs(n, 0.0);
    fillInteriorRows(A, rhs);
    fillLeftRow(A, rhs);
    fillRightRow(A, rhs);
    m_c = A.lu_solve(rhs);
    deriveCoefficients();
}

void spline::fillInteriorRows(band_matrix& A, std::vector<double>& rhs) const
{
    const int n = static_cast<int>(m_x.size());
    for (int i = 1; i < n - 1; i++) {
        A(i, i - 1) = 1.0 / 3.0 * (m_x[i] - m_x[i - 1]);
        A(i, i) = 2.0 / 3.0 * (m_x[i + 1] - m_x[i - 1]);
        A(i, i + 1) = 1.0 / 3.0 * (m_x[i + 1] - m_x[i]);
        rhs[i] = (m_y[i + 1] - m_y[i]) / (m_x[i + 1] - m_x[i]) - (m_y[i] - m_y[i - 1]) / (m_x[i] - m_x[i - 1]);
    }
}

void spline::fillLeftRow(band_matrix& A, std::vector<double>& rhs) const
{
    const double h0 = m_x[1] - m_x[0];
    switch (m_left) {
    case second_deriv:
        A(0, 0) = 2.0;
        A(0, 1) = 0.0;
        rhs[0] = m_left_value;
        break;
    case first_deriv:
        A(0, 0) = 2.0 / 3.0 * h0;
        A(0, 1) = 1.0 / 3.0 * h0;
        rhs[0] = (m_y[1] - m_y[0]) / h0 - m_left_value;
        break;
    case not_a_knot: {
        // Equal cubic coefficients on the first two pieces.
        const double h1 = m_x[2] - m_x[1];
        A(0, 0) = -h1;
        A(0, 1) = h0 + h1;
        A(0, 2) = -h0;
        rhs[0] = 0.0;
        break;
    }
    default:
        require(false, "false");
    }
}

void spline::fillRightRow(band_matrix& A, std::vector<double>& rhs) const
{
    const int n = static_cast<int>(m_x.size());
    const double h = m_x[n - 1] - m_x[n - 2];
    switch (m_right) {
    case second_deriv:
        A(n - 1, n - 1) = 2.0;
        A(n - 1, n - 2) = 0.0;
        rhs[n - 1] = m_right_value;
        break;
    case first_deriv:
        A(n - 1, n - 1) = 2.0 / 3.0 * h;
        A(n - 1, n - 2) = 1.0 / 3.0 * h;
        rhs[n - 1] = m_right_value - (m_y[n - 1] - m_y[n - 2]) / h;
        break;
    case not_a_knot: {
        // Equal cubic coefficients on the last two pieces.
        const double hPrev = m_x[n - 2] - m_x[n - 3];
        A(n - 1, n - 3) = -h;
        A(n - 1, n - 2) = hPrev + h;
        A(n - 1, n - 1) = -hPrev;
        rhs[n - 1] = 0.0;
        break;
    }
    default:
        require(false, "false");
    }
}

void spline::deriveCoefficients()
{
    const size_t n = m_x.size();
    m_b.assign(n, 0.0);
    m_d.assign(n, 0.0);
    for (size_t i = 0; i + 1 < n; i++) {
        const double h = m_x[i + 1] - m_x[i];
        m_d[i] = 1.0 / 3.0 * (m_c[i + 1] - m_c[i]) / h;
        m_b[i] = (m_y[i + 1] - m_y[i]) / h - 1.0 / 3.0 * (2.0 * m_c[i] + m_c[i + 1]) * h;
    }
    // Outside the knots the spline continues without a cubic term, with the end slopes.
    const double h = m_x[n - 1] - m_x[n - 2];
    m_d[n - 1] = 0.0;
    m_b[n - 1] = 3.0 * m_d[n - 2] * h * h + 2.0 * m_c[n - 2] * h + m_b[n - 2];
    if (m_right == first_deriv) {
        m_c[n - 1] = 0.0;
    }
    m_c0 = (m_left == first_deriv) ? 0.0 : m_c[0];
}

size_t spline::find_closest(double x) const
{
    const auto it = std::upper_bound(m_x.begin(), m_x.end(), x);
    const long idx = static_cast<long>(it - m_x.begin()) - 1;
    return static_cast<size_t>(std::max(idx, 0L));
}

double spline::operator()(double x) const
{
    if (m_x.empty()) {
        throw std::runtime_error("spline has no points to evaluate");
    }
    const size_t n = m_x.size();
    const size_t idx = find_closest(x);
    const double h = x - m_x[idx];
    if (x < m_x[0]) {
        return (m_c0 * h + m_b[0]) * h + m_y[0];
    }
    if (x > m_x[n - 1]) {
        return (m_c[n - 1] * h + m_b[n - 1]) * h + m_y[n - 1];
    }
    return ((m_d[idx] * h + m_c[idx]) * h + m_b[idx]) * h + m_y[idx];
}
