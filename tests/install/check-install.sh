#!/usr/bin/env bash
# usage: check-install.sh BUILD_DIR TEST_BIN_DIR
# Installs into a scratch prefix (a path with a space, as users have) and
# checks the layout, the desktop entry, the MIME type and the sample book.
set -euo pipefail
build=$1
tests=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/my prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

app="$prefix/lib/vellora"
for f in vellora vellora-book vellora-emf2svg "User Manual.rtf" faq.txt readme.txt \
         samples/四季画意.vlr; do
  [ -e "$app/$f" ] || fail "missing $app/$f"
done
[ "$(ls "$app/samples" | grep -c -v '\.vlr$')" -eq 12 ] || fail "the sample book has not 12 pictures"
for f in bin/vellora bin/vellora-book share/applications/vellora.desktop share/mime/packages/vellora.xml \
         share/icons/hicolor/scalable/apps/vellora.svg \
         share/icons/hicolor/scalable/mimetypes/application-x-vellora-book.svg; do
  [ -e "$prefix/$f" ] || fail "missing $prefix/$f"
done
for size in 16 22 24 32 48 64 128 256; do
  for icon in apps/vellora mimetypes/application-x-vellora-book; do
    png="$prefix/share/icons/hicolor/${size}x${size}/$icon.png"
    [ -s "$png" ] || fail "missing $png"
  done
done

desktop-file-validate "$prefix/share/applications/vellora.desktop" || fail "desktop entry"
grep -q '^Exec=vellora %f$' "$prefix/share/applications/vellora.desktop" || fail "the desktop entry does not pass the file"
xmllint --noout "$prefix/share/mime/packages/vellora.xml" || fail "MIME XML"

# The type is recognised by content (a book under another name).
cp "$app/samples/四季画意.vlr" "$work/renamed.dat"
type=$(XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$work/none" "$tests/mime-probe" "$work/renamed.dat")
[ "$type" = application/x-vellora-book ] || fail "MIME type by content: $type"

# The launcher runs the installed tool, and the sample book's pictures are
# found below the installed application directory.
info=$("$prefix/bin/vellora-book" info "$app/samples/四季画意.vlr") || fail "launcher"
grep -q '"PictureCount": 12' <<<"$info" || fail "the sample book has not 12 pages"
check=$("$prefix/bin/vellora-book" check "$app/samples/四季画意.vlr" || true)
[ "$(grep -c '"status": "ok"' <<<"$check")" -eq 12 ] || fail "sample pictures do not load: $check"
[ "$(grep -c '"status": "missing"' <<<"$check")" -eq 0 ] || fail "sample pictures missing: $check"
echo "install layout ok"

# The installed program opens the sample book through File > Open and shows
# its first page (the screenshot is not blank); with the desktop's tools, so
# does a book double-clicked in a file manager.
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null || ! command -v xdotool >/dev/null \
   || ! command -v xclip >/dev/null || ! command -v import >/dev/null; then
  echo "install layout ok; no X server tools here, so the program was not started"
  exit 0
fi
for way in file-open double-click; do
  if [ $way = double-click ] && { ! command -v gio >/dev/null || ! command -v update-desktop-database >/dev/null \
     || ! command -v update-mime-database >/dev/null; }; then
    echo "no desktop tools here, so opening a double-clicked book was not tried"
    exit 0
  fi
  shot="$build/tests/$way.png"
  bash "$(dirname "$0")/run-installed-program.sh" "$prefix" "$shot" $way || fail "the installed program ($way)"
  colours=$(convert "$shot" -crop 900x500+150+150 +repage -format %k info:)
  [ "$colours" -gt 50 ] || fail "the book opened by $way shows no page ($colours colours; see $shot)"
  echo "the installed program shows the book opened by $way ($colours colours in the page)"
done
