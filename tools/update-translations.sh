#!/bin/sh
# Brings translations/*.ts up to date with the texts in the code (new texts
# arrive untranslated, removed ones go), in the build folder given or ./build.
# Then translate the new texts (e.g. with linguist) until the translation_*
# tests pass.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target update_translations
