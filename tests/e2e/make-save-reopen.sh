#!/usr/bin/env bash
# usage: make-save-reopen.sh BIN_DIR
# A user's first evening with the program, on a private X server with a window
# manager (Alt+F4 and focus only behave with one): make a book of three
# pictures with a Chinese title, save it, quit; start again, open it from the
# recent list, turn to page 2, quit; start again, open it: it shows page 2.
set -euo pipefail
bin=$1
work=$(mktemp -d)
# shellcheck source=x-session.sh
source "$(dirname "$0")/x-session.sh"
book="$work/我的画册.vlr"

page_shot() {  # the page area of the picture view
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop 800x400+200+200 +repage "$1"
}

# Run 1: a new book in edit mode, title, three pictures, save as.
start
xdotool key --clearmodifiers ctrl+n; sleep 0.7
xdotool mousemove 500 68 click 1; sleep 0.2
paste_text "江南春色"
xdotool mousemove 112 206 click 1; sleep 0.5       # the picture sequence tab
xdotool mousemove 1148 492 click 1; wait_dialog    # append pictures
paste_text "\"$bin/samples/01-晨曦.jpg\" \"$bin/samples/02-远山.jpg\" \"$bin/samples/03-竹林.bmp\""
xdotool key Return; sleep 1
xdotool key --clearmodifiers ctrl+s; wait_dialog  # no file yet: save as
paste_text "$book"
xdotool key Return; sleep 1
[ -f "$book" ] || fail "the book was not saved"
quit
info=$("$bin/vellora-book" info "$book")
grep -q '"Title": "江南春色"' <<<"$info" || fail "title not saved: $info"
grep -q '"PictureCount": 3' <<<"$info" || fail "pictures not saved: $info"

# Run 2: open it from the recent list, turn to page 2, quit.
start
xdotool mousemove 24 36 click 1; sleep 0.5        # 文件
xdotool key Down Down Down Down Right; sleep 0.3  # 最近文件
xdotool key Return; sleep 2                       # item 1
page_shot "$work/page1.png"
xdotool key Right; sleep 1.5
page_shot "$work/page2.png"
quit

# Run 3: open it again: it shows page 2.
start
xdotool key --clearmodifiers ctrl+o; wait_dialog
paste_text "$book"
xdotool key Return; sleep 2
page_shot "$work/reopened.png"
quit
colours() { convert "$1" -format %k info:; }
[ "$(colours "$work/page1.png")" -gt 50 ] || fail "the recent document did not open"
[ "$(colours "$work/reopened.png")" -gt 50 ] || fail "the reopened book shows no page"
turned=$(compare -metric AE "$work/page1.png" "$work/page2.png" null: 2>&1 || true)
[ "${turned%% *}" -gt 20000 ] || fail "Right did not turn the page"
difference=$(compare -metric AE "$work/page2.png" "$work/reopened.png" null: 2>&1 || true)
[ "${difference%% *}" -lt 2000 ] || fail "the reopened book does not show page 2 ($difference pixels differ)"
echo "made, saved, reopened at page 2"
