#!/bin/sh
# Writes the Spanish manual page quorvel.1.gz from the program's own --help and
# --version (help2man), with the sections --help does not hold from an include file.
# Usage: make-manpage.sh <program> <include file> <release date YYYY-MM-DD> <out folder>
set -eu
program=$(readlink -f -- "$1")
include=$2
released=$3
out=$4
mkdir -p "$out"

# help2man writes its Spanish headings only in a Spanish locale. Build one in the
# tree instead of asking the machine to have generated it.
if [ ! -e "$out/locale/es_ES.UTF-8/LC_CTYPE" ]; then
  mkdir -p "$out/locale"
  localedef -i es_ES -f UTF-8 "$out/locale/es_ES.UTF-8" ||
    [ -e "$out/locale/es_ES.UTF-8/LC_CTYPE" ]
fi

# help2man finds the synopsis and the sections of --help by their headings, in
# English or in the words of its Spanish catalogue, which calls the usage line
# "Modo de empleo" and has no exit status heading; it takes an example for one when
# it starts with "$ ". A filter puts ours in words it knows; everything else reaches
# it exactly as --help prints it.
cat >"$out/help-filter" <<'FILTER'
#!/bin/sh
text=$("$QUORVEL_PROGRAM" "$@") || exit $?
printf '%s\n' "$text" | sed -e 's/^Uso: /Modo de empleo: /' \
  -e 's/^Estado de salida: /*Estado de salida*\n/' -e 's/^  quorvel /  $ quorvel /' \
  -e 's/^Teclas de la ventana:$/*Teclas*/'
FILTER
chmod +x "$out/help-filter"

# The page's date is the release's, not the build's, so builds are reproducible. The
# time limit guards against a program that opens its window instead of answering.
QUORVEL_PROGRAM=$program SOURCE_DATE_EPOCH=$(date -u -d "$released" +%s) \
  LOCPATH="$out/locale"   QT_QPA_PLATFORM=offscreen timeout 60 \
  help2man --locale=es_ES.UTF-8 --no-info --section=1 --include="$include" \
  --output="$out/quorvel.1.tmp" "$out/help-filter"
mv "$out/quorvel.1.tmp" "$out/quorvel.1"
gzip -9n -c "$out/quorvel.1" >"$out/quorvel.1.gz.tmp"
mv "$out/quorvel.1.gz.tmp" "$out/quorvel.1.gz"
