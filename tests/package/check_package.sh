#!/usr/bin/env bash
# Checks the Debian package: its fields and dependencies, that it holds every file a
# school machine needs, that the unpacked program runs from wherever it lies, and
# that lintian, the AppStream and desktop entry validators and man accept it.
# Usage: check_package.sh <quorvel_*.deb | build folder, packed here with CPack>
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ -d "$1" ]; then
  cpack --config "$1/CPackConfig.cmake" -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
  deb=$(find "$scratch/cpack" -maxdepth 1 -name 'quorvel_*.deb')
else
  deb=$1
fi
[ -f "$deb" ] || fail "no package at '$deb'"
deb=$(readlink -f -- "$deb")

# Fields: the libraries dpkg-shlibdeps found, Qt's among them, and what the program
# loads by name. Since Debian 13 Qt's libraries carry a "t64" suffix (64-bit time_t).
depends=$(dpkg-deb --field "$deb" Depends)
for dep in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 qt6-qpa-plugins \
  fonts-liberation fonts-comic-neue fonts-dejavu-core; do
  [[ ", $depends," =~ ,\ "$dep"(t64)?[\ ,] ]] || fail "Depends lacks $dep: $depends"
done
for field in Maintainer Homepage Version; do
  [ -n "$(dpkg-deb --field "$deb" "$field")" ] || fail "field $field is empty"
done
version=$(dpkg-deb --field "$deb" Version)
description=$(dpkg-deb --field "$deb" Description)
grep -q 'dihedral system' <<<"$description" || fail "no English description"
grep -q 'sistema diédrico' <<<"$description" || fail "no Spanish description"

metainfo=usr/share/metainfo/org.example.quorvel.metainfo.xml
desktop=usr/share/applications/quorvel.desktop
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in usr/bin/quorvel usr/bin/quorvel-launcher usr/lib/quorvel/quorvel \
  usr/share/quorvel/pruebas.pal \
  "$desktop" usr/share/icons/hicolor/scalable/apps/quorvel.svg \
  usr/share/icons/hicolor/48x48/apps/quorvel.png "$metainfo" \
  usr/share/man/man1/quorvel.1.gz usr/share/man/man1/quorvel-launcher.1.gz \
  usr/share/doc/quorvel/copyright usr/share/doc/quorvel/changelog.gz; do
  grep -qx "./$file" <<<"$contents" || fail "package lacks /$file"
done

# The unpacked program, away from /usr and from any display: its version, and a
# picture rendered with the shipped colours (no palette in the current folder).
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
cd "$scratch"
quiet_env=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
shown=$("${quiet_env[@]}" "$root/usr/bin/quorvel" --version) || fail "--version failed"
grep -qF "$version" <<<"$shown" || fail "--version shows '$shown', not $version"
"${quiet_env[@]}" "$root/usr/bin/quorvel" --export "$scratch/punto.png" --point 20,30,40 ||
  fail "--export failed"
[ "$(head -c 8 "$scratch/punto.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
  fail "--export did not write a PNG file"

# The menu entry starts the launcher by its absolute path, which the package holds.
grep -qx 'Exec=/usr/bin/quorvel-launcher' "$root/$desktop" || fail "Exec is not the launcher's path"
desktop-file-validate "$root/$desktop" || fail "desktop-file-validate rejects the entry"
appstreamcli validate --no-net "$root/$metainfo" >"$scratch/appstream.log" 2>&1 ||
  { cat "$scratch/appstream.log" >&2; fail "appstreamcli rejects the metadata"; }

# The manual page renders without groff warnings and covers the command line.
man_text=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/quorvel.1.gz" 2>"$scratch/man.err") ||
  fail "man -l cannot render the page"
[ ! -s "$scratch/man.err" ] || { cat "$scratch/man.err" >&2; fail "man warns about the page"; }
for text in NOMBRE SINOPSIS OPCIONES TECLAS pruebas.pal --export --help --version; do
  grep -qF -- "$text" <<<"$man_text" || fail "manual page lacks '$text'"
done

# Errors fail the test. Every tag lintian gives is printed; an override in the
# package would carry its reason in a comment beside it.
status=0
lintian --fail-on error --display-info --pedantic "$deb" >"$scratch/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$scratch/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian reports errors"
echo "package: all checks passed ($(stat -c %s "$deb") bytes)"
