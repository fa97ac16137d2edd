#!/usr/bin/env bash
# Builds everything and runs every test through ctest (installs missing Debian packages first).
# A second build runs the tests that need no display under AddressSanitizer and
# UndefinedBehaviorSanitizer; a third, with clang, runs each fuzz target for a short while.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
ctest --preset release
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz
