// The calls into page/quelrin_page.js, and the waits on it that the program
// sleeps through (Asyncify) while the page keeps answering the user.
#include "platform/web/page_bridge.hpp"

#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <sstream>

namespace {

// A text the page made with malloc, taken over.
std::string take_text(char* made, int length) {
  const std::unique_ptr<char, decltype(&std::free)> owned(made, &std::free);
  return std::string(made, static_cast<std::size_t>(length));
}

}  // namespace

// clang-format off
EM_JS(int, js_open_dialog, (int template_id, const char* caption, int width, int height, int menu), {
  return QuelrinPage.openDialog(template_id, UTF8ToString(caption), width, height, menu !== 0);
});
EM_JS(void, js_close_dialog, (int dialog), { QuelrinPage.closeDialog(dialog); });
EM_JS(void, js_add_control, (int dialog, int index, int id, int look, const char* text, int x, int y,
                             int width, int height, int flags), {
  QuelrinPage.addControl(dialog, index, id, look, UTF8ToString(text), x, y, width, height, flags);
});
EM_JS(void, js_label_control, (int dialog, int index, int label), {
  QuelrinPage.labelControl(dialog, index, label);
});
EM_JS(void, js_add_menu_popup, (int dialog, const char* text), {
  QuelrinPage.addMenuPopup(dialog, UTF8ToString(text));
});
EM_JS(void, js_add_menu_item, (int dialog, const char* text, int id), {
  QuelrinPage.addMenuItem(dialog, UTF8ToString(text), id);
});
EM_JS(void, js_set_text, (int dialog, int index, const char* text), {
  QuelrinPage.setText(dialog, index, UTF8ToString(text));
});
EM_JS(char*, js_get_text, (int dialog, int index, int* length), {
  const text = QuelrinPage.getText(dialog, index);
  const size = lengthBytesUTF8(text) + 1;
  const made = _malloc(size);
  stringToUTF8(text, made, size);
  HEAP32[length >> 2] = size - 1;
  return made;
});
EM_JS(void, js_list_fill, (int dialog, int index, int count, const char* joined), {
  QuelrinPage.listFill(dialog, index, count, UTF8ToString(joined));
});
EM_JS(void, js_list_insert, (int dialog, int index, int at, const char* text), {
  QuelrinPage.listInsert(dialog, index, at, UTF8ToString(text));
});
EM_JS(void, js_list_delete, (int dialog, int index, int at), {
  QuelrinPage.listDelete(dialog, index, at);
});
EM_JS(void, js_list_select, (int dialog, int index, int at), {
  QuelrinPage.listSelect(dialog, index, at);
});
EM_JS(int, js_list_selection, (int dialog, int index), {
  return QuelrinPage.listSelection(dialog, index);
});
EM_JS(void, js_set_checked, (int dialog, int index, int checked), {
  QuelrinPage.setChecked(dialog, index, checked !== 0);
});
EM_JS(void, js_enable, (int dialog, int index, int enabled), {
  QuelrinPage.enable(dialog, index, enabled !== 0);
});
EM_JS(void, js_focus, (int dialog, int index), { QuelrinPage.focus(dialog, index); });
EM_JS(void, js_select_text, (int dialog, int index, int from, int to), {
  QuelrinPage.selectText(dialog, index, from, to);
});
EM_JS(void, js_show_picture, (int dialog, int index, const char* svg, const char* label), {
  QuelrinPage.showPicture(dialog, index, UTF8ToString(svg), UTF8ToString(label));
});
EM_ASYNC_JS(void, js_wait_event, (int* fields), {
  const e = await QuelrinPage.nextEvent();
  const values = [e.dialog, e.kind, e.index ?? -1, e.id ?? 0, e.key ?? 0, e.shift ? 1 : 0,
                  e.character ?? 0, e.time ?? 0, e.focus ?? -1];
  for (let i = 0; i < values.length; i++) HEAP32[(fields >> 2) + i] = values[i];
});
EM_ASYNC_JS(int, js_message_box, (int owner, const char* title, const char* text, int warning,
                                  int yes_no), {
  return await QuelrinPage.messageBox(owner, UTF8ToString(title), UTF8ToString(text), warning !== 0,
                                      yes_no !== 0);
});
EM_JS(char*, js_take_chosen_file, (int* length), {
  const bytes = QuelrinPage.takeFile();
  const made = _malloc(bytes.length + 1);
  HEAPU8.set(bytes, made);
  HEAP32[length >> 2] = bytes.length;
  return made;
});
EM_JS(int, js_open_help, (), { return window.open('help/index.html', '_blank') ? 1 : 0; });
EM_JS(void, js_program_ended, (int code), { QuelrinPage.programEnded(code); });
EM_ASYNC_JS(void, js_mount_storage, (const char* folder), {
  await QuelrinStorage.mount(UTF8ToString(folder));
});
EM_ASYNC_JS(char*, js_end_turn, (int* length), {
  const unkept = await QuelrinStorage.endTurn();
  const size = lengthBytesUTF8(unkept) + 1;
  const made = _malloc(size);
  stringToUTF8(unkept, made, size);
  HEAP32[length >> 2] = size - 1;
  return made;
});
EM_ASYNC_JS(void, js_begin_turn, (), { await QuelrinStorage.beginTurn(); });
// clang-format on

