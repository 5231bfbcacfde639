#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows from Debian's own qt6-base source, once, and prints the
# folder it is installed in. Debian ships no Qt for MinGW, and the program must link the same Qt
# 6.4 it is tested against on Linux, so the source is the very version of the installed
# qt6-base-dev, and that Qt serves as the host Qt (moc, rcc, uic).
#
# The result is kept outside the tree, under
#   ${TALLYWICK_WINQT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tallywick/winqt}/<version>-<hash>
# where <hash> covers the configure line, the toolchain file, the MinGW compiler and runtime
# versions and this script itself, so a change to any of them builds a new Qt beside the old one. A
# build goes to a scratch folder and is moved into place only when complete, so an interrupted run
# leaves nothing that a later run would take for a finished Qt.
#
# The source is verified every time it is unpacked: the .dsc's OpenPGP signature against Debian's
# keyrings (package debian-keyring) and every tarball against the .dsc's checksums. It comes from
# Debian's archive, or, once the archive has dropped that version, from the snapshot archive, or
# from a folder of your own holding the .dsc and its tarballs:
#   TALLYWICK_QT_SOURCE=/path/of/that/folder
# TALLYWICK_QT_SOURCE_VERSION=v asks for another version than the installed one (to try the
# messages; a Qt of another version does not match the host tools).
#
# Progress goes to stderr and to a log beside the cache; stdout is only the installed folder.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/mingw-w64.cmake"
cache=${TALLYWICK_WINQT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tallywick/winqt}
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
triple=x86_64-w64-mingw32

say() { echo "build-qt: $*" >&2; }

version=${TALLYWICK_QT_SOURCE_VERSION:-$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null)} || {
    say "qt6-base-dev is not installed; the Windows Qt is built from its exact source version"
    exit 1
}
# The .dsc's name carries the version without its epoch.
dsc_name="qt6-base_${version#*:}.dsc"
[ -s /usr/share/keyrings/debian-keyring.gpg ] || {
    say "the Qt source is checked against Debian's keyrings: install the package debian-keyring"
    exit 1
}

# Everything not needed by a Widgets program is left out, which halves the build. Two flags are
# not obvious: Debian's source drops the Wintab headers that tablet events need, and turning off
# all of Direct2D (rather than only its 1.1 paint engine) breaks the DirectWrite font database.
configure_args=(
    -xplatform win32-g++ -release -static -static-runtime
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-pkg-config -no-zstd
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport
    -no-feature-concurrent -no-feature-vulkan -no-feature-jpeg
    -no-feature-tabletevent -no-feature-direct2d1_1
    -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype
)
key_hash=$( {
    printf '%s\n' "${configure_args[@]}"
    cat "$toolchain" "$here/build-qt.sh"
    "$triple-g++-posix" --version
    dpkg-query -W g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
} | sha256sum | cut -c1-12)
key="${version//[^A-Za-z0-9.+-]/_}-$key_hash"
prefix="$cache/$key"

if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    say "reusing $prefix"
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
# One build of a key at a time; a second run waits and then reuses the first one's Qt.
exec 5>"$cache/$key.lock"
flock 5
if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    say "reusing $prefix"
    echo "$prefix"
    exit 0
fi
# An interrupted build's scratch folder is kept, and a configured one is built on where it stopped.
log="$cache/$key.log"
work=
for old in "$cache/.work-$key-"*; do
    if [ -z "$work" ] && [ -f "$old/configured" ]; then work=$old; else rm -rf "$old"; fi
done
if [ -n "$work" ]; then
    say "going on with the build in $work (log: $log)"
    exec 4>&1 3>&2 1>>"$log" 2>&1
else
    work=$(mktemp -d "$cache/.work-$key-XXXXXX")
    say "building Qt $version for Windows in $work (log: $log); this takes 20 to 40 minutes"
    exec 4>&1 3>&2 1>"$log" 2>&1
fi
trap 'status=$?; [ $status -eq 0 ] && rm -rf "$work"; [ $status -eq 0 ] || say "failed, see $log" 2>&3' EXIT
step() { echo "build-qt: $*" >&3; echo "=== $*"; }

