#!/usr/bin/env bash
# Checks the Debian package as a user meets it: desktop entry and metainfo validate, the .deb builds from
# the release build, installs with apt, the installed program starts (offscreen), stays up and finds its
# language files and bridge library, and a purge leaves none of the package's files behind.
# Needs root (apt-get, dpkg); uses sudo when not run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)
package=tavimoro-setup
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

fail() { echo "package-check: FAIL: $*" >&2; exit 1; }
step() { echo "package-check: $*"; }

bash scripts/deps.sh package

step "validating the desktop entry and the metainfo"
desktop-file-validate packaging/com.nelvo.TavimoroSetupTool.desktop
appstreamcli validate --no-net packaging/com.nelvo.TavimoroSetupTool.metainfo.xml >/dev/null ||
    { appstreamcli validate --no-net packaging/com.nelvo.TavimoroSetupTool.metainfo.xml; fail "metainfo"; }

step "building the release build (without the test suites) and the .deb"
# Its own folder: the package needs no tests, and build/release keeps them for the benchmark and run.sh.
cmake --preset release -B build/package -DTAVIMORO_BUILD_TESTS=OFF >/dev/null
cmake --build build/package >/dev/null
work=$(mktemp -d "${TMPDIR:-/tmp}/tavimoro-package.XXXXXX")
tool_pid=""
installed=""
cleanup() {
    [ -z "$tool_pid" ] || kill "$tool_pid" 2>/dev/null || true
    # A check that failed half-way leaves no package behind either.
    [ -z "$installed" ] || $sudo apt-get purge -y -qq "$package" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
# apt reads the .deb as its own unprivileged user.
chmod 755 "$work"
cpack --config build/package/CPackConfig.cmake -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(find "$work/out" -maxdepth 1 -name "${package}_*.deb" | head -n1)
[ -n "$deb" ] || fail "cpack made no .deb"
step "built $(basename "$deb") ($(du -k "$deb" | cut -f1) KB)"

depends=$(dpkg-deb -f "$deb" Depends)
step "Depends: $depends"
for wanted in libqt6widgets6 libqt6gui6 libqt6core6 libudev1 libc6 qt6-qpa-plugins; do
    grep -qw "$wanted" <<<"$depends" || fail "Depends lacks $wanted"
done
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
for wanted in /usr/bin/tavimoro-setup /usr/lib/tavimoro-setup/libtavimoro-cp210x.so \
    /usr/share/tavimoro-setup/Lang/German.sil /usr/share/applications/com.nelvo.TavimoroSetupTool.desktop \
    /usr/share/metainfo/com.nelvo.TavimoroSetupTool.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/com.nelvo.TavimoroSetupTool.svg \
    /usr/share/icons/hicolor/48x48/apps/com.nelvo.TavimoroSetupTool.png \
    /usr/lib/udev/rules.d/70-tavimoro-interface.rules; do
    grep -qx "$wanted" <<<"$contents" || fail "the package lacks $wanted"
done
# Development tools and test fixtures stay out of the package.
if grep -E 'devsim|scripted-bridge|fixture' <<<"$contents"; then fail "the package carries files for development"; fi

export DEBIAN_FRONTEND=noninteractive
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    step "purging an earlier installation first"
    $sudo apt-get purge -y -qq "$package" >/dev/null
fi
step "installing with apt-get"
installed=yes
$sudo apt-get install -y -qq "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; fail "apt-get install"; }
dpkg-query -L "$package" >"$work/files"
step "installed $(wc -l <"$work/files") paths"

step "starting /usr/bin/tavimoro-setup offscreen for 3 s"
home="$work/home"
mkdir -p "$home/.config/Nelvo/SetupTool" "$work/runtime"
chmod 700 "$work/runtime"
# A user's earlier configuration, which the purge must leave alone.
printf '[MISC]\r\nCPort=-1\r\nLayout=0\r\nLanguage=English\r\n' >"$home/.config/Nelvo/SetupTool/Tavimoro_SetupTool.ini"
(
    cd "$work"
    exec env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="tavimoro.i18n.info=true" \
        /usr/bin/tavimoro-setup >"$work/stdout" 2>"$work/stderr"
) &
tool_pid=$!
sleep 3
kill -0 "$tool_pid" 2>/dev/null || { cat "$work/stderr" >&2; fail "the program exited within 3 s"; }
maps=$(cat "/proc/$tool_pid/maps")
kill "$tool_pid"
wait "$tool_pid" 2>/dev/null || true
tool_pid=""

# Strict: the one line asked for, and the offscreen plugin's notice that it has no window manager.
unexpected=$(grep -v -e '^tavimoro\.i18n: language files in ' \
    -e '^This plugin does not support propagateSizeHints()$' "$work/stderr" || true)
[ -z "$unexpected" ] || { printf '%s\n' "$unexpected" >&2; fail "the program printed errors"; }
[ ! -s "$work/stdout" ] || { cat "$work/stdout" >&2; fail "the program printed to stdout"; }
languages=$(grep '^tavimoro\.i18n: language files in ' "$work/stderr" || true)
step "${languages#tavimoro.i18n: }"
grep -q ' in /usr/share/tavimoro-setup/Lang offer: ' <<<"$languages" || fail "language files not taken from /usr/share/tavimoro-setup/Lang"
for language in Dutch French Italian Spanish; do
    grep -qw "$language" <<<"$languages" || fail "language $language not found"
done
grep -q ' /usr/lib/tavimoro-setup/libtavimoro-cp210x\.so$' <<<"$maps" ||
    fail "the bridge library was not loaded from /usr/lib/tavimoro-setup"
step "ran 3 s without an error; bridge library loaded from /usr/lib/tavimoro-setup"

step "purging"
$sudo apt-get purge -y -qq "$package" >"$work/purge.log" 2>&1 || { cat "$work/purge.log" >&2; fail "apt-get purge"; }
installed=""
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then fail "still installed after the purge"; fi
leftovers=()
while IFS= read -r path; do
    [ -e "$path" ] || [ -L "$path" ] || continue
    # Shared folders (/usr/bin, the icon theme) stay for the packages that own them too.
    if [ -d "$path" ] && [ ! -L "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1; then continue; fi
    leftovers+=("$path")
done <"$work/files"
[ ${#leftovers[@]} -eq 0 ] || { printf '  left behind: %s\n' "${leftovers[@]}" >&2; fail "files left after the purge"; }
[ -s "$home/.config/Nelvo/SetupTool/Tavimoro_SetupTool.ini" ] || fail "the user's configuration is gone"
step "purged: none of the $(wc -l <"$work/files") paths left; the user's configuration stays"
step "passed in $(($(date +%s) - started)) s"
