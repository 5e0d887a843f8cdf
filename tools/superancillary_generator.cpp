// Fits the superancillary curves: ln B of the saturated state against
// rho = A / B for each family of cubic equations, as Chebyshev expansions of
// fixed degree on pieces split until the expansion matches the solver (run
// in long double) to about the precision of a double, stored as powers of
// the piece's x in [-1, 1] (Estrin's scheme sums them in a chain of five
// steps, Clenshaw's recurrence in sixteen); and the saturated
// volumes (the liquid's V - 1, the vapour's Z) against s = sqrt(rho - rho_c)
// to 1e-12, as starts for the exact solver. Prints the C++ source of
// calc/superancillary_coefficients.cpp on standard output and the worst
// misfit of each curve on standard error. Run by hand (README).
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "calc/reduced_saturation.hpp"
#include "calc/superancillary.hpp"

namespace quelrin {
namespace {

using Real = long double;

constexpr int N = SUPERANCILLARY_DEGREE + 1;  // nodes and coefficients
// Far enough for 0.25 Tc of any fluid with omega up to 1.5 (Peng-Robinson
// needs about 100 there); beyond it the iterative solver answers.
constexpr Real RHO_MAX = 150;
constexpr Real LN_B_TOLERANCE = 4e-16L;    // on ln B, times max(1, |ln B|)
constexpr Real VOLUME_TOLERANCE = 1e-12L;  // relative, on V - 1 and Z
// Nearer the critical point (s below 0.1, 0.999 of Tc) the volumes carry the
// cube root of the solver's rounding (the three roots meet): no misfit to
// split for; the fit still starts the solver there.
constexpr Real VOLUME_TRUSTED_FROM = 1e-1L;
constexpr Real NARROWEST = 1e-5L;  // relative to the range's end
const Real PI = std::acos(Real(-1));

// One or more functions of the piece's variable, fitted together.
using Values = std::vector<Real>;
using Sampler = std::function<Values(Real)>;
// How far a fitted value may be from the true one, relative to the value.
using Misfit = std::function<Real(Real fitted, Real exact)>;

struct Piece {
  double lo;
  double hi;
  std::vector<std::vector<double>> powers;  // one polynomial in x per function
};

ReducedSaturation<Real> saturated(EquationFamily family, Real rho) {
  ReducedSaturation<Real> state;
  if (!solve_reduced_saturation<Real>(family, rho, state)) state.ln_b = NAN;
  return state;
}

// The Chebyshev series sum c_k T_k(x) in powers of x, rounded to doubles as
// they are stored (the misfit is measured on these: the coefficients fall
// fast enough that the powers lose nothing a double keeps).
std::vector<double> in_powers(const std::vector<Real>& c) {
  std::vector<Real> sum(N, 0);
  std::vector<Real> previous(N, 0);  // T_k-1, then T_k, in powers of x
  std::vector<Real> current(N, 0);
  previous[0] = 1;
  current[1] = 1;
  sum[0] = c[0];
  for (int k = 1; k < N; ++k) {
    for (int i = 0; i < N; ++i)
      sum[static_cast<std::size_t>(i)] +=
          c[static_cast<std::size_t>(k)] * current[static_cast<std::size_t>(i)];
    std::vector<Real> next(N, 0);  // T_k+1 = 2x T_k - T_k-1
    for (int i = 0; i + 1 < N; ++i)
      next[static_cast<std::size_t>(i + 1)] = 2 * current[static_cast<std::size_t>(i)];
    for (int i = 0; i < N; ++i)
      next[static_cast<std::size_t>(i)] -= previous[static_cast<std::size_t>(i)];
    previous = current;
    current = next;
  }
  return std::vector<double>(sum.begin(), sum.end());
}

Real evaluate(const std::vector<double>& a, Real x) {
  Real sum = 0;
  for (int k = N - 1; k >= 0; --k) sum = sum * x + a[static_cast<std::size_t>(k)];
  return sum;
}

Real at(const Piece& piece, Real x) {
  return (Real(piece.lo) + Real(piece.hi)) / 2 + x * (Real(piece.hi) - Real(piece.lo)) / 2;
}

// Interpolation at the Chebyshev nodes of the first kind (never the ends, so
// never the critical point itself); returns the worst misfit of the stored
// powers between nodes from `trusted_from` on.
Real fit(const Sampler& sample, const Misfit& misfit, Real trusted_from, Piece& piece) {
  std::vector<Values> values;
  for (int j = 0; j < N; ++j)
    values.push_back(sample(at(piece, std::cos(PI * (j + Real(0.5)) / N))));
  const std::size_t functions = values[0].size();
  piece.powers.clear();
  for (std::size_t f = 0; f < functions; ++f) {
    std::vector<Real> c(N);
    for (int k = 0; k < N; ++k) {
      Real sum = 0;
      for (int j = 0; j < N; ++j)
        sum += values[static_cast<std::size_t>(j)][f] * std::cos(PI * k * (j + Real(0.5)) / N);
      c[static_cast<std::size_t>(k)] = sum * 2 / N;
    }
    c[0] /= 2;
    piece.powers.push_back(in_powers(c));
  }
  Real worst = 0;
  for (int j = 1; j < N; ++j) {
    const Real x = std::cos(PI * j / N);
    if (at(piece, x) < trusted_from) continue;
    const Values exact = sample(at(piece, x));
    for (std::size_t f = 0; f < functions; ++f)
      worst = std::fmax(worst, misfit(evaluate(piece.powers[f], x), exact[f]));
  }
  return worst;
}

struct Fit {
  Sampler sample;
  Misfit misfit;
  Real tolerance;
  Real trusted_from;
  Real narrowest;
};

void fit_range(const Fit& how, double lo, double hi, std::vector<Piece>& pieces, Real& worst) {
  Piece piece{lo, hi, {}};
  const Real found = fit(how.sample, how.misfit, how.trusted_from, piece);
  if (found > how.tolerance && hi - lo > how.narrowest) {
    const double middle = lo + (hi - lo) / 2;
    fit_range(how, lo, middle, pieces, worst);
    fit_range(how, middle, hi, pieces, worst);
    return;
  }
  worst = std::fmax(worst, found);
  pieces.push_back(piece);
}

void print_coefficients(const std::vector<double>& a, const char* end) {
  std::printf("     {");
  for (int k = 0; k < N; ++k) {
    std::printf("%.17g%s", a[static_cast<std::size_t>(k)],
                k + 1 < N ? (k % 4 == 3 ? ",\n      " : ", ") : end);
  }
}

// lo, hi, x_scale, x_offset.
void print_range(const Piece& piece) {
  const double width = piece.hi - piece.lo;
  std::printf("    {%.17g, %.17g, %.17g, %.17g,\n", piece.lo, piece.hi, 2.0 / width,
              (piece.lo + piece.hi) / width);
}

constexpr const char* FAMILY_NAMES[FAMILY_COUNT] = {"PENG_ROBINSON", "REDLICH_KWONG",
                                                    "VAN_DER_WAALS"};

int run() {
  std::printf(
      "// Superancillary curves of the three families of cubic equations: ln B of\n"
      "// the saturated state against rho = A / B, and the saturated volumes against\n"
      "// sqrt(rho - rho_c): piecewise Chebyshev expansions in powers of x.\n"
      "// Generated by tools/superancillary_generator (see README); do not edit.\n"
      "#include \"calc/superancillary.hpp\"\n\n"
      "namespace quelrin {\nnamespace {\n");
  std::vector<int> counts;
  std::vector<int> volume_counts;
  for (const EquationFamily family : FAMILIES) {
    const Real critical_rho = critical_point<Real>(family).rho;
    const Misfit ln_b_misfit = [](Real fitted, Real exact) {
      return std::fabs(fitted - exact) / std::fmax(1, std::fabs(exact));
    };
    const Sampler ln_b = [family](Real rho) { return Values{saturated(family, rho).ln_b}; };
    std::vector<Piece> pieces;
    Real worst = 0;
    fit_range({ln_b, ln_b_misfit, LN_B_TOLERANCE, 0, NARROWEST * critical_rho},
              static_cast<double>(critical_rho), static_cast<double>(RHO_MAX), pieces, worst);
    std::fprintf(stderr, "%s ln B: %zu pieces, critical rho %.19Lg, worst misfit %.3Lg\n",
                 FAMILY_NAMES[table_row(family)], pieces.size(), critical_rho, worst);
    std::printf("\nconstexpr SuperancillaryPiece %s_PIECES[] = {\n",
                FAMILY_NAMES[table_row(family)]);
    for (const Piece& piece : pieces) {
      print_range(piece);
      print_coefficients(piece.powers[0], "}},\n");
    }
    std::printf("};\n");
    counts.push_back(static_cast<int>(pieces.size()));

    const Misfit relative = [](Real fitted, Real exact) {
      return std::fabs(fitted - exact) / std::fabs(exact);
    };
    const Sampler volumes = [family, critical_rho](Real s) {
      const ReducedSaturation<Real> state = saturated(family, critical_rho + s * s);
      return Values{state.u_liquid, state.z_vapour};
    };
    const Real s_max = std::sqrt(RHO_MAX - critical_rho);
    std::vector<Piece> volume_pieces;
    Real volume_worst = 0;
    fit_range({volumes, relative, VOLUME_TOLERANCE, VOLUME_TRUSTED_FROM, NARROWEST * s_max}, 0.0,
              static_cast<double>(s_max), volume_pieces, volume_worst);
    std::fprintf(stderr, "%s volumes: %zu pieces, worst misfit %.3Lg\n",
                 FAMILY_NAMES[table_row(family)], volume_pieces.size(), volume_worst);
    std::printf("\nconstexpr VolumePiece %s_VOLUMES[] = {\n", FAMILY_NAMES[table_row(family)]);
    for (const Piece& piece : volume_pieces) {
      print_range(piece);
      print_coefficients(piece.powers[0], "},\n");
      print_coefficients(piece.powers[1], "}},\n");
    }
    std::printf("};\n");
    volume_counts.push_back(static_cast<int>(volume_pieces.size()));
  }
  std::printf("\n}  // namespace\n\nconst SuperancillaryCurve SUPERANCILLARY_CURVES[] = {\n");
  for (const EquationFamily family : FAMILIES) {
    std::printf("    {%s_PIECES, %d},\n", FAMILY_NAMES[table_row(family)],
                counts[static_cast<std::size_t>(table_row(family))]);
  }
  std::printf("};\n\nconst VolumeCurve SUPERANCILLARY_VOLUMES[] = {\n");
  for (const EquationFamily family : FAMILIES) {
    std::printf("    {%.17g, %s_VOLUMES, %d},\n",
                static_cast<double>(critical_point<Real>(family).rho),
                FAMILY_NAMES[table_row(family)],
                volume_counts[static_cast<std::size_t>(table_row(family))]);
  }
  std::printf("};\n\n}  // namespace quelrin\n");
  return 0;
}

}  // namespace
}  // namespace quelrin

int main() { return quelrin::run(); }
