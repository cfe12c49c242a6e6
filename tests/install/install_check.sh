#!/bin/sh
# Installs the build into a fresh prefix and checks what a player would find there:
# the program in lib/games/zorvick finding every file of the game folder beside it,
# the data in share/games/zorvick, the command in games/ only, the desktop entry, the
# icons and the AppStream data, and the installed script driver starting a two-player
# game. Then packs the Debian packages and has lintian find nothing in them.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > /dev/null
game="$prefix/lib/games/zorvick"
data="$prefix/share/games/zorvick"

(cd "$build/bin" && find . -type f) | while read -r file; do
    [ -f "$game/$file" ] || fail "$file of the game folder is not installed"
done
for item in constants.txt scenarios help images sounds; do
    [ -L "$game/$item" ] || fail "$item is not linked into the game folder"
    [ -e "$data/$item" ] && [ ! -L "$data/$item" ] || fail "$item is not in share/games/zorvick"
done
[ "$(readlink -f "$prefix/games/zorvick")" = "$(readlink -f "$game/zorvick")" ] ||
    fail "games/zorvick does not lead to the game"
[ ! -e "$prefix/bin/zorvick" ] || fail "a command in bin/"
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

# The packages: the game does not need Qt Test, the tools are apart, lintian is silent.
debs="$prefix/debs"
(cd "$build" && cpack -G DEB -B "$debs" > "$prefix/cpack.log" 2>&1) ||
    fail "cpack failed: $(cat "$prefix/cpack.log")"
deb="$debs/zorvick_1.0_amd64.deb"
tools="$debs/zorvick-tools_1.0_amd64.deb"
[ -f "$deb" ] && [ -f "$tools" ] || fail "no packages: $(ls "$debs")"
dpkg-deb -f "$deb" Depends | grep -qi 'test' && fail "the game depends on Qt Test: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -c "$deb" | grep -q 'zorvick-script\|zorvick-sim' && fail "the game package holds the tools"
dpkg-deb -e "$deb" "$prefix/control"
! grep -qs ldconfig "$prefix/control/postinst" "$prefix/control/postrm" "$prefix/control/triggers" ||
    fail "the package calls ldconfig"
# Tags go to standard output (errors and warnings, lintian's default); standard error
# has only lintian's own notes (such as running as root). Status 2: it could not run.
status=0
lint=$(lintian --tag-display-limit 0 "$deb" "$tools" 2> "$prefix/lintian.err") || status=$?
[ "$status" -ne 2 ] || fail "lintian did not run: $(cat "$prefix/lintian.err")"
[ -z "$lint" ] || fail "lintian: $lint"
echo "install check: passed"
