// GTK dialogs: building the window, the procedure's operations, and the
// keys, clicks and close box delivered as the Win32 dialog manager does.
#include "platform/gtk/gtk_dialog.hpp"

#include <algorithm>

#include "dialog/text_room.hpp"
#include "platform/gtk/builder_ids.hpp"
#include "platform/gtk/cairo_painter.hpp"
#include "platform/gtk/gtk_host.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252.hpp"

namespace quelrin {
namespace {

bool is_push_button(ControlKind kind) {
  return kind == ControlKind::push_button || kind == ControlKind::default_push_button;
}

bool is_radio(ControlKind kind) {
  return kind == ControlKind::radio_button || kind == ControlKind::auto_radio_button;
}

// Tools that read the screen through the accessibility tree find each
// control by its builder id.
void name_for_tools(Gtk::Widget& widget, const std::string& id) {
  atk_object_set_accessible_id(gtk_widget_get_accessible(widget.gobj()), id.c_str());
}

bool is_enter(guint key) { return key == GDK_KEY_Return || key == GDK_KEY_KP_Enter || key == GDK_KEY_ISO_Enter; }

}  // namespace

GtkDialogWindow::GtkDialogWindow(const DialogTemplate& dialog_template, DialogProcedure& procedure,
                                 GtkHost& host, Gtk::Window* owner)
    : template_(dialog_template), procedure_(procedure), host_(host) {
  try {
    build(owner);
  } catch (const Glib::Error& error) {
    error_ = error.what();
  }
}

GtkDialogWindow::~GtkDialogWindow() {
  unchecked_holders_.clear();
  // Top-level windows of a builder belong to whoever fetched them.
  delete window_;
}

void GtkDialogWindow::build(Gtk::Window* owner) {
  const std::string name = "dialog " + std::to_string(template_.id);
  builder_ = Gtk::Builder::create_from_resource(dialog_layout_path(template_.id));
  window_ = dynamic_cast<Gtk::Window*>(builder_->get_object(dialog_builder_id(template_.id)).get());
  if (window_ == nullptr) {
    error_ = name + ": no window " + dialog_builder_id(template_.id);
    return;
  }
  controls_.reserve(template_.controls.size());
  for (const ControlTemplate& control : template_.controls) {
    if (control.id == IDC_STATIC) continue;
    auto* widget = dynamic_cast<Gtk::Widget*>(builder_->get_object(builder_id(control)).get());
    if (widget == nullptr) {
      error_ = name + ": no widget " + builder_id(control);
      return;
    }
    name_for_tools(*widget, builder_id(control));
    Control& added = controls_.emplace_back();
    added.control = &control;
    added.widget = widget;
    if (is_list_kind(control.kind)) {
      added.list = std::make_unique<GtkList>(widget->gobj(), control.sorted);
      if (GtkWidget* view = added.list->drop_down_view()) {
        atk_object_set_accessible_id(gtk_widget_get_accessible(view), (builder_id(control) + "-list").c_str());
      }
    }
    connect(added);
  }
  if (template_.menu_id != 0) attach_menu(template_.menu_id);
  if (!error_.empty()) return;

  name_for_tools(*window_, dialog_builder_id(template_.id));
  if (owner != nullptr) {
    window_->set_transient_for(*owner);
    window_->set_modal(true);
  }
  window_->signal_key_press_event().connect(sigc::mem_fun(*this, &GtkDialogWindow::on_key), false);
  window_->signal_delete_event().connect(sigc::mem_fun(*this, &GtkDialogWindow::on_delete));
}

void GtkDialogWindow::attach_menu(int menu_id) {
  const MenuTemplate* menu = find_menu(host_.resources(), menu_id);
  builder_->add_from_resource(menu_layout_path(menu_id));
  auto* bar = dynamic_cast<Gtk::MenuBar*>(builder_->get_object(menu_builder_id(menu_id)).get());
  if (menu == nullptr || bar == nullptr) {
    error_ = "menu " + std::to_string(menu_id) + ": no layout";
    return;
  }
  for (int command : menu_commands(*menu)) {
    auto* item = dynamic_cast<Gtk::MenuItem*>(builder_->get_object(menu_builder_id(command)).get());
    if (item == nullptr) {
      error_ = "menu " + std::to_string(menu_id) + ": no item " + menu_builder_id(command);
      return;
    }
    name_for_tools(*item, menu_builder_id(command));
    item->signal_activate().connect([this, command] { send_command(command, NOTIFY_CLICKED); });
  }
  // The menu bar goes above the dialog's own contents.
  Gtk::Widget* contents = window_->get_child();
  auto* column = Gtk::make_managed<Gtk::Box>(Gtk::ORIENTATION_VERTICAL);
  column->pack_start(*bar, Gtk::PACK_SHRINK);
  if (contents != nullptr) {
    contents->reference();
    window_->remove();
    column->pack_start(*contents, Gtk::PACK_EXPAND_WIDGET);
    contents->unreference();
  }
  column->show();
  window_->add(*column);
}

void GtkDialogWindow::connect(Control& control) {
  const int id = control.control->id;
  const ControlKind kind = control.control->kind;
  if (is_push_button(kind)) {
    static_cast<Gtk::Button*>(control.widget)->signal_clicked().connect([this, id] {
      if (quiet_ == 0) send_command(id, NOTIFY_CLICKED);
    });
  } else if (auto* button = dynamic_cast<Gtk::ToggleButton*>(control.widget)) {
    // A radio button the user leaves is "clicked" too; only the one checked
    // reaches the procedure, as BN_CLICKED does.
    button->signal_clicked().connect([this, id, button, kind] {
      if (quiet_ == 0 && (!is_radio(kind) || button->get_active())) send_command(id, NOTIFY_CLICKED);
    });
  } else if (auto* area = dynamic_cast<Gtk::DrawingArea*>(control.widget)) {
    area->signal_draw().connect([&control, area](const Cairo::RefPtr<Cairo::Context>& cr) {
      if (control.drawing) {
        paint_drawing(cr, *control.drawing, area->get_allocated_width(), area->get_allocated_height());
      }
      return true;
    });
  } else if (kind == ControlKind::list_box && control.control->notifies) {
    control.widget->signal_button_press_event().connect(
        [this, id](GdkEventButton* event) {
          if (event->type == GDK_2BUTTON_PRESS && event->button == 1) send_command(id, NOTIFY_DOUBLE_CLICKED);
          return false;
        },
        false);
  }
}

int GtkDialogWindow::run() {
  // The focus goes to the first tab stop unless the procedure answers 0;
  // given once the window is up, so that GTK's own choice does not win.
  const bool focus_first = procedure_.on_open(*this) != 0;
  if (!ended_) {
    window_->show();
    if (Control* first = control_at(next_tab_stop(keyboard_controls(), -1, true)); focus_first && first != nullptr) {
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
  // A drop-down list shows its selected entry.
  if (control->list) return text_within_room(control->list->text(control->list->selection()), room);
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
  if (Control* control = find(id); control != nullptr && control->list) control->list->select(index);
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
  if (Control* control = find(id); control != nullptr && control->list) control->list->remove(index);
}

void GtkDialogWindow::list_fill(int id, const std::vector<std::string_view>& entries) {
  if (Control* control = find(id); control != nullptr && control->list) control->list->fill(entries);
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
  for (int id = first_id; id <= last_id; ++id) set_check(id, id == checked_id);
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
  // As EM_SETSEL: a negative start selects nothing, a negative or too large
  // end means the end of the text. One Windows-1252 byte is one character.
  const int length = static_cast<int>(entry->get_text().size());
  if (from < 0) {
    const int caret = entry->get_position();
    entry->select_region(caret, caret);
    return;
  }
  entry->select_region(std::min(from, length), to < 0 ? length : std::min(to, length));
}

void GtkDialogWindow::show_drawing(int id, const Drawing& drawing) {
  Control* control = find(id);
  if (control == nullptr || dynamic_cast<Gtk::DrawingArea*>(control->widget) == nullptr) return;
  control->drawing = std::make_unique<Drawing>(drawing);
  control->widget->queue_draw();
}

void GtkDialogWindow::show_message(const Message& message) { host_.show_message(*window_, message); }

bool GtkDialogWindow::ask_yes_no(const Message& question) { return host_.ask_yes_no(*window_, question); }

void GtkDialogWindow::end(int result) {
  ended_ = true;
  result_ = result;
  if (loop_ && loop_->is_running()) loop_->quit();
}

int GtkDialogWindow::run_child(int template_id, DialogProcedure& procedure) {
  return host_.run_dialog(template_id, procedure, window_);
}

int GtkDialogWindow::open_document(std::string_view name) { return host_.open_document(name); }

// --- input ---

void GtkDialogWindow::send_command(int id, int notification) {
  if (!ended_) procedure_.on_command(*this, id, notification);
}

bool GtkDialogWindow::on_key(GdkEventKey* event) {
  if ((event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) != 0) return false;
  // An open drop-down list takes its own keys: Enter picks, Escape closes.
  for (Gtk::Widget* widget = window_->get_focus(); widget != nullptr; widget = widget->get_parent()) {
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
    case GDK_KEY_KP_Right: return move_in_radio_group(true);
    case GDK_KEY_Up:
    case GDK_KEY_KP_Up:
    case GDK_KEY_Left:
    case GDK_KEY_KP_Left: return move_in_radio_group(false);
    default: return false;
  }
}

// Enter: a push button with the focus takes it for itself; from anywhere
// else it is the default push button's command (IDOK when there is none).
void GtkDialogWindow::press_enter() {
  const Control* focused = control_of(window_->get_focus());
  if (focused != nullptr && is_push_button(focused->control->kind)) {
    if (focused->widget->is_sensitive()) send_command(focused->control->id, NOTIFY_CLICKED);
    return;
  }
  const auto default_button = std::find_if(controls_.begin(), controls_.end(), [](const Control& c) {
    return c.control->kind == ControlKind::default_push_button;
  });
  if (default_button == controls_.end()) {
    send_command(IDOK, NOTIFY_CLICKED);
  } else if (default_button->widget->is_sensitive()) {
    send_command(default_button->control->id, NOTIFY_CLICKED);
  }
}

bool GtkDialogWindow::on_delete(GdkEventAny*) {
  if (!ended_ && procedure_.on_close(*this) == 0) {
    // The default dialog procedure turns an unhandled close into Cancel,
    // unless a Cancel button is there and disabled.
    const Control* cancel = find(IDCANCEL);
    if (cancel == nullptr || cancel->widget->is_sensitive()) send_command(IDCANCEL, NOTIFY_CLICKED);
  }
  return true;  // the window stays until its procedure ends it
}

// Tab follows the template's order, as the Win32 dialog manager does,
// whatever the arrangement on screen.
void GtkDialogWindow::move_focus(bool forward) {
  const int focused = template_index(control_of(window_->get_focus()));
  if (Control* next = control_at(next_tab_stop(keyboard_controls(), focused, forward))) next->widget->grab_focus();
}

// On a radio button the arrow keys move the focus within its group and
// check the button reached, which sends the command a click sends. Elsewhere
// they are the focused control's own.
bool GtkDialogWindow::move_in_radio_group(bool forward) {
  const int focused = template_index(control_of(window_->get_focus()));
  Control* next = control_at(next_radio_in_group(keyboard_controls(), focused, forward));
  if (next == nullptr) return false;
  next->widget->grab_focus();
  auto* radio = static_cast<Gtk::ToggleButton*>(next->widget);
  if (next->control->kind == ControlKind::auto_radio_button && !radio->get_active()) radio->set_active(true);
  return true;
}

std::vector<KeyboardControl> GtkDialogWindow::keyboard_controls() {
  std::vector<KeyboardControl> keyboard;
  keyboard.reserve(template_.controls.size());
  for (std::size_t index = 0; index < template_.controls.size(); ++index) {
    const ControlTemplate& control = template_.controls[index];
    KeyboardControl& keys = keyboard.emplace_back();
    keys.tab_stop = control.tab_stop;
    keys.group_start = control.group_start;
    keys.radio = is_radio(control.kind);
    if (const Control* shown = control_at(static_cast<int>(index))) {
      keys.usable = shown->widget->is_sensitive() && shown->widget->is_visible();
      const auto* button = dynamic_cast<const Gtk::ToggleButton*>(shown->widget);
      keys.checked = button != nullptr && button->get_active();
    }
  }
  return keyboard;
}

// --- helpers ---

GtkDialogWindow::Control* GtkDialogWindow::find(int id) {
  const auto found = std::find_if(controls_.begin(), controls_.end(), [id](const Control& c) { return c.control->id == id; });
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
  if (template_index < 0 || template_index >= static_cast<int>(template_.controls.size())) return nullptr;
  const ControlTemplate* wanted = &template_.controls[static_cast<std::size_t>(template_index)];
  const auto found = std::find_if(controls_.begin(), controls_.end(), [wanted](const Control& c) { return c.control == wanted; });
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
    for (GSList* member = gtk_radio_button_get_group(radio.gobj()); member != nullptr; member = member->next) {
      if (member->data == holder->gobj()) return *holder;
    }
  }
  Gtk::RadioButton::Group group = radio.get_group();
  return *unchecked_holders_.emplace_back(std::make_unique<Gtk::RadioButton>(group));
}

}  // namespace quelrin
