// The main window's procedure.
#include "app/main_window.hpp"

#include "app/about_box.hpp"
#include "app/window_report.hpp"
#include "calc/cubic_solver.hpp"
#include "calc/recorded_report.hpp"
#include "diagram/diagram_dialog.hpp"
#include "fluids/fluid_editor.hpp"
#include "fluids/fluid_loading.hpp"
#include "fluids/fluid_names.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252_literal.hpp"
#include "units/unit_labels.hpp"
#include "units/units_dialog.hpp"

namespace quelrin {
namespace {

// Room of the temperature field, terminator included.
constexpr int TEMPERATURE_ROOM = static_cast<int>(TEMPERATURE_TEXT_LIMIT) + 1;

void clear_results(Dialog& window) {
  window.list_reset(IDC_ITERATION_LOG);
  window.set_text(IDC_PRESSURE_EDIT, "");
  window.set_text(IDC_ESTIMATE_EDIT, "");
}

}  // namespace

int MainWindow::on_open(Dialog& window) {
  load_unit_prefs(window, prefs_);
  if (!load_fluids_for_main(window, fluids_)) {
    window.end(1);
    return 1;
  }
  for (const char* name : EQUATION_NAMES) window.list_add(IDC_EQUATION_LIST, name);
  window.list_select(IDC_EQUATION_LIST, 0);
  return 1;
}

int MainWindow::on_command(Dialog& window, int control_id, int) {
  switch (control_id) {
    case IDOK:
    case IDM_CALCULATE:
      calculate(window);
      return 1;
    case IDCANCEL:
    case IDM_EXIT:
      quit(window);
      return 1;
    case IDC_ABOUT_BUTTON:
    case IDM_ABOUT: {
      AboutBox about;
      window.run_child(IDD_ABOUT, about);
      return 1;
    }
    case IDM_HELP:
      open_help(window);
      return 1;
    case IDM_UNITS:
      run_units_dialog(window);
      return 1;
    case IDM_FLUID_EDITOR:
      run_fluid_editor(window);
      return 1;
    case IDM_DIAGRAM:
      show_diagram(window);
      return 1;
    default:
      return 0;
  }
}

int MainWindow::on_close(Dialog& window) {
  quit(window);
  return 1;
}

void MainWindow::calculate(Dialog& window) {
  // A note from an earlier run never stays beside a new result.
  window.set_text(IDC_CONVERGENCE_NOTE, "");
  WindowReport report(window);
  const CalcResult result = run_calculation_request(
      fluids_, window.list_selection(IDC_FLUID_LIST),
      equation_at(window.list_selection(IDC_EQUATION_LIST)),
      window.get_text(IDC_TEMPERATURE_EDIT, TEMPERATURE_ROOM), prefs_, report);
  apply(window, result);
}

// The diagram of the request "Calcula" would run, refused as it would be;
// the window's own results stay as they are.
void MainWindow::show_diagram(Dialog& window) {
  const int fluid_index = window.list_selection(IDC_FLUID_LIST);
  const std::optional<EquationOfState> equation =
      equation_at(window.list_selection(IDC_EQUATION_LIST));
  RecordedReport report;
  const CalcResult result = run_calculation_request(
      fluids_, fluid_index, equation, window.get_text(IDC_TEMPERATURE_EDIT, TEMPERATURE_ROOM),
      prefs_, report);
  if (result.stopped()) {
    apply(window, result);
    return;
  }
  const bool converged = !is_saturation_error(result.pressure_bar) && report.note.empty();
  const DiagramView view{*equation, result.t_k, converged ? result.pressure_bar : 0.0, false,
                         prefs_};
  DiagramDialog diagram(fluids_[static_cast<std::size_t>(fluid_index)], view);
  window.run_child(IDD_DIAGRAM, diagram);
}

void MainWindow::apply(Dialog& window, const CalcResult& result) {
  if (result.clear_results) clear_results(window);
  if (result.refused_position >= 0) {
    window.set_focus(IDC_TEMPERATURE_EDIT);
    window.select_text(IDC_TEMPERATURE_EDIT, result.refused_position, result.refused_position + 1);
  }
  if (result.message) window.show_message(*result.message);
  if (!result.stopped()) {
    window.set_text(IDC_PRESSURE_EDIT, result.result_text);
    window.set_text(IDC_ESTIMATE_EDIT, result.estimate_text);
  }
}

void MainWindow::run_fluid_editor(Dialog& window) {
  FluidEditor editor;
  if (window.run_child(IDD_EDITOR, editor) == -1) {
    window.show_message({cp1252<"Não foi possível criar o diálogo.">, "Erro!", MessageIcon::error});
    return;
  }

  // The editor reaches this window only through the file: read it again and
  // keep the selected fluid if its name survived. The list is refilled in
  // one call, as at the opening: emptied first, a list of a hundred thousand
  // names once shown took seconds to follow each removal. When the file
  // cannot be read, the table in place stays the one shown.
  const int selected = window.list_selection(IDC_FLUID_LIST);
  const std::string selected_name = selected >= 0 ? window.list_text(IDC_FLUID_LIST, selected) : "";
  load_fluids_for_main(window, fluids_);
  // The list shows the table in its order, so the table answers for it.
  const int found = find_fluid(fluids_, selected_name);
  if (found >= 0) {
    window.list_select(IDC_FLUID_LIST, found);
  } else {
    window.list_select(IDC_FLUID_LIST, 0);
    clear_results(window);
  }
}

void MainWindow::run_units_dialog(Dialog& window) {
  UnitsDialog units(prefs_);
  window.run_child(IDD_UNITS, units);
  relabel_units(window, prefs_);
}

void MainWindow::open_help(Dialog& window) {
  if (window.open_document(HELP_FILE) == SHELL_FILE_NOT_FOUND) {
    window.show_message(
        {cp1252<"Arquivo Quel.chm não encontrado. Verifique se o arquivo encontra-se na "
                "pasta de Quelrin">,
         "Erro:", MessageIcon::error});
  }
}

void MainWindow::quit(Dialog& window) {
  fluids_ = FluidTable{};
  window.end(0);
}

}  // namespace quelrin
