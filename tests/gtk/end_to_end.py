#!/usr/bin/python3
"""The real quelrin on a private X server: driven with xdotool (keys and
mouse), read back through the accessibility tree (AT-SPI), a screenshot of
every dialog saved for a person to look at.

usage: end_to_end.py QUELRIN DADOS_TXT QUEL_CHM WORK_DIR SCREENSHOT_DIR
Run it inside `dbus-run-session`, which gives the accessibility bus."""

import os
import shutil
import signal
import subprocess
import sys
import time

import pyatspi

QUELRIN, DATABASE, HELP_FILE, WORK, SHOTS = sys.argv[1:6]
MAIN_TITLE = "Quelrin - Pressão de Vapor"
failures = []
programs = []  # every program started, ended at the end whatever happened


# --- the X server ---------------------------------------------------------

def start_x_server():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            sys.exit("Xvfb did not start")
        number += chunk
    os.close(read_end)
    os.environ["DISPLAY"] = ":" + number.decode().strip()
    return server


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout


def screenshot(name, title=None):
    """The window of that title, or the whole screen."""
    window = "root"
    if title is not None:
        window = xdotool("search", "--onlyvisible", "--name", "^%s$" % title).split()[-1]
    subprocess.run(["import", "-window", window, os.path.join(SHOTS, name + ".png")], check=True)


# --- waiting and checking -------------------------------------------------

def wait_for(what, condition, timeout=10.0):
    end = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # the tree changes under the reader while windows come and go
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


def check(what, actual, expected):
    if actual != expected:
        failures.append("%s: %r, expected %r" % (what, actual, expected))
        print("FAIL", failures[-1])
    else:
        print("ok  ", what)


# --- the accessibility tree -----------------------------------------------

class Program:
    def __init__(self, work, env=None):
        # Under the sanitizer build, GTK's and fontconfig's own allocations
        # held until exit are not the program's leaks.
        environment = dict(os.environ, ASAN_OPTIONS="detect_leaks=0", **(env or {}))
        self.process = subprocess.Popen([QUELRIN], cwd=work, env=environment)
        self.app = None

    def application(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def window(self, title):
        """The showing top-level window of that title."""
        self.app = self.app or self.application()
        for window in self.app:
            if window.name == title and window.getState().contains(pyatspi.STATE_SHOWING):
                return window
        return None

    def wait_window(self, title):
        window = wait_for("window " + title, lambda: self.window(title))
        # No window manager gives the new window the keyboard: give it.
        xid = wait_for("X window " + title, lambda: xdotool("search", "--onlyvisible", "--name", "^%s$" % title).split())
        xdotool("windowfocus", "--sync", xid[-1])
        time.sleep(0.1)
        return window

    def wait_gone(self, title):
        wait_for("window %s closed" % title, lambda: self.window(title) is None)

    def exit_code(self):
        return self.process.wait(timeout=10)


def find(root, accessible_id):
    def search(node, depth):
        if node.accessibleId == accessible_id:
            return node
        if depth > 12 or node.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
            return None
        for child in node:
            found = search(child, depth + 1) if child is not None else None
            if found is not None:
                return found
        return None
    found = search(root, 0)
    if found is None:
        raise AssertionError("no control " + accessible_id)
    return found


def text(node):
    if node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
        return node.queryText().getText(0, -1)
    return node.name


def rows(table):
    """The rows of a list box and the selected one (-1 for none)."""
    t = table.queryTable()
    entries = [t.getAccessibleAt(r, 0).name for r in range(t.nRows)]
    selected = [r for r in range(t.nRows) if t.isRowSelected(r)]
    return entries, (selected[0] if selected else -1)


def drop_down_entries(window, accessible_id):
    return rows(find(window, accessible_id + "-list"))[0]


def click(node):
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "1")


def double_click(node):
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "--repeat", "2", "--delay", "80", "1")


def keys(*names):
    xdotool("key", "--delay", "30", *names)


def type_text(value):
    xdotool("type", "--delay", "30", "--", value)


def selected_name(window):
    names, selected = rows(find(window, "list-301"))
    return names[selected] if selected >= 0 else None


def sensitive(node):
    return node.getState().contains(pyatspi.STATE_SENSITIVE)


def focused(window):
    """The accessible id of the control that has the keyboard focus."""
    found = pyatspi.findDescendant(window, lambda n: n is not None and n.getState().contains(pyatspi.STATE_FOCUSED))
    return found.accessibleId if found is not None else None


def checked(window, ids):
    """The radio buttons of those ids that are checked."""
    return [name for name in ("radio-%d" % i for i in ids)
            if find(window, name).getState().contains(pyatspi.STATE_CHECKED)]


