// Floating-point numbers to and from text by one implementation on every
// compiler (fast_float reads, fmt writes): g++, mingw-w64, clang and
// emscripten read the same values and write the same bytes, and emscripten's
// C++ library, which has no floating-point <charconv>, is not needed for it.
// Integers go through <charconv> itself.
#pragma once

namespace quelrin {

// Reads the number at `first` in std::from_chars' general form ("1.5", ".5",
// "-2e-3", "inf", "nan"), without leading white space or '+'. A value beyond
// the largest double reads as infinity and one below the smallest as 0, as
// strtod reads them. Returns the end of the number, or nullptr (and leaves
// `value` alone) when there is none.
const char* read_double(const char* first, const char* last, double& value);

// "%.Pg" as the C library writes it in the "C" locale, P = `precision`:
// "1e-05", "1.23457e+08", "inf", "-nan". Returns the end of the text, which
// stops at `last`.
char* write_general(char* first, char* last, double value, int precision);

// The shortest digits that read back to the same double, in exponent form
// "d.ddde±XX" ("1.2345e+08", "5e-324", "0e+00"), as std::to_chars writes
// them in chars_format::scientific; "inf", "-nan" as above.
char* write_shortest_scientific(char* first, char* last, double value);

// The same digits in plain decimals ("273.15", "0.0000001"), as
// chars_format::fixed writes them: a whole number with all its digits
// ("1e23" as "99999999999999991611392").
char* write_shortest_fixed(char* first, char* last, double value);

}  // namespace quelrin
