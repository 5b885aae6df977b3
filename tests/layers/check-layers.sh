#!/usr/bin/env bash
# The core's folders include only from folders below them, and a core file can reach neither a
# widget header nor a window header: the two probes must fail to compile for that reason.
set -uo pipefail
source_dir=$1
cmake=$2
build_dir=$3
order=(platform geometry messages level displace files game)
rank() { local i; for i in "${!order[@]}"; do [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo 99; }

status=0
cd "$source_dir/src/core" || exit 1
for folder in */; do
  folder=${folder%/}
  own=$(rank "$folder")
  [ "$own" = 99 ] && { echo "core folder $folder has no place in the order"; status=1; }
  while IFS= read -r line; do
    used=${line#*\"}
    used=${used%%/*}
    [ "$(rank "$used")" -le "$own" ] || { echo "$folder includes $used: $line"; status=1; }
  done < <(grep -h '^#include "' "$folder"/*.cpp "$folder"/*.h 2>/dev/null)
done

for probe in widget_in_core:QWidget window_in_core:GridCanvas.h; do
  target=layer_probe_${probe%%:*}
  output=$("$cmake" --build "$build_dir" --target "$target" 2>&1)
  if [ $? -eq 0 ] || ! grep -q "${probe#*:}.*No such file" <<<"$output"; then
    echo "$target compiled, or failed for another reason:"
    echo "$output" | tail -n 5
    status=1
  fi
done
[ $status -eq 0 ] && echo "layers: ok"
exit $status
