#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop and a
# user find there; then builds the Debian package with scripts/package (in
# BUILD_FOLDER/package), checks it with lintian and runs the program from it.
# Usage: install_check.sh BUILD_FOLDER VERSION
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
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

# As the README installs it.
cmake --install "$build" --prefix "$work/usr" --strip > /dev/null
share=$work/usr/share
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
manual=$share/man/man6/corvale.6.gz
desktop-file-validate "$desktop" > "$work/desktop" 2>&1 && [ ! -s "$work/desktop" ] ||
    { cat "$work/desktop"; fail "desktop entry"; }
appstreamcli validate --pedantic --no-net "$metainfo" > "$work/appstream" ||
    { cat "$work/appstream"; fail "metainfo"; }
# The one remark left: the capital letter of the application id, which names
# the desktop entry, the icons and the window, is kept.
if grep -E '^[EWIP]: ' "$work/appstream" | grep -v ' cid-contains-uppercase-letter '; then
    fail "the metainfo validates with remarks"
fi
date=$(sed -n "s/.*<release version=\"$version\" date=\"\([0-9-]*\)\".*/\1/p" "$metainfo")
[ -n "$date" ] || fail "the metainfo has no release $version"
zcat "$manual" | grep -q "^\.TH CORVALE 6 $date " ||
    fail "the manual page is not dated $date, the day of release $version"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 48x48 64x64 128x128 256x256; do
    [ -f "$share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon"
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"
file "$work/usr/bin/corvale" | grep -q ', stripped' || fail "the installed program is not stripped"
check_program "$work/usr/bin/corvale"
# The package's copyright file carries the licence word for word.
diff <(sed -n '/^License: /,$p' "$source/packaging/copyright" | tail -n +2 |
    sed 's/^ //; s/^\.$//') <(tail -n +5 "$source/LICENSE") ||
    fail "packaging/copyright and LICENSE differ"

"$source/scripts/package" "$build/package" > "$work/deb" 2> "$work/package.log" ||
    { cat "$work/package.log"; fail "scripts/package"; }
deb=$(cat "$work/deb")
lintian --pedantic -I --allow-root --fail-on error,warning,pedantic "$deb" > "$work/lintian" ||
    { cat "$work/lintian"; fail "lintian"; }
# Lintian tells only of the flags it can see in the program: it finds no
# fortified call in one whose calls all have buffers of unknown size, so the
# compiler's flags are read from the package's build.
if grep hardening- "$work/lintian" | grep -v ' hardening-no-fortify-functions '; then
    fail "the package's program lacks hardening"
fi
ninja -C "$build/package" -t commands corvale | grep -e ' -c ' > "$work/compiles" ||
    fail "no compile commands for the package's program"
for flag in -D_FORTIFY_SOURCE= -fstack-protector-strong; do
    if grep -v -e " $flag" "$work/compiles"; then fail "compiled without $flag"; fi
done
[ "$(dpkg-deb -f "$deb" Version)" = "$(dpkg-parsechangelog -l "$source/packaging/changelog.Debian" -S Version)" ] ||
    fail "the package's version is not the one of packaging/changelog.Debian"
dpkg-deb -c "$deb" > "$work/listing"
for file in games/corvale "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/256x256/apps/$id.png" "share/icons/hicolor/scalable/apps/$id.svg" \
    share/man/man6/corvale.6.gz share/doc/corvale/copyright share/doc/corvale/changelog.Debian.gz; do
    grep -q " ./usr/$file\$" "$work/listing" || fail "the package lacks /usr/$file"
done
# The libraries the program links come from the computed dependencies.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no computed dependencies"
dpkg-deb -x "$deb" "$work/unpacked"
check_program "$work/unpacked/usr/games/corvale"
