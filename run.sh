#!/usr/bin/env bash
# Installs what is missing, builds the program, and starts Jotwell in its data folder.
set -euo pipefail
JOTWELL_ROOT="$(cd "$(dirname "$0")" && pwd)"
. "$JOTWELL_ROOT/tools/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Jotwell needs a desktop: no display found (DISPLAY is not set); run it from a desktop session, or under a virtual one with: xvfb-run ./run.sh" >&2
    exit 1
fi

jotwell_install_missing
jotwell_configure "$JOTWELL_ROOT/build"
cmake --build "$JOTWELL_ROOT/build" --target jotwell -- -j"$(nproc)"

data="${XDG_DATA_HOME:-$HOME/.local/share}/jotwell"
mkdir -p "$data"
cd "$data"
exec "$JOTWELL_ROOT/build/app/jotwell" "$@"
