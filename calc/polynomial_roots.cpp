// Newton's iteration on the deflated polynomial, each root then refined on
// the original one (less its roots at zero) before it is divided out.
#include "calc/polynomial_roots.hpp"

#include <array>
#include <cmath>

namespace quelrin {
namespace {

constexpr int MAX_STEPS = 500;
constexpr int MAX_STARTS = 5;
// Starts that end at a zero derivative are not counted against MAX_STARTS,
// but each moves the seed ten times out: past this many the seeds have left
// the range of doubles, and a derivative that vanishes everywhere (a leading
// coefficient so small that its square underflows) would restart forever.
constexpr int MAX_ANY_STARTS = 400;
constexpr double STEP_TOLERANCE = 1e-6;        // on |dx| + |dy|, absolute
constexpr double REAL_BEFORE_REFINING = 1e-4;  // |y / x| below: search the real axis
constexpr double REAL_ROOT = 1e-5;             // |y / x| below: a real root
constexpr double FIRST_SEED_X = 0.00500101;
constexpr double FIRST_SEED_Y = 0.01000101;

struct Point {
  double x;
  double y;
};

enum class Step { converged, moved, zero_derivative };

// One Newton step on c[0..m] (highest power first) from z, in place.
Step newton_step(const double* c, int m, Point& z) {
  double u = c[m];
  double v = 0.0;
  double ux = 0.0;
  double uy = 0.0;
  double xt = 1.0;
  double yt = 0.0;
  for (int i = 1; i <= m; ++i) {
    const double xt_next = xt * z.x - yt * z.y;  // z^i
    const double yt_next = yt * z.x + xt * z.y;
    const double q = c[m - i];
    u = u + q * xt_next;
    v = v + q * yt_next;
    ux = ux + (i * q) * xt;  // derivative term with z^(i-1)
    uy = uy - (i * q) * yt;
    xt = xt_next;
    yt = yt_next;
  }
  const double s = ux * ux + uy * uy;
  if (s == 0.0) return Step::zero_derivative;
  const double dx = (v * uy - u * ux) / s;
  const double dy = -(u * uy + v * ux) / s;
  z.x = z.x + dx;
  z.y = z.y + dy;
  return std::fabs(dx) + std::fabs(dy) < STEP_TOLERANCE ? Step::converged : Step::moved;
}

// Searches a root of w[0..d] from successive starting points; false when
// the fifth start has run out of steps.
bool search(const double* w, int d, Point& z) {
  Point seed{FIRST_SEED_X, FIRST_SEED_Y};
  int starts = 0;
  for (;;) {
    ++starts;
    // Each start swaps the previous one's coordinates and moves ten times out.
    z = {-10.0 * seed.y, -10.0 * seed.x};
    seed = z;
    bool restart = false;
    for (int steps = 0; steps < MAX_STEPS && !restart; ++steps) {
      const Step step = newton_step(w, d, z);
      if (step == Step::converged) return true;
      restart = step == Step::zero_derivative;  // a new start, without counting the limit
    }
    if ((!restart && starts >= MAX_STARTS) || starts >= MAX_ANY_STARTS) return false;
  }
}

// Refines z on r[0..d]; keeps the unrefined point at a zero derivative.
void refine(const double* r, int d, Point& z) {
  const Point unrefined = z;
  for (int steps = 0; steps < MAX_STEPS; ++steps) {
    const Step step = newton_step(r, d, z);
    if (step == Step::zero_derivative) {
      z = unrefined;
      return;
    }
    if (step == Step::converged) return;
  }
}

// Divides w[0..] by z^2 - alpha z + beta (beta = 0: by z - alpha) in place;
// d is the quotient's degree.
void deflate(double* w, int d, double alpha, double beta) {
  if (d < 1) return;
  w[1] = w[1] + alpha * w[0];
  for (int l = 1; l <= d - 1; ++l) w[l + 1] = w[l + 1] + alpha * w[l] - beta * w[l - 1];
}

}  // namespace

int find_polynomial_roots(const double* coefficients, double* work, int degree,
                          ComplexRoot* roots) {
  if (degree < 1) return ROOTS_DEGREE_TOO_LOW;
  if (degree > MAX_POLYNOMIAL_DEGREE) return ROOTS_DEGREE_TOO_HIGH;
  if (coefficients[degree] == 0.0) return ROOTS_ZERO_LEADING_COEFFICIENT;

  // Both highest power first: w, the working polynomial, and r, the reference.
  double* w = work;
  std::array<double, MAX_POLYNOMIAL_DEGREE + 1> r;
  for (int k = 0; k <= degree; ++k) {
    w[degree - k] = coefficients[k];
    r[degree - k] = coefficients[k];
  }
  int dw = degree;
  int dr = degree;
  int written = 0;

  while (dw > 0) {
    if (w[dw] == 0.0) {
      // A root at zero: dropping the constant terms divides both by z.
      --dw;
      --dr;
      roots[written++] = {0.0, 0.0};
      continue;
    }

    Point z{};
    if (!search(w, dw, z)) return ROOTS_NOT_CONVERGED;
    if (std::fabs(z.y / z.x) < REAL_BEFORE_REFINING) z.y = 0.0;
    refine(r.data(), dr, z);

    // The last linear factor always has a real root; a complex pair needs two
    // entries and a quadratic factor.
    if (std::fabs(z.y / z.x) < REAL_ROOT || dw == 1) {
      --dw;
      deflate(w, dw, z.x, 0.0);
      roots[written++] = {z.x, 0.0};
    } else {
      dw -= 2;
      deflate(w, dw, 2.0 * z.x, z.x * z.x + z.y * z.y);
      roots[written++] = {z.x, z.y};
      roots[written++] = {z.x, -z.y};
    }
  }
  return ROOTS_FOUND;
}

}  // namespace quelrin
