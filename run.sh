#!/usr/bin/env bash
# Builds Brivane and starts it (installs missing Debian packages first).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target brivane-cli
# A sample selection: 1 kg over 500 mm at 1 g and 1 m/s.
exec build/release/cli/brivane-cli select --mass 1 --stroke 500 --accel-g 1 --velocity 1 "$@"
