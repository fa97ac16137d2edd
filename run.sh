#!/usr/bin/env bash
# Builds Brivane and starts its window (installs missing Debian packages first).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target brivane brivane-cli
exec build/release/ui/brivane "$@"
