#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop and a
# user find there, then builds the Debian package and runs the program from it.
# Usage: install_check.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
id=io.github.corvale.Corvale
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Runs a command as if no display existed.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

# The program answers --version and --help without a display.
check_program() {
    local corvale=$1 status=0
    [ "$(headless "$corvale" --version)" = "Corvale $version" ] || fail "$corvale --version"
    headless "$corvale" --help | grep -q -- '--version' || fail "$corvale --help"
    headless "$corvale" --no-such-option > /dev/null 2> "$work/error" || status=$?
    [ "$status" -eq 2 ] && grep -q 'no-such-option' "$work/error" ||
        fail "$corvale --no-such-option: status $status"
}

cmake --install "$build" --prefix "$work/usr" > /dev/null
share=$work/usr/share
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" > "$work/appstream" ||
    { cat "$work/appstream"; fail "metainfo"; }
grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo has no release $version"
icon=$(sed -n 's/^Icon=//p' "$share/applications/$id.desktop")
for size in 48x48 64x64 128x128 256x256; do
    [ -f "$share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon"
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"
[ -f "$share/man/man6/corvale.6.gz" ] || fail "no manual page"
check_program "$work/usr/bin/corvale"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" > "$work/cpack.log" ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(echo "$work"/package/*.deb)
dpkg-deb -c "$deb" > "$work/listing"
for file in bin/corvale "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/256x256/apps/$id.png" "share/icons/hicolor/scalable/apps/$id.svg" \
    share/man/man6/corvale.6.gz share/doc/corvale/copyright; do
    grep -q " ./usr/$file\$" "$work/listing" || fail "the package lacks /usr/$file"
done
# The libraries the program links come from the computed dependencies.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no computed dependencies"
dpkg-deb -x "$deb" "$work/unpacked"
check_program "$work/unpacked/usr/bin/corvale"
