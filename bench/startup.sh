#!/usr/bin/env bash
# Start-up benchmark: time from launch to a visible window, and peak memory, for tavimoro-setup,
# CuteCom (a Qt serial terminal) and a minimal Qt 6 window (the floor), interleaved, RUNS runs each.
# Usage: bench/startup.sh [RUNS]   (default 10). Prints medians and ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-10}"

bash scripts/deps.sh build bench >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

work=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
g++ -O2 -fPIC bench/floor.cpp -o "$work/floor" $(pkg-config --cflags --libs Qt6Widgets)

display=:$((600 + RANDOM % 200))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

# A process that has exited stays a zombie until it is waited for, and kill -0 still reaches it.
running() { local state; state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) || return 1; [ "${state%% *}" != Z ]; }

# Each run gets a fresh configuration, as on a first start.
measure() { # name command... -> appends "ms kb" to $work/results-<name>
    local name=$1; shift
    local home="$work/home-$name"
    rm -rf "$home"; mkdir -p "$home"
    local start end child=""
    start=$(date +%s%N)
    HOME="$home" XDG_CONFIG_HOME="$home/.config" /usr/bin/time -f '%M' -o "$work/mem" "$@" >/dev/null 2>&1 &
    local timer=$!
    local shown=""
    for _ in $(seq 4000); do
        [ -n "$child" ] || child=$(pgrep -P "$timer" | head -n1 || true)
        if [ -n "$child" ] && xdotool search --onlyvisible --pid "$child" >/dev/null 2>&1; then
            shown=yes
            break
        fi
        running "$timer" || break
        sleep 0.002
    done
    end=$(date +%s%N)
    if [ -z "$shown" ]; then
        kill "$child" 2>/dev/null || true
        wait "$timer" 2>/dev/null || true
        echo "startup.sh: $name showed no window (it exited or took too long)" >&2
        exit 1
    fi
    kill "$child" 2>/dev/null || true
    wait "$timer" 2>/dev/null || true
    echo "$(( (end - start) / 1000000 )) $(tail -n1 "$work/mem")" >>"$work/results-$name"
}

for i in $(seq "$runs"); do
    measure tool build/release/bin/tavimoro-setup
    measure cutecom /usr/bin/cutecom
    measure floor "$work/floor"
    echo "run $i of $runs done" >&2
done

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
declare -A ms kb
for n in tool cutecom floor; do
    ms[$n]=$(cut -d' ' -f1 "$work/results-$n" | median)
    kb[$n]=$(cut -d' ' -f2 "$work/results-$n" | median)
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
printf '%-16s %14s %16s %12s %12s\n' program "median ms" "median peak KB" "ms / CuteCom" "KB / CuteCom"
for n in tool cutecom floor; do
    label=$n; [ "$n" = tool ] && label=tavimoro-setup; [ "$n" = cutecom ] && label=CuteCom; [ "$n" = floor ] && label="Qt floor"
    printf '%-16s %14s %16s %12s %12s\n' "$label" "${ms[$n]}" "${kb[$n]}" "$(ratio "${ms[$n]}" "${ms[cutecom]}")" "$(ratio "${kb[$n]}" "${kb[cutecom]}")"
done
printf 'tavimoro-setup over the floor: %s x time, %s x memory (%d runs each, interleaved)\n' \
    "$(ratio "${ms[tool]}" "${ms[floor]}")" "$(ratio "${kb[tool]}" "${kb[floor]}")" "$runs"
