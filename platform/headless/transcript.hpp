// The scenario runner's transcript: what the user saw, one line per fact,
// in UTF-8. Texts are printed as they are between double quotes, with no
// escaping: a text holding a quote or a line end is printed with it.
#pragma once

#include <ostream>
#include <string_view>

#include "platform/headless/headless_dialog.hpp"
#include "platform/headless/headless_host.hpp"

namespace quelrin {

class Transcript final : public HeadlessObserver {
 public:
  explicit Transcript(std::ostream& out) : out_(out) {}

  // message warning "TITLE" "TEXT" (or message error ...)
  void message_shown(const Message& message) override;
  // question warning "TITLE" "TEXT" answered yes (or ... answered no)
  void question_asked(const Message& question, bool yes) override;
  // open "NAME"
  void document_opened(std::string_view name) override;
  // exit N
  void program_exited(int code);

  // For a list or combo box `ID list sel=N count=C`, then `  i "entry"` for
  // each entry; for any other control `ID text "TEXT"`. The first line ends
  // with whichever of ` checked`, ` disabled`, ` focus`, ` selected=FROM-TO`
  // hold. An owner-drawn control with a picture adds a summary of it: its
  // size, the axes' titles and ends, then in data values the tie line
  // (`tie line P from V1 to V2`), each marked point (`point "LABEL" X Y`) and
  // clipping mark (`clipped at X`), and the labels of the curves and areas and
  // the texts of the notes.
  void show_control(const HeadlessDialog& dialog, const ControlState& control);

 private:
  std::ostream& out_;
};

}  // namespace quelrin
