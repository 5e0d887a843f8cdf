// The program's real dialogs under the Win32 dialog manager: what the user
// sees and what keys, clicks and menus do, checked against the portable core
// that the headless manager runs too.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/calculation_request.hpp"
#include "calc/recorded_report.hpp"
#include "fluids/fluid_database.hpp"
#include "fluids/fluid_names.hpp"
#include "resources/resource_ids.h"
#include "tests/windows/running_program.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin::test {
namespace {

FluidTable parse(std::string_view database) {
  FluidTable table;
  std::string reason;
  EXPECT_TRUE(parse_fluid_database(database, table, reason)) << reason;
  return table;
}

std::vector<std::string> names_of(const FluidTable& table) {
  std::vector<std::string> names;
  for (std::string_view name : fluid_names(table)) names.emplace_back(name);
  return names;
}

// What the core computes for the main window's choices.
struct Expected {
  CalcResult result;
  RecordedReport report;
};

Expected compute(int fluid, int equation, std::string_view temperature, UnitPrefs units) {
  Expected expected;
  expected.result = run_calculation_request(parse(shipped_database()), fluid, equation_at(equation),
                                            temperature, units, expected.report);
  return expected;
}

// How many pixels of the control show exactly that colour on the screen.
int pixels_of(HWND control, COLORREF colour) {
  RECT r = {};
  GetWindowRect(control, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  const auto* pixel = static_cast<const DWORD*>(bits);
  const int count = static_cast<int>(std::count_if(
      pixel, pixel + width * height, [&](DWORD p) { return (p & 0xFFFFFF) == wanted; }));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return count;
}

class MainWindow : public RunningProgram {
 protected:
  void SetUp() override {
    RunningProgram::SetUp();
    write_file("dados.txt", shipped_database());
    window = start();
    ASSERT_NE(window, nullptr);
  }

  // Runs a calculation from the menu and answers the message it shows.
  std::optional<Message> refusal(std::string_view temperature, std::string_view screenshot = {}) {
    type(window, IDC_TEMPERATURE_EDIT, temperature);
    choose_menu_item(window, IDM_CALCULATE);
    return acknowledge_message(owner(), screenshot);
  }

  // The dialog manager gives the focus back once a message box has gone.
  bool focus_comes_to(int id) {
    return eventually([&] { return focused_id(owner()) == id; }, std::chrono::seconds(2));
  }

  HWND window = nullptr;
};

TEST_F(MainWindow, OpensAsItsTemplateAndStartUpDescribe) {
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "Ruzav");
  EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0u);
  EXPECT_EQ(GetMenuItemCount(GetMenu(window)), 2);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));

  EXPECT_EQ(list_entries(window, IDC_EQUATION_LIST),
            std::vector<std::string>(std::begin(EQUATION_NAMES), std::end(EQUATION_NAMES)));
  EXPECT_EQ(list_selection(window, IDC_EQUATION_LIST), 0);
  EXPECT_EQ(list_entries(window, IDC_FLUID_LIST), names_of(parse(shipped_database())));
  EXPECT_EQ(list_selection(window, IDC_FLUID_LIST), 0);
  // A first start creates the preferences and says so with a lower-case v.
  EXPECT_EQ(item_text(window, IDC_PRESSURE_LABEL), cp1252<"Pressão de vapor (bar):">);
  EXPECT_EQ(item_text(window, IDC_TEMPERATURE_LABEL), "Entre com a temperatura (K):");
  EXPECT_EQ(read_file("prefs.dat"), "0 0");
  EXPECT_EQ(focused_id(owner()), IDOK);
}

TEST_F(MainWindow, EnterInTheTemperatureFieldCalculatesAndEscapeQuits) {
  pick(window, IDC_FLUID_LIST, 1);
  pick(window, IDC_EQUATION_LIST, 1);
  type(window, IDC_TEMPERATURE_EDIT, "90");
  // Calcula, Sair, Sobre, the two lists, then the temperature.
  for (int i = 0; i < 5; ++i) press_key(owner(), VK_TAB);
  ASSERT_TRUE(eventually([&] { return focused_id(owner()) == IDC_TEMPERATURE_EDIT; }));
  press_key(owner(), VK_RETURN);
  ASSERT_TRUE(eventually([&] { return !item_text(window, IDC_PRESSURE_EDIT).empty(); }));

  const Expected expected = compute(1, 1, "90", {});
  ASSERT_FALSE(expected.result.stopped());
  EXPECT_EQ(item_text(window, IDC_PRESSURE_EDIT), expected.result.result_text);
  EXPECT_EQ(item_text(window, IDC_ESTIMATE_EDIT), expected.result.estimate_text);
  EXPECT_EQ(list_entries(window, IDC_ITERATION_LOG), expected.report.log);
  EXPECT_EQ(list_selection(window, IDC_ITERATION_LOG), expected.report.selected);
  EXPECT_EQ(item_text(window, IDC_CONVERGENCE_NOTE), expected.report.note);
  save_screenshot(window, "main-window");

  press_key(owner(), VK_ESCAPE);
  EXPECT_EQ(exit_code(), 0);
}

