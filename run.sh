#!/usr/bin/env bash
# Installs what is missing, builds, and starts Jotwell in its data folder.
set -euo pipefail
JOTWELL_ROOT="$(cd "$(dirname "$0")" && pwd)"
. "$JOTWELL_ROOT/tools/setup.sh"

jotwell_install_missing
jotwell_build "$JOTWELL_ROOT/build"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Jotwell needs a desktop: no display found (DISPLAY is not set); run it from a desktop session, or under a virtual one with: xvfb-run ./run.sh" >&2
    exit 1
fi

data="${XDG_DATA_HOME:-$HOME/.local/share}/jotwell"
mkdir -p "$data"
cd "$data"
exec "$JOTWELL_ROOT/build/app/jotwell" "$@"
