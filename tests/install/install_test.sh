#!/usr/bin/env bash
# The install into a temporary home whose path holds a space: the layout, the desktop entry, a
# start of the installed program through its launcher and through its menu entry, and a second
# install that keeps the data and replaces the program.
#   install_test.sh <build folder> <source folder>
set -euo pipefail
build="$1"
source_dir="$2"
top=$(mktemp -d)
home="$top/home of a player"
mkdir "$home"
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$top"
}
trap cleanup EXIT
export HOME="$home"
unset XDG_DATA_HOME
fail() { echo "FAILED: $*" >&2; exit 1; }

"$source_dir/scripts/install" "$build"
app="$home/.local/share/korvane"
[ -x "$app/korvane" ] || fail "no program in $app"
for name in クエスト.csv クエスト内容.txt クエスト報酬.txt クエストメモ.txt URLLIST.txt; do
  cmp -s "$source_dir/data/sample/$name" "$app/$name" || fail "sample file $name not in $app"
done
[ "$(readlink "$home/.local/bin/korvane")" = "$app/korvane" ] || fail "launcher does not point at the program"
entry="$home/.local/share/applications/korvane.desktop"
desktop-file-validate "$entry" || fail "desktop entry does not validate"
grep -qx "Exec=\"$app/korvane\"" "$entry" || fail "the desktop entry's Exec line is not the program, quoted"
grep -q "^Name\[ja\]=" "$entry" && grep -q "^Comment\[ja\]=" "$entry" || fail "no Japanese name or comment"
for size in 16 24 32 48 64 128 256; do
  [ -s "$home/.local/share/icons/hicolor/${size}x${size}/apps/korvane.png" ] || fail "no ${size}px icon"
done

# Started through the launcher, and from the menu entry as a desktop starts it, the program finds
# its data beside its real path.
export XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="korvane.startup.info=true"
mkdir -m 700 "$XDG_RUNTIME_DIR"
shows_the_sample() {
  for _ in $(seq 300); do
    grep -q "quests from" "$home/log" && break
    sleep 0.1
  done
  grep -q "40 quests from $app, quest 0001 on show" "$home/log" || { cat "$home/log"; fail "$1: sample quests not shown"; }
}
(cd / && exec "$home/.local/bin/korvane") > "$home/log" 2>&1 &
pid=$!
shows_the_sample "the launcher"
# Ended by the system (logout, shutdown), it ends as a closed window does: its announcement to
# other PCs goes with it.
ls -A "$app" | grep -q '^\.korvane-.*\.pc$' || fail "no announcement while running"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "ended by SIGTERM with status $status"
if ls -A "$app" | grep -q '^\.korvane-.*\.pc$'; then fail "the announcement is left after SIGTERM"; fi
(cd / && gio launch "$entry") > "$home/log" 2>&1 || { cat "$home/log"; fail "gio launch refuses the entry"; }
shows_the_sample "the menu entry"
pid=$(pgrep -f -x "$app/korvane" || true)
[ -n "$pid" ] || fail "no program started from the menu entry"
kill "$pid"
while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
pid=""

# Upgrading keeps a changed data file byte for byte and replaces the program.
printf '0001001my own memo\r\n' >> "$app/クエストメモ.txt"
cp "$app/クエストメモ.txt" "$home/memo-before"
printf 'an older program' > "$app/korvane"
"$source_dir/scripts/install" "$build"
cmp -s "$home/memo-before" "$app/クエストメモ.txt" || fail "the upgrade changed the data"
cmp -s "$build/korvane" "$app/korvane" || fail "the upgrade did not replace the program"
echo "install test passed"
