// The real sorted list box of the fluid editor's template, against the order
// and the exact lookup that the portable word sort and the headless manager
// reproduce.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/support/list_box_order.hpp"

namespace quelrin::test {
namespace {

INT_PTR CALLBACK no_procedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class EditorListBox : public testing::Test {
 protected:
  void SetUp() override {
    editor_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EDITOR), nullptr,
                                 no_procedure, 0);
    ASSERT_NE(editor_, nullptr);
    list_ = GetDlgItem(editor_, IDC_EDITOR_FLUID_LIST);
    for (const std::string& name : shuffled_list_box_order()) {
      SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
  }
  void TearDown() override { DestroyWindow(editor_); }

  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    const auto count = SendMessageA(list_, LB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
      std::string name(static_cast<std::size_t>(SendMessageA(list_, LB_GETTEXTLEN, i, 0)) + 1, '\0');
      name.resize(static_cast<std::size_t>(SendMessageA(list_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name.data()))));
      names.push_back(name);
    }
    return names;
  }

  int find_exact(const char* name) const {
    return static_cast<int>(SendMessageA(list_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(name)));
  }

  HWND editor_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(EditorListBox, SortsNamesInTheWordSortOrder) { EXPECT_EQ(entries(), LIST_BOX_ORDER); }

TEST_F(EditorListBox, ExactLookupIgnoresLetterCaseOnly) {
  const int agua = find_exact("agua");
  const int accented = find_exact("Água");
  ASSERT_GE(agua, 0);
  ASSERT_GE(accented, 0);
  EXPECT_NE(agua, accented);
  EXPECT_EQ(find_exact("ÁGUA"), accented);
  EXPECT_EQ(find_exact("áGUA"), accented);
  EXPECT_EQ(find_exact("n-butano"), find_exact("n-Butano"));
  EXPECT_NE(find_exact("n-butano"), find_exact("nButano"));
  EXPECT_EQ(find_exact("Agu"), LB_ERR);
}

}  // namespace
}  // namespace quelrin::test
