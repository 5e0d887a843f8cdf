// Word sort: compares names level by level, as the Windows list box does.
#include "text/word_sort.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "text/cp1252.hpp"

namespace quelrin {
namespace {

// Diacritics, in the order that breaks ties between letters of one base.
enum Accent : int {
  NONE,
  ACUTE,
  GRAVE,
  CIRCUMFLEX,
  CARON,
  RING,
  DIAERESIS,
  TILDE,
  CEDILLA,
  STROKE,
  ORDINAL
};

// A lower-case letter: its base letters ("ae" for æ) and its diacritic.
// Base letters are bytes of ALPHABET; an empty base weighs the byte as a symbol.
struct LetterWeight {
  std::string_view base;
  Accent accent;
};

// The base letters in order; '{' and '|' stand for thorn and µ, after z.
constexpr std::string_view ALPHABET = "abcdefghijklmnopqrstuvwxyz{|";

// Bytes 0xE0-0xFF after lowering; ÷ (0xF7) is not a letter and never looked up.
constexpr std::array<LetterWeight, 32> LATIN1_LETTERS = {{
    {"a", GRAVE},      {"a", ACUTE},     {"a", CIRCUMFLEX}, {"a", TILDE},     {"a", DIAERESIS},
    {"a", RING},       {"ae", NONE},     {"c", CEDILLA},    {"e", GRAVE},     {"e", ACUTE},
    {"e", CIRCUMFLEX}, {"e", DIAERESIS}, {"i", GRAVE},      {"i", ACUTE},     {"i", CIRCUMFLEX},
    {"i", DIAERESIS},  {"d", STROKE},    {"n", TILDE},      {"o", GRAVE},     {"o", ACUTE},
    {"o", CIRCUMFLEX}, {"o", TILDE},     {"o", DIAERESIS},  {"", NONE},       {"o", STROKE},
    {"u", GRAVE},      {"u", ACUTE},     {"u", CIRCUMFLEX}, {"u", DIAERESIS}, {"y", ACUTE},
    {"{", NONE},       {"y", DIAERESIS},
}};

// Primary weights: every symbol before every digit before every letter.
constexpr int SYMBOL = 0x000;
constexpr int DIGIT = 0x100;
constexpr int LETTER = 0x200;

// Letters outside a-z and the Latin-1 block.
LetterWeight other_letter(unsigned char lower) {
  switch (lower) {
    case 0x83:
      return {"f", STROKE};  // ƒ
    case 0x9A:
      return {"s", CARON};  // š
    case 0x9C:
      return {"oe", NONE};  // œ
    case 0x9E:
      return {"z", CARON};  // ž
    case 0xAA:
      return {"a", ORDINAL};  // ª
    case 0xB5:
      return {"|", NONE};  // µ
    case 0xBA:
      return {"o", ORDINAL};  // º
    case 0xDF:
      return {"ss", NONE};  // ß
    default:
      return {"", NONE};  // ˆ: a modifier, weighed as a symbol
  }
}

LetterWeight letter_weight(char c) {
  const auto lower = static_cast<unsigned char>(cp1252_to_lower(c));
  if (lower >= 'a' && lower <= 'z') return {ALPHABET.substr(lower - 'a', 1), NONE};
  if (lower >= 0xE0) return LATIN1_LETTERS[lower - 0xE0];
  return other_letter(lower);
}

// Weights are stored one more than they are, so that the 0 closing each level
// sorts a name before every longer name it begins.
void put_weight(std::string& key, int weight) {
  key.push_back(static_cast<char>((weight + 1) >> 8));
  key.push_back(static_cast<char>((weight + 1) & 0xFF));
}

void put_count(std::string& key, std::size_t count) {
  for (int shift = 24; shift >= 0; shift -= 8)
    key.push_back(static_cast<char>((count >> shift) & 0xFF));
}

}  // namespace

std::string word_sort_key(std::string_view name) {
  std::string primary;
  std::string accents;
  std::string marks;
  std::size_t mark_count = 0;
  auto add = [&](int weight, Accent accent) {
    put_weight(primary, weight);
    accents.push_back(static_cast<char>(accent + 1));
  };
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '-' || c == '\'' || byte == 0xAD) {  // 0xAD: soft hyphen
      // Where the mark stands (among the weighed characters), then which mark
      // it is: soft hyphen, then apostrophe, then hyphen.
      put_count(marks, primary.size() / 2);
      marks.push_back(static_cast<char>(byte ^ 0x80));
      ++mark_count;
    } else if (c >= '0' && c <= '9') {
      add(DIGIT + (c - '0'), NONE);
    } else if (!is_cp1252_letter(c)) {
      add(SYMBOL + byte, NONE);
    } else if (const LetterWeight weight = letter_weight(c); weight.base.empty()) {
      add(SYMBOL + byte, NONE);
    } else {
      for (char base : weight.base)
        add(LETTER + static_cast<int>(ALPHABET.find(base)), weight.accent);
    }
  }
  // Letters first, then accents; a name without marks comes before the same
  // letters with them, and marks break the last ties.
  std::string key = std::move(primary);
  key.append(2, '\0');
  key += accents;
  key.push_back('\0');
  put_count(key, mark_count);
  key += marks;
  return key;
}

