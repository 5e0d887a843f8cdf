// An order read off a real Windows sorted list box (code page 1252).
#pragma once

#include <string>
#include <vector>

#include "text/cp1252_literal.hpp"

namespace quelrin::test {

inline const std::vector<std::string> LIST_BOX_ORDER = {"_x",
                                                        "10-x",
                                                        "1-Buteno",
                                                        "2-x",
                                                        "a b",
                                                        "ab",
                                                        "a'b",
                                                        "ac",
                                                        "a-c",
                                                        "Acetona",
                                                        cp1252<"Ácido-acético">,
                                                        "agua",
                                                        cp1252<"Água">,
                                                        cp1252<"Amônia">,
                                                        "Ar",
                                                        "Benzeno",
                                                        "Butano",
                                                        "CO2",
                                                        "Etano",
                                                        "Etanol",
                                                        cp1252<"Éter-etílico">,
                                                        "i-Butano",
                                                        "Isobutano",
                                                        "Metano",
                                                        "Metanol",
                                                        "nButano",
                                                        "n-Butano",
                                                        "nHexano",
                                                        "n-Hexano",
                                                        cp1252<"Nitrogênio">,
                                                        cp1252<"Óleo">,
                                                        cp1252<"Oxigênio">,
                                                        cp1252<"Ozônio">,
                                                        "R134a",
                                                        "R-134a",
                                                        "R22",
                                                        "R-22",
                                                        "Tolueno",
                                                        "Zinco"};

// The same names in an order far from sorted.
inline std::vector<std::string> shuffled_list_box_order() {
  std::vector<std::string> shuffled;
  for (std::size_t start : {5u, 2u, 0u, 6u, 3u, 1u, 4u}) {
    for (std::size_t i = start; i < LIST_BOX_ORDER.size(); i += 7)
      shuffled.push_back(LIST_BOX_ORDER[i]);
  }
  return shuffled;
}

// Many names, among them many equal but for letter case, in a fixed order.
inline std::vector<std::string> names_with_case_ties() {
  const char* const stems[] = {"agua",    "AGUA", cp1252<"Água">, cp1252<"água">, "n-Butano",
                               "nButano", "R-22", "r22",          cp1252<"Éter">};
  std::vector<std::string> names;
  for (int i = 0; i < 150; ++i) {
    for (const char* stem : stems)
      names.push_back(std::string(stem) + (i % 7 == 0 ? "" : std::to_string((i * 37) % 40)));
  }
  return names;
}

}  // namespace quelrin::test
