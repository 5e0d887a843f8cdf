// The web dialog: its elements built from the template, the procedure's
// operations mirrored into the page, and the user's input delivered as the
// Win32 dialog manager delivers it.
#include "platform/web/web_dialog.hpp"

#include <algorithm>
#include <optional>

#include "dialog/text_room.hpp"
#include "platform/web/svg_painter.hpp"
#include "platform/web/web_host.hpp"
#include "platform/web/web_layout.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252.hpp"
#include "text/cp1252_mapping.hpp"

namespace quelrin {
namespace {

page::ControlLook look_of(const ControlTemplate& control) {
  switch (control.kind) {
    case ControlKind::static_text:
      return is_owner_drawn(control) ? page::ControlLook::picture : page::ControlLook::text;
    case ControlKind::group_box:
      return page::ControlLook::group;
    case ControlKind::push_button:
      return page::ControlLook::button;
    case ControlKind::default_push_button:
      return page::ControlLook::default_button;
    case ControlKind::check_box:
    case ControlKind::auto_check_box:
      return page::ControlLook::check;
    case ControlKind::radio_button:
    case ControlKind::auto_radio_button:
      return page::ControlLook::radio;
    case ControlKind::edit:
      return page::ControlLook::edit;
    case ControlKind::combo_box:
      return page::ControlLook::combo;
    case ControlKind::list_box:
      return page::ControlLook::list;
    case ControlKind::icon:
      return page::ControlLook::icon;
  }
  return page::ControlLook::text;
}

int look_flags(const ControlTemplate& control) {
  return (control.read_only ? page::LOOK_READ_ONLY : 0) |
         (control.enabled ? 0 : page::LOOK_DISABLED) |
         (control.styles.contains("SS_CENTER") ? page::LOOK_CENTRED : 0);
}

void add_menu(int page_dialog, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    switch (item.kind) {
      case MenuItemKind::popup:
        page::add_menu_popup(page_dialog, cp1252_to_utf8(item.text));
        add_menu(page_dialog, item.items);
        break;
      case MenuItemKind::separator:
        page::add_menu_item(page_dialog, {}, 0);
        break;
      case MenuItemKind::command:
        page::add_menu_item(page_dialog, cp1252_to_utf8(item.text), item.id);
        break;
    }
  }
}

}  // namespace

WebDialog::WebDialog(const DialogTemplate& dialog_template, DialogProcedure& procedure,
                     WebHost& host)
    : template_(dialog_template), procedure_(procedure), host_(host) {
  for (const ControlTemplate& control : template_.controls) {
    Control state;
    state.control = &control;
    state.enabled = control.enabled;
    state.list = ListModel(control.sorted);
    controls_.push_back(std::move(state));
  }
}

WebDialog::~WebDialog() {
  if (page_ != 0) page::close_dialog(page_);
}

void WebDialog::build() {
  const page::PixelRectangle size = to_pixels(template_.rectangle);
  const MenuTemplate* menu =
      template_.menu_id == 0 ? nullptr : find_menu(host_.resources(), template_.menu_id);
  page_ = page::open_dialog(template_.id, cp1252_to_utf8(template_.caption), size.width,
                            size.height, menu != nullptr);
  if (menu != nullptr) add_menu(page_, menu->items);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ControlTemplate& control = *controls_[i].control;
    page::add_control(page_, static_cast<int>(i), control.id, look_of(control),
                      cp1252_to_utf8(control.text), control_pixels(control), look_flags(control));
  }
  const std::vector<int> labels = control_labels(template_);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (labels[i] >= 0) page::label_control(page_, static_cast<int>(i), labels[i]);
  }
}

int WebDialog::run() {
  build();
  if (procedure_.on_open(*this) != 0 && !ended_) {
    const int first = first_tab_stop(keyboard_controls());
    if (first >= 0) take_focus(first);
  }
  while (!ended_) {
    const page::Event event = host_.wait_event(*this);
    if (event.dialog == page_) handle(event);
  }
  return result_;
}

// --- Dialog ---

void WebDialog::set_text(int id, std::string_view text) {
  Control* c = find(id);
  if (c != nullptr && !is_list_kind(c->control->kind))
    page::set_text(page_, index_of(c), cp1252_to_utf8(text));
}

std::string WebDialog::get_text(int id, int room) {
  const Control* c = find(id);
  if (c == nullptr) return {};
  if (text_is_selection(c->control->kind)) return selection_text(c->list, room);
  return text_within_room(utf8_to_cp1252(page::get_text(page_, index_of(c))), room);
}

int WebDialog::list_add(int id, std::string_view text) {
  Control* c = find_list(id);
  if (c == nullptr) return -1;
  const int at = c->list.add(text);
  page::list_insert(page_, index_of(c), at, cp1252_to_utf8(text));
  return at;
}

void WebDialog::list_reset(int id) { list_fill(id, {}); }