int word_sort_compare(std::string_view a, std::string_view b) {
  return word_sort_key(a).compare(word_sort_key(b));
}

int list_box_insert_position(std::span<const std::string> entries, std::string_view name) {
  const std::string key = word_sort_key(name);
  int low = 0;
  int high = static_cast<int>(entries.size()) - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int order = word_sort_key(entries[static_cast<std::size_t>(middle)]).compare(key);
    if (order == 0) return middle;
    if (order > 0) {
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

std::vector<std::size_t> list_box_order(std::span<const std::string_view> names) {
  // Names equal in the sort form groups, numbered in sort order; each group
  // has its stretch of the result, filled as its names are added.
  std::vector<std::string> keys;
  keys.reserve(names.size());
  for (std::string_view name : names) keys.push_back(word_sort_key(name));
  std::vector<std::size_t> order(names.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<std::size_t> group_of(names.size());
  std::vector<std::size_t> group_start;
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (k == 0 || keys[order[k]] != keys[order[k - 1]]) group_start.push_back(k);
    group_of[order[k]] = group_start.size() - 1;
  }

  // Names added so far per group, summed by a Fenwick tree: how many listed
  // entries sort before a group is known at once at every step.
  std::vector<std::size_t> added(group_start.size() + 1, 0);
  std::vector<std::size_t> group_count(group_start.size(), 0);
  for (std::size_t name = 0; name < names.size(); ++name) {
    const std::size_t group = group_of[name];
    std::size_t before = 0;
    for (std::size_t i = group; i > 0; i -= i & (~i + 1)) before += added[i];
    // The list box's search over the `name` entries listed so far: the
    // group's entries stand from `first` on; it stops at the first it meets.
    const auto first = static_cast<long long>(before);
    const auto end = first + static_cast<long long>(group_count[group]);
    long long low = 0;
    long long high = static_cast<long long>(name) - 1;
    long long place = first;
    while (low <= high) {
      const long long middle = (low + high) / 2;
      if (middle < first) {
        low = middle + 1;
      } else if (middle >= end) {
        high = middle - 1;
      } else {
        place = middle;
        break;
      }
    }
    const auto stretch = order.begin() + static_cast<std::ptrdiff_t>(group_start[group]);
    const auto at = stretch + static_cast<std::ptrdiff_t>(place - first);
    std::copy_backward(at, stretch + static_cast<std::ptrdiff_t>(group_count[group]),
                       stretch + static_cast<std::ptrdiff_t>(group_count[group]) + 1);
    *at = name;
    ++group_count[group];
    for (std::size_t i = group + 1; i < added.size(); i += i & (~i + 1)) ++added[i];
  }
  return order;
}

}  // namespace quelrin
