// The "Diagrama" dialog: the picture of the main window's request, as the
// isotherm with Maxwell's construction or as the saturation curves.
#pragma once

#include "diagram/diagram_view.hpp"
#include "dialog/dialog.hpp"
#include "fluids/fluid_record.hpp"

namespace quelrin {

class DiagramDialog : public DialogProcedure {
 public:
  DiagramDialog(const FluidRecord& fluid, const DiagramView& view) : fluid_(fluid), view_(view) {}

  int on_open(Dialog& dialog) override;
  int on_command(Dialog& dialog, int control_id, int notification) override;
  int on_close(Dialog& dialog) override;

 private:
  void redraw(Dialog& dialog);

  const FluidRecord& fluid_;
  DiagramView view_;
};

}  // namespace quelrin