int WebDialog::list_selection(int id) {
  const Control* c = find_list(id);
  return c == nullptr ? -1 : c->list.selection();
}

void WebDialog::list_select(int id, int index) {
  Control* c = find_list(id);
  if (c == nullptr) return;
  c->list.select(index);
  page::list_select(page_, index_of(c), c->list.selection());
}

int WebDialog::list_find_exact(int id, std::string_view text) {
  const Control* c = find_list(id);
  return c == nullptr ? -1 : c->list.find_exact(text);
}

int WebDialog::list_count(int id) {
  const Control* c = find_list(id);
  return c == nullptr ? 0 : c->list.count();
}

std::string WebDialog::list_text(int id, int index) {
  const Control* c = find_list(id);
  return c == nullptr ? std::string() : c->list.text(index);
}

void WebDialog::list_delete(int id, int index) {
  Control* c = find_list(id);
  if (c == nullptr || index < 0 || index >= c->list.count()) return;
  c->list.remove(index);
  page::list_delete(page_, index_of(c), index);
  // A browser selects another entry when the selected one goes; Win32 none.
  page::list_select(page_, index_of(c), c->list.selection());
}

// A list refilled with few of its entries changed (the main window's after
// the fluid editor closed) changes only those: a hundred thousand options
// cost the page a third of a second to build.
void WebDialog::list_fill(int id, const std::vector<std::string_view>& entries) {
  Control* c = find_list(id);
  if (c == nullptr) return;
  const ListStretch changed = c->list.fill(entries);
  const int index = index_of(c);
  if (changes_in_place(changed, c->list.count())) {
    for (int at = changed.first + changed.removed - 1; at >= changed.first; --at)
      page::list_delete(page_, index, at);
    for (int at = changed.first; at < changed.first + changed.inserted; ++at)
      page::list_insert(page_, index, at, cp1252_to_utf8(c->list.text(at)));
    page::list_select(page_, index, -1);
    return;
  }
  std::string joined;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) joined += '\n';
    joined += cp1252_to_utf8(entries[i]);
  }
  page::list_fill(page_, index, static_cast<int>(entries.size()), joined);
}

void WebDialog::set_check(int id, bool checked) {
  Control* c = find(id);
  if (c != nullptr && is_checkable(c->control->kind)) check(index_of(c), checked);
}

void WebDialog::check_radio(int first_id, int last_id, int checked_id) {
  check_radio_range(*this, first_id, last_id, checked_id);
}

bool WebDialog::is_checked(int id) {
  const Control* c = find(id);
  return c != nullptr && c->checked;
}

void WebDialog::enable(int id, bool enabled) {
  Control* c = find(id);
  if (c == nullptr) return;
  c->enabled = enabled;
  page::enable(page_, index_of(c), enabled);
}

void WebDialog::set_focus(int id) {
  if (const Control* c = find(id)) take_focus(index_of(c));
}

void WebDialog::select_text(int id, int from, int to) {
  const Control* c = find(id);
  if (c == nullptr || c->control->kind != ControlKind::edit) return;
  const int index = index_of(c);
  // Every character of the code page is one UTF-16 unit in the page.
  const int length = static_cast<int>(utf8_to_cp1252(page::get_text(page_, index)).size());
  if (const std::optional<EditSelection> selection = edit_selection(length, from, to))
    page::select_text(page_, index, selection->from, selection->to);
}

void WebDialog::show_drawing(int id, const Drawing& drawing) {
  const Control* c = find(id);
  if (c == nullptr || !is_owner_drawn(*c->control)) return;
  const page::PixelRectangle size = control_pixels(*c->control);
  page::show_picture(page_, index_of(c), drawing_svg(drawing, size.width, size.height),
                     drawing_description(drawing));
}

void WebDialog::show_message(const Message& message) { host_.show_message(*this, message); }

bool WebDialog::ask_yes_no(const Message& question) { return host_.ask_yes_no(*this, question); }

void WebDialog::end(int result) {
  ended_ = true;
  result_ = result;
}

int WebDialog::run_child(int template_id, DialogProcedure& procedure) {
  return host_.run_dialog(template_id, procedure);
}

int WebDialog::open_document(std::string_view name) { return host_.open_document(name); }

// --- the user ---

void WebDialog::handle(const page::Event& event) {
  read_selections();
  const bool known = event.index >= 0 && event.index < static_cast<int>(controls_.size());
  switch (event.kind) {
    case page::EventKind::click:
      if (known) click(event.index, event.focus);
      break;
    case page::EventKind::double_click:
      if (known && controls_[event.index].enabled && controls_[event.index].control->notifies)
        send_command(controls_[event.index].control->id, NOTIFY_DOUBLE_CLICKED);
      break;
    case page::EventKind::key:
      press_key(event);
      break;
    case page::EventKind::menu:
      if (dialog_menu_has(host_.resources(), template_, event.id))
        send_command(event.id, NOTIFY_CLICKED);
      break;
    case page::EventKind::close:
      if (procedure_.on_close(*this) == 0 && !ended_ &&
          close_sends_cancel(template_, enabled_now()))
        send_command(IDCANCEL, NOTIFY_CLICKED);
      break;
    case page::EventKind::open_file:
      host_.open_chosen_database(*this);
      break;
  }
}

