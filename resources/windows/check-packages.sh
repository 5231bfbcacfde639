#!/usr/bin/env bash
# Tries the Windows packages as a user would, under Wine on a virtual X display:
#   check-packages.sh WINEPREFIX ZIP SETUP MSI VERSION EXE
# where EXE is the staged Tallywick.exe, beside the other files every package carries.
#  - The installer installs silently for the current user, with its Start-menu entry and its
#    entry in the list of installed programs, and the uninstaller removes all of that again.
#  - With Tallywick running, a silent install and a silent uninstall stop with exit code 2 and
#    change nothing; once it is closed, the uninstall goes through.
#  - A folder given with /D=, or typed on the directory page, gets \Tallywick appended, and a
#    user's files beside the program and inside its folder survive install and uninstall.
#  - Under a German user locale, installer and uninstaller speak German (screenshots
#    installer-de-*.png beside the packages).
#  - The MSI installs for all users with msiexec /qn, replacing an older version, its program
#    starts, and msiexec /x /qn removes it.
#  - The zip's program starts from another folder.
set -euo pipefail

[ -n "${CHECK_PACKAGES_ON_DISPLAY:-}" ] ||
    exec env CHECK_PACKAGES_ON_DISPLAY=1 xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$@"

prefix=$(realpath "$1") zip=$(realpath "$2") setup=$(realpath "$3") msi=$(realpath "$4")
version=$5 exe=$(realpath "$6")
here=$(cd "$(dirname "$0")" && pwd)
stage=$(dirname "$exe") out=$(dirname "$setup")
# No menu builder: it would write menus, .desktop files and icons into the builder's home.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
unset QT_QPA_PLATFORM
run() { "$here/wine-run.sh" "$prefix" "$@"; }
fail() { echo "check-packages: FAILED: $*" >&2; wineserver -k 2>/dev/null || true; exit 1; }
say() { echo "check-packages: $*"; }
winvar() { run cmd /c "echo %$1%" | tr -d '\r'; }
unix() { winepath -u "$1"; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Screenshots for the eye, where ImageMagick is installed.
shot() { ! command -v import >/dev/null || import -window root "$out/$1" || true; }

# Every staged file must be in DIR, byte for byte.
installed_in() {
    (cd "$stage" && find . -type f) | while read -r f; do
        cmp -s "$stage/$f" "$1/$f" || { echo "$1/${f#./} is missing or differs"; return 1; }
    done
}
fingerprint() { (cd "$1" && find . -type f -exec md5sum {} + | sort); }

# Starts a program and waits for its window. Wine's X11 driver can fail the first window of a
# prefix that has never been on a display ("CreateWindowEx failed"), so up to three starts. The
# start-up failure box has the program's title too, so a start counts only without its message.
program=
start_program() {
    for start in 1 2 3; do
        run "$1" 2> >(tee "$scratch/start.err" >&2) & program=$!
        for _ in $(seq 60); do
            if xdotool search --onlyvisible --name "^Tallywick\$" >/dev/null 2>&1; then
                sleep 1
                grep -q 'cannot create the window' "$scratch/start.err" || return 0
                break
            fi
            kill -0 $program 2>/dev/null || break
            sleep 1
        done
        say "start $start of $1 showed no window"
        wineserver -k || true
        wait $program || true
    done
    fail "$1 did not start"
}
# Closes it as a user would, so that it saves what it keeps.
close_program() {
    run taskkill /im Tallywick.exe >/dev/null 2>&1 || true
    for _ in $(seq 30); do kill -0 $program 2>/dev/null || break; sleep 1; done
    kill -0 $program 2>/dev/null && fail "Tallywick did not close"
    wait $program || true
}
# Waits for a window whose title matches, and keeps it in $window.
wait_title() {
    for _ in $(seq 40); do
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -z "$window" ] || return 0
        sleep 0.5
    done
    fail "no window titled like $1"
}
# A silent run that must stop with exit code 2.
expect_refusal() {
    local rc=0
    run "$@" || rc=$?
    [ "$rc" = 2 ] || fail "$* with Tallywick running ended with $rc, not 2"
}

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tallywick'
settings_key='HKCU\Software\Tallywick'
instdir_win="$(winvar LOCALAPPDATA)\\Programs\\Tallywick"
instdir=$(unix "$instdir_win")
shortcut=$(unix "$(winvar APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Tallywick.lnk")

