#!/usr/bin/env bash
# usage: run-installed-program.sh PREFIX SCREENSHOT [file-open|double-click]
# Starts the installed program on a private X server with a window manager,
# opens the sample book through File > Open as a user would (Ctrl+O, paste
# the path, Enter) and takes a screenshot of the first page. With
# "double-click" the book is opened as a file manager opens it instead: the
# desktop's own lookup finds our entry for the book's type and runs it.
set -euo pipefail
prefix=$1
screenshot=$2
work=$(mktemp -d)
bin="$prefix/bin"   # the launcher, as a desktop starts it
# shellcheck source=../e2e/x-session.sh
source "$(dirname "$0")/../e2e/x-session.sh"

if [ "${3:-}" = double-click ]; then
  # The databases a package's triggers refresh on a real system.
  update-mime-database "$prefix/share/mime"
  update-desktop-database "$prefix/share/applications"
  book="$work/double-clicked.vlr"
  cp "$prefix/lib/vellora/samples/四季画意.vlr" "$book"
  PATH="$bin:$PATH" XDG_DATA_DIRS="$prefix/share:/usr/share" gio open "$book" || fail "no application for the book"
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name 'double-clicked[.]vlr' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "double-clicking the book opened no window naming it"
  app=$(xdotool getwindowpid "$window")
  xdotool windowsize "$window" 1200 760
  xdotool windowmove "$window" 0 0
else
  start
  xdotool key --clearmodifiers ctrl+o
  wait_dialog
  paste_text "$prefix/lib/vellora/samples/四季画意.vlr"
  xdotool key Return
fi
# Wait until the page is drawn (the first page is colourful), at most 15 s.
for _ in $(seq 30); do
  sleep 0.5
  shot "$screenshot"
  [ "$(convert "$screenshot" -crop 900x500+150+150 +repage -format %k info:)" -gt 50 ] && break
done
kill -0 "$app" || fail "the program ended"
