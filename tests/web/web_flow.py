#!/usr/bin/python3
"""The page end to end in headless Chromium: served from the build folder on
a local server, driven with real key presses and clicks through selenium,
read through the DOM's roles and data attributes. Saves a screenshot of each
dialog under the build folder.

Usage: web_flow.py SITE_FOLDER SCREENSHOT_FOLDER
"""
import functools
import http.server
import os
import socketserver
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE, SHOTS = sys.argv[1], sys.argv[2]
failures = []


def check(what, actual, expected):
    if actual != expected:
        failures.append("%s: %r, expected %r" % (what, actual, expected))


def check_soon(what, read, expected, seconds=10):
    """The page answers keys and clicks in its own time: waits for it."""
    deadline = time.monotonic() + seconds
    actual = read()
    while actual != expected and time.monotonic() < deadline:
        time.sleep(0.05)
        actual = read()
    check(what, actual, expected)


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm"}

    def log_message(self, *args):
        pass


def serve(folder):
    server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser(profile, downloads):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=1100,900", "--user-data-dir=" + profile):
        options.add_argument(argument)
    options.binary_location = "/usr/bin/chromium"
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": downloads})
    return driver


def main():
    os.makedirs(SHOTS, exist_ok=True)
    server = serve(SITE)
    address = "http://127.0.0.1:%d/" % server.server_address[1]
    with tempfile.TemporaryDirectory() as profile, tempfile.TemporaryDirectory() as downloads:
        driver = browser(profile, downloads)
        try:
            flow(driver, address, downloads)
        finally:
            driver.quit()
    server.shutdown()
    for failure in failures:
        print("FAIL:", failure)
    print("%d failures" % len(failures))
    return 1 if failures else 0