def menu(window, top, item):
    click(wait_for("menu " + top, lambda: [m for m in find_all(window, pyatspi.ROLE_MENU) if m.name == top][0]))
    target = wait_for("menu item " + item, lambda: find(window, item))
    wait_for("menu open", lambda: target.getState().contains(pyatspi.STATE_SHOWING))
    click(target)


def find_all(root, role):
    return pyatspi.findAllDescendants(root, lambda n: n is not None and n.getRole() == role)


def message_box(program, title):
    """The text and icon name of the message box of that title."""
    box = program.wait_window(title)
    labels = [n.name for n in find_all(box, pyatspi.ROLE_LABEL) if n.name]
    icons = [n.name for n in find_all(box, pyatspi.ROLE_ICON)]
    return box, labels[0] if labels else "", icons


def acknowledge(program, title):
    keys("Return")
    program.wait_gone(title)


def prepare_work(name, database=True):
    work = os.path.join(WORK, name)
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    if database:
        shutil.copy(DATABASE, os.path.join(work, "dados.txt"))
    return work


def read(path):
    with open(path, "rb") as f:
        return f.read().decode("cp1252")


# --- what a user does -----------------------------------------------------

def refused_temperature(program, value):
    """Types `value` over the temperature that has the focus and presses
    Enter: the text and icon of the message box that refuses it."""
    program.wait_window(MAIN_TITLE)  # the keyboard back from a closed message box
    keys("ctrl+a")
    type_text(value)
    keys("Return")
    box, message, icons = message_box(program, "Atenção!")
    return message, icons


def calculation_and_refusals(program):
    main = program.wait_window(MAIN_TITLE)
    screenshot("main-window", MAIN_TITLE)
    # The focus starts on "Calcula"; Tab goes through the template's order.
    keys("Tab", "Tab", "Tab", "Tab", "Down")  # Sair, Sobre, model, fluid: the next fluid
    check("fluid chosen with the keys", wait_for("fluid", lambda: find(main, "combo-102").name == "Nitrogênio" and "Nitrogênio"), "Nitrogênio")
    keys("Tab")
    type_text("90")
    keys("Return")  # from the temperature field: the default button, "Calcula"
    pressure = find(main, "edit-104")
    wait_for("result", lambda: text(pressure))
    check("pressure of nitrogen at 90 K, Peng-Robinson", text(pressure), "3.61916")
    check("estimate", text(find(main, "edit-105")), "Valor por Wagner: 3.60713 bar.")
    log, selected = rows(find(main, "list-108"))
    check("iteration log length", len(log), 6)
    check("last log line selected", selected, 5)
    check("last log line", log[-1], "f(v) = 0.903718;    f(l) = 0.903718")
    check("convergence note", text(find(main, "label-110")), "")
    screenshot("calculation", MAIN_TITLE)

    # A letter in the temperature: refused, that character selected.
    temperature = find(main, "edit-103")
    click(temperature)
    message, icons = refused_temperature(program, "1e3")
    check("refusal text", message, 'Verifique a entrada de caracteres inválidos no campo "Temperatura" !')
    check("refusal icon", icons, ["Aviso"])
    screenshot("message-invalid-character", "Atenção!")
    acknowledge(program, "Atenção!")
    check("refused character selected", temperature.queryText().getSelection(0), (1, 2))
    check("result kept after a refusal", text(pressure), "3.61916")

    # At or above the critical temperature: the error icon.
    message, icons = refused_temperature(program, "500")
    check("critical temperature text", message, "T maior que Tc de Nitrogênio ( Tc = 126.2K )")
    check("critical temperature icon", icons, ["Erro"])
    acknowledge(program, "Atenção!")
    check("results emptied", (text(pressure), rows(find(main, "list-108"))[0]), ("", []))
    return main


