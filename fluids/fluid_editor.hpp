// The fluid editor: adds, changes, deletes and saves the fluids of dados.txt
// on its own table; the main window sees the changes only through the file.
#pragma once

#include <optional>
#include <string>

#include "dialog/dialog.hpp"
#include "fluids/fluid_record.hpp"

namespace quelrin {

class FluidEditor : public DialogProcedure {
 public:
  int on_open(Dialog& editor) override;
  int on_command(Dialog& editor, int control_id, int notification) override;
  int on_close(Dialog& editor) override;

 private:
  void add_fluid(Dialog& editor);
  void delete_selected_fluid(Dialog& editor);
  void show_selected_fluid(Dialog& editor);

  FluidTable table_;  // in the order of the editor's sorted list
  // dados.txt as the editor read it or last saved it.
  std::optional<std::string> known_text_;
};

}  // namespace quelrin
