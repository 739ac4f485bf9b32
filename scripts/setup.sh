#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Installs only what is missing, so a second run changes nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # The translation tools, and Qt's own catalogues that the program loads.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  ffmpeg
  xvfb xauth imagemagick dbus appstream lintian
  # For the tests: real glyphs in every window they measure and show. DejaVu
  # has the Latin, Greek, Cyrillic, Arabic, Persian and Hebrew letters, Noto
  # CJK the Chinese, Japanese and Korean ones, Loma the Thai ones.
  fonts-dejavu-core fonts-noto-cjk fonts-tlwg-loma-otf
  # The script that merges the languages' lines into the menu entry and the listing.
  python3
  # Speaks test sentences to a file: the speech the loudness tests measure.
  espeak-ng
  dvdauthor fp-utils desktop-file-utils parallel bc
  clang libclang-rt-14-dev valgrind
  # Independent players of the converted files, for the tests.
  gstreamer1.0-tools gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav
  # The browser that must play what is made for the web, headless.
  chromium
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
