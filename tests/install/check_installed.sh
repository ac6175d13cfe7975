#!/usr/bin/env bash
# The program as a user gets it: installed with `cmake --install` (mode "install") or unpacked from
# the Debian package (mode "package"), into a temporary root. Checks the layout, validates the desktop
# entry and the AppStream metadata, and runs the installed tools, which must find the installed catalogs.
# A package must pass lintian (when installed) without errors or warnings; HARDENED (1) checks that the
# programs were built with Debian's hardening flags.
# usage: check_installed.sh install|package BUILD_DIR VERSION APP_ID [HARDENED]
set -euo pipefail
mode=$1 build=$2 version=$3 id=$4 hardened=${5:-0}
source=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
# The installed tools read the setting memory of the user data folder: this run gets its own.
export XDG_DATA_HOME="$work/data"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

case $mode in
  install)
    cmake --install "$build" --prefix "$work/root/usr" > /dev/null ;;
  package)
    cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
    deb="$work/out/kestrigo_${version}_$(dpkg --print-architecture).deb"
    [ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$work/out")"
    dpkg-deb -f "$deb" Package Version Section Maintainer Depends Recommends
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-ipafont-gothic; do
      grep -q "\b$needed\b" <<< "$depends" || fail "Depends lacks $needed: $depends"
    done
    [ "$(dpkg-deb -f "$deb" Recommends)" = qt6-translations-l10n ] || fail "Recommends is not qt6-translations-l10n"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
    if command -v lintian > /dev/null; then
      lintian --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }
    fi
    dpkg-deb -x "$deb" "$work/root" ;;
  *) fail "unknown mode $mode" ;;
esac
usr=$work/root/usr

expected="bin/kestrigo bin/kestrigo-calc bin/kestrigo-snapshot
share/applications/$id.desktop share/metainfo/$id.metainfo.xml
share/icons/hicolor/scalable/apps/$id.svg share/doc/kestrigo/copyright share/doc/kestrigo/changelog.gz
share/man/man1/kestrigo.1.gz share/man/man1/kestrigo-calc.1.gz share/man/man1/kestrigo-snapshot.1.gz"
for catalog in primary transmission drive driven tire; do expected+=" share/kestrigo/$catalog.ini"; done
for size in 16 22 24 32 48 64 128 256 512; do expected+=" share/icons/hicolor/${size}x$size/apps/$id.png"; done
for file in $expected; do [ -f "$usr/$file" ] || fail "not installed: $file"; done
for program in kestrigo kestrigo-calc kestrigo-snapshot; do [ -x "$usr/bin/$program" ] || fail "$program is not executable"; done
# (grep reads all of a pipe here: with pipefail, -q would fail the check whenever the writer met
# the closed pipe.)
ls "$usr/bin" | grep '\.ini$' > /dev/null && fail "catalogs installed into bin"

# The manual pages read back as the sources they were compressed from.
for page in kestrigo kestrigo-calc kestrigo-snapshot; do
  gzip -dc "$usr/share/man/man1/$page.1.gz" | cmp -s - "$source/docs/man/$page.1" || fail "manual page $page.1.gz"
done

# The changelog's newest entry is this version.
gzip -dc "$usr/share/doc/kestrigo/changelog.gz" | sed -n 1p | grep "^kestrigo ($version) " > /dev/null || fail "changelog lacks $version"

# The installed programs carry no compiler notes (.comment, .note), as Debian's dh_strip leaves them.
for program in kestrigo kestrigo-calc kestrigo-snapshot; do
  readelf -SW "$usr/bin/$program" | grep -Eq '\] \.(comment|note) ' && fail "$program keeps a .comment or .note section"
done

# Hardened: position-independent, relocations read-only and bound at start-up, stack protector, and
# fortified C library calls.
if [ "$hardened" = 1 ]; then
  for program in kestrigo kestrigo-calc kestrigo-snapshot; do
    file=$usr/bin/$program
    readelf -hW "$file" | grep 'Type: *DYN' > /dev/null || fail "$program is no position-independent executable"
    readelf -lW "$file" | grep GNU_RELRO > /dev/null || fail "$program lacks RELRO"
    readelf -dW "$file" | grep -Eq '\(FLAGS\).*BIND_NOW' || fail "$program is not bound at start-up"
    symbols=$(readelf --dyn-syms -W "$file")
    grep -q __stack_chk_fail <<< "$symbols" || fail "$program has no stack protector"
    fortified=$(grep -E ' __[a-z0-9_]+_chk\b' <<< "$symbols" | grep -vc __stack_chk_fail)
    [ "$fortified" -gt 0 ] || fail "$program calls no fortified function"
  done
fi

desktop-file-validate "$usr/share/applications/$id.desktop"
# Under X11 a dock finds the entry of a running window by its class, which Qt takes from the application name.
grep -qx 'StartupWMClass=K\.G\.R\.' "$usr/share/applications/$id.desktop" || fail "desktop entry lacks StartupWMClass=K.G.R."
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" > /dev/null
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$id.metainfo.xml" || fail "metainfo lacks release $version"

# The installed kestrigo-calc gives the built one's answer on the worked example.
example="10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0"
"$usr/bin/kestrigo-calc" $example > "$work/calc.json"
"$build/kestrigo-calc" $example | cmp -s - "$work/calc.json" || fail "installed kestrigo-calc differs from the built one"
grep -q '"RowCount"' "$work/calc.json" || fail "kestrigo-calc printed no table: $(head -c 300 "$work/calc.json")"
# It reads the setting memory with Qt Core alone: no Qt Gui or Widgets to load on a server.
ldd "$usr/bin/kestrigo-calc" | grep 'libQt6Core' > /dev/null || fail "kestrigo-calc does not link Qt Core"
ldd "$usr/bin/kestrigo-calc" | grep -Eq 'libQt6(Gui|Widgets)' && fail "kestrigo-calc links Qt Gui or Widgets"

# The installed window finds the installed catalogs: no message, and every list holds presets.
[ "$("$usr/bin/kestrigo-snapshot" --version)" = "kestrigo-snapshot $version" ] || fail "kestrigo-snapshot --version"
(cd "$work" && QT_QPA_PLATFORM=offscreen "$usr/bin/kestrigo-snapshot" --state state.json)
tr -d ' \n' < "$work/state.json" > "$work/state.flat"
grep -q '"messages":\[\]' "$work/state.flat" || fail "catalog messages: $(grep -o '"messages":\[[^]]*\]' "$work/state.flat")"
lists=$(grep -o '"items":\["(USER)","[^"]' "$work/state.flat" | wc -l)
[ "$lists" = 5 ] || fail "$lists of the 5 preset lists hold presets"
echo "$mode: OK"
