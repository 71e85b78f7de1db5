#!/usr/bin/env bash
# chart-layers.sh [--check]: the #include edges between the chart engine's layer folders, one line
# "from -> to (count)". A layer may include only itself and the layers before it in this order:
# core, canvas, scale, axis, series, panel, loader. --check prints only the edges against that order
# and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/../chart"
order=" core canvas scale axis series panel loader "
rank() { local before=${order%% $1 *}; echo "${#before}"; }
status=0
while read -r count from to; do
    upward=$([ "$(rank "$to")" -gt "$(rank "$from")" ] && echo yes || echo no)
    if [ "${1:-}" != --check ]; then
        echo "$from -> $to ($count)"
    elif [ "$upward" = yes ]; then
        echo "$from -> $to ($count): $from may not include $to"
        status=1
    fi
done < <(grep -rHo '#include "chart/[a-z]*/' --include=*.h --include=*.cpp . |
    sed -E 's#^\./([a-z]+)/[^:]*:\#include "chart/([a-z]+)/#\1 \2#' | awk '$1 != $2' | sort | uniq -c)
exit $status
