// The class record of the main window.
#include "platform/win32/main_window_class.hpp"

#include "resources/resource_ids.h"

namespace quelrin {

void register_main_window_class(HINSTANCE instance) {
  WNDCLASSA window_class = {};
  window_class.style = 0;
  window_class.lpfnWndProc = DefDlgProcA;
  window_class.cbClsExtra = 0;
  window_class.cbWndExtra = DLGWINDOWEXTRA;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  // The template attaches its own menu; no menu resource bears this name.
  window_class.lpszMenuName = "menu";
  window_class.lpszClassName = MAIN_WINDOW_CLASS;
  RegisterClassA(&window_class);
}

}  // namespace quelrin
