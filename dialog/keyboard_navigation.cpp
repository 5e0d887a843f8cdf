// Tab stops and radio groups of a dialog template.
#include "dialog/keyboard_navigation.hpp"

namespace quelrin {
namespace {

using Controls = std::vector<KeyboardControl>;

struct Group {
  int first;
  int last;  // one past the group's last control
};

Group group_of(const Controls& controls, int index) {
  const ControlGroup group = group_around(controls, static_cast<std::size_t>(index));
  return {static_cast<int>(group.first), static_cast<int>(group.last)};
}

// The position `steps` away from `from` in a round of `count`.
int round_step(int from, int steps, int count) { return ((from + steps) % count + count) % count; }

bool is_tab_stop(const Controls& controls, int index) {
  const KeyboardControl& control = controls[static_cast<std::size_t>(index)];
  if (!control.usable) return false;
  if (!control.radio) return control.tab_stop;
  // The radio buttons of a group make one stop when any of them is one.
  const Group group = group_of(controls, index);
  bool stop = false;
  int first_usable = -1;
  int checked = -1;
  for (int i = group.first; i < group.last; ++i) {
    const KeyboardControl& member = controls[static_cast<std::size_t>(i)];
    if (!member.radio) continue;
    stop = stop || member.tab_stop;
    if (!member.usable) continue;
    if (first_usable < 0) first_usable = i;
    if (member.checked && checked < 0) checked = i;
  }
  return stop && index == (checked >= 0 ? checked : first_usable);
}

}  // namespace

int next_tab_stop(const Controls& controls, int focused, bool forward) {
  const int count = static_cast<int>(controls.size());
  const int from = focused >= 0 ? focused : (forward ? -1 : count);
  for (int step = 1; step <= count; ++step) {
    const int index = round_step(from, forward ? step : -step, count);
    if (is_tab_stop(controls, index)) return index;
  }
  return -1;
}

int next_radio_in_group(const Controls& controls, int focused, bool forward) {
  if (focused < 0 || !controls[static_cast<std::size_t>(focused)].radio) return -1;
  const Group group = group_of(controls, focused);
  const int size = group.last - group.first;
  for (int step = 1; step <= size; ++step) {
    const int index = group.first + round_step(focused - group.first, forward ? step : -step, size);
    const KeyboardControl& member = controls[static_cast<std::size_t>(index)];
    if (member.radio && member.usable) return index;
  }
  return focused;
}

}  // namespace quelrin
