// All roots, real and complex, of a real polynomial of degree 1 to 36, by
// Newton's iteration in complex arithmetic with deflation.
#pragma once

namespace quelrin {

inline constexpr int MAX_POLYNOMIAL_DEGREE = 36;

struct ComplexRoot {
  double real = 0.0;
  double imaginary = 0.0;
};

// Status of find_polynomial_roots.
inline constexpr int ROOTS_FOUND = 0;
inline constexpr int ROOTS_DEGREE_TOO_LOW = 1;
inline constexpr int ROOTS_DEGREE_TOO_HIGH = 2;
inline constexpr int ROOTS_NOT_CONVERGED = 3;
inline constexpr int ROOTS_ZERO_LEADING_COEFFICIENT = 4;

// `coefficients` holds degree + 1 values, lowest power first, and is left as
// it came; `work` is degree + 1 doubles of scratch. Writes the roots in the
// order they are found: roots at zero first, a real root with an imaginary
// part of exactly 0.0, a complex pair as two entries (x, y), (x, -y). On
// ROOTS_NOT_CONVERGED the roots found so far stay written and the rest of
// `roots` is untouched; on the other failures nothing is written.
// Allocates nothing.
int find_polynomial_roots(const double* coefficients, double* work, int degree, ComplexRoot* roots);

}  // namespace quelrin