def diagram(program, main):
    """Water at 373.15 K: the isotherm, on a log volume scale, and the
    saturation curves, where the scale has no say."""
    program.wait_window(MAIN_TITLE)
    click(find(main, "edit-103"))
    keys("ctrl+a")
    type_text("373.15")
    entries = drop_down_entries(main, "combo-102")
    steps = entries.index("Água") - entries.index(find(main, "combo-102").name)
    keys("shift+Tab", *(["Down"] * steps if steps > 0 else ["Up"] * -steps))  # on the fluid, to water
    wait_for("water chosen", lambda: find(main, "combo-102").name == "Água")
    menu(main, "Ferramentas", "menu-1090")
    dialog = program.wait_window("Diagrama")
    check("isotherm view first", find(dialog, "radio-501").getState().contains(pyatspi.STATE_CHECKED), True)
    plot = find(dialog, "label-504")
    check("plot size", tuple(plot.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))[2:], (628, 380))
    screenshot("diagram-isotherm", "Diagrama")
    log_scale = find(dialog, "check-503")
    click(log_scale)
    wait_for("log scale", lambda: log_scale.getState().contains(pyatspi.STATE_CHECKED))
    time.sleep(0.2)
    screenshot("diagram-isotherm-log", "Diagrama")
    click(find(dialog, "radio-502"))
    wait_for("scale disabled", lambda: not log_scale.getState().contains(pyatspi.STATE_SENSITIVE))
    time.sleep(0.2)
    screenshot("diagram-saturation", "Diagrama")
    click(find(dialog, "button-1"))
    program.wait_gone("Diagrama")
    check("the window's results stay empty", text(find(main, "edit-104")), "")


def fluid_by_typing(program, main):
    """Typing on the fluid drop-down, closed or open, selects as in Win32."""
    program.wait_window(MAIN_TITLE)  # the keyboard back from the About box
    click(find(main, "edit-103"))
    keys("shift+Tab")
    check("Shift+Tab from the temperature to the fluid list", focused(main), "combo-102")
    fluid = find(main, "combo-102")
    type_text("me")  # m alone would be Monóxido-de-carbono
    check("typed prefix on the closed list", wait_for("fluid", lambda: fluid.name == "Metano" and fluid.name), "Metano")
    time.sleep(1.2)
    type_text("á")  # after Metano, the next name starting with A acute
    check("typed accented letter", wait_for("fluid", lambda: fluid.name == "Ácido-acético" and fluid.name), "Ácido-acético")
    keys("alt+Down")
    wait_for("fluid list open", lambda: find(main, "combo-102-list").getState().contains(pyatspi.STATE_SHOWING))
    time.sleep(1.2)
    type_text("b")
    keys("Return")
    wait_for("fluid list closed", lambda: not find(main, "combo-102-list").getState().contains(pyatspi.STATE_SHOWING))
    check("typed letter on the open list, then Enter", fluid.name, "Benzeno")
    keys("Tab")
    message, icons = refused_temperature(program, "600")
    check("the typed fluid is the one calculated", message, "T maior que Tc de Benzeno ( Tc = 562.02K )")
    acknowledge(program, "Atenção!")


def units(program, main, work):
    menu(main, "Ferramentas", "menu-1080")
    dialog = program.wait_window("Configuração de Unidades")
    check("units dialog shows bar", find(dialog, "radio-403").getState().contains(pyatspi.STATE_CHECKED), True)
    # Each group of radio buttons is one Tab stop, its checked button; the
    # arrow keys move the check round the group.
    keys("Tab", "Tab")  # from OK past Cancelar
    check("Tab reaches the pressure group at its checked button", focused(dialog), "radio-403")
    keys("Down", "Down")
    check("Down checks the next buttons", (focused(dialog), checked(dialog, range(403, 408))), ("radio-405", ["radio-405"]))
    keys("Tab")
    check("Tab leaves the pressure group for the temperature group", focused(dialog), "radio-409")
    keys("Up", "Up")  # round the group from its first button
    check("Up goes round the group", (focused(dialog), checked(dialog, range(409, 413))), ("radio-411", ["radio-411"]))
    keys("Tab")
    check("Tab goes from the last group back to OK", focused(dialog), "button-401")
    keys("Escape")  # command 2, which the units dialog leaves alone
    time.sleep(0.2)
    check("Escape leaves the units dialog open", program.window("Configuração de Unidades") is not None, True)
    screenshot("units-dialog", "Configuração de Unidades")
    click(find(dialog, "button-401"))
    program.wait_gone("Configuração de Unidades")
    check("pressure label", text(find(main, "label-106")), "Pressão de Vapor (kPa):")
    check("temperature label", text(find(main, "label-107")), "Entre com a temperatura (°C):")
    check("prefs.dat", read(os.path.join(work, "prefs.dat")), "2 2")


