// List boxes and drop-down lists over GtkListStore.
#include "platform/gtk/gtk_list.hpp"

#include <algorithm>

#include "text/cp1252.hpp"

namespace quelrin {
namespace {

// The first widget of that type inside `widget`, itself included.
GtkWidget* find_inside(GtkWidget* widget, GType type) {
  if (G_TYPE_CHECK_INSTANCE_TYPE(widget, type)) return widget;
  if (!GTK_IS_CONTAINER(widget)) return nullptr;
  GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
  GtkWidget* found = nullptr;
  for (GList* child = children; child != nullptr && found == nullptr; child = child->next) {
    found = find_inside(GTK_WIDGET(child->data), type);
  }
  g_list_free(children);
  return found;
}

GtkTreePath* path_of(int index) { return gtk_tree_path_new_from_indices(index, -1); }

}  // namespace

GtkList::GtkList(GtkWidget* widget, bool sorted)
    : widget_(widget), drop_down_(GTK_IS_MENU_BUTTON(widget)), model_(sorted) {
  if (!drop_down_) {
    view_ = GTK_TREE_VIEW(widget);
    g_signal_connect(view_, "key-press-event", G_CALLBACK(on_view_key), this);
    g_signal_connect(view_, "destroy", G_CALLBACK(on_view_destroyed), nullptr);
    return;
  }
  GtkWidget* popover = GTK_WIDGET(gtk_menu_button_get_popover(GTK_MENU_BUTTON(widget)));
  view_ = GTK_TREE_VIEW(find_inside(popover, GTK_TYPE_TREE_VIEW));
  label_ = GTK_LABEL(find_inside(gtk_bin_get_child(GTK_BIN(widget)), GTK_TYPE_LABEL));
  gtk_tree_view_set_activate_on_single_click(view_, TRUE);
  g_signal_connect(view_, "row-activated", G_CALLBACK(on_row_activated), this);
  g_signal_connect(view_, "key-press-event", G_CALLBACK(on_view_key), this);
  g_signal_connect(view_, "destroy", G_CALLBACK(on_view_destroyed), nullptr);
  g_signal_connect(popover, "show", G_CALLBACK(on_popover_shown), this);
  g_signal_connect(widget, "key-press-event", G_CALLBACK(on_button_key), this);
}

GtkListStore* GtkList::store() const { return GTK_LIST_STORE(gtk_tree_view_get_model(view_)); }

int GtkList::add(std::string_view text) {
  const int index = model_.add(text);
  gtk_list_store_insert_with_values(store(), nullptr, index, 0, cp1252_to_utf8(text).c_str(), -1);
  return index;
}

// A store cleared under its view makes the view follow each removed row:
// seconds for a hundred thousand names once the list has been shown.
void GtkList::reset() { fill({}); }

// A row changed on its own costs the view 2 to 7 us, a row of a new store
// about 1 us; but a new store costs every row of the list, and the old one
// thrown away as much again. Up to one row in eight changed, the rows change
// in place: the main window, refilled after the fluid editor closes with
// its names as they were or a few of them changed, keeps its store.
void GtkList::fill(const std::vector<std::string_view>& entries) {
  const ListStretch changed = model_.fill(entries);
  if (changes_in_place(changed, count())) {
    replace_rows(changed);
  } else {
    replace_store();
  }
  select(-1);
}

// A new store, filled before its view sees it, takes the old one's place
// whole: neither the view nor the old store goes through single rows, so
// a hundred thousand names go in at once even into a list already shown.
void GtkList::replace_store() {
  GtkListStore* filled = gtk_list_store_new(1, G_TYPE_STRING);
  for (const std::string& entry : model_.entries()) {
    gtk_list_store_insert_with_values(filled, nullptr, -1, 0, cp1252_to_utf8(entry).c_str(), -1);
  }
  gtk_tree_view_set_model(view_, GTK_TREE_MODEL(filled));
  g_object_unref(filled);
}

// The rows that changed, removed from the last: a cursor on one of them
// moves once, past the stretch, instead of onto each row about to go.
void GtkList::replace_rows(const ListStretch& changed) {
  GtkTreeIter iter;
  for (int index = changed.first + changed.removed - 1; index >= changed.first; --index) {
    if (gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(store()), &iter, nullptr, index)) {
      gtk_list_store_remove(store(), &iter);
    }
  }
  for (int index = changed.first; index < changed.first + changed.inserted; ++index) {
    gtk_list_store_insert_with_values(store(), nullptr, index, 0,
                                      cp1252_to_utf8(model_.text(index)).c_str(), -1);
  }
  // Nothing selected in the view, as in a new store.
  gtk_tree_selection_unselect_all(gtk_tree_view_get_selection(view_));
}

void GtkList::remove(int index) {
  if (index < 0 || index >= count()) return;
  // A tree view keeps its selected row selected, but moves the selection
  // to a neighbour of a deleted selected row, where a list box has none.
  const bool selection_left = selection() >= 0 && selection_after_delete(selection(), index) < 0;
  GtkTreeIter iter;
  if (gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(store()), &iter, nullptr, index)) {
    gtk_list_store_remove(store(), &iter);
  }
  model_.remove(index);
  if (drop_down_) {
    show_selected();
  } else if (selection_left) {
    gtk_tree_selection_unselect_all(gtk_tree_view_get_selection(view_));
  }
}

int GtkList::selection() const {
  if (drop_down_) return model_.selection();
  GtkTreeModel* model = nullptr;
  GtkTreeIter iter;
  if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(view_), &model, &iter))
    return -1;
  GtkTreePath* path = gtk_tree_model_get_path(model, &iter);
  const int index = gtk_tree_path_get_indices(path)[0];
  gtk_tree_path_free(path);
  return index;
}