say "installing $(basename "$setup") /S"
run "$setup" /S
wineserver --wait
installed_in "$instdir" || fail "the installer did not install every file"
[ -f "$instdir/Uninstall.exe" ] || fail "the installer left no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu entry $shortcut"
entry=$(run reg query "$uninstall_key" | tr -d '\r')
echo "$entry"
expect() { grep -Eq "^ +$1 +REG_SZ +$2\$" <<<"$entry" || fail "$1 is not $2 in $uninstall_key"; }
expect DisplayName 'Tallywick'
expect DisplayVersion "${version//./\\.}"
expect Publisher '.+'
expect UninstallString "\"${instdir_win//\\/\\\\}\\\\Uninstall\\.exe\""
expect DisplayIcon '.*Tallywick\.exe.*'
# Kept for the signature check, which cannot reach it inside the installer.
cp "$instdir/Uninstall.exe" "$out/installed-Uninstall.exe"

say "installing and uninstalling while Tallywick runs"
start_program "$instdir_win\\Tallywick.exe"
before=$(fingerprint "$instdir")
expect_refusal "$setup" /S
# _?= keeps the uninstaller in place, so its exit code is the one of the uninstall itself.
expect_refusal "$instdir_win\\Uninstall.exe" /S "_?=$instdir_win"
[ "$(fingerprint "$instdir")" = "$before" ] || fail "a refused run changed $instdir"
run reg query "$uninstall_key" >/dev/null 2>&1 || fail "a refused uninstall removed its entry"
# With its pages, the installer asks the user to close Tallywick, and goes on once they have.
touch "$scratch/mark"
run "$setup" & installer=$!
wait_title "^Tallywick $version Setup"
sleep 2
xdotool key --window "$window" Return 2>/dev/null
sleep 2
xdotool key Return 2>/dev/null
for _ in $(seq 40); do
    [ "$(xdotool search --onlyvisible --name "^Tallywick $version Setup" 2>/dev/null | wc -l)" -lt 2 ] ||
        break
    sleep 0.5
done
[ "$(xdotool search --onlyvisible --name "^Tallywick $version Setup" 2>/dev/null | wc -l)" -ge 2 ] ||
    fail "the installer did not ask to close Tallywick"
shot installer-running.png
[ "$(fingerprint "$instdir")" = "$before" ] || fail "the installer changed $instdir before Tallywick closed"
close_program
xdotool key Return 2>/dev/null
for _ in $(seq 60); do [ "$instdir/Uninstall.exe" -ot "$scratch/mark" ] || break; sleep 1; done
[ "$instdir/Uninstall.exe" -nt "$scratch/mark" ] || fail "the installer did not go on after Retry"
sleep 2
wineserver -k 2>/dev/null || true
wait $installer || true
installed_in "$instdir" || fail "the installer did not install every file after Retry"

say "uninstalling with $instdir_win\\Uninstall.exe /S"
run "$instdir_win\\Uninstall.exe" /S
wineserver --wait
[ ! -e "$instdir" ] || fail "the uninstaller left $instdir"
[ ! -e "$shortcut" ] || fail "the uninstaller left $shortcut"
if run reg query "$uninstall_key" >/dev/null 2>&1; then fail "the uninstaller left $uninstall_key"; fi
if run reg query "$settings_key" >/dev/null 2>&1; then fail "the uninstaller left $settings_key"; fi

say "installing with /D= into a folder of the user's"
chosen_win='C:\users\Public\Mine'
chosen=$(unix "$chosen_win")
mkdir -p "$chosen"
echo "the user's own" >"$chosen/README.txt"
run "$setup" /S "/D=$chosen_win"
wineserver --wait
installed_in "$chosen/Tallywick" || fail "/D=$chosen_win did not install into its Tallywick folder"
grep -q "the user's own" "$chosen/README.txt" || fail "the installer overwrote the user's README.txt"
echo "also the user's" >"$chosen/Tallywick/notes.txt"
run "$chosen_win\\Tallywick\\Uninstall.exe" /S
wineserver --wait
grep -q "the user's own" "$chosen/README.txt" || fail "the uninstaller took the user's README.txt"
[ "$(cd "$chosen" && find . | sort | tr '\n' ' ')" = ". ./README.txt ./Tallywick ./Tallywick/notes.txt " ] ||
    fail "the uninstaller left or took more than it should: $(cd "$chosen" && find .)"
rm -rf "$chosen"

say "installing with a German user locale, into a folder typed on the directory page"
localedef -i de_DE -f UTF-8 "$scratch/de_DE.UTF-8" 2>/dev/null ||
    [ -f "$scratch/de_DE.UTF-8/LC_CTYPE" ] || fail "cannot make the de_DE.UTF-8 locale"
