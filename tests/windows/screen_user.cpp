// The screen user's eyes and hands: window enumeration, messages sent to the
// controls, keys posted into the modal loops, screen captures.
#include "tests/windows/screen_user.hpp"

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace quelrin::test {
namespace {

bool class_is(HWND window, const char* name) {
  char class_name[64] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  return lstrcmpiA(class_name, name) == 0;
}

HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

// Combo boxes and list boxes number their messages apart.
bool is_combo_box(HWND control) { return class_is(control, "ComboBox"); }

std::vector<HWND> static_children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM found) {
        if (class_is(child, "Static"))
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

bool is_icon(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON; }

bool is_message_box(HWND window) {
  if (!class_is(window, "#32770")) return false;
  for (HWND child : static_children(window)) {
    if (is_icon(child)) return true;
  }
  return false;
}

MessageIcon icon_of(HWND box) {
  for (HWND child : static_children(box)) {
    if (!is_icon(child)) continue;
    const auto shown = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    if (shown == LoadIconA(nullptr, IDI_WARNING)) return MessageIcon::warning;
  }
  return MessageIcon::error;
}

// The message box's text: its static that is not the icon and holds text.
std::string text_of(HWND box) {
  for (HWND child : static_children(box)) {
    if (!is_icon(child)) {
      std::string text = window_text(child);
      if (!text.empty()) return text;
    }
  }
  return {};
}

void post_key(HWND target, WORD key) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(target, WM_KEYDOWN, key, scan | 1);
  PostMessageA(target, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
}

HWND focus_window(WindowOwner owner) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(owner.thread, &info) ? info.hwndFocus : nullptr;
}

// The thread of a process that shows windows, when the owner names none.
WindowOwner with_thread(WindowOwner owner) {
  if (owner.thread == 0) {
    for (HWND window : top_windows(owner)) {
      owner.thread = GetWindowThreadProcessId(window, nullptr);
      break;
    }
  }
  return owner;
}

}  // namespace

