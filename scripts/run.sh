#!/usr/bin/env bash
# Builds the tool and starts it. Without an attached interface it starts the device simulator first,
# so the tool finds a device to talk to.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release
bin=build/release/bin

# The port the simulator plays: ttyUSB0 (COM33), where a real interface appears, so the tool detects it.
# TAVIMORO_SIM_TTY=ttyS0 plays a plain serial port on COM1 instead.
sim_tty="${TAVIMORO_SIM_TTY:-ttyUSB0}"

# The interface: a USB device 10c4:ea60 with serial number 0001.
interface_attached() {
    local device
    for device in /sys/bus/usb/devices/*; do
        [ "$(cat "$device/idVendor" 2>/dev/null)" = 10c4 ] || continue
        [ "$(cat "$device/idProduct" 2>/dev/null)" = ea60 ] || continue
        [ "$(cat "$device/serial" 2>/dev/null)" = 0001 ] && return 0
    done
    return 1
}

if interface_attached; then
    exec "$bin/tavimoro-setup" "$@"
fi

workdir="$(mktemp -d "${TMPDIR:-/tmp}/tavimoro-run.XXXXXX")"
sim_pid=""
stop_simulator() {
    if [ -n "$sim_pid" ]; then
        kill -TERM "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
        echo "--- device simulator log ---" >&2
        cat "$workdir/devsim.log" >&2 || true
    fi
    rm -rf "$workdir"
}
trap stop_simulator EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

echo "No interface attached: starting the device simulator on $sim_tty." >&2
"$bin/tavimoro-devsim" --tree "$workdir/tree" --tty "$sim_tty" >"$workdir/devsim.log" 2>&1 &
sim_pid=$!

# The simulator prints the two roots first; wait for them (at most 5 s).
for _ in $(seq 50); do
    [ "$(grep -c '^TAVIMORO_' "$workdir/devsim.log" 2>/dev/null)" -ge 2 ] && break
    kill -0 "$sim_pid" 2>/dev/null || { echo "The device simulator did not start." >&2; exit 1; }
    sleep 0.1
done
sysfs_root="$(sed -n 's/^TAVIMORO_SYSFS_ROOT=//p' "$workdir/devsim.log")"
dev_root="$(sed -n 's/^TAVIMORO_DEV_ROOT=//p' "$workdir/devsim.log")"
if [ -z "$sysfs_root" ] || [ -z "$dev_root" ]; then
    echo "The device simulator did not say where it is." >&2
    exit 1
fi
export TAVIMORO_SYSFS_ROOT="$sysfs_root" TAVIMORO_DEV_ROOT="$dev_root"

status=0
"$bin/tavimoro-setup" "$@" || status=$?
exit "$status"
