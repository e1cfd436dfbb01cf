#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS (default 60), two at a time, from the committed seeds.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   Findings land in build/fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
bash scripts/deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

run_one() { # target seconds
    local target=$1 seconds=$2
    local work="build/fuzz/work/$target" findings="build/fuzz/findings/$target"
    rm -rf "$work" && mkdir -p "$work" "$findings"
    # New inputs go to a scratch folder so the committed seeds stay as they are.
    if build/fuzz/bin/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/" "$work" "fuzz/corpus/$target" >"build/fuzz/$target.log" 2>&1; then
        echo "$target: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second' "build/fuzz/$target.log" | tail -n1), no finding"
    else
        echo "$target: FINDING (see build/fuzz/$target.log and $findings)"
        tail -n 40 "build/fuzz/$target.log"
        return 1
    fi
}
export -f run_one
printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_one {} '"$seconds"
