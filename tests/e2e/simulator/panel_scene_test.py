"""The front panel on a two-tone scene in headless Chromium: the peak
marker finds the stronger tone, 100 kHz above the 2.4 GHz carrier (within
a spectrum line) at -20 dBFS; saves a screenshot.

usage: panel_scene_test.py BUILD_DIR SCREENSHOT_PATH"""
import os
import re
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "panel"))
from browser_test import browser, text_of  # noqa: E402
from panel_server import Panel, wait_until  # noqa: E402

SCENE = """{"noise_floor_dbm_per_hz": -160,
  "tones": [{"frequency_hz": 2.4001e9, "power_dbm": -20}, {"frequency_hz": 2.3997e9, "power_dbm": -30}]}"""


def main(build, screenshot):
    with tempfile.TemporaryDirectory() as folder:
        scene = os.path.join(folder, "two-tones.json")
        with open(scene, "w") as file:
            file.write(SCENE)
        options = f"Simulate=1,DriverSetup=Model:Q118;Scene:{scene}"
        with Panel(build, "--options", options) as panel:
            driver = browser(os.path.join(folder, "profile"))
            try:
                driver.get(panel.url)
                peak = wait_until(lambda: re.search(r"peak \+([\d.]+) kHz .* (-[\d.]+) dBFS", text_of(driver, "peak")()))
                assert abs(float(peak.group(1)) - 100.0) < 2.5 and abs(float(peak.group(2)) + 20.0) < 0.5, peak.group(0)
            finally:
                driver.save_screenshot(screenshot)
                driver.quit()
    print(f"two-tone scene in the panel; screenshot {screenshot}")


if __name__ == "__main__":
    main(*sys.argv[1:3])
