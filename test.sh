#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
set -euo pipefail
JOTWELL_ROOT="$(cd "$(dirname "$0")" && pwd)"
. "$JOTWELL_ROOT/tools/setup.sh"

jotwell_install_missing
jotwell_configure "$JOTWELL_ROOT/build"
cmake --build "$JOTWELL_ROOT/build" -- -j"$(nproc)"
cd "$JOTWELL_ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
