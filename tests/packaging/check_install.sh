#!/usr/bin/env bash
# Installs the build under /usr into a scratch root, as a packager does, and builds the Debian
# package and unpacks it into another; checks in both that the program, its menu entry and every
# icon are where a desktop looks for them, and that the packaged program starts.
#   check_install.sh <build> <cmake> <cpack> <python3> <desktop id> <version> <icon size>...
set -euo pipefail
build="$1" cmake="$2" cpack="$3" python="$4" id="$5" version="$6"
shift 6
sizes=("$@")

scratch="$(mktemp -d)"
# cmake --install writes its manifest into the build folder: leave that as it was found.
manifest="$build/install_manifest.txt"
[ -e "$manifest" ] && cp -p "$manifest" "$scratch/manifest.saved"
finish() {
  if [ -e "$scratch/manifest.saved" ]; then cp -p "$scratch/manifest.saved" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$scratch"
}
trap finish EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The files of an installed root (prefix /usr), named after what put them there.
check_root() {
  local root="$1" what="$2"
  local desktop="$root/usr/share/applications/$id.desktop"
  [ -x "$root/usr/bin/hanhai" ] || fail "$what: no program usr/bin/hanhai"
  local others
  others="$(ls -A "$root/usr/bin" | grep -vx hanhai || true)"
  [ -z "$others" ] || fail "$what: usr/bin holds more than the program: $others"
  if [ ! -f "$desktop" ]; then
    fail "$what: no menu entry usr/share/applications/$id.desktop"
  else
    local report
    if ! report="$(desktop-file-validate "$desktop" 2>&1)" || [ -n "$report" ]; then
      fail "$what: desktop-file-validate: $report"
    fi
    local exec icon
    exec="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
    icon="$(sed -n 's/^Icon=//p' "$desktop")"
    [ -x "$root/usr/bin/$exec" ] || fail "$what: the menu entry starts '$exec', which is not installed"
    [ "$icon" = "$id" ] || fail "$what: the menu entry's icon is '$icon', the icons are named '$id'"
    # Qt names the X11 window class's instance after the program's file name: docks group
    # the windows under the menu entry by it.
    [ "$(sed -n 's/^StartupWMClass=//p' "$desktop")" = "$exec" ] ||
      fail "$what: StartupWMClass is not the program's name '$exec'"
  fi
  "$python" - "$root/usr/share/icons/hicolor" "$id" "${sizes[@]}" <<'PY' || fail "$what: icons"
import struct, sys
import xml.etree.ElementTree as ET

theme, name, sizes = sys.argv[1], sys.argv[2], sys.argv[3:]
bad = []
try:
    if ET.parse(f"{theme}/scalable/apps/{name}.svg").getroot().tag != "{http://www.w3.org/2000/svg}svg":
        bad.append(f"scalable/apps/{name}.svg is not an SVG drawing")
except (OSError, ET.ParseError) as e:
    bad.append(f"scalable/apps/{name}.svg: {e}")
for n in sizes:
    path = f"{theme}/{n}x{n}/apps/{name}.png"
    try:
        with open(path, "rb") as f:
            head = f.read(24)
    except OSError as e:
        bad.append(str(e))
        continue
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        bad.append(f"{path} is not a PNG image")
        continue
    w, h = struct.unpack(">II", head[16:24])
    if (w, h) != (int(n), int(n)):
        bad.append(f"{path} is {w}x{h}, not {n}x{n}")
for b in bad:
    print(b, file=sys.stderr)
sys.exit(1 if bad else 0)
PY
}

command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate is missing: run scripts/setup.sh" >&2; exit 1; }

# 1. cmake --install, as a packager does.
if DESTDIR="$scratch/install" "$cmake" --install "$build" --prefix /usr >"$scratch/install.log" 2>&1; then
  check_root "$scratch/install" "cmake --install"
else
  cat "$scratch/install.log" >&2; fail "cmake --install failed"
fi

# 2. The Debian package: its fields, its files, and its program starting.
if (cd "$scratch" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" 2>&1); then
  deb="$scratch/deb/hanhai_${version}_$(dpkg --print-architecture).deb"
  if [ ! -f "$deb" ]; then
    fail "no package $(basename "$deb"); cpack made: $(cd "$scratch/deb" && ls ./*.deb 2>/dev/null)"
  else
    [ "$(dpkg-deb -f "$deb" Package)" = hanhai ] || fail "package name $(dpkg-deb -f "$deb" Package)"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
    [ "$(dpkg-deb -f "$deb" Section)" = science ] || fail "section $(dpkg-deb -f "$deb" Section)"
    depends="$(dpkg-deb -f "$deb" Depends)"
    for p in fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming libqt6widgets6 libqt6gui6; do
      grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
    done
    dpkg-deb -x "$deb" "$scratch/root"
    check_root "$scratch/root" "the package"
    # The packaged (stripped) program opens its main menu and quits after the first frame.
    if ! HOME="$scratch" QT_QPA_PLATFORM=offscreen HANHAI_FIRST_FRAME=1 timeout 60 "$scratch/root/usr/bin/hanhai" \
         >"$scratch/run.log" 2>&1 || ! grep -q '^first-frame ' "$scratch/run.log"; then
      cat "$scratch/run.log" >&2; fail "the packaged program did not show its first window"
    fi
  fi
else
  cat "$scratch/cpack.log" >&2; fail "cpack -G DEB failed"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures failed" >&2
  exit 1
fi
echo "installed and packaged: usr/bin/hanhai, $id.desktop, $id.svg and ${#sizes[@]} PNG sizes"
