// prefs.dat as any bytes: the reader ends with both units inside their
// ranges, and what is then written reads back to the same choice.
#include "fuzz_support.hpp"
#include "units/prefs_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using quelrin::fuzz::require;
  static const quelrin::fuzz::ProgramDirectory directory;
  std::ofstream(quelrin::PREFS_FILE, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  quelrin::UnitPrefs prefs{quelrin::PressureUnit::kpa, quelrin::TemperatureUnit::fahrenheit};
  require(quelrin::read_prefs_file(quelrin::PREFS_FILE, prefs) == quelrin::PrefsRead::read,
          "an existing file is read");
  require(quelrin::pressure_unit_at(quelrin::unit_index(prefs.pressure_unit)).has_value(),
          "a pressure unit of the list");
  require(quelrin::temperature_unit_at(quelrin::unit_index(prefs.temperature_unit)).has_value(),
          "a temperature unit of the list");

  require(quelrin::write_prefs_file(quelrin::PREFS_FILE, prefs), "the choice is written");
  quelrin::UnitPrefs again;
  require(quelrin::read_prefs_file(quelrin::PREFS_FILE, again) == quelrin::PrefsRead::read,
          "what was written is read");
  require(again.pressure_unit == prefs.pressure_unit &&
              again.temperature_unit == prefs.temperature_unit,
          "the same choice reads back");
  directory.require_no_stray_file();
  return 0;
}
