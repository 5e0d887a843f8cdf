// The in-memory dialog: control state, the procedure's operations and the
// user's actions.
#include "platform/headless/headless_dialog.hpp"

#include <algorithm>
#include <cstddef>

#include "dialog/list_entries.hpp"
#include "dialog/text_room.hpp"
#include "platform/headless/headless_host.hpp"
#include "resources/resource_ids.h"

namespace quelrin {
namespace {

bool is_radio(ControlKind kind) {
  return kind == ControlKind::radio_button || kind == ControlKind::auto_radio_button;
}

bool is_checkable(ControlKind kind) {
  return is_radio(kind) || kind == ControlKind::check_box || kind == ControlKind::auto_check_box;
}

bool is_clickable(ControlKind kind) {
  return is_checkable(kind) || kind == ControlKind::push_button ||
         kind == ControlKind::default_push_button;
}

bool is_list_box(ControlKind kind) { return kind == ControlKind::list_box; }
bool is_edit(ControlKind kind) { return kind == ControlKind::edit; }

// The first control with that id, whichever constness the dialog has.
template <typename Controls>
auto find_control(Controls& controls, int id) -> decltype(&controls.front()) {
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [id](const ControlState& s) { return s.control->id == id; });
  return found == controls.end() ? nullptr : &*found;
}

}  // namespace

HeadlessDialog::HeadlessDialog(const DialogTemplate& dialog_template, DialogProcedure& procedure,
                               HeadlessHost& host)
    : template_(dialog_template), procedure_(procedure), host_(host) {
  for (const ControlTemplate& control : template_.controls) {
    ControlState state;
    state.control = &control;
    state.text = control.text;
    state.enabled = control.enabled;
    controls_.push_back(std::move(state));
  }
}

// --- Dialog ---

void HeadlessDialog::set_text(int id, std::string_view text) {
  if (ControlState* state = find(id)) {
    state->text = text;
    state->selected_from = state->selected_to = 0;
  }
}

std::string HeadlessDialog::get_text(int id, int room) {
  const ControlState* state = find(id);
  if (state == nullptr) return {};
  // A drop-down list shows its selected entry.
  if (state->control->kind == ControlKind::combo_box) {
    return state->selection < 0 ? std::string() : text_within_room(state->entries[state->selection], room);
  }
  return text_within_room(state->text, room);
}

int HeadlessDialog::list_add(int id, std::string_view text) {
  ControlState* list = find_list(id);
  if (list == nullptr) return -1;
  const int index = list_insert_position(list->entries, text, list->control->sorted);
  list->entries.insert(list->entries.begin() + index, std::string(text));
  if (list->selection >= index) ++list->selection;  // the selected entry stays selected
  return index;
}

void HeadlessDialog::list_fill(int id, const std::vector<std::string_view>& entries) {
  if (ControlState* list = find_list(id)) {
    list->entries.assign(entries.begin(), entries.end());
    list->selection = -1;
  }
}

void HeadlessDialog::list_reset(int id) {
  if (ControlState* list = find_list(id)) {
    list->entries.clear();
    list->selection = -1;
  }
}

int HeadlessDialog::list_selection(int id) {
  const ControlState* list = find_list(id);
  return list == nullptr ? -1 : list->selection;
}

void HeadlessDialog::list_select(int id, int index) {
  // An index out of range clears the selection, as LB_SETCURSEL does.
  if (ControlState* list = find_list(id)) {
    list->selection = index >= 0 && index < static_cast<int>(list->entries.size()) ? index : -1;
  }
}

int HeadlessDialog::list_find_exact(int id, std::string_view text) {
  const ControlState* list = find_list(id);
  return list == nullptr ? -1 : list_find_exact_entry(list->entries, text);
}

int HeadlessDialog::list_count(int id) {
  const ControlState* list = find_list(id);
  return list == nullptr ? 0 : static_cast<int>(list->entries.size());
}

std::string HeadlessDialog::list_text(int id, int index) {
  const ControlState* list = find_list(id);
  if (list == nullptr || index < 0 || index >= static_cast<int>(list->entries.size())) return {};
  return list->entries[index];
}

