#!/usr/bin/env bash
# Installs everything Vellora needs to build, run and test on Debian 12.
# Idempotent: when every package is already present it does nothing.
set -euo pipefail

PACKAGES=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  # Qt 6 and the picture stack
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins
  libqt6svg6 qt6-qpa-plugins
  # parts of JPEGs decoded by libjpeg itself (rows skipped, columns cropped)
  libjpeg62-turbo-dev
  # Qt's own dialogs and menus in Chinese
  qt6-translations-l10n
  libemf2svg-dev
  libsimpleini-dev libicu-dev libuemf-dev
  # fonts: the user interface is Simplified Chinese
  fonts-noto-cjk fonts-dejavu-core
  # tests and benchmarks
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # the key-to-pixels timer of bench/x11-turn
  libxtst-dev
  xvfb xauth openbox xdotool x11-utils xclip imagemagick
  # install layout checks and packages
  desktop-file-utils libxml2-utils shared-mime-info dpkg-dev file
  # a double-clicked book opened through the desktop's own lookup (gio open)
  libglib2.0-bin
  # an independent RTF reader that checks what our RTF writer produces
  abiword
  # reads back the PDF books export (page count, text, metadata)
  poppler-utils
  # fuzzing (libFuzzer + sanitizers)
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