def editor(program, main, work, constant, name="Teste", stored="Teste"):
    """Adds a fluid typed with `constant` as its first constant and saves;
    `stored` is the name as the program keeps it, in Windows-1252."""
    menu(main, "Ferramentas", "menu-1050")
    dialog = program.wait_window("Editor de fluidos")
    names, selected = rows(find(dialog, "list-301"))
    check("editor lists every fluid, first selected", (len(names), selected), (35, 0))
    # Typing in the list finds names: quick characters by prefix, a letter
    # after a pause from the next entry on.
    check("the focus starts on the list", focused(dialog), "list-301")
    type_text("metanol")
    check("typed prefix selects", selected_name(dialog), "Metanol")
    time.sleep(1.2)
    type_text("nN")  # the same letter again goes on to the next
    check("typed letter goes round its entries", selected_name(dialog), "n-Heptano")
    click(find(dialog, "edit-307"))
    type_text(name)
    keys("Tab")
    check("Tab from the name to the model group's checked button", focused(dialog), "radio-304")
    keys("Down")  # Wagner checked, and told: its fourth constant opens
    check("Down checks Wagner", (checked(dialog, range(304, 307)), sensitive(find(dialog, "edit-311"))), (["radio-305"], True))
    keys("Left")
    check("Left checks Antoine again", (checked(dialog, range(304, 307)), sensitive(find(dialog, "edit-311"))), (["radio-304"], False))
    keys("Tab")
    check("Tab from the model group to the first constant", focused(dialog), "edit-308")
    for control, value in (("edit-308", constant), ("edit-309", "900"), ("edit-310", "-50"),
                           ("edit-312", "40"), ("edit-313", "300"), ("edit-314", "0.1")):
        click(find(dialog, control))
        type_text(value)
    click(find(dialog, "button-303"))  # Adiciona >>: the focus goes to Salvar
    names, selected = rows(find(dialog, "list-301"))
    check("added fluid selected in its sorted place", names[selected], stored)
    check("comma turned into a point", text(find(dialog, "edit-308")), "1.5")
    screenshot("fluid-editor", "Editor de fluidos")
    keys("Return")  # Salvar has the focus
    wait_for("dados.txt saved", lambda: stored + " Antoine" in read(os.path.join(work, "dados.txt")))
    saved = [line for line in read(os.path.join(work, "dados.txt")).split("\n") if line.startswith(stored + " ")]
    check("saved line", saved, [stored + " Antoine 1.5 900 -50 0 40 300 0.1"])
    # A double click on a name fills the fields from its record.
    click(find(dialog, "button-302"))
    wait_for("fields cleared", lambda: text(find(dialog, "edit-307")) == "")
    table = find(dialog, "list-301").queryTable()
    double_click(table.getAccessibleAt(selected, 0))
    wait_for("fields filled", lambda: text(find(dialog, "edit-307")))
    check("double click shows the fluid", (text(find(dialog, "edit-307")), text(find(dialog, "edit-308"))), (stored, "1.5"))
    keys("Escape")
    program.wait_gone("Editor de fluidos")
    check("main list reloaded", stored in drop_down_entries(main, "combo-102"), True)


def file_changed_elsewhere(program, main, work):
    """Another program saves dados.txt while the editor is open: the save
    asks first; "Não" keeps that program's file, "Sim" writes the editor's."""
    menu(main, "Ferramentas", "menu-1050")
    dialog = program.wait_window("Editor de fluidos")
    path = os.path.join(work, "dados.txt")
    theirs = read(path).replace("\n", "\nOutro Envelope 0 0 0 0 40 300 0.1\n", 1)
    first, rest = theirs.split("\n", 1)
    theirs = "%d\n%s" % (int(first) + 1, rest)
    with open(path, "wb") as f:
        f.write(theirs.encode("cp1252"))
    for answer in ("Não", "Sim"):
        keys("Return")  # from the list: Salvar, the default button
        box, message, icons = message_box(program, "Atenção!")
        check("question text", message,
              "O arquivo 'dados.txt' foi alterado por outro programa depois que o editor o abriu. "
              "Salvar assim mesmo e descartar essas alterações?")
        check("question icon", icons, ["Aviso"])
        buttons = [n.name for n in find_all(box, pyatspi.ROLE_PUSH_BUTTON)]
        check("question buttons", buttons, ["Sim", "Não"])
        if answer == "Não":
            screenshot("question-file-changed", "Atenção!")
        click([n for n in find_all(box, pyatspi.ROLE_PUSH_BUTTON) if n.name == answer][0])
        program.wait_gone("Atenção!")
        program.wait_window("Editor de fluidos")
        if answer == "Não":
            check("Não keeps the other program's file", read(path), theirs)
    wait_for("the editor's table saved", lambda: "Outro " not in read(path))
    keys("Escape")
    program.wait_gone("Editor de fluidos")
    check("main list reloaded without the other program's fluid",
          "Outro" in drop_down_entries(main, "combo-102"), False)


