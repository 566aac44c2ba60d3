#!/usr/bin/env bash
# usage: run-installed-program.sh PREFIX SCREENSHOT
# Starts the installed program on a private X server with a window manager,
# opens the sample book through File > Open as a user would (Ctrl+O, type the
# path, Enter) and takes a screenshot of the first page.
set -euo pipefail
prefix=$1
shot=$2
work=$(mktemp -d)
display=:$((90 + RANDOM % 400))
cleanup() {
  kill "${app:-}" "${wm:-}" "${xvfb:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wm=$!
sleep 0.5

mkdir -p "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" "$prefix/bin/vellora" >/dev/null 2>&1 & app=$!
window=$(xdotool search --sync --onlyvisible --name "Vellora" | head -1)
xdotool windowactivate --sync "$window"
xdotool windowsize "$window" 1200 760
sleep 0.5
xdotool key --clearmodifiers ctrl+o
# The open dialog is the second top-level window of the program.
for _ in $(seq 100); do
  [ "$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l)" -ge 2 ] && break
  sleep 0.1
done
sleep 0.5
# Pasted, not typed: xdotool cannot type Chinese reliably (it borrows spare
# key codes, and a run of characters overwrites them).
printf '%s' "$prefix/lib/vellora/samples/四季画意.vlr" | xclip -selection clipboard
xdotool key --clearmodifiers ctrl+v
sleep 0.3
xdotool key Return
# Wait until the page is drawn (the first page is colourful), at most 15 s.
for _ in $(seq 30); do
  sleep 0.5
  import -window root "$shot"
  [ "$(convert "$shot" -crop 900x500+150+150 +repage -format %k info:)" -gt 50 ] && break
done
kill -0 "$app" || { echo "the program ended" >&2; exit 1; }
