#!/usr/bin/env bash
# usage: users-day.sh BIN_DIR
# A user's day on a real X server with a window manager: make a book (the
# category pop-up closes every way it can be ended, Escape on a question
# keeps the edits), save it, leave by File > Exit; reopen it from the recent
# list and turn a page; start with it on the command line at that page and
# read it full screen; let auto-browse turn a
# few pages and open a book under it (the buttons must tell the truth);
# change a setting on the settings sheet; and quit with unsaved edits,
# answering the question Cancel, then OK. Starting and leaving leaves no
# stray reading-state files behind.
set -euo pipefail
bin=$1
work=$(mktemp -d)
# shellcheck source=x-session.sh
source "$(dirname "$0")/x-session.sh"
book="$work/我的画册.vlr"
sample="$bin/samples/四季画意.vlr"
data="$HOME/Documents/Vellora"
ini="$data/Vellora.ini"
state_files() { find "$data/etc" -type f 2>/dev/null | wc -l; }
buttons() { shot "$work/screen.png"; crop "$work/screen.png" 60x24+676+24 "$1"; }
page_shot() { shot "$work/screen.png"; crop "$work/screen.png" 800x400+200+200 "$1"; }
colours() { convert "$1" -format %k info:; }
book_info() { "$bin/vellora-book" info "$book"; }
wait_page_other_than() {  # until the page differs from $1, at most 10 s; leaves it in $2
  for _ in $(seq 20); do
    page_shot "$2"
    [ "$(differing_pixels "$1" "$2")" -gt 20000 ] && return 0
    sleep 0.5
  done
  fail "$3"
}

# Run 1: a new book with a Chinese title and two typed categories; the
# pop-up ticks them and closes on a click beside it and on Escape.
start
xdotool key --clearmodifiers ctrl+n; sleep 0.7
xdotool mousemove 500 68 click 1; sleep 0.2
paste_text "江南春色"
xdotool mousemove 500 121 click 1; sleep 0.2
paste_text "风景;人物"
xdotool mousemove 1040 121 click 1; wait_windows 2     # the pop-up
xdotool mousemove 600 165 click 1; wait_windows 1      # a click on the form ends it
xdotool mousemove 1040 121 click 1; wait_windows 2
xdotool key Escape; wait_windows 1                     # so does Escape
# Three pictures on the picture sequence page.
xdotool mousemove 112 206 click 1; sleep 0.5
xdotool mousemove 1148 492 click 1; wait_dialog        # append pictures
paste_text "\"$bin/samples/01-晨曦.jpg\" \"$bin/samples/02-远山.jpg\" \"$bin/samples/03-竹林.bmp\""
xdotool key Return; wait_windows 1; sleep 0.5
# New asks about the changes; Escape keeps them.
xdotool key --clearmodifiers ctrl+n; wait_windows 2
xdotool key Escape; wait_windows 1
xdotool key --clearmodifiers ctrl+s; wait_dialog       # no file yet: save as
paste_text "$book"
xdotool key Return; wait_windows 1
[ -f "$book" ] || fail "the book was not saved"
info=$(book_info)
grep -q '"Title": "江南春色"' <<<"$info" || fail "the title did not survive Escape: $info"
grep -q '"Category": "人物; 风景"' <<<"$info" || fail "the ticked categories were not written: $info"
grep -q '"PictureCount": 3' <<<"$info" || fail "pictures not saved: $info"
# File > Exit ends the process and keeps the frequent categories.
xdotool mousemove 24 36 click 1; sleep 0.5              # 文件
xdotool key Up Return                                    # its last item: 退出
wait_exit "File > Exit"
grep -q '^CategoryCount=2' "$ini" || fail "frequent categories not saved: $(cat "$ini")"
grep -q '人物' "$ini" && grep -q '风景' "$ini" || fail "frequent categories missing: $(cat "$ini")"

# Run 2: open it from the recent list, turn to page 2, quit.
start
xdotool mousemove 24 36 click 1; sleep 0.5        # 文件
xdotool key Down Down Down Down Right; sleep 0.3  # 最近文件
xdotool key Return; sleep 2                       # item 1
page_shot "$work/page1.png"
[ "$(colours "$work/page1.png")" -gt 50 ] || fail "the recent document did not open"
xdotool key Right; sleep 1.5
page_shot "$work/page2.png"
[ "$(differing_pixels "$work/page1.png" "$work/page2.png")" -gt 20000 ] || fail "Right did not turn the page"
quit

