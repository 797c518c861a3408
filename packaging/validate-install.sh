#!/bin/sh
# validate-install.sh BUILD_DIR APP_ID VERSION
# Installs the build into a scratch folder laid out as the package lays it
# out, then checks what the desktop, the software centre and a terminal user
# read from it. Exits 77 (skipped) when a validator is not installed.
set -eu
build="$1"
id="$2"
version="$3"

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed; scripts/install-dependencies.sh installs it"
        exit 77
    fi
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >"$scratch/install.log"
usr="$scratch/root/usr"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for program in quorvale quorvale-course; do
    [ -x "$usr/bin/$program" ] || fail "bin/$program is not installed"
    [ -f "$usr/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
done

desktop="$usr/share/applications/$id.desktop"
metainfo="$usr/share/metainfo/$id.metainfo.xml"
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
else
    fail "no desktop entry $id.desktop"
fi
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $id.metainfo.xml"
    # The whole tree: the metadata's desktop entry and icon must be found.
    appstreamcli validate-tree --no-net "$scratch/root" || fail "appstreamcli rejects the installed tree"
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "the metadata has no release $version (add it to packaging/quorvale.metainfo.xml.in)"
else
    fail "no AppStream metadata $id.metainfo.xml"
fi

# Every icon size is a PNG of that many pixels (the width and height are the
# first two numbers of its IHDR chunk).
for size in 16 22 24 32 48 64 128 256 512; do
    icon="$usr/share/icons/hicolor/${size}x$size/apps/$id.png"
    if [ ! -f "$icon" ]; then
        fail "no ${size}x$size icon"
        continue
    fi
    dimensions="$(od -An -tu1 -j16 -N8 "$icon" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')"
    [ "$dimensions" = "${size}x$size" ] || fail "the ${size}x$size icon is $dimensions"
done

# Manual pages format without a warning, where groff is installed.
if command -v groff >/dev/null 2>&1; then
    for program in quorvale quorvale-course; do
        warnings="$(gzip -dc "$usr/share/man/man1/$program.1.gz" | groff -man -Tutf8 -ww -z 2>&1)"
        [ -z "$warnings" ] || fail "$program(1): $warnings"
    done
fi

# Help and version are answered without a display, for a terminal user.
help="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$scratch/home" "$usr/bin/quorvale" --help)" ||
    fail "quorvale --help failed"
for text in --data-dir --course --version "$scratch/home/.local/share/quorvale"; do
    case "$help" in
    *"$text"*) ;;
    *) fail "quorvale --help does not mention $text" ;;
    esac
done
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/quorvale" --version)" = "quorvale $version" ] ||
    fail "quorvale --version does not print quorvale $version"
status=0
QT_QPA_PLATFORM=offscreen "$usr/bin/quorvale" --no-such-option 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "quorvale --no-such-option exits with $status, not 2"

course_help="$("$usr/bin/quorvale-course" --help)" || fail "quorvale-course --help failed"
for text in "quorvale-course build" "quorvale-course check" Example: --pictures; do
    case "$course_help" in
    *"$text"*) ;;
    *) fail "quorvale-course --help does not mention $text" ;;
    esac
done
[ "$("$usr/bin/quorvale-course" --version)" = "quorvale-course $version" ] ||
    fail "quorvale-course --version does not print quorvale-course $version"
status=0
"$usr/bin/quorvale-course" --no-such-option 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "quorvale-course --no-such-option exits with $status, not 2"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the installation failed"
    exit 1
fi
echo "The installation passes every check"