def flow(driver, address, downloads):
    wait = WebDriverWait(driver, 20)

    def until(what, condition):
        try:
            return wait.until(lambda _: condition())
        except Exception:
            failures.append("timed out waiting for " + what)
            driver.save_screenshot(os.path.join(SHOTS, "failure-%d.png" % len(failures)))
            return None

    def dialog(template):
        return until("dialog " + template, lambda: first('[role="dialog"][data-dialog="%s"]' % template))

    def first(selector, within=None):
        found = (within or driver).find_elements(By.CSS_SELECTOR, selector)
        return found[0] if found else None

    def control(within, ident):
        return first('[data-control="%s"]' % ident, within)

    def gone(template):
        until("dialog %s closed" % template, lambda: first('[data-dialog="%s"]' % template) is None)

    def keys(*sequence):
        webdriver.ActionChains(driver).send_keys(*sequence).perform()

    def alt(letter):
        webdriver.ActionChains(driver).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()

    def focused():
        return driver.execute_script("return document.activeElement.dataset.control || null")

    def shot(name):
        driver.save_screenshot(os.path.join(SHOTS, name + ".png"))

    def message():
        box = dialog("message")
        return box, (box.get_attribute("aria-label") if box else None), \
            (first(".message-text", box).text if box else None)

    def acknowledge():
        keys(Keys.ENTER)
        gone("message")

    def options(select):
        return driver.execute_script("return [...arguments[0].options].map(o => o.textContent.replace(/\\u00a0/g, ' '))",
                                     select)

    def selected_text(select):
        return driver.execute_script("const s = arguments[0]; return s.selectedIndex < 0 ? null : "
                                     "s.options[s.selectedIndex].textContent.replace(/\\u00a0/g, ' ')", select)

    driver.get(address)
    until("the main window", lambda: driver.execute_script("return document.body.dataset.ready"))
    main = dialog("100")
    check("main window caption", main.get_attribute("aria-label"), "Quelrin - Pressão de Vapor")
    shot("main-window")

    # The focus starts on "Calcula"; Tab follows the template's order;
    # typing on the fluid list finds by prefix.
    check_soon("focus starts on Calcula", focused, "1")
    keys(Keys.TAB, Keys.TAB, Keys.TAB, Keys.TAB)
    check_soon("Tab reaches the fluid list", focused, "102")
    check("fluid list role", control(main, "102").get_attribute("role") or "combobox", "combobox")
    keys("n")
    check_soon("typed letter selects", lambda: selected_text(control(main, "102")), "Nitrogênio")
    keys(Keys.TAB, "90", Keys.ENTER)  # Enter in the edit: the default button, "Calcula"
    pressure = control(main, "104")
    until("the pressure", lambda: pressure.get_attribute("value"))
    check("pressure of nitrogen at 90 K, Peng-Robinson", pressure.get_attribute("value"), "3.61916")
    check("estimate", control(main, "105").get_attribute("value"), "Valor por Wagner: 3.60713 bar.")
    log = control(main, "108")
    check("iteration log", (len(options(log)), selected_text(log)), (6, "f(v) = 0.903718;    f(l) = 0.903718"))
    shot("calculation")

    # A letter in the temperature: refused, that character selected.
    temperature = control(main, "103")
    temperature.click()
    temperature.send_keys(Keys.CONTROL, "a")
    temperature.send_keys("1e3", Keys.ENTER)
    box, title, text = message()
    check("refusal", (title, text), ("Atenção!", 'Verifique a entrada de caracteres inválidos no campo "Temperatura" !'))
    shot("message-invalid-character")
    acknowledge()
    check_soon("refused character selected", lambda: driver.execute_script(
        "return [arguments[0].selectionStart, arguments[0].selectionEnd]", temperature), [1, 2])
    check_soon("focus back on the temperature", focused, "103")

    # Units: Alt and the menu's mnemonics; a radio group is one Tab stop.
    alt("f")
    keys("u")
    units = dialog("400")
    keys(Keys.TAB, Keys.TAB)
    check_soon("Tab reaches the pressure group at its checked button", focused, "403")
    keys(Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.TAB, Keys.ARROW_UP, Keys.ARROW_UP)
    check_soon("arrows check within the groups", lambda: driver.execute_script(
        "return [...arguments[0].querySelectorAll('input:checked')].map(e => e.dataset.control)", units),
        ["405", "411"])
    shot("units-dialog")
    keys(Keys.ENTER)
    gone("400")
    check_soon("labels in the new units", lambda: (control(main, "106").text, control(main, "107").text),
               ("Pressão de Vapor (kPa):", "Entre com a temperatura (°C):"))

    # The editor adds a fluid and saves.
    alt("f")
    keys("e")
    editor = dialog("300")
    check("editor lists the shipped fluids", len(options(control(editor, "301"))), 35)
    for ident, value in (("307", "Teste"), ("308", "1,5"), ("309", "900"), ("310", "-50"),
                         ("312", "40"), ("313", "300"), ("314", "0.1")):
        control(editor, ident).click()
        control(editor, ident).send_keys(value)
    control(editor, "303").click()  # Adiciona >>
    check_soon("added fluid selected in its sorted place", lambda: selected_text(control(editor, "301")), "Teste")
    shot("fluid-editor")
    control(editor, "324").click()  # Salvar
    time.sleep(0.3)
    keys(Keys.ESCAPE)
    gone("300")
    check_soon("main list reloaded", lambda: "Teste" in options(control(main, "102")), True)

    # The diagram and the About box, for their pictures: nitrogen at 90 K,
    # typed in °C with a decimal comma.
    temperature.click()
    temperature.send_keys(Keys.CONTROL, "a")
    temperature.send_keys("-183,15")
    alt("f")
    keys("d")
    diagram = dialog("500")
    until("the diagram drawn", lambda: first("svg polyline", diagram))
    shot("diagram")
    keys(Keys.ENTER)
    gone("500")
    control(main, "109").click()
    dialog("200")
    shot("about-box")
    keys(Keys.ENTER)
    gone("200")

    # A reload keeps the fluid and the units.
    driver.refresh()
    until("the main window again", lambda: driver.execute_script("return document.body.dataset.ready"))
    main = dialog("100")
    check("fluid kept after a reload", "Teste" in options(control(main, "102")), True)
    check("units kept after a reload", control(main, "107").text, "Entre com a temperatura (°C):")

    # Two tabs share the files: a save over a file the other tab saved
    # since the editor read it asks first; "Não" keeps the other tab's.
    first_tab = driver.current_window_handle
    alt("f")
    keys("e")
    dialog("300")
    driver.switch_to.new_window("tab")
    driver.get(address)
    until("the second tab", lambda: driver.execute_script("return document.body.dataset.ready"))
    alt("f")
    keys("e")
    other = dialog("300")
    for ident, value in (("307", "Outro"), ("308", "2"), ("309", "800"), ("310", "-40"),
                         ("312", "30"), ("313", "250"), ("314", "0.2")):
        control(other, ident).click()
        control(other, ident).send_keys(value)
    control(other, "303").click()
    control(other, "324").click()
    time.sleep(0.3)
    driver.close()
    driver.switch_to.window(first_tab)
    editor = dialog("300")
    control(editor, "324").click()
    box, title, text = message()
    check("the other tab's save noticed", (title, (text or "").startswith("O arquivo 'dados.txt' foi alterado")),
          ("Atenção!", True))
    shot("message-changed-by-other-tab")
    first("button:nth-of-type(2)", box).click()  # Não
    gone("message")
    keys(Keys.ESCAPE)
    gone("300")
    check_soon("the other tab's fluid kept", lambda: "Outro" in options(control(main, "102")), True)

    # A malformed database is refused with the reader's reason; nothing replaced.
    with tempfile.NamedTemporaryFile("wb", suffix=".txt", delete=False) as bad:
        bad.write(b"2\nAgua Antoine 1 2 3 0 220 647 0.3\n")
    chooser = first("#database-file")
    driver.execute_script("arguments[0].hidden = false", chooser)
    chooser.send_keys(bad.name)
    os.unlink(bad.name)
    box, title, text = message()
    check("malformed database refused", (title, (text or "").startswith("Arquivo 'dados.txt' inválido: ")),
          ("Erro!", True))
    shot("message-malformed-database")
    acknowledge()
    check("database kept", "Teste" in options(control(main, "102")), True)

    # Downloading dados.txt: the bytes as the program wrote them.
    first("#download-database").click()
    path = os.path.join(downloads, "dados.txt")
    until("the download", lambda: os.path.exists(path) and os.path.getsize(path) > 0)
    with open(path, "rb") as downloaded:
        data = downloaded.read()
    check("downloaded line", [line for line in data.split(b"\n") if line.startswith(b"Teste ")],
          [b"Teste Antoine 1.5 900 -50 0 40 300 0.1"])
    check("downloaded in Windows-1252", b"Nitrog\xeanio" in data, True)

    # Help opens its pages in a new tab.
    tabs = len(driver.window_handles)
    alt("a")
    keys("j")
    until("the help tab", lambda: len(driver.window_handles) > tabs)
    driver.switch_to.window(driver.window_handles[-1])
    until("the help page", lambda: driver.current_url.endswith("help/index.html") and driver.title)
    check("help page", driver.current_url.endswith("/help/index.html"), True)


if __name__ == "__main__":
    sys.exit(main())