# The source: a folder of your own, else the one fetched before, else Debian's archive (through a
# private list, so nothing is written to /etc/apt), else the snapshot archive. Fetched files are
# kept so another configure line does not fetch them again; they are verified when unpacked.
src_cache="$cache/source/$version"
fetch_from_archive() {
    local apt_dir="$work/apt" keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    mkdir -p "$apt_dir/parts" "$apt_dir/state/lists/partial" "$apt_dir/cache/archives/partial"
    cat >"$apt_dir/sources.list" <<EOF
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm main
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=$keyring] http://deb.debian.org/debian-security bookworm-security main
EOF
    local apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
                    -o "Dir::State=$apt_dir/state" -o "Dir::Cache=$apt_dir/cache"
                    -o "Debug::NoLocking=1" -o "APT::Sandbox::User=$(id -un)")
    apt-get "${apt_opts[@]}" update
    (cd "$1" && apt-get "${apt_opts[@]}" source --download-only "qt6-base=$version")
}
# snapshot.debian.org keeps every version ever uploaded; its files are named by their SHA-1.
fetch_from_snapshot() {
    local base=https://snapshot.debian.org listing
    listing=$(curl -fsS --max-time 60 "$base/mr/package/qt6-base/$version/srcfiles?fileinfo=1") || return 1
    python3 -c 'import json, sys
for h, files in json.load(sys.stdin)["fileinfo"].items():
    print(h, files[0]["name"])' <<<"$listing" >"$1.list" || return 1
    while read -r hash name; do
        curl -fsS --max-time 1800 -o "$1/$name" "$base/file/$hash" || return 1
        echo "$hash  $1/$name" | sha1sum -c --quiet || return 1
    done <"$1.list"
}
if [ -f "$work/configured" ]; then
    :
elif [ -n "${TALLYWICK_QT_SOURCE:-}" ]; then
    src_cache=$(cd "$TALLYWICK_QT_SOURCE" && pwd)
elif [ ! -f "$src_cache/$dsc_name" ]; then
    step "fetching the source of qt6-base $version"
    mkdir -p "$work/download"
    if ! fetch_from_archive "$work/download"; then
        step "Debian's archive has no qt6-base $version; trying the snapshot archive"
        rm -rf "$work/download" && mkdir -p "$work/download"
        fetch_from_snapshot "$work/download" || {
            say "cannot fetch the source of qt6-base $version: Debian's archive no longer has it and" \
                "snapshot.debian.org cannot give it. Download $dsc_name and the tarballs it names from" \
                "https://snapshot.debian.org/package/qt6-base/$version/ into a folder and run again" \
                "with TALLYWICK_QT_SOURCE=/path/of/that/folder" 2>&3
            exit 1
        }
    fi
    mkdir -p "$(dirname "$src_cache")"
    rm -rf "$src_cache.partial"
    mv "$work/download" "$src_cache.partial"
    mv "$src_cache.partial" "$src_cache"
fi

if [ ! -f "$work/configured" ]; then
    step "unpacking"
    [ -f "$src_cache/$dsc_name" ] || {
        say "$src_cache holds no $dsc_name" 2>&3
        exit 1
    }
    dpkg-source --require-valid-signature -x "$src_cache/$dsc_name" "$work/src" || {
        say "the source in $src_cache fails its signature or checksums; a download of this script's can be removed to fetch it again" 2>&3
        exit 1
    }
    step "configuring"
    mkdir -p "$work/build"
    (cd "$work/build" && "$work/src/configure" -prefix "$prefix" -qt-host-path /usr \
        "${configure_args[@]}" -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
    touch "$work/configured"
fi
cd "$work/build"

step "building with $jobs jobs"
cmake --build . --parallel "$jobs"

step "installing"
DESTDIR="$work/dest" cmake --install .
staged="$work/dest$prefix"
# What Qt's licence asks to go with a program that links it statically: its licence texts and the
# copyright file that names the licence of each part (zlib, libpng, PCRE2, HarfBuzz, FreeType...).
mkdir -p "$staged/share/qt-licenses"
cp "$work/src"/LICENSES/*.txt "$staged/share/qt-licenses/"
cp "$work/src/debian/copyright" "$staged/share/qt-licenses/qt6-base-copyright.txt"
echo "$version" >"$staged/share/qt-licenses/qt6-base-version.txt"
cp "$toolchain" "$staged/lib/cmake/$triple.cmake"

mv "$staged" "$prefix"
step "installed in $prefix"
echo "$prefix" >&4
