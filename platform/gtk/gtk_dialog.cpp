// GTK dialogs: the modal loop and the procedure's operations on the
// controls.
#include "platform/gtk/gtk_dialog.hpp"

#include <algorithm>

#include "dialog/text_room.hpp"
#include "platform/gtk/gtk_host.hpp"
#include "text/cp1252.hpp"

namespace quelrin {

int GtkDialogWindow::run() {
  // The focus goes to the first tab stop unless the procedure answers 0;
  // given once the window is up, so that GTK's own choice does not win.
  const bool focus_first = procedure_.on_open(*this) != 0;
  if (!ended_) {
    window_->show();
    if (Control* first = control_at(first_tab_stop(keyboard_controls()));
        focus_first && first != nullptr) {
      first->widget->grab_focus();
    }
    loop_ = Glib::MainLoop::create();
    loop_->run();
  }
  window_->hide();
  return result_;
}

// --- Dialog ---

void GtkDialogWindow::set_text(int id, std::string_view text) {
  Control* control = find(id);
  if (control == nullptr) return;
  const Glib::ustring shown = cp1252_to_utf8(text);
  Gtk::Widget* widget = control->widget;
  if (auto* entry = dynamic_cast<Gtk::Entry*>(widget)) {
    entry->set_text(shown);
  } else if (auto* label = dynamic_cast<Gtk::Label*>(widget)) {
    label->set_text(shown);
  } else if (auto* frame = dynamic_cast<Gtk::Frame*>(widget)) {
    frame->set_label(shown);
  } else if (auto* button = dynamic_cast<Gtk::Button*>(widget)) {
    button->set_label(shown);
  }
}

std::string GtkDialogWindow::get_text(int id, int room) {
  Control* control = find(id);
  if (control == nullptr) return {};
  if (text_is_selection(control->control->kind))
    return selection_text(control->list->model(), room);
  Glib::ustring shown;
  Gtk::Widget* widget = control->widget;
  if (auto* entry = dynamic_cast<Gtk::Entry*>(widget)) {
    shown = entry->get_text();
  } else if (auto* label = dynamic_cast<Gtk::Label*>(widget)) {
    shown = label->get_text();
  } else if (auto* frame = dynamic_cast<Gtk::Frame*>(widget)) {
    shown = frame->get_label();
  } else if (auto* button = dynamic_cast<Gtk::Button*>(widget)) {
    shown = button->get_label();
  }
  return text_within_room(utf8_to_cp1252(shown.raw()), room);
}

int GtkDialogWindow::list_add(int id, std::string_view text) {
  Control* control = find(id);
  return control != nullptr && control->list ? control->list->add(text) : -1;
}

void GtkDialogWindow::list_reset(int id) {
  if (Control* control = find(id); control != nullptr && control->list) control->list->reset();
}

int GtkDialogWindow::list_selection(int id) {
  Control* control = find(id);
  return control != nullptr && control->list ? control->list->selection() : -1;
}

void GtkDialogWindow::list_select(int id, int index) {
  if (Control* control = find(id); control != nullptr && control->list)
    control->list->select(index);
}

int GtkDialogWindow::list_find_exact(int id, std::string_view text) {
  Control* control = find(id);
  return control != nullptr && control->list ? control->list->find_exact(text) : -1;
}

int GtkDialogWindow::list_count(int id) {
  Control* control = find(id);
  return control != nullptr && control->list ? control->list->count() : 0;
}

std::string GtkDialogWindow::list_text(int id, int index) {
  Control* control = find(id);
  return control != nullptr && control->list ? control->list->text(index) : std::string();
}

void GtkDialogWindow::list_delete(int id, int index) {
  if (Control* control = find(id); control != nullptr && control->list)
    control->list->remove(index);
}

void GtkDialogWindow::list_fill(int id, const std::vector<std::string_view>& entries) {
  if (Control* control = find(id); control != nullptr && control->list)
    control->list->fill(entries);
}

void GtkDialogWindow::set_check(int id, bool checked) {
  Gtk::ToggleButton* button = checkable(id);
  if (button == nullptr) return;
  ++quiet_;
  auto* radio = dynamic_cast<Gtk::RadioButton*>(button);
  if (radio != nullptr && !checked) {
    // A GTK radio button is unchecked only by checking another of its group.
    if (radio->get_active()) unchecked_holder(*radio).set_active(true);
  } else {
    button->set_active(checked);
  }
  --quiet_;
}

void GtkDialogWindow::check_radio(int first_id, int last_id, int checked_id) {
  check_radio_range(*this, first_id, last_id, checked_id);
}

bool GtkDialogWindow::is_checked(int id) {
  Gtk::ToggleButton* button = checkable(id);
  return button != nullptr && button->get_active();
}

void GtkDialogWindow::enable(int id, bool enabled) {
  if (Control* control = find(id)) control->widget->set_sensitive(enabled);
}

void GtkDialogWindow::set_focus(int id) {
  if (Control* control = find(id)) control->widget->grab_focus();
}

void GtkDialogWindow::select_text(int id, int from, int to) {
  Control* control = find(id);
  auto* entry = control == nullptr ? nullptr : dynamic_cast<Gtk::Entry*>(control->widget);
  if (entry == nullptr) return;
  // One Windows-1252 byte is one character.
  if (const auto selection = edit_selection(static_cast<int>(entry->get_text().size()), from, to)) {
    entry->select_region(selection->from, selection->to);
  } else {
    entry->select_region(entry->get_position(), entry->get_position());
  }
}

void GtkDialogWindow::show_drawing(int id, const Drawing& drawing) {
  Control* control = find(id);
  if (control == nullptr || !is_owner_drawn(*control->control)) return;
  control->drawing = std::make_unique<Drawing>(drawing);
  control->widget->queue_draw();
}

void GtkDialogWindow::show_message(const Message& message) {
  host_.show_message(*window_, message);
}

bool GtkDialogWindow::ask_yes_no(const Message& question) {
  return host_.ask_yes_no(*window_, question);
}

void GtkDialogWindow::end(int result) {
  ended_ = true;
  result_ = result;
  if (loop_ && loop_->is_running()) loop_->quit();
}

int GtkDialogWindow::run_child(int template_id, DialogProcedure& procedure) {
  return host_.run_dialog(template_id, procedure, window_.get());
}

int GtkDialogWindow::open_document(std::string_view name) { return host_.open_document(name); }

// --- helpers ---

GtkDialogWindow::Control* GtkDialogWindow::find(int id) {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [id](const Control& c) { return c.control->id == id; });
  return found == controls_.end() ? nullptr : &*found;
}

