#!/usr/bin/env bash
# usage: bench/x11-turn/run.sh BUILD_DIR [DISPLAY_NUMBER] [VIEWER...]
# Key press to pixels as a user sees them: a book of 20 JPEGs of 6000 x 4000
# read at 100 % in a 1600 x 1000 picture view on Xvfb with openbox. Times
# the book open (Return in the open dialog until page 1 shows), warm turns
# (1.5 s on each page) and cold turns (the next key 50 ms after the page
# shows). With "qimgv" or "feh" after the display number, the same pages
# are timed in that viewer (Right turns the page) for comparison.
set -euo pipefail
build=$(realpath "$1")
number=${2:-81}
shift 2 || shift $#
work=$(mktemp -d)
cleanup() { kill "${app:-}" "${wm:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
timer="$build/bench/x11_turn"
program=${VELLORA:-$build/bin/vellora} # another build of the program, to compare

Xvfb ":$number" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY=":$number"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wm=$!
sleep 0.5
export QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"

# Pages with detail everywhere (a smooth fractal and noise), each in other
# hues so that every pixel differs from page to page: about 8 MB each at
# quality 85. PAGES_DIR keeps them between runs.
pages="${PAGES_DIR:-$work/pages}"
if [ ! -f "$pages/hue19.jpg" ]; then
  mkdir -p "$pages"
  convert -size 1500x1000 -seed 7 plasma:fractal -resize 6000x4000\! +noise Gaussian "$pages/base.miff"
  for i in $(seq 0 19); do
    convert "$pages/base.miff" -modulate 100,100,$((i * 10)) -quality 85 "$pages/hue$i.jpg"
  done
  rm "$pages/base.miff"
fi
files=()
for i in $(seq 0 19); do files+=("$pages/hue$i.jpg"); done

# The watched rectangle: the top-left 1200 x 700 of the picture view, clear
# of the open dialog's place in the middle of the screen.
watch_turns() {  # label, x, y
  echo "== $1: warm turns (1.5 s on each page)"
  "$timer" "$2" "$3" 1200 700 Right 9 1500
  echo "== $1: cold turns (next key 50 ms after the page shows)"
  "$timer" "$2" "$3" 1200 700 Right 9 50
}

case "${1:-vellora}" in
vellora)
  # Every open is of a book not read before: its pages (links to the same
  # files) have paths the decode cache has not seen.
  for run in 1 2 3 4 5; do
    mkdir -p "$work/book$run"
    linked=()
    for f in "${files[@]}"; do ln "$f" "$work/book$run/"; linked+=("$work/book$run/$(basename "$f")"); done
    "$build/bin/vellora-book" create "$work/book$run.vlr" --title "x11 turn $run" "${linked[@]}" >/dev/null
  done
  "$program" >/dev/null 2>&1 & app=$!
  sleep 2
  window=$(xdotool search --sync --onlyvisible --pid "$app" | head -1)
  xdotool windowmove "$window" 0 0
  # The frame around a 1600 x 1000 picture view (menu, tool bar, reading
  # bar and status bar above and below it).
  xdotool windowsize "$window" 1602 "${FRAME_HEIGHT:-1090}"
  sleep 1
  # The view's top-left corner on the screen: the first row and column
  # whose colour is not the window frame's, left to the caller to check.
  view_x=${VIEW_X:-1}
  view_y=${VIEW_Y:-80}
  for run in 1 2 3 4 5; do
    xdotool key --clearmodifiers ctrl+o
    sleep 1
    printf '%s' "$work/book$run.vlr" | xclip -selection clipboard
    xdotool key --clearmodifiers ctrl+v
    sleep 0.5
    echo "== vellora: book open, run $run"
    "$timer" "$view_x" "$view_y" 1200 700 Return 1 1500
    sleep 1
  done
  watch_turns vellora "$view_x" "$view_y"
  ;;
qimgv | feh)
  if [ "$1" = feh ]; then
    feh --geometry 1600x1000+0+0 --zoom 100 "${files[@]}" >/dev/null 2>&1 & app=$!
  else
    qimgv "${files[0]}" >/dev/null 2>&1 & app=$!
  fi
  sleep 3
  window=$(xdotool search --sync --onlyvisible --pid "$app" | head -1)
  xdotool windowmove "$window" 0 0 windowsize "$window" 1600 1000
  sleep 2
  watch_turns "$1" 0 40
  ;;
esac
