// Reading and writing the fluid database text.
#include "fluids/fluid_database.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>

#include "text/cp1252.hpp"
#include "text/cp1252_literal.hpp"
#include "text/number_text.hpp"
#include "text/read_stream.hpp"

namespace quelrin {
namespace {

// Field names in file order, as the reasons for a malformed file show them.
constexpr const char* FIELD_NAMES[] = {"nome",        "tipo",        "constante 1",
                                       "constante 2", "constante 3", "constante 4",
                                       "Pc",          "Tc",          cp1252<"fator acêntrico">};
constexpr std::size_t FIELDS_PER_RECORD = std::size(FIELD_NAMES);

// Closes the file it holds when it goes.
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Any run of white space separates two tokens, line ends of either kind included.
class Tokens {
 public:
  explicit Tokens(std::string_view text) : text_(text) {}

  std::optional<std::string_view> next() {
    while (pos_ < text_.size() && is_c_space(text_[pos_])) ++pos_;
    if (pos_ == text_.size()) return std::nullopt;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !is_c_space(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::optional<std::size_t> read_count(std::string_view token) {
  if (!token.empty() && token.front() == '+') token.remove_prefix(1);
  std::size_t count = 0;
  const auto result = std::from_chars(token.data(), token.data() + token.size(), count);
  if (token.empty() || result.ec != std::errc() || result.ptr != token.data() + token.size()) {
    return std::nullopt;
  }
  return count;
}

std::string field_reason(std::size_t record, std::size_t field, const std::string& what) {
  return "registro " + std::to_string(record + 1) + ", campo " + FIELD_NAMES[field] + ": " + what;
}

// Stores one token into its field; empty when it fits, else what is wrong.
std::string store_field(FluidRecord& record, std::size_t field, std::string_view token) {
  if (field == 0 || field == 1) {
    const std::size_t limit = field == 0 ? MAX_NAME_BYTES : MAX_KIND_BYTES;
    if (token.size() > limit) return "mais de " + std::to_string(limit) + " bytes";
    (field == 0 ? record.name : record.kind) = std::string(token);
    return {};
  }
  const std::optional<double> number = read_whole_number(token);
  if (!number) return cp1252<"não é um número">;
  if (!std::isfinite(*number)) return cp1252<"não é um número finito">;
  switch (field) {
    case 6:
      record.pc_bar = *number;
      break;  // the file holds Pc before Tc
    case 7:
      record.tc_k = *number;
      break;
    case 8:
      record.acentric_factor = *number;
      break;
    default:
      record.constants[field - 2] = *number;
      break;
  }
  return {};
}

}  // namespace

bool parse_fluid_database(std::string_view text, FluidTable& table, std::string& reason) {
  Tokens tokens(text);
  const std::optional<std::string_view> count_token = tokens.next();
  if (!count_token) {
    reason = "falta a contagem de registros";
    return false;
  }
  const std::optional<std::size_t> count = read_count(*count_token);
  if (!count) {
    reason = cp1252<"contagem de registros inválida">;
    return false;
  }

  FluidTable parsed;
  // A damaged count must not reserve more than the text could ever hold.
  parsed.reserve(std::min(*count, text.size() / (2 * FIELDS_PER_RECORD) + 1));
  for (std::size_t r = 0; r < *count; ++r) {
    FluidRecord& record = parsed.emplace_back();
    for (std::size_t field = 0; field < FIELDS_PER_RECORD; ++field) {
      const std::optional<std::string_view> token = tokens.next();
      const std::string fault = token ? store_field(record, field, *token) : "fim do arquivo";
      if (!fault.empty()) {
        reason = field_reason(r, field, fault);
        return false;
      }
    }
  }
  table = std::move(parsed);
  return true;
}

bool read_fluid_database(std::FILE* file, FluidTable& table, std::string& text,
                         std::string& reason) {
  text.clear();
  if (!read_rest(file, text)) {
    reason = "erro de leitura";
    return false;
  }
  return parse_fluid_database(text, table, reason);
}

DatabaseFile read_fluid_database_file(const std::string& path, FluidTable& table, std::string& text,
                                      std::string& reason) {
  const FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) return DatabaseFile::not_opened;
  return read_fluid_database(file.get(), table, text, reason) ? DatabaseFile::read
                                                              : DatabaseFile::malformed;
}

std::string format_fluid_database(const FluidTable& table) {
  constexpr std::size_t NUMBERS_PER_RECORD = FIELDS_PER_RECORD - 2;
  std::size_t room = 24;
  for (const FluidRecord& record : table) {
    room +=
        record.name.size() + record.kind.size() + 2 + NUMBERS_PER_RECORD * (MAX_G_EXACT_CHARS + 1);
  }
  std::string text(room, '\0');
  char* out = std::to_chars(text.data(), text.data() + room, table.size()).ptr;
  *out++ = '\n';
  for (const FluidRecord& record : table) {
    out = std::copy(record.name.begin(), record.name.end(), out);
    *out++ = ' ';
    out = std::copy(record.kind.begin(), record.kind.end(), out);
    for (double value : {record.constants[0], record.constants[1], record.constants[2],
                         record.constants[3], record.pc_bar, record.tc_k, record.acentric_factor}) {
      *out++ = ' ';
      out = write_g_exact(out, value);
    }
    *out++ = '\n';
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
  return text;
}

bool write_fluid_database(const FluidTable& table, std::FILE* file) {
  const std::string text = format_fluid_database(table);
  return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

}  // namespace quelrin