void HeadlessDialog::list_delete(int id, int index) {
  ControlState* list = find_list(id);
  if (list == nullptr || index < 0 || index >= static_cast<int>(list->entries.size())) return;
  list->entries.erase(list->entries.begin() + index);
  // Deleting the selected entry leaves none selected; later entries move up.
  if (list->selection == index) {
    list->selection = -1;
  } else if (list->selection > index) {
    --list->selection;
  }
}

void HeadlessDialog::set_check(int id, bool checked) {
  ControlState* state = find(id);
  if (state != nullptr && is_checkable(state->control->kind)) state->checked = checked;
}

void HeadlessDialog::check_radio(int first_id, int last_id, int checked_id) {
  for (int id = first_id; id <= last_id; ++id) set_check(id, id == checked_id);
}

bool HeadlessDialog::is_checked(int id) {
  const ControlState* state = find(id);
  return state != nullptr && state->checked;
}

void HeadlessDialog::enable(int id, bool enabled) {
  ControlState* state = find(id);
  if (state == nullptr) return;
  state->enabled = enabled;
  // A control being disabled loses the focus, and nothing else gets it.
  if (!enabled && focus() == state) focus_ = -1;
}

void HeadlessDialog::set_focus(int id) {
  if (const ControlState* state = find(id)) take_focus(*state);
}

void HeadlessDialog::show_drawing(int id, const Drawing& drawing) {
  ControlState* state = find(id);
  if (state == nullptr || state->control->styles.count("SS_OWNERDRAW") == 0) return;
  state->drawing = std::make_shared<const Drawing>(drawing);
}

void HeadlessDialog::select_text(int id, int from, int to) {
  ControlState* state = find(id);
  if (state == nullptr || state->control->kind != ControlKind::edit) return;
  // As EM_SETSEL: a negative start selects nothing, a negative or too
  // large end means the end of the text, and the ends may come in any order.
  const int length = static_cast<int>(state->text.size());
  if (from < 0) {
    from = to = 0;
  } else {
    from = std::min(from, length);
    to = to < 0 ? length : std::min(to, length);
  }
  state->selected_from = std::min(from, to);
  state->selected_to = std::max(from, to);
}

void HeadlessDialog::show_message(const Message& message) { host_.show_message(message); }

bool HeadlessDialog::ask_yes_no(const Message& question) { return host_.ask_yes_no(question); }

void HeadlessDialog::end(int result) {
  ended_ = true;
  result_ = result;
}

int HeadlessDialog::run_child(int template_id, DialogProcedure& procedure) {
  return host_.run_dialog(template_id, procedure);
}

int HeadlessDialog::open_document(std::string_view name) { return host_.open_document(name); }

// --- the dialog manager and the user ---

void HeadlessDialog::open() {
  if (procedure_.on_open(*this) == 0 || ended_) return;
  const auto first_tab_stop = std::find_if(controls_.begin(), controls_.end(), [](const ControlState& s) {
    return s.enabled && s.control->tab_stop;
  });
  if (first_tab_stop != controls_.end()) take_focus(*first_tab_stop);
}

std::string HeadlessDialog::click(int id) {
  ControlState* state = find(id);
  if (state == nullptr) {
    if (!has_menu_command(id)) return "no control or menu item " + std::to_string(id);
    send_command(id, NOTIFY_CLICKED);
    return {};
  }
  if (std::string refusal = usable(state, id, is_clickable); !refusal.empty()) return refusal;
  take_focus(*state);
  if (state->control->kind == ControlKind::auto_radio_button) check_in_group(*state);
  if (state->control->kind == ControlKind::auto_check_box) state->checked = !state->checked;
  send_command(id, NOTIFY_CLICKED);
  return {};
}

std::string HeadlessDialog::double_click(int id) {
  ControlState* state = find(id);
  if (std::string refusal = usable(state, id, is_list_box); !refusal.empty()) return refusal;
  take_focus(*state);
  if (state->control->notifies) send_command(id, NOTIFY_DOUBLE_CLICKED);
  return {};
}

