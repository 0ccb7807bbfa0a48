"""The panel in headless Chromium: a field for each row of the settings
table, the +100 kHz peak marker at about -6 dBFS, the axis following a new
carrier, "m" refused as a unit, the library's description of a rejected
rate, the attribute table, the refusal of an open too large to send; saves
a screenshot.

usage: browser_test.py BUILD_DIR SCREENSHOT_PATH"""
import re
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

from panel_server import Panel, wait_until


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--window-size=1100,1300", f"--user-data-dir={profile}"):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def text_of(driver, element_id):
    return lambda: driver.find_element(By.ID, element_id).text


def enter(driver, values):
    for element_id, value in values.items():
        field = driver.find_element(By.ID, element_id)
        field.clear()
        field.send_keys(value)
    driver.find_element(By.ID, "apply").click()


def check(driver, panel):
    names = driver.execute_async_script(
        "fetch('/api/settings-table', {headers: {'X-Panel-Token': arguments[0]}})"
        ".then((answer) => answer.json()).then((rows) => arguments[1](rows.map((row) => row.name)))", panel.token)
    fields = wait_until(lambda: driver.find_elements(By.CSS_SELECTOR, "#settings input"))
    assert [field.get_attribute("id") for field in fields] == names, names
    peak = wait_until(lambda: re.search(r"peak \+100\.000 kHz .* (-[\d.]+) dBFS", text_of(driver, "peak")()))
    assert abs(float(peak.group(1)) + 6.02) < 0.1, peak.group(0)
    assert text_of(driver, "axis-center")() == "2.400000 GHz"
    enter(driver, {"carrierFrequency": "1G"})
    wait_until(lambda: text_of(driver, "axis-center")() == "1.000000 GHz")
    wait_until(lambda: "1.000100 GHz" in text_of(driver, "peak")())
    enter(driver, {"carrierFrequency": "2m"})  # no milli, no mega: refused beside its field
    wait_until(lambda: "k, M or G" in text_of(driver, "error-carrierFrequency")())
    enter(driver, {"carrierFrequency": "1G"})
    enter(driver, {"iqRate": "-5"})
    wait_until(lambda: "Invalid parameter" in text_of(driver, "error-iqRate")())
    assert driver.find_element(By.ID, "frame-error").get_attribute("hidden")
    rows = wait_until(lambda: driver.find_elements(By.CSS_SELECTOR, "#attributes tbody tr"))
    assert any("IQ Rate" in row.text for row in rows)
    driver.execute_script("document.getElementById('resource').value = 'x'.repeat(17000)")
    driver.find_element(By.ID, "open").click()
    wait_until(lambda: "the body is over 16 KiB" in text_of(driver, "open-error")())


def main(build, screenshot):
    with Panel(build) as panel, tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            driver.get(panel.url)
            try:
                check(driver, panel)
            finally:
                driver.save_screenshot(screenshot)
        finally:
            driver.quit()
        assert panel.stop() == 0 and "closed        session" in panel.output, panel.output
    print(f"panel checked in Chromium; screenshot {screenshot}")


if __name__ == "__main__":
    main(*sys.argv[1:3])
