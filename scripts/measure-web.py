#!/usr/bin/python3
"""How quick and how small the page is, served from the build folder on a
local server and opened in headless Chromium:

- load: from the start of the page's navigation to the main window ready for
  the user (its first wait for an event), on a first visit (empty storage:
  the shipped database is copied in) and on a later one;
- calculation: from the Enter key (its keydown) to the pressure written in
  its field and the next frame painted, nitrogen at 90 K by Peng-Robinson;
- size: what the page fetched, each file compressed as a web server would
  send it (gzip -9, and brotli when the `brotli` command is there).

Usage: measure-web.py SITE_FOLDER [RUNS]    (Debian's python3, selenium)
"""
import functools
import gzip
import http.server
import os
import shutil
import socketserver
import statistics
import subprocess
import sys
import tempfile
import threading
from urllib.parse import urlparse

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE = sys.argv[1]
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 10


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def browser(profile):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=1100,900", "--user-data-dir=" + profile):
        options.add_argument(argument)
    options.binary_location = "/usr/bin/chromium"
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def ready(driver):
    WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.ready"))
    return driver.execute_script("return performance.getEntriesByName('quelrin-ready')[0].startTime")


# Times Enter to the pressure painted: a keydown listener notes the start;
# the end is the first of the page's texts that fills the pressure field,
# emptied beforehand, one frame later.
TIMER = """
window.calculationTimes = [];
let enterAt = 0;
const pressure = document.querySelector('[data-dialog="100"] [data-control="104"]');
document.addEventListener('keydown', (e) => { if (e.key === 'Enter') enterAt = performance.now(); }, true);
const setText = QuelrinPage.setText;
QuelrinPage.setText = (handle, index, text) => {
  setText(handle, index, text);
  if (enterAt && pressure.value) {
    const start = enterAt;
    enterAt = 0;
    requestAnimationFrame(() => window.calculationTimes.push(performance.now() - start));
  }
};
"""


def calculation_times(driver, runs):
    driver.execute_script(TIMER)
    dialog = driver.find_element(By.CSS_SELECTOR, '[data-dialog="100"]')
    fluid = dialog.find_element(By.CSS_SELECTOR, '[data-control="102"]')
    driver.execute_script("arguments[0].focus()", fluid)
    webdriver.ActionChains(driver).send_keys("n").perform()  # Nitrogênio
    temperature = dialog.find_element(By.CSS_SELECTOR, '[data-control="103"]')
    temperature.click()
    temperature.send_keys("90")
    pressure = dialog.find_element(By.CSS_SELECTOR, '[data-control="104"]')
    for run in range(runs):
        driver.execute_script("arguments[0].value = ''", pressure)
        temperature.send_keys(Keys.ENTER)
        WebDriverWait(driver, 10).until(
            lambda d: d.execute_script("return window.calculationTimes.length") > run)
    return driver.execute_script("return window.calculationTimes")


def compressed_sizes(driver, root):
    names = [urlparse(u).path.lstrip("/") or "index.html" for u in driver.execute_script(
        "return [location.href, ...performance.getEntriesByType('resource').map(e => e.name)]")]
    names = sorted(set(names))
    total_gzip = total_brotli = total_raw = 0
    for name in names:
        with open(os.path.join(root, name), "rb") as f:
            data = f.read()
        total_raw += len(data)
        total_gzip += len(gzip.compress(data, 9))
        if shutil.which("brotli"):
            total_brotli += len(subprocess.run(["brotli", "-c", "-q", "11"], input=data,
                                               capture_output=True, check=True).stdout)
    return names, total_raw, total_gzip, total_brotli


def main():
    server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), functools.partial(Handler, directory=SITE))
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    address = "http://127.0.0.1:%d/" % server.server_address[1]
    first, later, enter = [], [], []
    for run in range(RUNS):
        with tempfile.TemporaryDirectory() as profile:
            driver = browser(profile)
            try:
                driver.get(address)
                first.append(ready(driver))
                if run == 0:  # a first visit fetches the most
                    names, raw, gz, br = compressed_sizes(driver, SITE)
                driver.refresh()
                later.append(ready(driver))
                enter.extend(calculation_times(driver, 10))
            finally:
                driver.quit()
    server.shutdown()
    print("runs: %d (a fresh browser profile each)" % RUNS)
    print("load to a usable main window, first visit: median %.0f ms, max %.0f ms"
          % (statistics.median(first), max(first)))
    print("load to a usable main window, later visit: median %.0f ms, max %.0f ms"
          % (statistics.median(later), max(later)))
    print("Enter to the pressure painted: median %.1f ms, max %.1f ms (%d calculations)"
          % (statistics.median(enter), max(enter), len(enter)))
    print("transferred: %s" % ", ".join(names))
    print("  %d bytes as stored, %d gzip -9%s" % (raw, gz, (", %d brotli -q 11" % br) if br else ""))


if __name__ == "__main__":
    main()
