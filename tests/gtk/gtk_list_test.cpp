// The GTK lists keep the entries, positions and selection the Win32 list
// boxes and drop-down lists keep, whatever the toolkit does with its rows.
// Needs a display (ctest runs it under xvfb-run).
#include "platform/gtk/gtk_list.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <string>
#include <string_view>
#include <vector>

namespace quelrin {
namespace {

using ::testing::ElementsAre;

GtkWidget* tree_view() {
  GtkListStore* store = gtk_list_store_new(1, G_TYPE_STRING);
  GtkWidget* view = gtk_tree_view_new_with_model(GTK_TREE_MODEL(store));
  g_object_unref(store);
  return view;
}

// A drop-down list as the layouts build it: a menu button with a label,
// whose popover holds the tree view.
GtkWidget* drop_down() {
  GtkWidget* button = gtk_menu_button_new();
  gtk_container_add(GTK_CONTAINER(button), gtk_label_new(""));
  GtkWidget* popover = gtk_popover_new(button);
  gtk_container_add(GTK_CONTAINER(popover), tree_view());
  gtk_menu_button_set_popover(GTK_MENU_BUTTON(button), popover);
  return button;
}

// What the view shows, row by row, in UTF-8.
std::vector<std::string> shown(GtkTreeModel* model) {
  std::vector<std::string> rows;
  GtkTreeIter iter;
  for (bool more = gtk_tree_model_get_iter_first(model, &iter); more;
       more = gtk_tree_model_iter_next(model, &iter)) {
    gchar* text = nullptr;
    gtk_tree_model_get(model, &iter, 0, &text, -1);
    rows.emplace_back(text);
    g_free(text);
  }
  return rows;
}

std::vector<std::string> entries(const GtkList& list) {
  std::vector<std::string> result;
  for (int i = 0; i < list.count(); ++i) result.push_back(list.text(i));
  return result;
}

class GtkLists : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "no display"; }
};

TEST_F(GtkLists, ASortedListBoxPutsEachNameInItsWordSortPlaceAndShowsItInUtf8) {
  GtkWidget* view = g_object_ref_sink(tree_view());
  GtkList list(view, true);
  EXPECT_EQ(list.add("Metano"), 0);
  EXPECT_EQ(list.add("\xC1gua"), 0);  // Água, in Windows-1252
  EXPECT_EQ(list.add("agua"), 0);     // case first, then the accent
  EXPECT_EQ(list.add("n-Butano"), 3);
  EXPECT_THAT(entries(list), ElementsAre("agua", "\xC1gua", "Metano", "n-Butano"));
  EXPECT_THAT(shown(gtk_tree_view_get_model(GTK_TREE_VIEW(view))),
              ElementsAre("agua", "\xC3\x81gua", "Metano", "n-Butano"));
  EXPECT_EQ(list.find_exact("\xE1GUA"), 1);  // ÁGUA matches Água, not agua
  EXPECT_EQ(list.find_exact("nbutano"), -1);
  g_object_unref(view);
}

TEST_F(GtkLists, TheSelectedEntryStaysSelectedUntilItIsDeleted) {
  for (GtkWidget* widget : {tree_view(), drop_down()}) {
    g_object_ref_sink(widget);
    GtkList list(widget, false);
    list.fill({"a", "b", "c"});
    EXPECT_EQ(list.selection(), -1);  // a fill selects nothing
    list.select(1);
    list.add("d");
    list.remove(0);
    EXPECT_EQ(list.selection(), 0) << "b moved up";
    EXPECT_EQ(list.text(list.selection()), "b");
    list.remove(0);
    EXPECT_EQ(list.selection(), -1) << "the selected entry deleted";
    list.select(7);
    EXPECT_EQ(list.selection(), -1) << "out of range";
    list.select(1);
    list.reset();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.selection(), -1);
    g_object_unref(widget);
  }
}

TEST_F(GtkLists, ADropDownListShowsItsSelectedEntryOnItsButton) {
  GtkWidget* button = g_object_ref_sink(drop_down());
  GtkList list(button, false);
  list.fill({"Peng-Robinson", "Soave-Redlich-Kwong"});
  list.select(1);
  GtkWidget* label = gtk_bin_get_child(GTK_BIN(button));
  EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(label)), "Soave-Redlich-Kwong");
  list.select(-1);
  EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(label)), "");
  ASSERT_NE(list.drop_down_view(), nullptr);
  EXPECT_THAT(shown(gtk_tree_view_get_model(GTK_TREE_VIEW(list.drop_down_view()))),
              ElementsAre("Peng-Robinson", "Soave-Redlich-Kwong"));
  g_object_unref(button);
}

TEST_F(GtkLists, AHundredThousandNamesFillInOneGo) {
  GtkWidget* view = g_object_ref_sink(tree_view());
  GtkList list(view, true);
  std::vector<std::string> names;
  for (int i = 0; i < 100000; ++i) names.push_back("Fluido-" + std::to_string(i));
  list.fill(std::vector<std::string_view>(names.begin(), names.end()));
  EXPECT_EQ(list.count(), 100000);
  EXPECT_EQ(gtk_tree_model_iter_n_children(gtk_tree_view_get_model(GTK_TREE_VIEW(view)), nullptr),
            100000);
  EXPECT_EQ(list.find_exact("fluido-99999"), 99999);
  g_object_unref(view);
}

