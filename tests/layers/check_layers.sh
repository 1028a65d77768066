#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a layer above its own, or when
# src/ holds a folder that is not a layer. The layers, bottom to top:
layers=(scene delgraph drawing classify quiz render app cli)
set -euo pipefail
src=${1:?usage: check_layers.sh SRC_DIR}

rank() {
  local i
  for i in "${!layers[@]}"; do
    if [[ ${layers[$i]} == "$1" ]]; then
      echo "$i"
      return
    fi
  done
  echo -1
}

status=0
for dir in "$src"/*/; do
  name=$(basename "$dir")
  own=$(rank "$name")
  if ((own < 0)); then
    echo "$dir: not a layer; add it to the list in $0"
    status=1
    continue
  fi
  while IFS=: read -r file line text; do
    included=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")
    if (($(rank "$included") > own)); then
      echo "$file:$line: $name includes $included, a layer above it"
      status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$dir" || true)
done
exit "$status"
