// List boxes and drop-down lists over GtkListStore.
#include "platform/gtk/gtk_list.hpp"

#include "dialog/list_entries.hpp"
#include "text/cp1252.hpp"

namespace quelrin {

GtkList::GtkList(GtkWidget* widget, bool sorted)
    : widget_(widget), sorted_(sorted), is_combo_(GTK_IS_COMBO_BOX(widget)) {}

GtkListStore* GtkList::store() const {
  GtkTreeModel* model = is_combo_ ? gtk_combo_box_get_model(GTK_COMBO_BOX(widget_))
                                  : gtk_tree_view_get_model(GTK_TREE_VIEW(widget_));
  return GTK_LIST_STORE(model);
}

void GtkList::attach(GtkTreeModel* model) {
  if (is_combo_) {
    gtk_combo_box_set_model(GTK_COMBO_BOX(widget_), model);
  } else {
    gtk_tree_view_set_model(GTK_TREE_VIEW(widget_), model);
  }
}

int GtkList::add(std::string_view text) {
  const int index = list_insert_position(entries_, text, sorted_);
  entries_.insert(entries_.begin() + index, std::string(text));
  gtk_list_store_insert_with_values(store(), nullptr, index, 0, cp1252_to_utf8(text).c_str(), -1);
  return index;
}

void GtkList::reset() {
  entries_.clear();
  gtk_list_store_clear(store());
}

void GtkList::fill(const std::vector<std::string_view>& entries) {
  // Detached from its view, the store takes the rows without the view
  // following each one: a hundred thousand names go in at once.
  GtkListStore* list_store = store();
  g_object_ref(list_store);
  attach(nullptr);
  gtk_list_store_clear(list_store);
  entries_.assign(entries.begin(), entries.end());
  for (const std::string& entry : entries_) {
    gtk_list_store_insert_with_values(list_store, nullptr, -1, 0, cp1252_to_utf8(entry).c_str(), -1);
  }
  attach(GTK_TREE_MODEL(list_store));
  g_object_unref(list_store);
}

void GtkList::remove(int index) {
  if (index < 0 || index >= count()) return;
  GtkTreeIter iter;
  if (gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(store()), &iter, nullptr, index)) {
    gtk_list_store_remove(store(), &iter);
  }
  entries_.erase(entries_.begin() + index);
}

int GtkList::selection() const {
  if (is_combo_) return gtk_combo_box_get_active(GTK_COMBO_BOX(widget_));
  GtkTreeModel* model = nullptr;
  GtkTreeIter iter;
  if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(GTK_TREE_VIEW(widget_)), &model, &iter)) {
    return -1;
  }
  GtkTreePath* path = gtk_tree_model_get_path(model, &iter);
  const int index = gtk_tree_path_get_indices(path)[0];
  gtk_tree_path_free(path);
  return index;
}

void GtkList::select(int index) {
  if (index < 0 || index >= count()) index = -1;
  if (is_combo_) {
    gtk_combo_box_set_active(GTK_COMBO_BOX(widget_), index);
    return;
  }
  GtkTreeView* view = GTK_TREE_VIEW(widget_);
  GtkTreeSelection* selection = gtk_tree_view_get_selection(view);
  if (index < 0) {
    gtk_tree_selection_unselect_all(selection);
    return;
  }
  // The cursor follows, so the keys move on from the selected entry, and
  // the entry is scrolled into view (the iteration log's last line).
  GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
  gtk_tree_view_set_cursor(view, path, nullptr, FALSE);
  gtk_tree_selection_select_path(selection, path);
  gtk_tree_view_scroll_to_cell(view, path, nullptr, FALSE, 0, 0);
  gtk_tree_path_free(path);
}

int GtkList::find_exact(std::string_view text) const {
  return list_find_exact_entry(entries_, text);
}

std::string GtkList::text(int index) const {
  return index < 0 || index >= count() ? std::string() : entries_[static_cast<std::size_t>(index)];
}

}  // namespace quelrin
