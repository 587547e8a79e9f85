#!/usr/bin/env bash
# Measures the program against its three speed budgets, side by side in one run, on a Release
# build. Run by hand; it is not a test, since timings depend on the machine.
#   1. first window: the program against a bare Qt window showing one label, both started the
#      same way under Xvfb; medians of RUNS runs (default 9) after a warm-up; budget 1.1 ×.
#   2. slowest click: the GUI monkey's slowest on-screen action over every screen, by the median
#      of its plays (clicks, picks, typing, exports; steps of navigation timed apart), and the
#      insulation search's benchmark cases; budget 16 ms.
#   3. peak resident memory after every window has been open once (the tour, under Xvfb);
#      budget 60 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${RUNS:-9}"
actions="${HANHAI_MONKEY_ACTIONS:-2000}"

scripts/setup.sh
if ! command -v Xvfb >/dev/null; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q xvfb xauth >/dev/null
fi
scripts/build.sh >/dev/null

scratch="$(mktemp -d)"
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

# Milliseconds from the start of the program to its first painted frame.
first_frame() {
  local start frame
  start="$(date +%s%N)"
  frame="$(DISPLAY="$display" QT_QPA_PLATFORM=xcb HANHAI_FIRST_FRAME=1 "$1" | sed -n 's/^first-frame //p')"
  echo $(((frame - start) / 1000))  # microseconds
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

first_frame build/hanhai >/dev/null
first_frame build/hanhai-bare-window >/dev/null
: >"$scratch/program"; : >"$scratch/bare"
for _ in $(seq "$runs"); do  # taken in turns, so that both see the same machine
  first_frame build/hanhai >>"$scratch/program"
  first_frame build/hanhai-bare-window >>"$scratch/bare"
done
program="$(median <"$scratch/program")"
bare="$(median <"$scratch/bare")"

QT_QPA_PLATFORM=offscreen HANHAI_MONKEY_ACTIONS="$actions" build/tests/app_gui_monkey >"$scratch/monkey" 2>&1 || {
  tail -n 40 "$scratch/monkey" >&2; echo "the monkey test failed" >&2; exit 1; }
slowest="$(sed -n 's/^monkey: \(.*\): .* slowest action \([0-9.]*\) ms (\(.*\)), slowest single play.*$/\2\t\1: \3/p' "$scratch/monkey" | sort -g -r | head -n 1)"
play="$(sed -n 's/^monkey: .* slowest single play \([0-9.]*\) ms$/\1/p' "$scratch/monkey" | sort -g -r | head -n 1)"
search="$(build/hanhai-bench --benchmark_format=csv 2>/dev/null |
  awk -F, '/^"BM_/ { gsub(/"/, "", $1); unit = $5; gsub(/"/, "", unit); t = $3
    if (unit == "ns") t /= 1e6; else if (unit == "us") t /= 1e3; else if (unit == "s") t *= 1e3
    if (t > worst) { worst = t; name = $1 } } END { printf "%.4f\t%s", worst, name }')"

DISPLAY="$display" QT_QPA_PLATFORM=xcb build/hanhai-tour --memory >"$scratch/tour.log" 2>&1
peak_kb="$(sed -n 's/^peak resident memory: \([0-9]*\) kB$/\1/p' "$scratch/tour.log")"

awk -v p="$program" -v b="$bare" -v runs="$runs" -v slow="${slowest%%$'\t'*}" -v where="${slowest#*$'\t'}" \
    -v play="$play" -v search="${search%%$'\t'*}" -v sname="${search#*$'\t'}" -v kb="$peak_kb" -v actions="$actions" 'BEGIN {
  ratio = p / b
  printf "first window       %.1f ms against a bare window %.1f ms: %.2f x   (budget 1.10 x)  %s\n",
         p / 1000, b / 1000, ratio, ratio <= 1.10 ? "within" : "OVER"
  printf "                   medians of %d runs each under Xvfb\n", runs
  printf "slowest click      %.2f ms, %s   (budget 16 ms)  %s\n", slow, where, slow <= 16 ? "within" : "OVER"
  printf "                   median of each action'"'"'s plays, %d actions on every screen (offscreen);\n", actions
  printf "                   single slowest play %.2f ms; insulation search worst case %.4f ms (%s)\n", play, search, sname
  printf "peak memory        %.1f MB after opening every window once, under Xvfb   (budget 60 MB)  %s\n",
         kb / 1024, kb / 1024 <= 60 ? "within" : "OVER"
}'
