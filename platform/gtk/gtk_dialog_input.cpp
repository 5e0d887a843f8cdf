// GTK dialogs' input delivered as the Win32 dialog manager delivers it:
// Enter, Escape, Tab and the arrow keys, and the close box.
#include <optional>

#include "platform/gtk/gtk_dialog.hpp"
#include "resources/resource_ids.h"

namespace quelrin {
namespace {

bool is_enter(guint key) {
  return key == GDK_KEY_Return || key == GDK_KEY_KP_Enter || key == GDK_KEY_ISO_Enter;
}

}  // namespace

void GtkDialogWindow::send_command(int id, int notification) {
  if (!ended_) procedure_.on_command(*this, id, notification);
}

bool GtkDialogWindow::on_key(GdkEventKey* event) {
  if ((event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) != 0) return false;
  // An open drop-down list takes its own keys: Enter picks, Escape closes.
  for (Gtk::Widget* widget = window_->get_focus(); widget != nullptr;
       widget = widget->get_parent()) {
    if (GTK_IS_POPOVER(widget->gobj())) return false;
  }
  if (is_enter(event->keyval)) {
    press_enter();
    return true;
  }
  if (event->keyval == GDK_KEY_Escape) {
    send_command(IDCANCEL, NOTIFY_CLICKED);
    return true;
  }
  if (event->keyval == GDK_KEY_Tab || event->keyval == GDK_KEY_ISO_Left_Tab) {
    move_focus(event->keyval == GDK_KEY_Tab && (event->state & GDK_SHIFT_MASK) == 0);
    return true;
  }
  switch (event->keyval) {
    case GDK_KEY_Down:
    case GDK_KEY_KP_Down:
    case GDK_KEY_Right:
    case GDK_KEY_KP_Right:
      return move_in_radio_group(true);
    case GDK_KEY_Up:
    case GDK_KEY_KP_Up:
    case GDK_KEY_Left:
    case GDK_KEY_KP_Left:
      return move_in_radio_group(false);
    default:
      return false;
  }
}

void GtkDialogWindow::press_enter() {
  const Control* focused = control_of(window_->get_focus());
  const std::optional<int> command =
      enter_command(template_, focused == nullptr ? nullptr : focused->control, enabled_now());
  if (command) send_command(*command, NOTIFY_CLICKED);
}

bool GtkDialogWindow::on_delete(GdkEventAny*) {
  if (!ended_ && procedure_.on_close(*this) == 0 && close_sends_cancel(template_, enabled_now())) {
    send_command(IDCANCEL, NOTIFY_CLICKED);
  }
  return true;  // the window stays until its procedure ends it
}

// Tab follows the template's order, as the Win32 dialog manager does,
// whatever the arrangement on screen.
void GtkDialogWindow::move_focus(bool forward) {
  const int focused = template_index(control_of(window_->get_focus()));
  if (Control* next = control_at(next_tab_stop(keyboard_controls(), focused, forward)))
    next->widget->grab_focus();
}

// On a radio button the arrow keys move the focus within its group and
// check the button reached, which sends the command a click sends. Elsewhere
// they are the focused control's own.
bool GtkDialogWindow::move_in_radio_group(bool forward) {
  const int focused = template_index(control_of(window_->get_focus()));
  const int reached = next_radio_in_group(keyboard_controls(), focused, forward);
  Control* next = control_at(reached);
  if (next == nullptr) return false;
  next->widget->grab_focus();
  if (next->control->kind != ControlKind::auto_radio_button || is_checked(next->control->id))
    return true;
  check_in_group(template_, static_cast<std::size_t>(reached),
                 [this](std::size_t index, bool checked) {
                   Control* radio = control_at(static_cast<int>(index));
                   if (!checked) {
                     set_check(radio->control->id, false);
                   } else {
                     static_cast<Gtk::ToggleButton*>(radio->widget)
                         ->set_active(true);  // not quiet: the command goes out
                   }
                 });
  return true;
}

std::vector<KeyboardControl> GtkDialogWindow::keyboard_controls() {
  std::vector<KeyboardControl> keyboard;
  keyboard.reserve(template_.controls.size());
  for (std::size_t index = 0; index < template_.controls.size(); ++index) {
    const Control* shown = control_at(static_cast<int>(index));
    const auto* button =
        shown == nullptr ? nullptr : dynamic_cast<const Gtk::ToggleButton*>(shown->widget);
    keyboard.push_back(keyboard_control(
        template_.controls[index],
        shown != nullptr && shown->widget->is_sensitive() && shown->widget->is_visible(),
        button != nullptr && button->get_active()));
  }
  return keyboard;
}

// Statics without an id have no widget and count as enabled.
IsEnabled GtkDialogWindow::enabled_now() {
  return [this](const ControlTemplate& control) {
    const Control* shown = control_at(static_cast<int>(&control - template_.controls.data()));
    return shown == nullptr || shown->widget->is_sensitive();
  };
}

}  // namespace quelrin
