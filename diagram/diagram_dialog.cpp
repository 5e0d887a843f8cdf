// The diagram dialog's procedure: the view's buttons redraw the picture.
#include "diagram/diagram_dialog.hpp"

#include "diagram/isotherm_drawing.hpp"
#include "diagram/saturation_drawing.hpp"
#include "resources/resource_ids.h"

namespace quelrin {
namespace {

// The plot control's size in the template, in dialog units.
constexpr double PLOT_WIDTH = 314.0;
constexpr double PLOT_HEIGHT = 190.0;

}  // namespace

int DiagramDialog::on_open(Dialog& dialog) {
  dialog.check_radio(IDC_DIAGRAM_ISOTHERM, IDC_DIAGRAM_SATURATION, IDC_DIAGRAM_ISOTHERM);
  redraw(dialog);
  return 1;
}

int DiagramDialog::on_command(Dialog& dialog, int control_id, int) {
  switch (control_id) {
    case IDC_DIAGRAM_ISOTHERM:
    case IDC_DIAGRAM_SATURATION:
    case IDC_DIAGRAM_LOG_VOLUME:
      redraw(dialog);
      return 1;
    case IDOK:
    case IDCANCEL:
      dialog.end(0);
      return 1;
    default:
      return 0;
  }
}

int DiagramDialog::on_close(Dialog& dialog) {
  dialog.end(0);
  return 1;
}

void DiagramDialog::redraw(Dialog& dialog) {
  const bool isotherm = dialog.is_checked(IDC_DIAGRAM_ISOTHERM);
  // The volume's scale is a choice of the isotherm's view only.
  dialog.enable(IDC_DIAGRAM_LOG_VOLUME, isotherm);
  if (isotherm) {
    view_.log_volume = dialog.is_checked(IDC_DIAGRAM_LOG_VOLUME);
    dialog.show_drawing(IDC_DIAGRAM_PLOT, isotherm_drawing(fluid_, view_, PLOT_WIDTH, PLOT_HEIGHT));
  } else {
    dialog.show_drawing(IDC_DIAGRAM_PLOT,
                        saturation_drawing(fluid_, view_, PLOT_WIDTH, PLOT_HEIGHT));
  }
}

}  // namespace quelrin
