// List boxes and drop-down lists. A list box is a GtkTreeView; a drop-down
// list is a GtkMenuButton showing the selected entry, whose popover holds a
// GtkTreeView of all entries (GtkComboBox measures and builds a menu item
// for every row, which a hundred thousand fluid names make take minutes).
// Both views show a one-column GtkListStore; the entries are also kept in
// Windows-1252, in a ListModel, so that lookups, the word sort and reads
// never go back through the toolkit. A drop-down list's selection is the
// model's; a list box's is its tree view's.
#pragma once

#include <gtk/gtk.h>

#include <string>
#include <string_view>
#include <vector>

#include "dialog/list_model.hpp"
#include "dialog/list_type_search.hpp"

namespace quelrin {

class GtkList {
 public:
  // `widget` is the GtkTreeView of a list box or the GtkMenuButton of a
  // drop-down list; either way the tree view's model is a GtkListStore with
  // the text in column 0.
  GtkList(GtkWidget* widget, bool sorted);
  GtkList(const GtkList&) = delete;
  GtkList& operator=(const GtkList&) = delete;

  int add(std::string_view text);
  void reset();
  void fill(const std::vector<std::string_view>& entries);
  void remove(int index);
  int selection() const;
  void select(int index);  // out of range: no selection
  int find_exact(std::string_view text) const;
  // A key typed on the list or on its open or closed drop-down: a printable
  // character selects the entry it finds, as a click would; false for any
  // other key, left to the toolkit.
  bool type_to_find(const GdkEventKey& event);
  int count() const { return model_.count(); }
  std::string text(int index) const { return model_.text(index); }
  // The entries, with a drop-down list's selection.
  const ListModel& model() const { return model_; }

  // The tree view of a drop-down list's popover (nullptr for a list box),
  // for the tools that read the screen.
  GtkWidget* drop_down_view() const { return drop_down_ ? GTK_WIDGET(view_) : nullptr; }

 private:
  GtkListStore* store() const;
  void replace_store();
  void replace_rows(const ListStretch& changed);
  // The user's choice of an entry, by click or by typing.
  void pick(int index);
  void move_selection(int index);
  void show_selected();
  void show_in_popover();
  static void on_row_activated(GtkTreeView* view, GtkTreePath* path, GtkTreeViewColumn*,
                               gpointer self);
  static void on_popover_shown(GtkWidget* popover, gpointer self);
  static gboolean on_button_key(GtkWidget* button, GdkEventKey* event, gpointer self);
  static gboolean on_view_key(GtkWidget* view, GdkEventKey* event, gpointer self);
  static void on_view_destroyed(GtkWidget* view, gpointer);

  GtkWidget* widget_;
  GtkTreeView* view_;
  GtkLabel* label_ = nullptr;  // a drop-down list's selected entry
  bool drop_down_;
  ListModel model_;
  ListTypeSearch type_search_;
};

}  // namespace quelrin
