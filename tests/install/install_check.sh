#!/bin/sh
# Installs the build into a fresh prefix and checks what a player would find there:
# every file of the game folder, the command, the desktop entry, the icons and the
# AppStream data, and the installed script driver starting a two-player game.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > /dev/null
game="$prefix/lib/zorvick"

(cd "$build/bin" && find . -type f) | while read -r file; do
    [ -f "$game/$file" ] || fail "$file of the game folder is not installed"
done
for dir in bin games; do
    [ "$(readlink -f "$prefix/$dir/zorvick")" = "$(readlink -f "$game/zorvick")" ] ||
        fail "$dir/zorvick does not lead to the game"
done
[ -x "$game/zorvick" ] || fail "the game is not executable"

desktop-file-validate "$prefix/share/applications/org.zorvick.Zorvick.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.zorvick.Zorvick.metainfo.xml" > /dev/null ||
    fail "the AppStream data does not validate"
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/org.zorvick.Zorvick.png"
    [ -s "$icon" ] || fail "no ${size}x${size} icon"
done
[ -s "$prefix/share/doc/zorvick/copyright" ] || fail "no copyright file"

out=$(printf '%s\n' \
    '{"start": {"players": [["Alpha", "Ann", 0], ["Beta", "Bob", 1]], "today": "2026-12-08", "seed": 1}}' \
    '{"read": ["lName", "lCurMon"]}' | "$game/zorvick-script" 2> /dev/null)
echo "$out" | grep -q '"name":"lName","text":"Ann"' || fail "the installed game did not start: $out"
echo "$out" | grep -q '"end":{"errors":0' || fail "the installed game reported errors: $out"
echo "install check: passed"
