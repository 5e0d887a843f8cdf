// A list box (GtkTreeView) or drop-down list (GtkComboBox) over a one-column
// GtkListStore, with the entries also kept in Windows-1252 so that lookups,
// the word sort and reads never go back through the toolkit.
#pragma once

#include <gtk/gtk.h>

#include <string>
#include <string_view>
#include <vector>

namespace quelrin {

class GtkList {
 public:
  // `widget` is a GtkTreeView or a GtkComboBox whose model is a GtkListStore
  // with the text in column 0.
  GtkList(GtkWidget* widget, bool sorted);

  int add(std::string_view text);
  void reset();
  void fill(const std::vector<std::string_view>& entries);
  void remove(int index);
  int selection() const;
  void select(int index);  // out of range: no selection
  int find_exact(std::string_view text) const;
  int count() const { return static_cast<int>(entries_.size()); }
  std::string text(int index) const;

 private:
  GtkListStore* store() const;
  void attach(GtkTreeModel* model);

  GtkWidget* widget_;
  bool sorted_;
  bool is_combo_;
  std::vector<std::string> entries_;  // Windows-1252, in list order
};

}  // namespace quelrin
