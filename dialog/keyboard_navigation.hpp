// Where Tab and the arrow keys move the focus among a dialog's controls, as
// the Win32 dialog manager moves it: Tab from tab stop to tab stop in
// template order, a group of radio buttons being one stop (its checked
// button, or its first when none is checked); the arrow keys from radio
// button to radio button within their group. A group runs from a control
// with WS_GROUP up to the next one.
#pragma once

#include <cstddef>
#include <vector>

namespace quelrin {

// One control of a dialog as the keyboard sees it, in template order.
struct KeyboardControl {
  bool tab_stop = false;     // WS_TABSTOP
  bool group_start = false;  // WS_GROUP
  bool radio = false;
  bool usable = false;  // enabled and shown: it can take the focus
  bool checked = false;
};

// The controls [first, last) of the group holding control `index`, of any
// sequence of controls with a `group_start`, in template order.
struct ControlGroup {
  std::size_t first;
  std::size_t last;
};

template <typename Control>
ControlGroup group_around(const std::vector<Control>& controls, std::size_t index) {
  ControlGroup group{index, index + 1};
  while (group.first > 0 && !controls[group.first].group_start) --group.first;
  while (group.last < controls.size() && !controls[group.last].group_start) ++group.last;
  return group;
}

// The control that Tab (forward) or Shift+Tab gives the focus to from
// control `focused` (-1 when none has it); -1 when no control can take it.
int next_tab_stop(const std::vector<KeyboardControl>& controls, int focused, bool forward);

// The radio button an arrow key moves to from radio button `focused`: the
// next (forward) or previous usable radio button of its group, round the
// group; -1 when `focused` is not a radio button.
int next_radio_in_group(const std::vector<KeyboardControl>& controls, int focused, bool forward);

// The control that gets the focus when a dialog opens: its first tab stop.
inline int first_tab_stop(const std::vector<KeyboardControl>& controls) {
  return next_tab_stop(controls, -1, true);
}

}  // namespace quelrin
