#!/usr/bin/env bash
# Runs a Windows program under Wine in a private 64-bit prefix, made on first use:
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# CTest uses it as the emulator of the cross build, so every test runs exactly like this.
#
# The prefix is the one a Windows machine would give the program: Tahoma installed as a system
# font (Wine's GDI lists no font it merely finds on the Unix side) and ClearType smoothing, under
# which thin strokes stay (with grayscale smoothing, Wine drops them). Nothing of the user's own
# ~/.wine is read or written.
set -euo pipefail

prefix=$1
shift
export WINEPREFIX=$prefix WINEARCH=win64
# No debug chatter on stderr, which tests read; no offer to install Mono or Gecko; and no menu
# builder, which would write menu entries, .desktop files and icons into the user's home for the
# prefix and for every shortcut an installer makes.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

if [ ! -f "$prefix/.tallywick-ready" ]; then
    mkdir -p "$prefix"
    exec 9>"$prefix.lock"
    flock 9
    if [ ! -f "$prefix/.tallywick-ready" ]; then
        echo "wine-run: making the Wine prefix $prefix" >&2
        wineboot --init >/dev/null 2>&1
        wineserver --wait
        fonts="$prefix/drive_c/windows/Fonts"
        mkdir -p "$fonts"
        key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
        for face in tahoma:Tahoma tahomabd:"Tahoma Bold"; do
            cp "/usr/share/wine/fonts/${face%%:*}.ttf" "$fonts/"
            wine reg add "$key" /v "${face#*:} (TrueType)" /t REG_SZ /d "${face%%:*}.ttf" /f >/dev/null
        done
        desktop='HKCU\Control Panel\Desktop'
        wine reg add "$desktop" /v FontSmoothing /t REG_SZ /d 2 /f >/dev/null
        wine reg add "$desktop" /v FontSmoothingType /t REG_DWORD /d 2 /f >/dev/null
        wineserver --wait
        touch "$prefix/.tallywick-ready"
    fi
    exec 9>&-
fi

# Wine keeps the Unix QT_* variables from Windows programs; it hands on WINEQT_* as QT_* instead.
# Qt Test logs to the debugger unless told to use stderr.
while IFS='=' read -r name _; do
    case $name in QT_*) export "WINE$name=${!name}" ;; esac
done < <(env)
export WINEQT_FORCE_STDERR_LOGGING=1

exec wine "$@"
