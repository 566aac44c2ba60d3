# Sourced by the end-to-end scripts: a private X server with a window manager
# (Alt+F4, focus and close boxes only behave with one), the program started on
# it, and the few gestures every script needs. Expects $bin and $work.

fail() { echo "FAIL: $*" >&2; exit 1; }
cleanup() {
  kill "${app:-}" "${wm:-}" "${xvfb:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xdotool >/dev/null \
  && command -v xclip >/dev/null || { echo "no X server tools here: skipped"; exit 0; }

# A free display of our own: several runs share this machine, so the server
# picks one it can hold and names it once it is ready.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & xvfb=$!
for _ in $(seq 100); do { [ -s "$work/display" ] || ! kill -0 "$xvfb" 2>/dev/null; } && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
openbox >/dev/null 2>&1 & wm=$!
sleep 0.5
# The program must draw on this server, whatever platform the caller's
# environment names (CI often sets offscreen, where no window would appear).
export QT_QPA_PLATFORM=xcb
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"

paste_text() {  # xdotool cannot type Chinese reliably: paste instead
  printf '%s' "$1" | xclip -selection clipboard
  xdotool key --clearmodifiers ctrl+v
  sleep 0.3
}
visible_windows() { { xdotool search --onlyvisible --pid "$app" 2>/dev/null || true; } | wc -l; }
wait_windows() {  # until the program shows exactly N windows, at most 30 s
  for _ in $(seq 300); do
    [ "$(visible_windows)" -eq "$1" ] && { sleep 0.4; return 0; }
    kill -0 "$app" 2>/dev/null || fail "the program ended while $1 windows were expected"
    sleep 0.1
  done
  fail "expected $1 visible windows, the program shows $(visible_windows)"
}
wait_dialog() { wait_windows 2; }
start() {
  "$bin/vellora" "$@" >/dev/null 2>&1 & app=$!
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || fail "the program ended at start"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window appeared within 30 s"
  xdotool windowactivate --sync "$window"
  xdotool windowsize "$window" 1200 760
  xdotool windowmove "$window" 0 0
  sleep 0.7
}
wait_exit() {  # the process must end within 30 s (a loaded machine is slow)
  for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || { wait "$app" 2>/dev/null || true; return 0; }; sleep 0.1; done
  fail "the program did not end: $1"
}
quit() {
  xdotool key --clearmodifiers alt+F4
  wait_exit "Alt+F4"
}
shot() { import -window root "$1"; }
crop() { convert "$1" -crop "$2" +repage "$3"; }  # crop FILE GEOMETRY OUT
differing_pixels() {
  local d
  d=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
  echo "${d%% *}"
}
