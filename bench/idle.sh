#!/usr/bin/env bash
# Idle cost: CPU time tavimoro-setup uses while it sits idle, PC time ticking (the default), under Xvfb.
# Usage: bench/idle.sh [SECONDS]   (default 60). Prints the share of one core; fails at 0.5 % or more.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

bash scripts/deps.sh run bench >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

work=$(mktemp -d)
tool_pid=""
cleanup() {
    [ -z "$tool_pid" ] || kill "$tool_pid" 2>/dev/null || true
    kill "${xvfb_pid:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

display=:$((600 + RANDOM % 200))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

mkdir -p "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" build/release/bin/tavimoro-setup >"$work/log" 2>&1 &
tool_pid=$!
for _ in $(seq 200); do xdotool search --onlyvisible --pid "$tool_pid" >/dev/null 2>&1 && break; sleep 0.05; done
# Start-up work is not idle time: let it settle first.
sleep 2

# utime + stime, fields 14 and 15 of /proc/PID/stat, counted after the ")" that ends the command name.
cpu_ticks() { sed 's/.*) //' "/proc/$tool_pid/stat" | awk '{print $12 + $13}'; }
before=$(cpu_ticks)
start=$(date +%s%N)
sleep "$seconds"
after=$(cpu_ticks)
end=$(date +%s%N)
kill -0 "$tool_pid" 2>/dev/null || { echo "idle.sh: tavimoro-setup exited during the measurement" >&2; exit 1; }

hz=$(getconf CLK_TCK)
awk -v ticks=$((after - before)) -v hz="$hz" -v ns=$((end - start)) 'BEGIN {
    cpu = ticks / hz; wall = ns / 1e9; share = 100 * cpu / wall
    printf "tavimoro-setup idle, PC time ticking: %.2f s CPU in %.1f s = %.3f %% of one core\n", cpu, wall, share
    exit (share < 0.5) ? 0 : 1
}'
