#!/usr/bin/env bash
# usage: users-day.sh BIN_DIR
# What a new user meets on a real X server with a window manager: the
# category pop-up closes every way it can be ended, Escape on a question keeps
# the edits, the auto-browse buttons tell the truth after a book is opened,
# the program ends on File > Exit and keeps its frequent categories, and
# starting and leaving leaves no reading-state files behind.
set -euo pipefail
bin=$1
work=$(mktemp -d)
# shellcheck source=x-session.sh
source "$(dirname "$0")/x-session.sh"
book="$work/春游.vlr"
sample="$bin/samples/四季画意.vlr"
data="$HOME/Documents/Vellora"
state_files() { find "$data/etc" -type f 2>/dev/null | wc -l; }
buttons() { shot "$work/screen.png"; crop "$work/screen.png" 60x24+676+24 "$1"; }

# Start and leave at once: nothing was read, so nothing is kept.
start
quit
[ "$(state_files)" -eq 0 ] || fail "an empty start left reading-state files: $(ls "$data/etc")"

# A new book with two typed categories; the pop-up ticks them.
start
xdotool key --clearmodifiers ctrl+n; sleep 0.7
xdotool mousemove 500 68 click 1; sleep 0.2
paste_text "春游"
xdotool mousemove 500 121 click 1; sleep 0.2
paste_text "风景;人物"
xdotool mousemove 1040 121 click 1; wait_windows 2     # the pop-up
xdotool mousemove 600 165 click 1; wait_windows 1      # a click on the form ends it
xdotool mousemove 1040 121 click 1; wait_windows 2
xdotool key Escape; wait_windows 1                     # so does Escape

# New asks about the changes; Escape keeps them.
xdotool key --clearmodifiers ctrl+n; wait_windows 2
xdotool key Escape; wait_windows 1
xdotool key --clearmodifiers ctrl+s; wait_windows 2    # no file yet: save as
paste_text "$book"
xdotool key Return; wait_windows 1
info=$("$bin/vellora-book" info "$book")
grep -q '"Title": "春游"' <<<"$info" || fail "the title did not survive Escape: $info"
grep -q '"Category": "人物; 风景"' <<<"$info" || fail "the ticked categories were not written: $info"

# Read a book with pages, start auto-browse, open the book again: the
# buttons must offer to start it, as before it ran.
xdotool key --clearmodifiers ctrl+o; wait_windows 2
paste_text "$sample"
xdotool key Return; wait_windows 1
xdotool mousemove 361 36 click 1; sleep 1               # read mode
buttons "$work/stopped.png"
xdotool key space; sleep 0.5                             # start auto-browse
buttons "$work/running.png"
[ "$(differing_pixels "$work/stopped.png" "$work/running.png")" -gt 20 ] || fail "auto-browse did not start"
xdotool key --clearmodifiers ctrl+o; wait_windows 2
paste_text "$sample"
xdotool key Return; wait_windows 1; sleep 0.5
buttons "$work/reopened.png"
[ "$(differing_pixels "$work/stopped.png" "$work/reopened.png")" -lt 20 ] \
  || fail "after opening a book the auto-browse buttons still show it running"

# File > Exit ends the process and keeps the frequent categories.
xdotool mousemove 24 36 click 1; sleep 0.5              # 文件
xdotool key Up Return                                    # its last item: 退出
wait_exit "File > Exit"
ini="$data/Vellora.ini"
grep -q '^CategoryCount=2' "$ini" || fail "frequent categories not saved: $(cat "$ini")"
grep -q '人物' "$ini" && grep -q '风景' "$ini" || fail "frequent categories missing: $(cat "$ini")"
# Two books were read; the empty start-up books left nothing.
[ "$(state_files)" -le 2 ] || fail "stray reading-state files: $(ls "$data/etc")"
echo "pop-up, questions, auto-browse buttons, exit and reading state behave"
