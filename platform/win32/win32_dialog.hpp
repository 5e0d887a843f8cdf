// One open dialog of the Win32 dialog manager: the dialog layer's
// operations, each one or two calls of the real API on the dialog's items.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/dialog.hpp"

namespace quelrin {

class Win32Host;

class Win32Dialog final : public Dialog {
 public:
  Win32Dialog(HWND window, Win32Host& host) : window_(window), host_(host) {}

  void set_text(int id, std::string_view text) override;
  std::string get_text(int id, int room) override;
  int list_add(int id, std::string_view text) override;
  void list_reset(int id) override;
  int list_selection(int id) override;
  void list_select(int id, int index) override;
  int list_find_exact(int id, std::string_view text) override;
  int list_count(int id) override;
  std::string list_text(int id, int index) override;
  void list_delete(int id, int index) override;
  void list_fill(int id, const std::vector<std::string_view>& entries) override;
  void set_check(int id, bool checked) override;
  void check_radio(int first_id, int last_id, int checked_id) override;
  bool is_checked(int id) override;
  void enable(int id, bool enabled) override;
  void set_focus(int id) override;
  void select_text(int id, int from, int to) override;
  void show_drawing(int id, const Drawing& drawing) override;
  void show_message(const Message& message) override;
  bool ask_yes_no(const Message& question) override;
  void end(int result) override;
  int run_child(int template_id, DialogProcedure& procedure) override;
  int open_document(std::string_view name) override;

  // WM_DRAWITEM of an owner-drawn control: false for one with no picture.
  bool draw_item(const DRAWITEMSTRUCT& item) const;

 private:
  // The same request to a list box or to a combo box, which number their
  // messages apart.
  struct ListMessages {
    UINT add, insert, reset, get_selection, set_selection, find_exact, count, text_length, text,
        remove, init_storage;
  };
  const ListMessages& list_messages(HWND list) const;
  LRESULT send(int id, UINT message, WPARAM w = 0, LPARAM l = 0) const;

  HWND window_;
  Win32Host& host_;
  std::map<int, Drawing> drawings_;  // by control id
};

}  // namespace quelrin
