// Modal dialogs from the program's templates, their messages forwarded to
// the dialog procedures.
#include "platform/win32/win32_host.hpp"

#include <optional>

#include "platform/win32/win32_dialog.hpp"

namespace quelrin {
namespace {

// One running dialog: handed over with WM_INITDIALOG and kept with the
// window (DWLP_USER) for the messages that follow.
struct Session {
  DialogProcedure& procedure;
  Win32Host& host;
  std::optional<Win32Dialog> dialog;
};

INT_PTR CALLBACK forward(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) {
    auto* session = reinterpret_cast<Session*>(l);
    SetWindowLongPtrA(window, DWLP_USER, l);
    session->dialog.emplace(window, session->host);
    return session->procedure.on_open(*session->dialog);
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) find no session yet.
  auto* session = reinterpret_cast<Session*>(GetWindowLongPtrA(window, DWLP_USER));
  if (session == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      return session->procedure.on_command(*session->dialog, LOWORD(w), HIWORD(w));
    case WM_CLOSE:
      return session->procedure.on_close(*session->dialog);
    case WM_DRAWITEM:
      return session->dialog->draw_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
    default:
      return FALSE;
  }
}

}  // namespace

int Win32Host::run_dialog(int template_id, DialogProcedure& procedure) {
  return run_modal(template_id, procedure, nullptr);
}

int Win32Host::run_modal(int template_id, DialogProcedure& procedure, HWND owner) {
  Session session{procedure, *this, std::nullopt};
  return static_cast<int>(DialogBoxParamA(resources_, MAKEINTRESOURCEA(template_id), owner, forward,
                                          reinterpret_cast<LPARAM>(&session)));
}

}  // namespace quelrin
