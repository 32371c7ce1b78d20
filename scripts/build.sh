#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR).
#   scripts/build.sh [-DNAME=VALUE]... [TARGET]...
# Options -D... go to CMake's configure step; the targets named are built, or
# everything when none is. A folder configured before is configured again with
# the generator it was made with; a new one uses Ninja where it is installed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"

options=()
targets=()
for arg in "$@"; do
  case "$arg" in
    -D*) options+=("$arg") ;;
    *) targets+=(--target "$arg") ;;
  esac
done
if [ ! -f "$build/CMakeCache.txt" ] && [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null; then
  options+=(-G Ninja)
fi

cmake -S "$root" -B "$build" "${options[@]}"
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
