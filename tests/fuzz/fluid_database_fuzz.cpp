// dados.txt as any bytes: the reader ends with a table or a reason, and a
// table it accepts is written and read back to the same table, bit for bit,
// which writes again to the same text.
#include <cstdio>

#include "fluids/fluid_database.hpp"
#include "fuzz_support.hpp"

namespace {

bool same_record(const quelrin::FluidRecord& a, const quelrin::FluidRecord& b) {
  using quelrin::fuzz::same_bits;
  for (std::size_t i = 0; i < a.constants.size(); ++i) {
    if (!same_bits(a.constants[i], b.constants[i])) return false;
  }
  return a.name == b.name && a.kind == b.kind && same_bits(a.pc_bar, b.pc_bar) &&
         same_bits(a.tc_k, b.tc_k) && same_bits(a.acentric_factor, b.acentric_factor);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using quelrin::fuzz::require;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  quelrin::FluidTable table;
  std::string reason;
  if (!quelrin::parse_fluid_database(text, table, reason)) {
    require(table.empty(), "a refused file leaves the table untouched");
    require(!reason.empty(), "a refused file has a reason");
    return 0;
  }
  for (const quelrin::FluidRecord& record : table) {
    require(!record.name.empty() && record.name.size() <= quelrin::MAX_NAME_BYTES, "name length");
    require(record.kind.size() <= quelrin::MAX_KIND_BYTES, "kind length");
  }

  const std::string written = quelrin::format_fluid_database(table);
  quelrin::FluidTable again;
  require(quelrin::parse_fluid_database(written, again, reason), "what was written reads back",
          reason);
  require(again.size() == table.size(), "as many records read back as written");
  for (std::size_t i = 0; i < table.size(); ++i) {
    require(same_record(table[i], again[i]), "a record reads back bit for bit", written);
  }
  require(quelrin::format_fluid_database(again) == written, "the same table writes the same text");

  // The file reader sees the same text as the text reader.
  if (std::FILE* file = fmemopen(const_cast<char*>(written.data()), written.size(), "rb")) {
    quelrin::FluidTable from_file;
    std::string text_read;
    require(quelrin::read_fluid_database(file, from_file, text_read, reason),
            "the file reader accepts it");
    require(from_file.size() == table.size(), "the file reader reads as many records");
    std::fclose(file);
  }
  return 0;
}