TEST_F(MainWindow, RefusalsShowTheirMessageAndSelectTheBadCharacter) {
  EXPECT_EQ(refusal(""), (Message{"Entre com algum valor de temperatura!", cp1252<"Atenção!">,
                                  MessageIcon::warning}));

  const Message invalid{
      cp1252<"Verifique a entrada de caracteres inválidos no campo \"Temperatura\" !">,
      cp1252<"Atenção!">, MessageIcon::warning};
  EXPECT_EQ(refusal("1e3", "temperature-refused"), invalid);
  EXPECT_TRUE(focus_comes_to(IDC_TEMPERATURE_EDIT));
  EXPECT_EQ(edit_selection(window, IDC_TEMPERATURE_EDIT), std::make_pair(1, 2));
  EXPECT_EQ(refusal("  "), invalid);
  EXPECT_EQ(edit_selection(window, IDC_TEMPERATURE_EDIT), std::make_pair(0, 1));
  EXPECT_EQ(refusal(cp1252<"25ç">), invalid);
  EXPECT_EQ(edit_selection(window, IDC_TEMPERATURE_EDIT), std::make_pair(2, 3));

  const Expected too_hot = compute(0, 0, "5000", {});
  ASSERT_TRUE(too_hot.result.message);
  EXPECT_EQ(too_hot.result.message->text, cp1252<"T maior que Tc de Água ( Tc = 647.35K )">);
  EXPECT_EQ(refusal("5000"), too_hot.result.message);
  EXPECT_EQ(list_entries(window, IDC_ITERATION_LOG), std::vector<std::string>{});
  EXPECT_EQ(item_text(window, IDC_PRESSURE_EDIT), "");
}

TEST_F(MainWindow, UnitsDialogChangesTheUnitsAndTheLabels) {
  choose_menu_item(window, IDM_UNITS);
  const HWND units = wait_for_window(owner(), cp1252<"Configuração de Unidades">);
  ASSERT_NE(units, nullptr);
  EXPECT_TRUE(is_checked(units, IDC_PRESSURE_BAR));
  EXPECT_TRUE(is_checked(units, IDC_TEMPERATURE_K));
  EXPECT_EQ(focused_id(owner()), IDC_UNITS_OK);
  save_screenshot(units, "units-dialog");

  // Escape sends command 2, which the dialog leaves alone.
  press_key(owner(), VK_ESCAPE);
  click(units, IDC_PRESSURE_KPA);
  click(units, IDC_TEMPERATURE_C);
  ASSERT_TRUE(eventually([&] { return is_checked(units, IDC_TEMPERATURE_C); }));
  EXPECT_TRUE(IsWindowVisible(units));
  EXPECT_FALSE(is_checked(units, IDC_PRESSURE_BAR));
  EXPECT_TRUE(is_checked(units, IDC_PRESSURE_KPA));
  EXPECT_FALSE(is_checked(units, IDC_TEMPERATURE_K));

  // The focus is on the last button clicked; Enter presses "OK" from the
  // radio button all the same, being the default.
  press_key(owner(), VK_RETURN);
  ASSERT_TRUE(wait_until_closed(units));
  EXPECT_EQ(item_text(window, IDC_PRESSURE_LABEL), cp1252<"Pressão de Vapor (kPa):">);
  EXPECT_EQ(item_text(window, IDC_TEMPERATURE_LABEL), cp1252<"Entre com a temperatura (°C):">);
  EXPECT_EQ(read_file("prefs.dat"), "2 2");

  type(window, IDC_TEMPERATURE_EDIT, "25,5");
  click(window, IDOK);
  ASSERT_TRUE(eventually([&] { return !item_text(window, IDC_PRESSURE_EDIT).empty(); }));
  const Expected expected = compute(0, 0, "25,5", {PressureUnit::kpa, TemperatureUnit::celsius});
  EXPECT_EQ(item_text(window, IDC_PRESSURE_EDIT), expected.result.result_text);
  EXPECT_EQ(item_text(window, IDC_ESTIMATE_EDIT), expected.result.estimate_text);
  EXPECT_EQ(item_text(window, IDC_TEMPERATURE_EDIT), "25,5");
}

