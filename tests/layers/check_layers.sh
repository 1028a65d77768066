#!/usr/bin/env bash
# Reads every #include of src/, tests/ and bench/ under a project root and fails
# when a file includes a header of a layer above its own, when two or more files
# of one folder include each other in a loop, or when a folder belongs nowhere.
#
# The layers, bottom to top: one folder of src/ each. A folder tests/X belongs
# to layer X and may include that layer and those below it.
layers=(scene classify delgraph drawing figures quiz render app cli)
# The other folders with code, and what each may include: a layer's name, "top"
# (every layer), "none" (no layer), "shared" (the test helpers: a file that
# includes one of their headers answers for the layers that header reaches) or
# "skip" (not read).
others=(
  src=top            # the program's entry
  tests/support=shared
  tests/hidpi=app    # the window on a screen at 200 %
  tests/e2e=none     # the program driven from outside, through its window
  tests/layers=skip  # this check's own faulty trees
  bench=top          # the benchmarks time every layer
  bench/support=none
  bench/bare=none # bare Qt, the yardstick for the window's start
)
# Includes upwards allowed for now, each with its reason; the check fails once
# one is no longer upwards.
allowed=()
set -euo pipefail
root=${1:?usage: check_layers.sh PROJECT_ROOT}
root=${root%/}
status=0
fail() {
  echo "$*"
  status=1
}

declare -A ranks=()
for i in "${!layers[@]}"; do ranks[${layers[$i]}]=$i; done
rank() {
  echo "${ranks[$1]--1}"
}

# The rank a folder (relative to the root) may include up to, or "shared",
# "skip", or nothing when it belongs nowhere.
limit() {
  local entry name=${1##*/}
  for entry in "${others[@]}"; do
    if [[ ${entry%%=*} == "$1" ]]; then
      case ${entry#*=} in
        top) echo $((${#layers[@]} - 1)) ;;
        none) echo -1 ;;
        shared | skip) echo "${entry#*=}" ;;
        *) rank "${entry#*=}" ;;
      esac
      return
    fi
  done
  if [[ $1 == */* && $(rank "$name") -ge 0 ]]; then rank "$name"; fi
}

# "file:line:text" for each quoted include of the folder's own files.
includes() {
  grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$1"/*.cpp "$1"/*.h /dev/null || true
}

# The path an include line names, in $path.
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)"'
read_path() {
  [[ $1 =~ $pattern ]]
  path=${BASH_REMATCH[1]}
}

# The highest rank that a header of the shared helpers reaches, through the
# helpers it includes in turn.
declare -A reach=()
reach_of() {
  local header=$1 best=-1 file line text path r
  if [[ -n ${reach[$header]+x} ]]; then
    echo "${reach[$header]}"
    return
  fi
  reach[$header]=-1 # a loop of helpers stops here; the loop check reports it
  if [[ -f $root/tests/$header ]]; then
    while IFS=: read -r file line text; do
      [[ $file == "$root/tests/$header" ]] || continue
      read_path "$text"
      if [[ $path == support/* ]]; then r=$(reach_of "$path"); else r=${ranks[${path%%/*}]--1}; fi
      ((r > best)) && best=$r
    done < <(includes "$root/tests/${header%/*}")
  fi
  reach[$header]=$best
  echo "$best"
}

# Files of one folder that include each other in a loop.
check_loops() {
  local dir=$1 file line text path target edges=""
  while IFS=: read -r file line text; do
    read_path "$text"
    for target in "${file%/*}/$path" "$root/src/$path" "$root/tests/$path"; do
      [[ -f $target ]] || continue
      [[ ${target%/*} == "$dir" ]] && edges+="$file $target"$'\n'
      break
    done
  done < <(includes "$dir")
  local loop
  if ! loop=$(printf '%s' "$edges" | tsort 2>&1 >/dev/null); then
    loop=$(sed -nE "s|^tsort: $dir/([^/]*)\$|\\1|p" <<<"$loop" | paste -sd ,)
    fail "${dir#"$root"/}: ${loop//,/, } include each other in a loop"
  fi
}

check_folder() {
  local dir=$1 name=${1#"$root"/} own file line text path included r shown
  own=$(limit "$name")
  shown=${name#src/} # a layer goes by its own name
  if [[ -z $own ]]; then
    fail "$name: not a layer; add it to the lists in $0"
    return
  fi
  [[ $own == skip ]] && return
  check_loops "$dir"
  [[ $own == shared ]] && return
  while IFS=: read -r file line text; do
    read_path "$text"
    included=${path%%/*}
    [[ $path == */* ]] || continue
    if [[ $included == support && $name == tests/* ]]; then
      r=$(reach_of "$path")
      ((r > own)) && fail "$file:$line: $name includes $path, which reaches ${layers[$r]}," \
        "a layer above it"
      continue
    fi
    r=${ranks[$included]--1}
    ((r > own)) || continue
    if [[ " ${allowed[*]} " == *" $name:$included "* ]]; then continue; fi
    if ((own < 0)); then
      fail "$file:$line: $shown includes $included, and may include no layer"
    else
      fail "$file:$line: $shown includes $included, a layer above it"
    fi
  done < <(includes "$dir")
}

for entry in "${allowed[@]}"; do
  folder=${entry%%:*}
  if (($(rank "${entry#*:}") <= $(limit "$folder"))); then
    fail "$folder may include ${entry#*:} now: take it out of the allowed list in $0"
  fi
done

shopt -s nullglob
for dir in "$root"/src "$root"/src/*/ "$root"/tests/*/ "$root"/bench "$root"/bench/*/; do
  dir=${dir%/}
  files=("$dir"/*.cpp "$dir"/*.h)
  ((${#files[@]} > 0)) || continue
  check_folder "$dir"
done
exit "$status"
