// What the fuzz targets share: a failed property stops the run with its
// reason, and the input is taken apart into the values a target needs.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace quelrin::fuzz {

// libFuzzer keeps the input that made this fail.
inline void require(bool holds, const char* property, std::string_view detail = {}) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n%.*s\n", property, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

inline bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The input read from the front: fixed-size values first, the remaining
// bytes as text; past the end every value reads as zero bytes.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size)
      : data_(reinterpret_cast<const char*>(data)), size_(size) {}

  template <typename T>
  T take() {
    T value{};
    const std::size_t n = size_ - pos_ < sizeof value ? size_ - pos_ : sizeof value;
    std::memcpy(&value, data_ + pos_, n);
    pos_ += n;
    return value;
  }

  // Up to the next NUL byte (not kept), or to the end.
  std::string_view text() {
    const std::string_view rest(data_ + pos_, size_ - pos_);
    const std::size_t end = rest.find('\0');
    pos_ += end == std::string_view::npos ? rest.size() : end + 1;
    return rest.substr(0, end);
  }

  std::string_view rest() const { return {data_ + pos_, size_ - pos_}; }
  bool empty() const { return pos_ == size_; }

 private:
  const char* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

inline std::string read_file(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The targets that run the program work in a fresh directory of their own,
// which each input starts from as a first start does: only the shipped
// dados.txt in it.
class ProgramDirectory {
 public:
  ProgramDirectory() {
    shipped_database_ = read_file(QUELRIN_DATA_DIR "/dados.txt");
    // In memory where there is such a file system: each save flushes to disk.
    std::string name = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    name += "/quelrin-fuzz-XXXXXX";
    require(mkdtemp(name.data()) != nullptr, "a scratch directory");
    std::filesystem::current_path(name);
    path_ = name;
  }

  ~ProgramDirectory() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }

  void reset() const {
    for (const auto& entry : std::filesystem::directory_iterator("."))
      std::filesystem::remove_all(entry);
    std::ofstream("dados.txt", std::ios::binary) << shipped_database_;
  }

  // Only the program's two files may be left once it has ended.
  void require_no_stray_file() const {
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
      const std::string name = entry.path().filename().string();
      require(name == "dados.txt" || name == "prefs.dat", "no file but dados.txt and prefs.dat",
              name);
    }
  }

 private:
  std::string shipped_database_;
  std::string path_;
};

}  // namespace quelrin::fuzz