void GtkList::select(int index) {
  if (index < 0 || index >= count()) index = -1;
  if (drop_down_) {
    model_.select(index);
    show_selected();
    return;
  }
  GtkTreeSelection* selection = gtk_tree_view_get_selection(view_);
  if (index < 0) {
    gtk_tree_selection_unselect_all(selection);
    return;
  }
  // The cursor follows, so the keys move on from the selected entry, and
  // the entry is scrolled into view (the iteration log's last line).
  GtkTreePath* path = path_of(index);
  gtk_tree_view_set_cursor(view_, path, nullptr, FALSE);
  gtk_tree_selection_select_path(selection, path);
  gtk_tree_view_scroll_to_cell(view_, path, nullptr, FALSE, 0, 0);
  gtk_tree_path_free(path);
}

int GtkList::find_exact(std::string_view text) const { return model_.find_exact(text); }

bool GtkList::type_to_find(const GdkEventKey& event) {
  if ((event.state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) != 0) return false;
  const gunichar character = gdk_keyval_to_unicode(event.keyval);
  // Blanks and control characters keep their own meaning (Space opens a
  // drop-down list); no name holds one.
  if (character <= ' ' || g_unichar_iscntrl(character)) return false;
  char utf8[6];
  const std::string typed = utf8_to_cp1252(
      std::string_view(utf8, static_cast<std::size_t>(g_unichar_to_utf8(character, utf8))));
  if (typed.size() != 1 || (typed[0] == '?' && character != '?'))
    return true;  // no such character in the names
  const int found = type_search_.find(model_.entries(), selection(), typed[0], event.time);
  if (found >= 0) pick(found);
  return true;
}

// No notification goes with it: a click on an entry sends none to the
// procedure either.
void GtkList::pick(int index) {
  select(index);
  if (drop_down_ &&
      gtk_widget_get_visible(GTK_WIDGET(gtk_menu_button_get_popover(GTK_MENU_BUTTON(widget_))))) {
    show_in_popover();
  }
}

// A tree view destroyed with its rows takes its column away first, which
// tells the accessibility tree of every row leaving, one at a time: some
// 100 ms for a hundred thousand names. The handlers run before the view's
// own destruction: without a model it has no rows to tell of.
void GtkList::on_view_destroyed(GtkWidget* view, gpointer) {
  gtk_tree_view_set_model(GTK_TREE_VIEW(view), nullptr);
}

gboolean GtkList::on_view_key(GtkWidget*, GdkEventKey* event, gpointer self) {
  return static_cast<GtkList*>(self)->type_to_find(*event);
}

// --- a drop-down list's own behaviour ---

// The arrow keys and their kin move the selection of a closed drop-down
// list, as they do in a Win32 one; Alt+Down and F4 open it.
void GtkList::move_selection(int index) {
  if (count() == 0) return;
  select(std::clamp(index, 0, count() - 1));
}

// The closed drop-down list shows its selected entry.
void GtkList::show_selected() {
  gtk_label_set_text(label_, cp1252_to_utf8(model_.text(model_.selection())).c_str());
}

gboolean GtkList::on_button_key(GtkWidget* button, GdkEventKey* event, gpointer self) {
  auto& list = *static_cast<GtkList*>(self);
  const bool alt = (event->state & GDK_MOD1_MASK) != 0;
  const int page = 10;
  switch (event->keyval) {
    case GDK_KEY_Down:
    case GDK_KEY_KP_Down:
      if (alt) {
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(button), TRUE);
      } else {
        list.move_selection(list.selection() + 1);
      }
      return TRUE;
    case GDK_KEY_F4:
      gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(button), TRUE);
      return TRUE;
    case GDK_KEY_Up:
    case GDK_KEY_KP_Up:
      list.move_selection(list.selection() < 0 ? 0 : list.selection() - 1);
      return TRUE;
    case GDK_KEY_Page_Down:
      list.move_selection(list.selection() + page);
      return TRUE;
    case GDK_KEY_Page_Up:
      list.move_selection(list.selection() - page);
      return TRUE;
    case GDK_KEY_Home:
      list.move_selection(0);
      return TRUE;
    case GDK_KEY_End:
      list.move_selection(list.count() - 1);
      return TRUE;
    default:
      return list.type_to_find(*event);
  }
}

void GtkList::on_popover_shown(GtkWidget* popover, gpointer self) {
  auto& list = *static_cast<GtkList*>(self);
  // As wide as the drop-down list itself, as a Win32 one opens.
  gtk_widget_set_size_request(gtk_bin_get_child(GTK_BIN(popover)),
                              gtk_widget_get_allocated_width(list.widget_), -1);
  list.show_in_popover();
  gtk_widget_grab_focus(GTK_WIDGET(list.view_));
}

// The open list's cursor on the selected entry, in the middle of the view.
void GtkList::show_in_popover() {
  if (selection() < 0) return;
  GtkTreePath* path = path_of(selection());
  gtk_tree_view_set_cursor(view_, path, nullptr, FALSE);
  gtk_tree_view_scroll_to_cell(view_, path, nullptr, TRUE, 0.5F, 0);
  gtk_tree_path_free(path);
}

void GtkList::on_row_activated(GtkTreeView*, GtkTreePath* path, GtkTreeViewColumn*, gpointer self) {
  auto& list = *static_cast<GtkList*>(self);
  list.pick(gtk_tree_path_get_indices(path)[0]);
  gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(list.widget_), FALSE);
  gtk_widget_grab_focus(list.widget_);
}

}  // namespace quelrin
