// The in-memory dialog: control state, the procedure's operations and the
// user's actions.
#include "platform/headless/headless_dialog.hpp"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "dialog/text_room.hpp"
#include "platform/headless/headless_host.hpp"
#include "resources/resource_ids.h"

namespace quelrin {
namespace {

bool is_clickable(ControlKind kind) { return is_checkable(kind) || is_push_button(kind); }

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
    state.list = ListModel(control.sorted);
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
  if (text_is_selection(state->control->kind)) return selection_text(state->list, room);
  return text_within_room(state->text, room);
}

int HeadlessDialog::list_add(int id, std::string_view text) {
  ControlState* list = find_list(id);
  return list == nullptr ? -1 : list->list.add(text);
}

void HeadlessDialog::list_fill(int id, const std::vector<std::string_view>& entries) {
  if (ControlState* list = find_list(id)) list->list.fill(entries);
}

void HeadlessDialog::list_reset(int id) {
  if (ControlState* list = find_list(id)) list->list.reset();
}

int HeadlessDialog::list_selection(int id) {
  const ControlState* list = find_list(id);
  return list == nullptr ? -1 : list->list.selection();
}

void HeadlessDialog::list_select(int id, int index) {
  if (ControlState* list = find_list(id)) list->list.select(index);
}

int HeadlessDialog::list_find_exact(int id, std::string_view text) {
  const ControlState* list = find_list(id);
  return list == nullptr ? -1 : list->list.find_exact(text);
}

int HeadlessDialog::list_count(int id) {
  const ControlState* list = find_list(id);
  return list == nullptr ? 0 : list->list.count();
}

std::string HeadlessDialog::list_text(int id, int index) {
  const ControlState* list = find_list(id);
  return list == nullptr ? std::string() : list->list.text(index);
}

void HeadlessDialog::list_delete(int id, int index) {
  if (ControlState* list = find_list(id)) list->list.remove(index);
}

void HeadlessDialog::set_check(int id, bool checked) {
  ControlState* state = find(id);
  if (state != nullptr && is_checkable(state->control->kind)) state->checked = checked;
}

void HeadlessDialog::check_radio(int first_id, int last_id, int checked_id) {
  check_radio_range(*this, first_id, last_id, checked_id);
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
  if (state == nullptr || !is_owner_drawn(*state->control)) return;
  state->drawing = std::make_shared<const Drawing>(drawing);
}

void HeadlessDialog::select_text(int id, int from, int to) {
  ControlState* state = find(id);
  if (state == nullptr || state->control->kind != ControlKind::edit) return;
  // Nothing selected is kept as an empty selection at the start.
  const EditSelection selection =
      edit_selection(static_cast<int>(state->text.size()), from, to).value_or(EditSelection{0, 0});
  state->selected_from = std::min(selection.from, selection.to);
  state->selected_to = std::max(selection.from, selection.to);
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
  const int first = first_tab_stop(keyboard_controls());
  if (first >= 0) take_focus(controls_[static_cast<std::size_t>(first)]);
}

std::string HeadlessDialog::click(int id) {
  ControlState* state = find(id);
  if (state == nullptr) {
    if (!dialog_menu_has(host_.resources(), template_, id))
      return "no control or menu item " + std::to_string(id);
    send_command(id, NOTIFY_CLICKED);
    return {};
  }
  if (std::string refusal = usable(state, id, is_clickable); !refusal.empty()) return refusal;
  take_focus(*state);
  if (state->control->kind == ControlKind::auto_radio_button) {
    check_in_group(template_, static_cast<std::size_t>(state - controls_.data()),
                   [this](std::size_t index, bool checked) { controls_[index].checked = checked; });
  }
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
  if (index < -1 || index >= state->list.count()) {
    return "list " + std::to_string(id) + " has no entry " + std::to_string(index);
  }
  take_focus(*state);
  state->list.select(index);
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
  const ControlState* focused = focus();
  const std::optional<int> command =
      enter_command(template_, focused == nullptr ? nullptr : focused->control, enabled_now());
  if (command) send_command(*command, NOTIFY_CLICKED);
}

void HeadlessDialog::press_escape() { send_command(IDCANCEL, NOTIFY_CLICKED); }

void HeadlessDialog::close_box() {
  if (procedure_.on_close(*this) == 0 && close_sends_cancel(template_, enabled_now())) {
    send_command(IDCANCEL, NOTIFY_CLICKED);
  }
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

std::string HeadlessDialog::usable(const ControlState* state, int id,
                                   bool (*kind_fits)(ControlKind)) const {
  const std::string name = "control " + std::to_string(id);
  if (state == nullptr) return "no " + name;
  if (!kind_fits(state->control->kind)) return name + " does not take that action";
  if (!state->enabled) return name + " is disabled";
  return {};
}

// Every control is shown, so an enabled one is usable.
std::vector<KeyboardControl> HeadlessDialog::keyboard_controls() const {
  std::vector<KeyboardControl> keyboard;
  keyboard.reserve(controls_.size());
  for (const ControlState& state : controls_) {
    keyboard.push_back(keyboard_control(*state.control, state.enabled, state.checked));
  }
  return keyboard;
}

// The controls' states are in template order.
IsEnabled HeadlessDialog::enabled_now() const {
  return [this](const ControlTemplate& control) {
    return controls_[static_cast<std::size_t>(&control - template_.controls.data())].enabled;
  };
}

void HeadlessDialog::take_focus(const ControlState& state) {
  focus_ = static_cast<int>(&state - controls_.data());
}

void HeadlessDialog::send_command(int id, int notification) {
  procedure_.on_command(*this, id, notification);
}

}  // namespace quelrin