german() { env LOCPATH="$scratch" LANG=de_DE.UTF-8 LC_ALL= "$here/wine-run.sh" "$prefix" "$@"; }
typed_win='C:\users\Public\Typed'
typed=$(unix "$typed_win")
mkdir -p "$typed"
echo "the user's own" >"$typed/README.txt"
wineserver -k 2>/dev/null || true
german "$setup" & installer=$!
wait_title "^Installation von Tallywick $version"
sleep 2
shot installer-de-licence.png
xdotool key --window "$window" Return 2>/dev/null
sleep 2
xdotool key End shift+Home 2>/dev/null
xdotool type --delay 30 "$typed_win" 2>/dev/null
sleep 1
shot installer-de-folder.png
xdotool key Return 2>/dev/null
for _ in $(seq 60); do [ ! -f "$typed/Tallywick/Uninstall.exe" ] || break; sleep 1; done
sleep 2
wineserver -k 2>/dev/null || true
wait $installer || true
installed_in "$typed/Tallywick" || fail "the folder typed on the directory page got no Tallywick folder"
grep -q "the user's own" "$typed/README.txt" || fail "the installer overwrote the user's README.txt"
german "$typed_win\\Tallywick\\Uninstall.exe" & uninstaller=$!
wait_title "^Deinstallation von Tallywick $version"
sleep 2
shot installer-de-uninstall.png
xdotool key --window "$window" Return 2>/dev/null
for _ in $(seq 60); do [ -e "$typed/Tallywick" ] || break; sleep 1; done
sleep 2
wineserver -k 2>/dev/null || true
wait $uninstaller || true
[ ! -e "$typed/Tallywick" ] || fail "the German uninstaller left $typed/Tallywick"
grep -q "the user's own" "$typed/README.txt" || fail "the uninstaller took the user's README.txt"
rm -rf "$typed"

say "installing $(basename "$msi") for all users, over an older version"
# The same package as version 0.9.0, to be replaced.
wxs_dir=$(dirname "$stage")
(cd "$wxs_dir" && sed 's/ Version="[0-9.]*"/ Version="0.9.0"/' tallywick.wxs >"$scratch/old.wxs" &&
    wixl -a x64 -o "$scratch/old.msi" "$scratch/old.wxs" files.wxs) 2>/dev/null
run msiexec /i "$(winepath -w "$scratch/old.msi")" /qn || fail "the older MSI did not install"
run msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec /i /qn ended with $?"
machine_dir=$(unix "$(winvar ProgramW6432)\\Tallywick")
installed_in "$machine_dir" || fail "the MSI did not install every file"
entries=$(run reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
    grep -E '^ +Display(Name|Version) ' | grep -A1 -E 'DisplayName +REG_SZ +Tallywick$' || true)
echo "$entries"
[ "$(grep -c DisplayName <<<"$entries")" = 1 ] || fail "not one Tallywick in the machine's programs"
grep -Eq 'DisplayVersion +REG_SZ +1\.0\.0$' <<<"$entries" || fail "the older version was not replaced"
if run reg query "$settings_key" >/dev/null 2>&1; then fail "the MSI wrote $settings_key"; fi
# Wine's msi puts ProgramMenuFolder in the user's Start menu even for ALLUSERS=1 (a FIXME of
# Wine's); Windows puts it in the one for all users. So the table says where, and Wine shows it.
msiinfo export "$msi" Property | tr -d '\r' | grep -Eq '^ALLUSERS\s+1$' || fail "the MSI is not for all users"
msiinfo export "$msi" Shortcut | grep -Eq '^StartMenu\s+ProgramMenuFolder\s+Tallywick\s' ||
    fail "the MSI has no Start-menu entry"
common_shortcut=$(unix "$(winvar ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs\\Tallywick.lnk")
[ -f "$common_shortcut" ] || [ -f "$shortcut" ] || fail "no Start-menu entry from the MSI"
start_program "$(winvar ProgramW6432)\\Tallywick\\Tallywick.exe"
close_program
run msiexec /x "$(winepath -w "$msi")" /qn || fail "msiexec /x /qn ended with $?"
[ ! -e "$machine_dir" ] || fail "msiexec /x left $machine_dir"
[ ! -e "$shortcut" ] && [ ! -e "$common_shortcut" ] || fail "msiexec /x left the Start-menu entry"
if run reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
    grep -Eq 'DisplayName +REG_SZ +Tallywick$'; then fail "msiexec /x left the uninstall entry"; fi
run reg delete "$settings_key" /f >/dev/null 2>&1 || true

say "starting Tallywick.exe from the unpacked zip"
mkdir -p "$scratch/a folder"
(cd "$scratch/a folder" && cmake -E tar xf "$zip")
started=$(find "$scratch/a folder" -name Tallywick.exe)
[ -n "$started" ] || fail "no Tallywick.exe in $zip"
installed_in "$(dirname "$started")" || fail "the zip lacks a staged file"
# The program runs from another folder than its own, as from a USB stick.
cd /tmp
start_program "$started"
cd - >/dev/null
sleep 2
shot zip-started.png
close_program
wineserver --wait
say "the installer, the uninstaller, the MSI and the zip work (screens: $out/*.png)"