// A button clicked: it takes the focus; an automatic radio button is checked
// and its group's others unchecked, an automatic check box turned, before
// the command goes out.
void WebDialog::click(int index, int focused) {
  Control& c = controls_[index];
  if (!c.enabled || !(is_push_button(c.control->kind) || is_checkable(c.control->kind))) return;
  if (focused != index) take_focus(index);
  if (c.control->kind == ControlKind::auto_radio_button) {
    check_in_group(template_, static_cast<std::size_t>(index),
                   [this](std::size_t i, bool checked) { check(static_cast<int>(i), checked); });
  }
  if (c.control->kind == ControlKind::auto_check_box) check(index, !c.checked);
  send_command(c.control->id, NOTIFY_CLICKED);
}

void WebDialog::press_key(const page::Event& event) {
  switch (event.key) {
    case page::Key::enter: {
      const ControlTemplate* focused = event.focus >= 0 ? controls_[event.focus].control : nullptr;
      if (const std::optional<int> command = enter_command(template_, focused, enabled_now()))
        send_command(*command, NOTIFY_CLICKED);
      return;
    }
    case page::Key::escape:
      send_command(IDCANCEL, NOTIFY_CLICKED);
      return;
    case page::Key::tab:
      move_focus(event.focus, !event.shift);
      return;
    case page::Key::down:
    case page::Key::right:
      move_in_radio_group(event.focus, true);
      return;
    case page::Key::up:
    case page::Key::left:
      move_in_radio_group(event.focus, false);
      return;
    case page::Key::none:
      if (event.focus >= 0) type_to_find(event.focus, event.character, event.time_ms);
      return;
  }
}

// Tab follows the template's order, whatever the arrangement on screen.
void WebDialog::move_focus(int focused, bool forward) {
  const int next = next_tab_stop(keyboard_controls(), focused, forward);
  if (next >= 0) take_focus(next);
}

// The arrow keys move the focus within a radio group and check the button
// reached, which sends the command a click sends.
void WebDialog::move_in_radio_group(int focused, bool forward) {
  const int reached = next_radio_in_group(keyboard_controls(), focused, forward);
  if (reached < 0) return;
  take_focus(reached);
  const Control& c = controls_[reached];
  if (c.control->kind != ControlKind::auto_radio_button || c.checked) return;
  check_in_group(template_, static_cast<std::size_t>(reached),
                 [this](std::size_t i, bool checked) { check(static_cast<int>(i), checked); });
  send_command(c.control->id, NOTIFY_CLICKED);
}

void WebDialog::type_to_find(int index, char32_t character, std::uint32_t time_ms) {
  Control& c = controls_[index];
  const std::optional<char> typed = cp1252_byte(character);
  if (!is_list_kind(c.control->kind) || !typed) return;
  const int found = c.search.find(c.list.entries(), c.list.selection(), *typed, time_ms);
  if (found < 0) return;
  c.list.select(found);
  page::list_select(page_, index, found);
}

void WebDialog::send_command(int id, int notification) {
  if (!ended_) procedure_.on_command(*this, id, notification);
}

void WebDialog::read_selections() {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (is_list_kind(controls_[i].control->kind))
      controls_[i].list.select(page::list_selection(page_, static_cast<int>(i)));
  }
}

void WebDialog::take_focus(int index) { page::focus(page_, index); }

void WebDialog::check(int index, bool checked) {
  controls_[index].checked = checked;
  page::set_checked(page_, index, checked);
}

WebDialog::Control* WebDialog::find(int id) {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [id](const Control& c) { return c.control->id == id; });
  return found == controls_.end() ? nullptr : &*found;
}

WebDialog::Control* WebDialog::find_list(int id) {
  Control* c = find(id);
  return c != nullptr && is_list_kind(c->control->kind) ? c : nullptr;
}

int WebDialog::index_of(const Control* control) const {
  return static_cast<int>(control - controls_.data());
}

// Every control is shown, so an enabled one is usable.
std::vector<KeyboardControl> WebDialog::keyboard_controls() const {
  std::vector<KeyboardControl> keyboard;
  keyboard.reserve(controls_.size());
  for (const Control& c : controls_)
    keyboard.push_back(keyboard_control(*c.control, c.enabled, c.checked));
  return keyboard;
}

IsEnabled WebDialog::enabled_now() const {
  return [this](const ControlTemplate& control) {
    return controls_[static_cast<std::size_t>(&control - template_.controls.data())].enabled;
  };
}

}  // namespace quelrin
