// A user at the screen of a Windows program: finds its windows, reads what
// they show, types, picks, clicks and presses keys, and acknowledges message
// boxes after reading them. Runs on a thread, or in a process, other than
// the one whose modal loops run the dialogs, so that every action goes
// through the dialog manager as a real user's does.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/message.hpp"

namespace quelrin::test {

// Whose windows to look at: a process, and within it one thread or any.
struct WindowOwner {
  DWORD process = GetCurrentProcessId();
  DWORD thread = 0;
};

// Polls `done` every few milliseconds until it holds; false after `patience`.
bool eventually(const std::function<bool()>& done,
                std::chrono::milliseconds patience = std::chrono::seconds(15));

// The owner's visible top-level windows: dialogs and message boxes.
std::vector<HWND> top_windows(WindowOwner owner);
std::string window_text(HWND window);
// The visible top-level window with that caption, once it shows; nullptr if
// it never does.
HWND wait_for_window(WindowOwner owner, std::string_view caption);
bool wait_until_closed(HWND window);

// Waits for a message box, reads its title, text and icon, saves a
// screenshot of it when given a name, and presses Enter on its button;
// nothing when none shows.
std::optional<Message> acknowledge_message(WindowOwner owner, std::string_view screenshot = {});
// The same for a question: clicks "Sim" when `yes`, else "Não".
std::optional<Message> answer_question(WindowOwner owner, bool yes,
                                       std::string_view screenshot = {});
// A message box currently shown, if any.
HWND find_message_box(WindowOwner owner);

// What a dialog's controls show.
std::string item_text(HWND dialog, int id);
std::vector<std::string> list_entries(HWND dialog, int id);
int list_selection(HWND dialog, int id);
bool is_checked(HWND dialog, int id);
bool is_enabled(HWND dialog, int id);
// The id of the control with the keyboard focus on the owner's thread, 0
// when none.
int focused_id(WindowOwner owner);
// The selected characters of an edit: from, up to but not including to.
std::pair<int, int> edit_selection(HWND dialog, int id);

// What the user does. Actions that may open a modal window are posted, so
// the user stays free to answer it.
void type(HWND dialog, int id, std::string_view text);  // replaces the text
void pick(HWND dialog, int id, int index);              // selects an entry
void click(HWND dialog, int id);                        // a mouse click on a button
void double_click(HWND dialog, int id, int index);      // on a list box entry
void choose_menu_item(HWND dialog, int id);
void close_box(HWND dialog);  // the caption's close box
// A key pressed and released on the control that has the focus.
void press_key(WindowOwner owner, WORD key);

// Saves the window as it shows on the screen, as NAME.bmp in the folder named
// by QUELRIN_SCREENSHOTS (nothing when unset).
void save_screenshot(HWND window, std::string_view name);

// A file of the build machine seen from Windows under Wine (drive Z: is the
// root of the host's file system).
std::string host_path(std::string_view unix_path);

}  // namespace quelrin::test