// Counts the rows a tree view is made to follow one by one, inserted into or
// removed from the model it shows: over a hundred thousand names, once the
// list has been shown, that takes seconds.
struct RowWatch {
  GtkTreeView* view;
  int followed = 0;

  // Watches the model the view shows now.
  void watch_model() {
    GtkTreeModel* model = gtk_tree_view_get_model(view);
    g_signal_connect(model, "row-inserted", G_CALLBACK(inserted), this);
    g_signal_connect(model, "row-deleted", G_CALLBACK(deleted), this);
  }
  void count(GtkTreeModel* model) {
    if (gtk_tree_view_get_model(view) == model) ++followed;
  }
  static void inserted(GtkTreeModel* model, GtkTreePath*, GtkTreeIter*, gpointer self) {
    static_cast<RowWatch*>(self)->count(model);
  }
  static void deleted(GtkTreeModel* model, GtkTreePath*, gpointer self) {
    static_cast<RowWatch*>(self)->count(model);
  }
};

// A refill that changes a few names of many changes only their rows: the
// view keeps the store it shows, and with it whatever it built for the rest.
TEST_F(GtkLists, ARefillChangingFewNamesGoesThroughThoseRowsOnly) {
  for (GtkWidget* widget : {tree_view(), drop_down()}) {
    g_object_ref_sink(widget);
    GtkList list(widget, false);
    GtkTreeView* view =
        list.drop_down_view() ? GTK_TREE_VIEW(list.drop_down_view()) : GTK_TREE_VIEW(widget);
    std::vector<std::string> names;
    for (int i = 0; i < 100; ++i) names.push_back("Fluido-" + std::to_string(i));
    list.fill(std::vector<std::string_view>(names.begin(), names.end()));
    GtkTreeModel* store = gtk_tree_view_get_model(view);
    GtkTreePath* renamed = gtk_tree_path_new_from_indices(42, -1);
    gtk_tree_selection_select_path(gtk_tree_view_get_selection(view), renamed);
    gtk_tree_path_free(renamed);
    RowWatch watch{view};
    watch.watch_model();
    names[42] = "Novo";
    names.insert(names.begin() + 43, "Novo-2");
    list.fill(std::vector<std::string_view>(names.begin(), names.end()));
    EXPECT_EQ(gtk_tree_view_get_model(view), store);
    EXPECT_EQ(watch.followed, 3) << "1 row out, 2 in";
    EXPECT_EQ(shown(store), names);
    EXPECT_EQ(entries(list), names);
    EXPECT_EQ(list.selection(), -1);
    EXPECT_EQ(gtk_tree_selection_count_selected_rows(gtk_tree_view_get_selection(view)), 0);
    watch.followed = 0;
    list.fill(std::vector<std::string_view>(names.begin(), names.end()));
    EXPECT_EQ(watch.followed, 0) << "the same names again";
    g_object_unref(widget);
  }
}

TEST_F(GtkLists, FillingAndEmptyingLeaveTheViewOutOfSingleRows) {
  GtkWidget* view = g_object_ref_sink(tree_view());
  GtkList list(view, false);
  RowWatch watch{GTK_TREE_VIEW(view)};
  watch.watch_model();
  list.fill({"a", "b", "c"});
  watch.watch_model();
  list.fill({"d", "e"});
  watch.watch_model();
  list.reset();
  EXPECT_EQ(watch.followed, 0);
  EXPECT_EQ(gtk_tree_model_iter_n_children(gtk_tree_view_get_model(GTK_TREE_VIEW(view)), nullptr),
            0);
  g_object_unref(view);
}

// The accessibility tree hears of a view's cells one signal each; a screen
// reader's bridge answers every one of them, so rows leaving one by one as
// the view is destroyed cost a long pause with a hundred thousand names.
TEST_F(GtkLists, ADestroyedListTellsTheAccessibilityTreeOfNoSingleRow) {
  GtkWidget* view = g_object_ref_sink(tree_view());
  gtk_tree_view_append_column(GTK_TREE_VIEW(view),
                              gtk_tree_view_column_new_with_attributes(
                                  "", gtk_cell_renderer_text_new(), "text", 0, nullptr));
  AtkObject* accessible = ATK_OBJECT(g_object_ref(gtk_widget_get_accessible(view)));
  GtkList list(view, false);
  list.fill({"a", "b", "c"});
  int told = 0;
  g_signal_connect(accessible, "children-changed",
                   G_CALLBACK(+[](AtkObject*, guint, gpointer, gpointer counter) {
                     ++*static_cast<int*>(counter);
                   }),
                   &told);
  gtk_widget_destroy(view);
  EXPECT_LE(told, 1) << "the column's header at most";
  g_object_unref(accessible);
  g_object_unref(view);
}

}  // namespace
}  // namespace quelrin
