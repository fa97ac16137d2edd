#!/usr/bin/env bash
# Builds Brivane and starts its window (installs missing Debian packages first).
# The window writes its reports to the folder it starts in: the home folder, or the folder named
# by BRIVANE_REPORT_DIR.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target brivane brivane-cli
program="$PWD/build/release/ui/brivane"
cd "${BRIVANE_REPORT_DIR:-$HOME}"
exec "$program" "$@"