bool eventually(const std::function<bool()>& done, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::vector<HWND> top_windows(WindowOwner owner) {
  struct Search {
    WindowOwner owner;
    std::vector<HWND> found;
  } search{owner, {}};
  EnumWindows(
      [](HWND window, LPARAM data) {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD process = 0;
        const DWORD thread = GetWindowThreadProcessId(window, &process);
        if (process == s.owner.process && (s.owner.thread == 0 || thread == s.owner.thread) &&
            IsWindowVisible(window)) {
          s.found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// WM_GETTEXT rather than GetWindowTextA, which answers for another
// process's controls with their text at creation.
std::string window_text(HWND window) {
  std::string text(static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                   '\0');
  text.resize(static_cast<std::size_t>(
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

HWND wait_for_window(WindowOwner owner, std::string_view caption) {
  HWND found = nullptr;
  eventually([&] {
    for (HWND window : top_windows(owner)) {
      if (window_text(window) == caption && !is_message_box(window)) found = window;
    }
    return found != nullptr;
  });
  return found;
}

bool wait_until_closed(HWND window) {
  return eventually([window] { return !IsWindow(window) || !IsWindowVisible(window); });
}

HWND find_message_box(WindowOwner owner) {
  for (HWND window : top_windows(owner)) {
    if (is_message_box(window)) return window;
  }
  return nullptr;
}

namespace {

// The message box once it shows, read and, when given a name, photographed.
HWND read_message_box(WindowOwner owner, std::string_view screenshot, Message& shown) {
  HWND box = nullptr;
  if (!eventually([&] { return (box = find_message_box(owner)) != nullptr; })) return nullptr;
  shown = {text_of(box), window_text(box), icon_of(box)};
  if (!screenshot.empty()) save_screenshot(box, screenshot);
  return box;
}

}  // namespace

std::optional<Message> answer_question(WindowOwner owner, bool yes, std::string_view screenshot) {
  Message shown;
  const HWND box = read_message_box(owner, screenshot, shown);
  if (box == nullptr) return std::nullopt;
  click(box, yes ? IDYES : IDNO);
  if (!wait_until_closed(box)) return std::nullopt;
  return shown;
}

std::optional<Message> acknowledge_message(WindowOwner owner, std::string_view screenshot) {
  Message shown;
  const HWND box = read_message_box(owner, screenshot, shown);
  if (box == nullptr) return std::nullopt;
  owner.thread = GetWindowThreadProcessId(box, nullptr);
  HWND focus = nullptr;
  eventually([&] {
    return (focus = focus_window(owner)) != nullptr && GetAncestor(focus, GA_ROOT) == box;
  });
  post_key(focus != nullptr ? focus : box, VK_RETURN);
  if (!wait_until_closed(box)) return std::nullopt;
  return shown;
}

std::string item_text(HWND dialog, int id) { return window_text(item(dialog, id)); }

std::vector<std::string> list_entries(HWND dialog, int id) {
  const HWND list = item(dialog, id);
  const bool combo = is_combo_box(list);
  const auto count = SendMessageA(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  std::vector<std::string> entries;
  for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
    // The program may change the list between two reads: an entry gone
    // reads as an error (-1), and the list is read again later.
    const auto length = SendMessageA(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0);
    if (length < 0) break;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = SendMessageA(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                                     reinterpret_cast<LPARAM>(text.data()));
    if (copied < 0 || copied > length) break;
    text.resize(static_cast<std::size_t>(copied));
    entries.push_back(std::move(text));
  }
  return entries;
}

int list_selection(HWND dialog, int id) {
  const HWND list = item(dialog, id);
  return static_cast<int>(
      SendMessageA(list, is_combo_box(list) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

bool is_checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

bool is_enabled(HWND dialog, int id) { return IsWindowEnabled(item(dialog, id)) != FALSE; }

int focused_id(WindowOwner owner) {
  const HWND focus = focus_window(with_thread(owner));
  if (focus == nullptr) return 0;
  // The edit inside a combo box stands for the combo box.
  const HWND parent = GetParent(focus);
  return parent != nullptr && is_combo_box(parent) ? GetDlgCtrlID(parent) : GetDlgCtrlID(focus);
}

std::pair<int, int> edit_selection(HWND dialog, int id) {
  DWORD from = 0;
  DWORD to = 0;
  SendMessageA(item(dialog, id), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
               reinterpret_cast<LPARAM>(&to));
  return {static_cast<int>(from), static_cast<int>(to)};
}

void type(HWND dialog, int id, std::string_view text) {
  SendMessageA(item(dialog, id), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(std::string(text).c_str()));
}

void pick(HWND dialog, int id, int index) {
  const HWND list = item(dialog, id);
  SendMessageA(list, is_combo_box(list) ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index),
               0);
}

void click(HWND dialog, int id) { PostMessageA(item(dialog, id), BM_CLICK, 0, 0); }

void double_click(HWND dialog, int id, int index) {
  const HWND list = item(dialog, id);
  RECT entry = {};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
  const LPARAM at = MAKELPARAM((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(list, WM_LBUTTONUP, 0, at);
  PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(list, WM_LBUTTONUP, 0, at);
}

void choose_menu_item(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void close_box(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

void press_key(WindowOwner owner, WORD key) {
  const HWND focus = focus_window(with_thread(owner));
  if (focus != nullptr) post_key(focus, key);
}

void save_screenshot(HWND window, std::string_view name) {
  const char* folder = std::getenv("QUELRIN_SCREENSHOTS");
  if (folder == nullptr || window == nullptr) return;
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);  // the display server shows what was drawn

  RECT r = {};
  GetWindowRect(window, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, previous);

  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const DWORD row = static_cast<DWORD>((width * 3 + 3) & ~3);
  std::string pixels(static_cast<std::size_t>(row) * static_cast<std::size_t>(height), '\0');
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file_header = {};
  file_header.bfType = 0x4D42;  // "BM"
  file_header.bfOffBits = sizeof file_header + sizeof header;
  file_header.bfSize = file_header.bfOffBits + static_cast<DWORD>(pixels.size());
  const std::string path = host_path(folder) + "\\" + std::string(name) + ".bmp";
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file_header, sizeof file_header, 1, file);
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(pixels.data(), 1, pixels.size(), file);
    std::fclose(file);
  }
}

std::string host_path(std::string_view unix_path) {
  std::string path =
      unix_path.starts_with('/') ? "Z:" + std::string(unix_path) : std::string(unix_path);
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace quelrin::test