namespace quelrin::page {

int open_dialog(int template_id, const std::string& caption, int width, int height, bool menu) {
  return js_open_dialog(template_id, caption.c_str(), width, height, menu ? 1 : 0);
}
void close_dialog(int dialog) { js_close_dialog(dialog); }
void add_control(int dialog, int index, int id, ControlLook look, const std::string& text,
                 const PixelRectangle& at, int look_flags) {
  js_add_control(dialog, index, id, static_cast<int>(look), text.c_str(), at.x, at.y, at.width,
                 at.height, look_flags);
}
void label_control(int dialog, int index, int label) { js_label_control(dialog, index, label); }
void add_menu_popup(int dialog, const std::string& text) {
  js_add_menu_popup(dialog, text.c_str());
}
void add_menu_item(int dialog, const std::string& text, int id) {
  js_add_menu_item(dialog, text.c_str(), id);
}

void set_text(int dialog, int index, const std::string& text) {
  js_set_text(dialog, index, text.c_str());
}
std::string get_text(int dialog, int index) {
  int length = 0;
  char* made = js_get_text(dialog, index, &length);
  return take_text(made, length);
}
void list_fill(int dialog, int index, int count, const std::string& joined) {
  js_list_fill(dialog, index, count, joined.c_str());
}
void list_insert(int dialog, int index, int at, const std::string& text) {
  js_list_insert(dialog, index, at, text.c_str());
}
void list_delete(int dialog, int index, int at) { js_list_delete(dialog, index, at); }
void list_select(int dialog, int index, int at) { js_list_select(dialog, index, at); }
int list_selection(int dialog, int index) { return js_list_selection(dialog, index); }
void set_checked(int dialog, int index, bool checked) {
  js_set_checked(dialog, index, checked ? 1 : 0);
}
void enable(int dialog, int index, bool enabled) { js_enable(dialog, index, enabled ? 1 : 0); }
void focus(int dialog, int index) { js_focus(dialog, index); }
void select_text(int dialog, int index, int from, int to) {
  js_select_text(dialog, index, from, to);
}
void show_picture(int dialog, int index, const std::string& svg, const std::string& label) {
  js_show_picture(dialog, index, svg.c_str(), label.c_str());
}

Event wait_event() {
  int fields[9] = {};
  js_wait_event(fields);
  Event event;
  event.dialog = fields[0];
  event.kind = static_cast<EventKind>(fields[1]);
  event.index = fields[2];
  event.id = fields[3];
  event.key = static_cast<Key>(fields[4]);
  event.shift = fields[5] != 0;
  event.character = static_cast<char32_t>(fields[6]);
  event.time_ms = static_cast<std::uint32_t>(fields[7]);
  event.focus = fields[8];
  return event;
}

bool message_box(int owner, const std::string& title, const std::string& text, bool warning,
                 bool yes_no) {
  return js_message_box(owner, title.c_str(), text.c_str(), warning ? 1 : 0, yes_no ? 1 : 0) != 0;
}

std::string take_chosen_file() {
  int length = 0;
  char* made = js_take_chosen_file(&length);
  return take_text(made, length);
}

bool open_help() { return js_open_help() != 0; }
void program_ended(int exit_code) { js_program_ended(exit_code); }

void mount_storage(const std::string& folder) { js_mount_storage(folder.c_str()); }
std::vector<std::string> end_turn() {
  int length = 0;
  char* made = js_end_turn(&length);
  std::vector<std::string> unkept;
  std::istringstream lines(take_text(made, length));
  for (std::string name; std::getline(lines, name);) unkept.push_back(name);
  return unkept;
}
void begin_turn() { js_begin_turn(); }

}  // namespace quelrin::page
