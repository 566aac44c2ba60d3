#!/usr/bin/env bash
# usage: run-installed-program.sh PREFIX SCREENSHOT
# Starts the installed program on a private X server with a window manager,
# opens the sample book through File > Open as a user would (Ctrl+O, paste
# the path, Enter) and takes a screenshot of the first page.
set -euo pipefail
prefix=$1
screenshot=$2
work=$(mktemp -d)
bin="$prefix/bin"   # the launcher, as a desktop starts it
# shellcheck source=../e2e/x-session.sh
source "$(dirname "$0")/../e2e/x-session.sh"

start
xdotool key --clearmodifiers ctrl+o
wait_dialog
paste_text "$prefix/lib/vellora/samples/四季画意.vlr"
xdotool key Return
# Wait until the page is drawn (the first page is colourful), at most 15 s.
for _ in $(seq 30); do
  sleep 0.5
  shot "$screenshot"
  [ "$(convert "$screenshot" -crop 900x500+150+150 +repage -format %k info:)" -gt 50 ] && break
done
kill -0 "$app" || fail "the program ended"