def help_file(program, main, work):
    menu(main, "Ajuda", "menu-1040")
    box, message, icons = message_box(program, "Erro:")
    check("help missing text", message,
          "Arquivo Quel.chm não encontrado. Verifique se o arquivo encontra-se na pasta de Quelrin")
    check("help missing icon", icons, ["Erro"])
    screenshot("message-help-missing", "Erro:")
    acknowledge(program, "Erro:")
    # Named as the message names it: found whatever the letter case.
    shutil.copy(HELP_FILE, os.path.join(work, "Quel.chm"))
    menu(main, "Ajuda", "menu-1040")
    # The viewer's passing windows may be gone before their names are read.
    viewer = wait_for("the help viewer's window", lambda: xdotool("search", "--onlyvisible", "--class", "xchm").split(),
                      timeout=20)
    time.sleep(1.5)  # let it draw the page
    screenshot("help")
    names = [subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True).stdout
             for window in viewer]
    check("help opened in a viewer", any("Ajuda do Quelrin" in name for name in names), True)
    for window in viewer:
        pid = subprocess.run(["xdotool", "getwindowpid", window], capture_output=True, text=True).stdout.strip()
        if pid:
            os.kill(int(pid), signal.SIGTERM)


def about_box(program, main):
    click(find(main, "button-109"))
    program.wait_window("Sobre")
    screenshot("about-box", "Sobre")
    keys("Return")
    program.wait_gone("Sobre")


def first_run():
    work = prepare_work("run")
    program = Program(work, {"LC_ALL": "C.UTF-8"})
    programs.append(program)
    main = calculation_and_refusals(program)
    diagram(program, main)
    about_box(program, main)
    fluid_by_typing(program, main)
    units(program, main, work)
    # The euro sign has a Windows-1252 form; the snowman has none and comes
    # back as "?", as through the ANSI functions.
    editor(program, main, work, "1,5", "Teste€☃", "Teste€?")
    file_changed_elsewhere(program, main, work)
    help_file(program, main, work)
    program.wait_window(MAIN_TITLE)
    keys("Escape")
    check("exit code after Escape", program.exit_code(), 0)


def decimal_comma_locale():
    """GTK takes the locale from the environment: numbers must not."""
    work = prepare_work("pt_BR")
    with open(os.path.join(work, "prefs.dat"), "w") as f:
        f.write("0 2")
    program = Program(work, {"LC_ALL": "pt_BR.UTF-8"})
    programs.append(program)
    main = program.wait_window(MAIN_TITLE)
    click(find(main, "edit-103"))
    type_text("-183,15")  # 90 K in °C, typed with a decimal comma
    click(find(main, "combo-102"))  # the mouse opens the list and picks from it
    fluids = find(main, "combo-102-list")
    wait_for("fluid list open", lambda: fluids.getState().contains(pyatspi.STATE_SHOWING))
    screenshot("fluid-list-open")
    click(fluids.queryTable().getAccessibleAt(drop_down_entries(main, "combo-102").index("Nitrogênio"), 0))
    wait_for("fluid chosen", lambda: find(main, "combo-102").name == "Nitrogênio")
    click(find(main, "button-1"))
    pressure = find(main, "edit-104")
    wait_for("result", lambda: text(pressure))
    check("pt_BR: result written with a point", text(pressure), "3.61916")
    check("pt_BR: estimate written with a point", text(find(main, "edit-105")), "Valor por Wagner: 3.60713 bar.")
    check("pt_BR: typed text kept", text(find(main, "edit-103")), "-183,15")
    editor(program, main, work, "1,5")
    program.wait_window(MAIN_TITLE)
    keys("Escape")
    check("pt_BR: exit code", program.exit_code(), 0)


def missing_database():
    work = prepare_work("no-database", database=False)
    program = Program(work)
    programs.append(program)
    box, message, icons = message_box(program, "Atenção!")
    check("missing database text", message, "Arquivo 'dados.txt' não encontrado.")
    screenshot("message-missing-database", "Atenção!")
    keys("Return")
    check("exit code without a database", program.exit_code(), 1)


def main():
    shutil.rmtree(SHOTS, ignore_errors=True)  # no picture of an earlier run left to mislead
    os.makedirs(SHOTS)
    server = start_x_server()
    try:
        for run in (first_run, decimal_comma_locale, missing_database):
            try:
                run()
            except Exception as error:  # one broken run must not hide the others
                failures.append("%s: %s" % (run.__name__, error))
                print("FAIL", failures[-1])
                screenshot("failure-" + run.__name__)
    finally:
        for program in programs:
            if program.process.poll() is None:
                program.process.kill()
        server.terminate()
        server.wait()
    print("screenshots in", SHOTS)
    if failures:
        print("%d failure(s)" % len(failures))
        sys.exit(1)


main()