TEST_F(MainWindow, AboutBoxEndsWithEnterAndHelpNeedsItsFile) {
  click(window, IDC_ABOUT_BUTTON);
  const HWND about = wait_for_window(owner(), "Sobre");
  ASSERT_NE(about, nullptr);
  save_screenshot(about, "about-box");
  press_key(owner(), VK_RETURN);
  EXPECT_TRUE(wait_until_closed(about));

  choose_menu_item(window, IDM_HELP);
  EXPECT_EQ(acknowledge_message(owner()),
            (Message{cp1252<"Arquivo Quel.chm não encontrado. Verifique se o arquivo encontra-se "
                            "na pasta de Quelrin">,
                     "Erro:", MessageIcon::error}));

  close_box(window);
  EXPECT_EQ(exit_code(), 0);
}

TEST_F(MainWindow, FluidEditorAddsDeletesAndSaves) {
  pick(window, IDC_FLUID_LIST, 1);  // Nitrogênio, kept across the reload
  choose_menu_item(window, IDM_FLUID_EDITOR);
  const HWND editor = wait_for_window(owner(), "Editor de fluidos");
  ASSERT_NE(editor, nullptr);
  FluidTable table = parse(shipped_database());
  sort_as_listed(table);
  EXPECT_EQ(list_entries(editor, IDC_EDITOR_FLUID_LIST), names_of(table));
  EXPECT_EQ(list_selection(editor, IDC_EDITOR_FLUID_LIST), 0);
  EXPECT_EQ(focused_id(owner()), IDC_EDITOR_FLUID_LIST);
  EXPECT_TRUE(is_checked(editor, IDC_EDITOR_ANTOINE));
  EXPECT_FALSE(is_enabled(editor, IDC_EDITOR_CONSTANT_4));
  EXPECT_EQ(item_text(editor, IDC_EDITOR_CONSTANT_4), "0");

  // An empty field is reported with the focus in it; a refused character is
  // selected where it stands.
  click(editor, IDC_EDITOR_ADD);
  EXPECT_EQ(acknowledge_message(owner()),
            (Message{cp1252<"Verifique existência de campos não preenchidos!">, cp1252<"Atenção!">,
                     MessageIcon::warning}));
  EXPECT_TRUE(focus_comes_to(IDC_EDITOR_NAME));
  type(editor, IDC_EDITOR_NAME, "Zinco");
  type(editor, IDC_EDITOR_CONSTANT_1, "4,1");
  type(editor, IDC_EDITOR_CONSTANT_2, "1x3");
  type(editor, IDC_EDITOR_CONSTANT_3, "-50");
  type(editor, IDC_EDITOR_PC, "40");
  type(editor, IDC_EDITOR_TC, "500");
  type(editor, IDC_EDITOR_ACENTRIC, "0.3");
  click(editor, IDC_EDITOR_ADD);
  EXPECT_EQ(acknowledge_message(owner()),
            (Message{cp1252<"Verifique entrada de caracteres inválidos!">, cp1252<"Atenção!">,
                     MessageIcon::warning}));
  EXPECT_TRUE(focus_comes_to(IDC_EDITOR_CONSTANT_2));
  EXPECT_EQ(edit_selection(editor, IDC_EDITOR_CONSTANT_2), std::make_pair(1, 2));
  EXPECT_EQ(item_text(editor, IDC_EDITOR_CONSTANT_1), "4.1");

  // The real sorted list box puts the new name where the word sort does.
  type(editor, IDC_EDITOR_CONSTANT_2, "1200");
  click(editor, IDC_EDITOR_ADD);
  ASSERT_TRUE(eventually(
      [&] { return list_entries(editor, IDC_EDITOR_FLUID_LIST).size() == table.size() + 1; }));
  FluidRecord zinc;
  zinc.name = "Zinco";
  table.push_back(zinc);
  sort_as_listed(table);
  EXPECT_EQ(list_entries(editor, IDC_EDITOR_FLUID_LIST), names_of(table));
  EXPECT_EQ(list_selection(editor, IDC_EDITOR_FLUID_LIST), find_fluid(table, "Zinco"));
  EXPECT_EQ(focused_id(owner()), IDC_EDITOR_SAVE);
  save_screenshot(editor, "fluid-editor");

  // A double click shows a fluid; "Excluir" deletes it and selects the next.
  const int metano = find_fluid(table, "Metano");
  pick(editor, IDC_EDITOR_FLUID_LIST, metano);
  double_click(editor, IDC_EDITOR_FLUID_LIST, metano);
  ASSERT_TRUE(eventually([&] { return item_text(editor, IDC_EDITOR_NAME) == "Metano"; }));
  EXPECT_TRUE(is_checked(editor, IDC_EDITOR_WAGNER));
  EXPECT_TRUE(is_enabled(editor, IDC_EDITOR_CONSTANT_4));
  click(editor, IDC_EDITOR_DELETE);
  ASSERT_TRUE(eventually([&] { return item_text(editor, IDC_EDITOR_NAME).empty(); }));
  table.erase(table.begin() + metano);
  EXPECT_EQ(list_entries(editor, IDC_EDITOR_FLUID_LIST), names_of(table));
  EXPECT_EQ(list_selection(editor, IDC_EDITOR_FLUID_LIST), metano);
  EXPECT_EQ(focused_id(owner()), IDC_EDITOR_SAVE);

  // Another program saves meanwhile: the save asks before discarding its
  // fluids; "Não" leaves its file, "Sim" writes the editor's.
  const std::string theirs = "1\nOutro Envelope 0 0 0 0 40 300 0.1\n";
  write_file("dados.txt", theirs);
  const Message question{
      cp1252<"O arquivo 'dados.txt' foi alterado por outro programa depois que o editor o abriu. "
             "Salvar assim mesmo e descartar essas alterações?">,
      cp1252<"Atenção!">, MessageIcon::warning};
  click(editor, IDC_EDITOR_SAVE);
  EXPECT_EQ(answer_question(owner(), false, "question-file-changed"), question);
  EXPECT_EQ(read_file("dados.txt"), theirs);
  EXPECT_TRUE(focus_comes_to(IDC_EDITOR_SAVE));

  // Enter saves ("Salvar" has the focus and is the default button).
  press_key(owner(), VK_RETURN);
  EXPECT_EQ(answer_question(owner(), true), question);
  ASSERT_TRUE(
      eventually([&] { return read_file("dados.txt").find("Zinco") != std::string::npos; }));
  const std::string saved = read_file("dados.txt");
  EXPECT_TRUE(saved.starts_with("35\n"));
  EXPECT_NE(saved.find("\nZinco Antoine 4.1 1200 -50 0 40 500 0.3\n"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("\nMetano "), std::string::npos);

  // Deleting the last entry leaves none selected; closing without saving
  // leaves the file as it was saved.
  const int last = static_cast<int>(table.size()) - 1;
  pick(editor, IDC_EDITOR_FLUID_LIST, last);
  click(editor, IDC_EDITOR_DELETE);
  ASSERT_TRUE(eventually(
      [&] { return list_entries(editor, IDC_EDITOR_FLUID_LIST).size() == table.size() - 1; }));
  EXPECT_EQ(list_selection(editor, IDC_EDITOR_FLUID_LIST), -1);

  // Escape closes the editor; the main window reads the file again and keeps
  // the fluid it had selected.
  press_key(owner(), VK_ESCAPE);
  ASSERT_TRUE(wait_until_closed(editor));
  EXPECT_EQ(read_file("dados.txt"), saved);
  EXPECT_EQ(list_entries(window, IDC_FLUID_LIST), names_of(table));
  EXPECT_EQ(list_selection(window, IDC_FLUID_LIST), find_fluid(table, cp1252<"Nitrogênio">));
}

// Water at 373.15 K from the menu: the isotherm painted with both areas in
// their colours (on the log volume scale the liquid's is wide enough to
// count), then the saturation curves, where the scale has no say.
TEST_F(MainWindow, DiagramPaintsTheIsothermAndTheSaturationCurves) {
  pick(window, IDC_FLUID_LIST, 0);  // Água
  type(window, IDC_TEMPERATURE_EDIT, "373.15");
  choose_menu_item(window, IDM_DIAGRAM);
  const HWND diagram = wait_for_window(owner(), "Diagrama");
  ASSERT_NE(diagram, nullptr);
  EXPECT_TRUE(is_checked(diagram, IDC_DIAGRAM_ISOTHERM));
  const HWND plot = GetDlgItem(diagram, IDC_DIAGRAM_PLOT);
  const COLORREF liquid = RGB(140, 200, 250);
  const COLORREF vapour = RGB(250, 190, 120);
  ASSERT_TRUE(eventually([&] { return pixels_of(plot, vapour) > 1000; }));
  save_screenshot(diagram, "diagram-isotherm");

  click(diagram, IDC_DIAGRAM_LOG_VOLUME);
  ASSERT_TRUE(
      eventually([&] { return pixels_of(plot, liquid) > 1000 && pixels_of(plot, vapour) > 1000; }));
  save_screenshot(diagram, "diagram-isotherm-log");

  click(diagram, IDC_DIAGRAM_SATURATION);
  ASSERT_TRUE(eventually([&] { return !is_enabled(diagram, IDC_DIAGRAM_LOG_VOLUME); }));
  ASSERT_TRUE(eventually([&] { return pixels_of(plot, vapour) == 0; }));
  save_screenshot(diagram, "diagram-saturation");
  press_key(owner(), VK_ESCAPE);
  ASSERT_TRUE(wait_until_closed(diagram));
  EXPECT_EQ(item_text(window, IDC_PRESSURE_EDIT), "");
}

}  // namespace
}  // namespace quelrin::test
