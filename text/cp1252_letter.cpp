// Which Windows-1252 bytes are letters, as the Windows dialog manager
// classes them; the Windows program asks the dialog manager itself instead
// (cp1252_letter_win32.cpp).
#include "text/cp1252.hpp"

namespace quelrin {

bool is_cp1252_letter(char c) {
  const unsigned b = static_cast<unsigned char>(c);
  if ((b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A)) return true;
  switch (b) {
    case 0x83:
    case 0x88:
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F:
    case 0xAA:
    case 0xB5:
    case 0xBA:
      return true;
    default:
      return (b >= 0xC0 && b <= 0xFF) && b != 0xD7 && b != 0xF7;
  }
}

}  // namespace quelrin
