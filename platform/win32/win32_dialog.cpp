// The dialog layer over USER32 and SHELL32: dialog items by id, the list and
// combo box messages, message boxes and the shell.
#include "platform/win32/win32_dialog.hpp"

#include <cstddef>

#include "platform/win32/gdi_painter.hpp"
#include "platform/win32/win32_host.hpp"

namespace quelrin {
namespace {

constexpr char COMBO_BOX_CLASS[] = "ComboBox";

}  // namespace

const Win32Dialog::ListMessages& Win32Dialog::list_messages(HWND list) const {
  static constexpr ListMessages LIST_BOX = {LB_ADDSTRING,    LB_INSERTSTRING, LB_RESETCONTENT,
                                            LB_GETCURSEL,    LB_SETCURSEL,    LB_FINDSTRINGEXACT,
                                            LB_GETCOUNT,     LB_GETTEXTLEN,   LB_GETTEXT,
                                            LB_DELETESTRING, LB_INITSTORAGE};
  static constexpr ListMessages COMBO_BOX = {CB_ADDSTRING,    CB_INSERTSTRING, CB_RESETCONTENT,
                                             CB_GETCURSEL,    CB_SETCURSEL,    CB_FINDSTRINGEXACT,
                                             CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT,
                                             CB_DELETESTRING, CB_INITSTORAGE};
  char class_name[sizeof COMBO_BOX_CLASS + 1] = {};
  GetClassNameA(list, class_name, sizeof class_name);
  return lstrcmpiA(class_name, COMBO_BOX_CLASS) == 0 ? COMBO_BOX : LIST_BOX;
}

LRESULT Win32Dialog::send(int id, UINT message, WPARAM w, LPARAM l) const {
  return SendMessageA(GetDlgItem(window_, id), message, w, l);
}

void Win32Dialog::set_text(int id, std::string_view text) {
  SetDlgItemTextA(window_, id, std::string(text).c_str());
}

std::string Win32Dialog::get_text(int id, int room) {
  if (room <= 0) return {};
  std::string text(static_cast<std::size_t>(room), '\0');
  text.resize(GetDlgItemTextA(window_, id, text.data(), room));
  return text;
}

int Win32Dialog::list_add(int id, std::string_view text) {
  const HWND list = GetDlgItem(window_, id);
  const std::string entry(text);
  return static_cast<int>(
      SendMessageA(list, list_messages(list).add, 0, reinterpret_cast<LPARAM>(entry.c_str())));
}

void Win32Dialog::list_reset(int id) {
  const HWND list = GetDlgItem(window_, id);
  SendMessageA(list, list_messages(list).reset, 0, 0);
}

int Win32Dialog::list_selection(int id) {
  const HWND list = GetDlgItem(window_, id);
  return static_cast<int>(SendMessageA(list, list_messages(list).get_selection, 0, 0));
}

void Win32Dialog::list_select(int id, int index) {
  const HWND list = GetDlgItem(window_, id);
  SendMessageA(list, list_messages(list).set_selection, static_cast<WPARAM>(index), 0);
}

int Win32Dialog::list_find_exact(int id, std::string_view text) {
  const HWND list = GetDlgItem(window_, id);
  const std::string entry(text);
  // A start of -1 searches the whole list from its first entry.
  return static_cast<int>(SendMessageA(list, list_messages(list).find_exact,
                                       static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(entry.c_str())));
}

int Win32Dialog::list_count(int id) {
  const HWND list = GetDlgItem(window_, id);
  return static_cast<int>(SendMessageA(list, list_messages(list).count, 0, 0));
}

std::string Win32Dialog::list_text(int id, int index) {
  const HWND list = GetDlgItem(window_, id);
  const ListMessages& messages = list_messages(list);
  const LRESULT length = SendMessageA(list, messages.text_length, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(list, messages.text, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
  return text;
}

void Win32Dialog::list_delete(int id, int index) {
  const HWND list = GetDlgItem(window_, id);
  SendMessageA(list, list_messages(list).remove, static_cast<WPARAM>(index), 0);
}

void Win32Dialog::list_fill(int id, const std::vector<std::string_view>& entries) {
  const HWND list = GetDlgItem(window_, id);
  const ListMessages& messages = list_messages(list);
  // No drawing while the list fills, room for every entry at once, and each
  // inserted at the end: an insertion is never sorted, so the given order
  // stays even in a sorted list box.
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, messages.reset, 0, 0);
  std::size_t bytes = 0;
  for (std::string_view entry : entries) bytes += entry.size() + 1;
  SendMessageA(list, messages.init_storage, entries.size(), static_cast<LPARAM>(bytes));
  std::string entry;
  for (std::string_view text : entries) {
    entry.assign(text);
    SendMessageA(list, messages.insert, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(entry.c_str()));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void Win32Dialog::set_check(int id, bool checked) {
  send(id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32Dialog::check_radio(int first_id, int last_id, int checked_id) {
  CheckRadioButton(window_, first_id, last_id, checked_id);
}

bool Win32Dialog::is_checked(int id) { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

void Win32Dialog::enable(int id, bool enabled) { EnableWindow(GetDlgItem(window_, id), enabled); }

void Win32Dialog::set_focus(int id) { SetFocus(GetDlgItem(window_, id)); }

void Win32Dialog::select_text(int id, int from, int to) {
  send(id, EM_SETSEL, static_cast<WPARAM>(from), static_cast<LPARAM>(to));
}

void Win32Dialog::show_drawing(int id, const Drawing& drawing) {
  drawings_[id] = drawing;
  InvalidateRect(GetDlgItem(window_, id), nullptr, FALSE);
}

bool Win32Dialog::draw_item(const DRAWITEMSTRUCT& item) const {
  const auto found = drawings_.find(static_cast<int>(item.CtlID));
  if (found == drawings_.end()) return false;
  paint_drawing(item.hDC, item.rcItem, found->second);
  return true;
}

namespace {

UINT icon_of(const Message& message) {
  return message.icon == MessageIcon::warning ? MB_ICONWARNING : MB_ICONERROR;
}

}  // namespace

void Win32Dialog::show_message(const Message& message) {
  MessageBoxA(window_, message.text.c_str(), message.title.c_str(), MB_OK | icon_of(message));
}

bool Win32Dialog::ask_yes_no(const Message& question) {
  return MessageBoxA(window_, question.text.c_str(), question.title.c_str(),
                     MB_YESNO | icon_of(question)) == IDYES;
}

void Win32Dialog::end(int result) { EndDialog(window_, result); }

int Win32Dialog::run_child(int template_id, DialogProcedure& procedure) {
  return host_.run_modal(template_id, procedure, window_);
}

int Win32Dialog::open_document(std::string_view name) {
  const HINSTANCE answer =
      ShellExecuteA(window_, "open", std::string(name).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return static_cast<int>(reinterpret_cast<INT_PTR>(answer));
}

}  // namespace quelrin
