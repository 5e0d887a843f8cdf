// Reading and writing prefs.dat.
#include "units/prefs_file.hpp"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

#include "text/cp1252.hpp"
#include "text/replace_file.hpp"

namespace quelrin {
namespace {

// One "%d" conversion: white space, an optional sign, digits. It moves on only
// when it read a number, so a failed one fails every one after it too.
std::optional<int> scan_int(std::string_view text, std::size_t& pos) {
  std::size_t p = pos;
  while (p < text.size() && is_c_space(text[p])) ++p;
  if (p < text.size() && text[p] == '+') ++p;
  int value = 0;
  const auto result = std::from_chars(text.data() + p, text.data() + text.size(), value);
  if (result.ec == std::errc::invalid_argument) return std::nullopt;
  pos = static_cast<std::size_t>(result.ptr - text.data());
  if (result.ec != std::errc()) return std::nullopt;  // too large for any unit
  return value;
}

}  // namespace

PrefsRead read_prefs_file(const std::string& path, UnitPrefs& prefs) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return errno == ENOENT ? PrefsRead::missing : PrefsRead::unreadable;
  char buffer[256];
  const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
  std::fclose(file);

  const std::string_view text(buffer, got);
  std::size_t pos = 0;
  const std::optional<int> pressure = scan_int(text, pos);
  const std::optional<int> temperature = pressure ? scan_int(text, pos) : std::nullopt;
  if (const auto unit = pressure ? pressure_unit_at(*pressure) : std::nullopt) {
    prefs.pressure_unit = *unit;
  }
  if (const auto unit = temperature ? temperature_unit_at(*temperature) : std::nullopt) {
    prefs.temperature_unit = *unit;
  }
  return PrefsRead::read;
}

bool write_prefs_file(const std::string& path, const UnitPrefs& prefs) {
  return replace_file(path, std::to_string(unit_index(prefs.pressure_unit)) + " " +
                                std::to_string(unit_index(prefs.temperature_unit)));
}

}  // namespace quelrin