GtkDialogWindow::Control* GtkDialogWindow::control_of(Gtk::Widget* widget) {
  for (; widget != nullptr; widget = widget->get_parent()) {
    for (Control& control : controls_) {
      if (control.widget == widget) return &control;
    }
  }
  return nullptr;
}

// Statics without an id have no widget of their own: nullptr.
GtkDialogWindow::Control* GtkDialogWindow::control_at(int template_index) {
  if (template_index < 0 || template_index >= static_cast<int>(template_.controls.size()))
    return nullptr;
  const ControlTemplate* wanted = &template_.controls[static_cast<std::size_t>(template_index)];
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [wanted](const Control& c) { return c.control == wanted; });
  return found == controls_.end() ? nullptr : &*found;
}

int GtkDialogWindow::template_index(const Control* control) const {
  return control == nullptr ? -1 : static_cast<int>(control->control - template_.controls.data());
}

Gtk::ToggleButton* GtkDialogWindow::checkable(int id) {
  Control* control = find(id);
  return control == nullptr ? nullptr : dynamic_cast<Gtk::ToggleButton*>(control->widget);
}

Gtk::RadioButton& GtkDialogWindow::unchecked_holder(Gtk::RadioButton& radio) {
  for (const auto& holder : unchecked_holders_) {
    for (GSList* member = gtk_radio_button_get_group(radio.gobj()); member != nullptr;
         member = member->next) {
      if (member->data == holder->gobj()) return *holder;
    }
  }
  Gtk::RadioButton::Group group = radio.get_group();
  return *unchecked_holders_.emplace_back(std::make_unique<Gtk::RadioButton>(group));
}

}  // namespace quelrin
