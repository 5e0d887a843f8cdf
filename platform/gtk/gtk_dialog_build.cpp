// GTK dialogs built: the window and its controls from the template's
// GtkBuilder layout, the menu bar from the menu's, each control's signals
// turned into the commands the Win32 dialog manager sends.
#include "platform/gtk/builder_ids.hpp"
#include "platform/gtk/cairo_painter.hpp"
#include "platform/gtk/gtk_dialog.hpp"
#include "platform/gtk/gtk_host.hpp"
#include "resources/resource_ids.h"

namespace quelrin {
namespace {

// Tools that read the screen through the accessibility tree find each
// control by its builder id.
void name_for_tools(Gtk::Widget& widget, const std::string& id) {
  atk_object_set_accessible_id(gtk_widget_get_accessible(widget.gobj()), id.c_str());
}

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

void GtkDialogWindow::build(Gtk::Window* owner) {
  const std::string name = "dialog " + std::to_string(template_.id);
  builder_ = Gtk::Builder::create_from_resource(dialog_layout_path(template_.id));
  window_.reset(
      dynamic_cast<Gtk::Window*>(builder_->get_object(dialog_builder_id(template_.id)).get()));
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
        atk_object_set_accessible_id(gtk_widget_get_accessible(view),
                                     (builder_id(control) + "-list").c_str());
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
      if (quiet_ == 0 && (!is_radio(kind) || button->get_active()))
        send_command(id, NOTIFY_CLICKED);
    });
  } else if (auto* area = dynamic_cast<Gtk::DrawingArea*>(control.widget)) {
    area->signal_draw().connect([&control, area](const Cairo::RefPtr<Cairo::Context>& cr) {
      if (control.drawing) {
        paint_drawing(cr, *control.drawing, area->get_allocated_width(),
                      area->get_allocated_height());
      }
      return true;
    });
  } else if (kind == ControlKind::list_box && control.control->notifies) {
    control.widget->signal_button_press_event().connect(
        [this, id](GdkEventButton* event) {
          if (event->type == GDK_2BUTTON_PRESS && event->button == 1)
            send_command(id, NOTIFY_DOUBLE_CLICKED);
          return false;
        },
        false);
  }
}

}  // namespace quelrin
