#!/usr/bin/env bash
# Installs twice into ~/.local of a home of its own, as a user who updates does, and
# checks that the colours saved in between survive the second install. Starts go
# through the desktop entry's Exec with a bare PATH, as a menu start after the first
# install would; the home's name holds blanks, as many do.
# Usage: install_twice.sh <build folder> <source folder>
set -euo pipefail
build=$1
source=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

home="$scratch/casa de Ana"
prefix="$home/.local"
log="$scratch/started"
install_here() {
  cmake --install "$build" --prefix "$prefix" >/dev/null
  # A stand-in for the program, which needs a display: it records where it starts.
  printf '#!/bin/sh\npwd >"$QUORVEL_STUB_LOG"\n' >"$prefix/lib/quorvel/quorvel"
}
menu_start() {
  local desktop="$prefix/share/applications/quorvel.desktop" exec
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the entry"
  # A path with blanks is quoted in the entry; nothing in it needs escaping here.
  exec=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$desktop")
  [ -n "$exec" ] || fail "Exec is not a quoted path: $(grep '^Exec=' "$desktop")"
  rm -f "$log"
  (cd / && env -i HOME="$home" PATH=/usr/bin:/bin QUORVEL_STUB_LOG="$log" "$exec")
  [ "$(cat "$log")" = "$home/.config/quorvel" ] || fail "program started in $(cat "$log")"
}

install_here
menu_start
user="$home/.config/quorvel/pruebas.pal"
cmp -s "$user" "$source/data/pruebas.pal" || fail "first start did not copy the shipped palette"

# The user changes the colours, then updates.
printf 'colores de Ana, 48 bytes como toda paleta.......' >"$user"
cp "$user" "$scratch/saved"
install_here
menu_start
cmp -s "$user" "$scratch/saved" || fail "the second install lost the user's colours"
cmp -s "$prefix/share/quorvel/pruebas.pal" "$source/data/pruebas.pal" ||
  fail "the shipped palette is not the one in data/"
echo "install twice: all checks passed"
