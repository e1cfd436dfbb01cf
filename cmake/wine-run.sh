#!/bin/sh
# Runs a Windows program under Wine in a throw-away prefix: wine-run.sh <prefix folder> <program> [args...]
# The prefix is created (wineboot -i) on first use; Mono and Gecko are switched off so nothing prompts.
set -eu
prefix="$1"
shift
mkdir -p "$prefix"
WINEPREFIX="$(cd "$prefix" && pwd)"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# No display is needed: the programs are console programs.
unset DISPLAY WAYLAND_DISPLAY

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine64 || command -v wine)"
export WINELOADER="$wine"
wineserver="$(dirname "$wine")/wineserver"
[ -x "$wineserver" ] || wineserver=wineserver

# Parallel tests wait for the one that boots the prefix.
if [ ! -f "$WINEPREFIX/.booted" ]; then
    exec 9>"$WINEPREFIX/.boot.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/.booted" ]; then
        "$wine" wineboot -i >/dev/null 2>&1
        "$wineserver" -w
        touch "$WINEPREFIX/.booted"
    fi
    flock -u 9
    exec 9>&-
fi
# Test programs start one after another: a server that outlives each of them saves loading the prefix
# again for every one; it ends by itself 15 s after the last program. The server and Wine's background
# services are started here, away from the program's output, which the test runner reads to its end.
if "$wineserver" -p15 </dev/null >/dev/null 2>&1; then
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
fi
# With its output on the test runner's pipe, Wine now and then ended a program with code 1 before it had
# written anything. The output goes through a file, and such a start is tried again, at most twice: a test
# program always writes before it ends, so any output is a real result.
# The file lives in the throw-away prefix, so a run killed by the test timeout leaves nothing elsewhere.
out="$(mktemp "$WINEPREFIX/output.XXXXXX")"
trap 'rm -f "$out"' EXIT
for attempt in 1 2 3; do
    rc=0
    "$wine" "$@" >"$out" 2>&1 || rc=$?
    [ "$rc" -ne 0 ] && [ ! -s "$out" ] && [ "$attempt" -lt 3 ] || break
    echo "wine-run.sh: $1 ended with code $rc before writing anything; starting it again" >&2
done
cat "$out"
exit "$rc"
