// The calls between the program and its page (page/quelrin_page.js): what
// the dialog manager asks the page to build and change, and the user's
// events it waits for. Texts cross in UTF-8; a dialog is the page's handle
// for it, a control its position in the dialog's template.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quelrin::page {

// How the page builds a control; the numbers are the page's too.
enum class ControlLook {
  text = 0,
  group = 1,
  button = 2,
  default_button = 3,
  check = 4,
  radio = 5,
  edit = 6,
  combo = 7,
  list = 8,
  icon = 9,
  picture = 10,
};

struct PixelRectangle {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int LOOK_READ_ONLY = 1;
inline constexpr int LOOK_DISABLED = 2;
inline constexpr int LOOK_CENTRED = 4;

int open_dialog(int template_id, const std::string& caption, int width, int height, bool menu);
void close_dialog(int dialog);
void add_control(int dialog, int index, int id, ControlLook look, const std::string& text,
                 const PixelRectangle& at, int look_flags);
// Names control `index` for a screen reader by the text of control `label`.
void label_control(int dialog, int index, int label);
void add_menu_popup(int dialog, const std::string& text);
// An item of the last popup; id 0 for a separator.
void add_menu_item(int dialog, const std::string& text, int id);

void set_text(int dialog, int index, const std::string& text);
std::string get_text(int dialog, int index);
// `count` entries joined by line feeds, which no entry holds.
void list_fill(int dialog, int index, int count, const std::string& joined);
void list_insert(int dialog, int index, int at, const std::string& text);
void list_delete(int dialog, int index, int at);
void list_select(int dialog, int index, int at);
int list_selection(int dialog, int index);
void set_checked(int dialog, int index, bool checked);
void enable(int dialog, int index, bool enabled);
void focus(int dialog, int index);
void select_text(int dialog, int index, int from, int to);
void show_picture(int dialog, int index, const std::string& svg, const std::string& label);

enum class EventKind { click = 1, double_click = 2, key = 3, menu = 4, close = 5, open_file = 6 };
enum class Key { none = 0, tab = 1, enter = 2, escape = 3, up = 4, down = 5, left = 6, right = 7 };

struct Event {
  int dialog = 0;
  EventKind kind = EventKind::close;
  int index = -1;  // the control clicked
  int id = 0;      // the menu item chosen
  Key key = Key::none;
  bool shift = false;
  char32_t character = 0;  // a character typed on a list
  std::uint32_t time_ms = 0;
  int focus = -1;  // the control with the focus when it came
};

// Waits, the page answering the user meanwhile, for the next event of the
// dialog on top.
Event wait_event();
// A message box over `owner` with OK, or "Sim" and "Não": true for OK or "Sim".
bool message_box(int owner, const std::string& title, const std::string& text, bool warning,
                 bool yes_no);
// The bytes of the file the user chose with "Abrir dados.txt…".
std::string take_chosen_file();
// Opens one of the help's pages in a new tab; false when the browser refused.
bool open_help();
void program_ended(int exit_code);

// The files' storage, shared with the page's other tabs: between the
// program's turns (while it waits for the user) other tabs may save; a turn
// begins with their saves read in and ends with its own written out.
void mount_storage(const std::string& folder);
// The names of the files the program wrote that the browser failed to keep
// (UTF-8); they are tried again at the end of the next turn.
std::vector<std::string> end_turn();
void begin_turn();

}  // namespace quelrin::page
