#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window need, and only the missing ones.
# Works on a bare Debian 12 system: as root directly, otherwise through sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-nanum locales rapidjson-dev libcli11-dev
  qt6-translations-l10n  # Qt's own buttons and dialogs in the Korean window
  # the English translation: lupdate and lrelease, and their CMake functions
  qt6-l10n-tools qt6-tools-dev
  poppler-utils  # pdftotext and pdftoppm for the PDF report's tests
  hyperfine      # brivane-cli's start-up against its floor (README)
  xvfb xauth     # xvfb-run: the window on a real X server, to measure its start there
  # the Debian package: icon sizes, dependencies, and the validators its tests run
  librsvg2-bin dpkg-dev desktop-file-utils appstream shared-mime-info lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