# Run 3: named on the command line, as a file manager starts it: it shows page 2.
start "$book"
# A slower build (the sanitizers') takes longer to show it: wait up to 10 s.
# The page there is a smooth sky: a few shades tell it from the empty view.
for _ in $(seq 20); do
    sleep 0.5
    page_shot "$work/reopened.png"
    [ "$(colours "$work/reopened.png")" -gt 8 ] && break
done
[ "$(colours "$work/reopened.png")" -gt 8 ] || fail "the book named on the command line shows no page"
difference=$(differing_pixels "$work/page2.png" "$work/reopened.png")
[ "$difference" -lt 2000 ] || fail "the book named on the command line does not show page 2 ($difference pixels differ)"
# Full-screen reading: the small first page (the bamboo, added last) alone
# on black; Esc gives the window back exactly as it was.
shot "$work/window.png"
xdotool key F11; sleep 1.5
xdotool key Left; sleep 1.5
shot "$work/full.png"
corner=$(convert "$work/full.png" -crop 1x1+4+4 -format '%[hex:p{0,0}]' info:)
[ "$corner" = 000000 ] || fail "full-screen reading does not show the page on black (corner $corner)"
xdotool key Right; sleep 1.5
xdotool key Escape; sleep 1.5
shot "$work/back.png"
difference=$(differing_pixels "$work/window.png" "$work/back.png")
[ "$difference" -lt 50 ] || fail "the window did not come back as it was after full screen ($difference pixels differ)"

# Read a book with pages under auto-browse: it turns a few pages by itself.
xdotool key --clearmodifiers ctrl+o; wait_dialog
paste_text "$sample"
xdotool key Return; wait_windows 1; sleep 1
buttons "$work/stopped.png"
page_shot "$work/auto0.png"
xdotool key space; sleep 0.5                             # start auto-browse
buttons "$work/running.png"
[ "$(differing_pixels "$work/stopped.png" "$work/running.png")" -gt 20 ] || fail "auto-browse did not start"
for n in 1 2 3; do
  wait_page_other_than "$work/auto$((n - 1)).png" "$work/auto$n.png" "auto-browse did not turn page $n by itself"
done
# Opening a book under it stops it: the buttons must offer to start it again.
xdotool key --clearmodifiers ctrl+o; wait_dialog
paste_text "$sample"
xdotool key Return; wait_windows 1; sleep 0.5
buttons "$work/reopened-buttons.png"
[ "$(differing_pixels "$work/stopped.png" "$work/reopened-buttons.png")" -lt 20 ] \
  || fail "after opening a book the auto-browse buttons still show it running"

# The settings sheet: a new auto-browse step lands in the settings file.
xdotool mousemove 66 36 click 1; sleep 0.5              # 编辑
xdotool key Down Down Down Return; wait_dialog           # its last item: 系统配置
xdotool mousemove 564 284 click 1; sleep 0.2             # the step box
xdotool key --clearmodifiers ctrl+a; xdotool type 3
xdotool key Return; wait_windows 1
grep -q '^Step=3' "$ini" || fail "the settings sheet did not write the step: $(cat "$ini")"

# Unsaved edits: the exit question's Cancel keeps the program, OK ends it
# without writing the edits.
xdotool key --clearmodifiers ctrl+n; sleep 0.7
xdotool mousemove 500 68 click 1; sleep 0.2
paste_text "未保存的画册"
xdotool key --clearmodifiers alt+F4; wait_dialog
xdotool mousemove 718 398 click 1                        # 取消
wait_windows 1
kill -0 "$app" 2>/dev/null || fail "Cancel on the exit question ended the program"
xdotool key --clearmodifiers alt+F4; wait_dialog
xdotool key Return                                       # OK, the default
wait_exit "OK on the exit question"
grep -q '"Title": "江南春色"' <<<"$(book_info)" || fail "leaving without saving changed the book"
# Two books were read; the empty start-up books left nothing.
[ "$(state_files)" -le 2 ] || fail "stray reading-state files: $(ls "$data/etc")"
echo "made, saved, reopened at page 2 from the command line, read full screen, auto-browsed, configured, and left with unsaved edits as asked"
