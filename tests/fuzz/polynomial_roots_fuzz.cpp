// find_polynomial_roots on any degree and any doubles, infinities and NaN
// included: it ends, leaves the coefficients as they came, writes no root
// past `degree` (none at all on a refusal) and answers a status of its table.
#include <algorithm>
#include <vector>

#include "calc/polynomial_roots.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using quelrin::fuzz::require;
  quelrin::fuzz::Input input(data, size);
  const int degree = input.take<std::int8_t>();
  // Exactly the room the routine is promised, so that AddressSanitizer sees
  // any access past it.
  const std::size_t values = static_cast<std::size_t>(std::max(degree + 1, 1));
  std::vector<double> coefficients(values);
  for (double& c : coefficients) c = input.take<double>();
  const std::vector<double> given = coefficients;
  std::vector<double> work(values);

  const quelrin::ComplexRoot untouched{-7.25, 1234.5};
  std::vector<quelrin::ComplexRoot> roots(static_cast<std::size_t>(std::max(degree, 0)) + 4,
                                          untouched);
  const int status =
      quelrin::find_polynomial_roots(coefficients.data(), work.data(), degree, roots.data());

  const auto is_untouched = [&](const quelrin::ComplexRoot& r) {
    return quelrin::fuzz::same_bits(r.real, untouched.real) &&
           quelrin::fuzz::same_bits(r.imaginary, untouched.imaginary);
  };
  require(status >= quelrin::ROOTS_FOUND && status <= quelrin::ROOTS_ZERO_LEADING_COEFFICIENT,
          "a status of the table");
  for (std::size_t i = 0; i < values; ++i) {
    require(quelrin::fuzz::same_bits(coefficients[i], given[i]),
            "the coefficients left as they came");
  }
  if (degree < 1) require(status == quelrin::ROOTS_DEGREE_TOO_LOW, "degree below 1 refused");
  if (degree > quelrin::MAX_POLYNOMIAL_DEGREE)
    require(status == quelrin::ROOTS_DEGREE_TOO_HIGH, "degree above 36 refused");
  const std::size_t written_room =
      status == quelrin::ROOTS_FOUND || status == quelrin::ROOTS_NOT_CONVERGED ? std::max(degree, 0)
                                                                               : 0;
  require(std::all_of(roots.begin() + static_cast<std::ptrdiff_t>(written_room), roots.end(),
                      is_untouched),
          "no root written past the degree, none on a refusal");
  return 0;
}