std::string HeadlessDialog::pick(int id, int index) {
  ControlState* state = find(id);
  if (std::string refusal = usable(state, id, is_list_kind); !refusal.empty()) return refusal;
  if (index < -1 || index >= static_cast<int>(state->entries.size())) {
    return "list " + std::to_string(id) + " has no entry " + std::to_string(index);
  }
  take_focus(*state);
  state->selection = index;
  return {};
}

std::string HeadlessDialog::type(int id, std::string_view text) {
  ControlState* state = find(id);
  if (std::string refusal = usable(state, id, is_edit); !refusal.empty()) return refusal;
  if (state->control->read_only) return "control " + std::to_string(id) + " is read-only";
  take_focus(*state);
  set_text(id, text);
  return {};
}

void HeadlessDialog::press_enter() {
  // A push button with the focus takes Enter for itself.
  const ControlState* focused = focus();
  if (focused != nullptr && (focused->control->kind == ControlKind::push_button ||
                             focused->control->kind == ControlKind::default_push_button)) {
    if (focused->enabled) send_command(focused->control->id, NOTIFY_CLICKED);
    return;
  }
  const auto default_button = std::find_if(controls_.begin(), controls_.end(), [](const ControlState& s) {
    return s.control->kind == ControlKind::default_push_button;
  });
  if (default_button == controls_.end()) {
    send_command(IDOK, NOTIFY_CLICKED);
  } else if (default_button->enabled) {
    send_command(default_button->control->id, NOTIFY_CLICKED);
  }
}

void HeadlessDialog::press_escape() { send_command(IDCANCEL, NOTIFY_CLICKED); }

void HeadlessDialog::close_box() {
  if (procedure_.on_close(*this) != 0) return;
  // The default dialog procedure turns an unhandled close into Cancel,
  // unless a Cancel button is there and disabled.
  const ControlState* cancel = find(IDCANCEL);
  if (cancel == nullptr || cancel->enabled) send_command(IDCANCEL, NOTIFY_CLICKED);
}

const ControlState* HeadlessDialog::control(int id) const { return find_control(controls_, id); }

const ControlState* HeadlessDialog::focus() const {
  return focus_ < 0 ? nullptr : &controls_[static_cast<std::size_t>(focus_)];
}

// --- helpers ---

ControlState* HeadlessDialog::find(int id) { return find_control(controls_, id); }

ControlState* HeadlessDialog::find_list(int id) {
  ControlState* state = find(id);
  return state != nullptr && is_list_kind(state->control->kind) ? state : nullptr;
}

std::string HeadlessDialog::usable(const ControlState* state, int id, bool (*kind_fits)(ControlKind)) const {
  const std::string name = "control " + std::to_string(id);
  if (state == nullptr) return "no " + name;
  if (!kind_fits(state->control->kind)) return name + " does not take that action";
  if (!state->enabled) return name + " is disabled";
  return {};
}

bool HeadlessDialog::has_menu_command(int id) const {
  const MenuTemplate* menu = template_.menu_id == 0 ? nullptr : find_menu(host_.resources(), template_.menu_id);
  if (menu == nullptr) return false;
  const std::vector<int> commands = menu_commands(*menu);
  return std::find(commands.begin(), commands.end(), id) != commands.end();
}

// A group runs from a control with WS_GROUP up to the next one.
void HeadlessDialog::check_in_group(const ControlState& clicked) {
  const auto at = controls_.begin() + (&clicked - controls_.data());
  auto first = at;
  while (first != controls_.begin() && !first->control->group_start) --first;
  auto last = at + 1;
  while (last != controls_.end() && !last->control->group_start) ++last;
  for (auto state = first; state != last; ++state) {
    if (is_radio(state->control->kind)) state->checked = state == at;
  }
}

void HeadlessDialog::take_focus(const ControlState& state) {
  focus_ = static_cast<int>(&state - controls_.data());
}

void HeadlessDialog::send_command(int id, int notification) {
  procedure_.on_command(*this, id, notification);
}

}  // namespace quelrin
