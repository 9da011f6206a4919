#!/usr/bin/env bash
# The Debian package of this build: lintian finds no error (scripts/package checks that), the files
# are where Debian's desktop programs keep theirs, Depends names the package of every library the
# program links, and the program unpacked from it starts from its menu entry for a user who never ran
# it, on the sample set copied into that user's data folder.
#   package_test.sh <build folder> <source folder>
set -euo pipefail
build="$1"
source_dir="$2"
top=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$top"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

"$source_dir/scripts/package" "$build" "$top"
deb=$(ls "$top"/korvane_*-1_amd64.deb)

# Every file, and nothing else.
expected="$top/expected"
{
  echo ./usr/bin/korvane
  echo ./usr/share/applications/korvane.desktop
  for size in 16 24 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${size}x${size}/apps/korvane.png"; done
  for name in "$source_dir"/data/sample/*; do echo "./usr/share/korvane/sample/$(basename "$name")"; done
  echo ./usr/share/doc/korvane/copyright
  echo ./usr/share/doc/korvane/changelog.Debian.gz
  echo ./usr/share/doc/korvane/使い方.md
  for name in "$source_dir"/docs/screenshots/guide/*.png; do
    echo "./usr/share/doc/korvane/screenshots/guide/$(basename "$name")"
  done
  echo ./usr/share/man/man1/korvane.1.gz
  echo ./usr/share/man/ja/man1/korvane.1.gz
} | sort > "$expected"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort > "$top/files"
diff "$expected" "$top/files" || fail "the package's files are not the expected ones"

# Depends: the package of each library the program needs, as dpkg-shlibdeps names them.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',|' '\n\n' <<< "$depends" | sed 's/^ *//; s/ .*//')
for library in $(readelf -d "$build/korvane" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
  path=$(ldd "$build/korvane" | sed -n "s|^\s*$library => \(\S*\).*|\1|p")
  owner=$( (dpkg -S "$path" || dpkg -S "$(readlink -f "$path")") 2>/dev/null | head -1 | cut -d: -f1) || true
  [ -n "$owner" ] || continue
  grep -qxF "$owner" <<< "$names" || fail "Depends lacks $owner (for $library): $depends"
done

# Unpacked as apt would put it, started through its menu entry by a user with an empty home.
root="$top/root"
dpkg-deb -x "$deb" "$root"
entry="$root/usr/share/applications/korvane.desktop"
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
grep -qx "Exec=korvane" "$entry" || fail "the menu entry does not start korvane from the PATH"
home="$top/home"
mkdir -m 700 "$home" "$top/runtime"
export HOME="$home" PATH="$root/usr/bin:$PATH" XDG_RUNTIME_DIR="$top/runtime" QT_QPA_PLATFORM=offscreen \
  QT_LOGGING_RULES="korvane.startup.info=true"
unset XDG_DATA_HOME
data="$home/.local/share/korvane"
(cd / && gio launch "$entry") > "$top/log" 2>&1 || { cat "$top/log"; fail "gio launch refuses the entry"; }
for _ in $(seq 300); do
  grep -q "quests from" "$top/log" && break
  sleep 0.1
done
grep -q "40 quests from $data, quest 0001 on show" "$top/log" || { cat "$top/log"; fail "the sample is not shown"; }
pid=$(pgrep -f -x "korvane" -n || true)
for name in "$source_dir"/data/sample/*; do
  cmp -s "$name" "$data/$(basename "$name")" || fail "$(basename "$name") not copied into $data"
done
[ "$(ls "$root/usr/bin")" = korvane ] || fail "the program wrote beside itself"
echo "package test passed"
