#!/usr/bin/env bash
# CubicSDR on the simulated analyzer, under Xvfb with Mesa's software OpenGL:
# picks the first device of its device dialog (the build tree's module is
# the only one SoapySDR loads), starts it, must stay alive for several
# seconds of streaming and show the +100 kHz tone right of the display's
# centre. The screenshot is kept as BUILD_DIR/cubicsdr-screenshot.png.
# Skips, saying why, only where a program it needs is missing.
#
#   soapy/checks/cubicsdr.sh BUILD_DIR        (from run.sh, whose environment it uses)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
for need in CubicSDR:cubicsdr Xvfb:xvfb xdotool:xdotool import:imagemagick; do
  command -v "${need%%:*}" >/dev/null || { echo "SKIP: CubicSDR check: no ${need%%:*} (Debian package ${need#*:})"; exit 0; }
done

check=CubicSDR
# shellcheck source-path=SCRIPTDIR source=programs.sh
. "$here/programs.sh"
alive() { [ "${#pids[@]}" -lt 2 ] || kill -0 "${pids[1]}" 2>/dev/null; }

# Xvfb picks a free display and names it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 10 "Xvfb display" test -s "$work/display"
DISPLAY=:$(<"$work/display")
export DISPLAY

mkdir "$work/home" "$work/no-modules"
# SOAPY_SDR_ROOT without modules: only the build tree's (SOAPY_SDR_PLUGIN_PATH) is loaded.
HOME=$work/home SOAPY_SDR_ROOT=$work/no-modules LIBGL_ALWAYS_SOFTWARE=1 NO_AT_BRIDGE=1 \
  CubicSDR >"$work/cubicsdr.log" 2>&1 &
pids+=($!)
wait_for 30 "device enumeration" grep -q "Reporting enumeration complete" "$work/cubicsdr.log"
wait_for 10 "device dialog" xdotool search --name "SDR Devices"
dialog=$(xdotool search --name "SDR Devices" | head -n 1)
# The tree's first row is "Devices"; two rows down is the first local device.
# Then the dialog's Start button (its place in CubicSDR 0.2.7's 700x467
# dialog), and the pointer off the display. Again if the dialog, which fills
# its tree on a timer, was not ready.
for attempt in 1 2 3; do
  sleep 1
  xdotool mousemove --window "$dialog" 68 22 click 1 sleep 0.3 key Down Down sleep 0.5 \
    mousemove --window "$dialog" 288 412 click 1 mousemove 0 0
  (wait_for 5 "stream start" grep -q "starting readLoop" "$work/cubicsdr.log") 2>/dev/null && break
  alive || fail "CubicSDR ended as the device started"
  ((attempt < 3)) || fail "no stream start after three tries"
done
for ((second = 0; second < 6; second++)); do
  sleep 1
  alive || fail "CubicSDR ended ${second} s after the device started"
done

screenshot=$build/cubicsdr-screenshot.png
import -window root "png:$screenshot.new" && mv -f "$screenshot.new" "$screenshot"
import -window root -depth 8 ppm:- | /usr/bin/python3 "$here/screen_tone.py" || fail "the screenshot ($screenshot) shows no tone where it belongs"
alive || fail "CubicSDR ended"
echo "CubicSDR: ok, alive 6 s after the device started; screenshot $screenshot"
