#!/usr/bin/env bash
# Builds everything and runs every test through ctest (installs missing Debian packages first).
# A second build runs the tests that need no display under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
ctest --preset release
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
