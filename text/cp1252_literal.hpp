// The program's own texts, written in UTF-8 in the sources and converted by
// the compiler to Windows-1252, the code page of the interface and of the
// data file: cp1252<"Atenção!"> is a constant array of Windows-1252 bytes,
// typed as a string literal is (const char[N]), so it serves wherever a
// literal does, costs nothing at run time and is the same on every compiler
// without a charset option. A text the code page cannot hold does not compile.
// (A literal operator template, "Atenção!"_cp, would read better, but clang 14
// crashes printing one in its notes.)
#pragma once

#include <cstddef>
#include <string_view>

#include "text/cp1252_mapping.hpp"

namespace quelrin {
namespace cp1252_literal {

// A UTF-8 string literal as a template argument.
template <std::size_t N>
struct Utf8Text {
  char bytes[N] = {};

  consteval Utf8Text(const char (&text)[N]) {
    for (std::size_t i = 0; i < N; ++i) bytes[i] = text[i];
  }
  constexpr std::string_view view() const { return {bytes, N - 1}; }
};

// Deliberately not constexpr: a conversion that reaches it stops the
// compilation, and the compiler's message names the fault.
void text_outside_windows_1252();

// The Windows-1252 byte of each UTF-8 sequence of the text, passed to emit.
template <std::size_t N, class Emit>
consteval void convert(const Utf8Text<N>& utf8, Emit emit) {
  const std::string_view text = utf8.view();
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Sequence sequence = read_utf8_sequence(text, i);
    const auto byte = sequence.length == 0 ? std::nullopt : cp1252_byte(sequence.code_point);
    if (!byte) text_outside_windows_1252();
    emit(*byte);
    i += sequence.length;
  }
}

template <std::size_t N>
consteval std::size_t converted_length(const Utf8Text<N>& utf8) {
  std::size_t length = 0;
  convert(utf8, [&](char) { ++length; });
  return length;
}

template <std::size_t N>
struct Bytes {
  char text[N];
};

template <Utf8Text utf8>
consteval auto converted_bytes() {
  Bytes<converted_length(utf8) + 1> out = {};
  std::size_t length = 0;
  convert(utf8, [&](char c) { out.text[length++] = c; });
  return out;
}

template <Utf8Text utf8>
inline constexpr auto CONVERTED = converted_bytes<utf8>();

}  // namespace cp1252_literal

template <cp1252_literal::Utf8Text utf8>
inline constexpr auto& cp1252 = cp1252_literal::CONVERTED<utf8>.text;

}  // namespace quelrin
