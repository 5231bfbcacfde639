#!/usr/bin/env bash
# Tries the Windows packages as a user would, under Wine:
#   check-packages.sh WINEPREFIX ZIP SETUP VERSION EXE
# The installer installs silently for the current user, with its Start-menu entry and its entry
# in the list of installed programs, and the uninstaller removes all of that again. The zip is
# unpacked into a folder of its own and its program started on a virtual X display, where its
# window must appear.
set -euo pipefail

prefix=$(realpath "$1") zip=$(realpath "$2") setup=$(realpath "$3") version=$4 exe=$(realpath "$5")
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=$prefix WINEDEBUG=-all
unset QT_QPA_PLATFORM
run() { "$here/wine-run.sh" "$prefix" "$@"; }
fail() { echo "check-packages: FAILED: $*" >&2; exit 1; }
say() { echo "check-packages: $*"; }
winvar() { run cmd /c "echo %$1%" | tr -d '\r'; }

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tallywick'
instdir_win="$(winvar LOCALAPPDATA)\\Programs\\Tallywick"
instdir=$(winepath -u "$instdir_win")
shortcut=$(winepath -u "$(winvar APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Tallywick.lnk")

say "installing $(basename "$setup") /S"
run "$setup" /S
wineserver --wait
for f in Tallywick.exe LICENSE.txt README.txt Uninstall.exe "Qt licences/LGPL-3.0-only.txt"; do
    [ -f "$instdir/$f" ] || fail "the installer left no $instdir/$f"
done
cmp -s "$instdir/Tallywick.exe" "$exe" || fail "the installed Tallywick.exe is not the one built"
[ -f "$shortcut" ] || fail "no Start-menu entry $shortcut"
entry=$(run reg query "$uninstall_key" | tr -d '\r')
echo "$entry"
expect() { grep -Eq "^ +$1 +REG_SZ +$2\$" <<<"$entry" || fail "$1 is not $2 in $uninstall_key"; }
expect DisplayName 'Tallywick'
expect DisplayVersion "${version//./\\.}"
expect Publisher '.+'
expect UninstallString "\"${instdir_win//\\/\\\\}\\\\Uninstall\\.exe\""
expect DisplayIcon '.*Tallywick\.exe.*'

say "uninstalling with $instdir_win\\Uninstall.exe /S"
run "$instdir_win\\Uninstall.exe" /S
wineserver --wait
[ ! -e "$instdir" ] || fail "the uninstaller left $instdir"
[ ! -e "$shortcut" ] || fail "the uninstaller left $shortcut"
if run reg query "$uninstall_key" >/dev/null 2>&1; then fail "the uninstaller left $uninstall_key"; fi

say "starting Tallywick.exe from the unpacked zip"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/a folder"
(cd "$scratch/a folder" && cmake -E tar xf "$zip")
started=$(find "$scratch/a folder" -name Tallywick.exe)
[ -n "$started" ] || fail "no Tallywick.exe in $zip"
cmp -s "$started" "$exe" || fail "the zip's Tallywick.exe is not the one built"
# The program runs from another folder than its own, as from a USB stick. Wine's X11 driver can
# fail the first window of a prefix that has never been on a display ("CreateWindowEx failed"),
# so up to three starts are allowed, and each retry is said.
start_zip() {
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    cd /tmp && "$1" "$2" "$3" & program=$!
    for _ in $(seq 60); do
        if xdotool search --onlyvisible --name "^Tallywick\$" >/dev/null 2>&1; then
            sleep 2
            ! command -v import >/dev/null || import -window root "$4" || true
            wineserver -k; wait $program || true
            exit 0
        fi
        kill -0 $program 2>/dev/null || { echo "Tallywick.exe ended before showing a window"; exit 1; }
        sleep 1
    done
    echo "no Tallywick window within 60 s"; wineserver -k; exit 1' \
    check "$here/wine-run.sh" "$prefix" "$started" "$(dirname "$exe")/zip-started.png"
}
for start in 1 2 3; do
    start_zip && break
    wineserver --wait
    [ "$start" -lt 3 ] || fail "the zip's Tallywick.exe did not start"
    say "start $start showed no window; starting it once more"
done
wineserver --wait
say "the installer, the uninstaller and the zip work (screen: $(dirname "$exe")/zip-started.png)"
