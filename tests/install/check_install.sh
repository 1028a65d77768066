#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop user gets:
# the program, its palette file, the launcher, the desktop entry and the icon, and
# that the launcher gives the program a working folder holding the palette.
# Usage: check_install.sh <build folder> <source folder>
set -euo pipefail
build=$1
source=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The user's own folders must not leak in: each start below names its own.
unset XDG_CONFIG_HOME XDG_DATA_HOME

prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

# Files in the usual places.
[ -x "$prefix/bin/quorvel" ] || fail "bin/quorvel missing or not executable"
program="$prefix/lib/quorvel/quorvel"
[ -x "$program" ] || fail "lib/quorvel/quorvel missing or not executable"
[ -x "$prefix/bin/quorvel-launcher" ] || fail "bin/quorvel-launcher missing or not executable"
pal="$prefix/share/quorvel/pruebas.pal"
[ -f "$pal" ] || fail "share/quorvel/pruebas.pal missing"
[ "$(stat -c %s "$pal")" -eq 48 ] || fail "pruebas.pal is not 48 bytes"
cmp -s "$pal" "$source/data/pruebas.pal" || fail "installed palette differs from data/pruebas.pal"
printpal="$prefix/share/quorvel/impresion.pal"
[ "$(stat -c %s "$printpal" 2>/dev/null)" = 48 ] || fail "share/quorvel/impresion.pal missing or not 48 bytes"
cmp -s "$printpal" "$source/data/impresion.pal" || fail "installed print palette differs from data/impresion.pal"
mkdir "$scratch/palettes"
"$build/tools/make_palette" "$scratch/palettes" || fail "make_palette failed"
cmp -s "$scratch/palettes/impresion.pal" "$source/data/impresion.pal" ||
  fail "data/impresion.pal is not what make_palette writes from the code"
desktop="$prefix/share/applications/quorvel.desktop"
[ -f "$desktop" ] || fail "share/applications/quorvel.desktop missing"
grep -qx "Exec=$prefix/bin/quorvel-launcher" "$desktop" ||
  fail "desktop entry does not start the launcher by its path: $(grep '^Exec=' "$desktop")"
grep -qx 'Icon=quorvel' "$desktop" || fail "desktop entry does not name the icon"
grep -qx 'Type=Application' "$desktop" || fail "desktop entry is not an application"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the entry"
fi
icon="$prefix/share/icons/hicolor/scalable/apps/quorvel.svg"
[ -f "$icon" ] || fail "scalable icon missing"
grep -q '<svg' "$icon" || fail "icon is not an SVG file"
if ldd "$program" | grep -q 'not found'; then
  fail "installed program misses libraries: $(ldd "$program" | grep 'not found')"
fi

# "quorvel" typed with arguments works where it was typed: a sheet named without a
# folder lands there, not in the user's palette folder.
home="$scratch/home"
mkdir -p "$home" "$scratch/typed"
(cd "$scratch/typed" && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" \
  "$prefix/bin/quorvel" --worksheet 3 --seed 1 -o hoja.pdf >/dev/null) ||
  fail "quorvel --worksheet failed"
[ "$(head -c 5 "$scratch/typed/hoja.pdf")" = "%PDF-" ] || fail "hoja.pdf not written where typed"
[ ! -e "$home/.config/quorvel/hoja.pdf" ] || fail "hoja.pdf written into the palette folder"

# The launcher, with the program replaced by a stand-in that records where and how
# it was started (the real one needs a display).
cat >"$program" <<'STUB'
#!/bin/sh
{ pwd; echo "args:$*"; } >"$QUORVEL_STUB_LOG"
STUB
chmod +x "$program"
log="$scratch/started"
export QUORVEL_STUB_LOG="$log"

# 1. First start with only HOME, "quorvel" typed with no argument in an empty
#    folder: the folder is made under ~/.config and the shipped palette copied into
#    it, writable by its owner, and the window starts there.
mkdir "$scratch/empty"
(cd "$scratch/empty" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" "$prefix/bin/quorvel")
work="$home/.config/quorvel"
[ "$(sed -n 1p "$log")" = "$work" ] || fail "program started in $(sed -n 1p "$log"), not $work"
[ "$(sed -n 2p "$log")" = "args:" ] || fail "arguments made up: $(sed -n 2p "$log")"
cmp -s "$work/pruebas.pal" "$pal" || fail "palette not copied into $work"
# The menu's name for it, with arguments: passed on, in the folder it was typed in.
(cd "$scratch/empty" && HOME="$home" "$prefix/bin/quorvel-launcher" one two)
[ "$(sed -n 1p "$log")" = "$scratch/empty" ] || fail "arguments given, yet started in $(sed -n 1p "$log")"
[ "$(sed -n 2p "$log")" = "args:one two" ] || fail "arguments not passed on: $(sed -n 2p "$log")"
[ -w "$work/pruebas.pal" ] || fail "copied palette is not writable, the palette editor could not save"

# 2. A palette the user saved is kept on the next start.
printf '%048d' 0 | head -c 48 >"$work/pruebas.pal"
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" "$prefix/bin/quorvel-launcher"
[ "$(head -c 48 "$work/pruebas.pal")" = "$(printf '%048d' 0)" ] || fail "user palette overwritten"

# 3. XDG_CONFIG_HOME wins over HOME; a relative one is ignored.
xdg="$scratch/xdg"
HOME="$home" XDG_CONFIG_HOME="$xdg" "$prefix/bin/quorvel-launcher"
[ "$(sed -n 1p "$log")" = "$xdg/quorvel" ] || fail "XDG_CONFIG_HOME not used"
cmp -s "$xdg/quorvel/pruebas.pal" "$pal" || fail "palette not copied into XDG_CONFIG_HOME"
(cd "$scratch" && HOME="$home" XDG_CONFIG_HOME=relative "$prefix/bin/quorvel-launcher")
[ "$(sed -n 1p "$log")" = "$work" ] || fail "relative XDG_CONFIG_HOME not ignored"

# 3b. A copy the user kept where earlier versions put it is taken over once.
earlier="$scratch/data/quorvel"
mkdir -p "$earlier"
printf '%048d' 7 >"$earlier/pruebas.pal"
HOME="$home" XDG_CONFIG_HOME="$scratch/xdg3" XDG_DATA_HOME="$scratch/data" \
  "$prefix/bin/quorvel-launcher"
cmp -s "$scratch/xdg3/quorvel/pruebas.pal" "$earlier/pruebas.pal" ||
  fail "the user's earlier palette was not taken over"

# 4. The installed tree still works after being moved (the launcher finds the
#    palette relative to itself), and through a symbolic link to the launcher.
mv "$prefix" "$scratch/moved"
ln -s "$scratch/moved/bin/quorvel-launcher" "$scratch/link"
HOME="$home" XDG_CONFIG_HOME="$scratch/xdg2" "$scratch/link"
cmp -s "$scratch/xdg2/quorvel/pruebas.pal" "$source/data/pruebas.pal" ||
  fail "moved installation did not find its palette"

echo "install: all checks passed"
