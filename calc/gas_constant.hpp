// The gas constant of the calculation, in bar·L/(mol·K).
#pragma once

namespace quelrin {

inline constexpr double GAS_CONSTANT = 0.0831451;

}  // namespace quelrin
