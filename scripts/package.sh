#!/usr/bin/env bash
# Installs what is missing, builds the program, and makes the Debian package
# build/package/vorbelia_<version>_<arch>.deb (or under $BUILD_DIR/package),
# which installs it under /usr.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh" run package
"$root/scripts/build.sh" vorbelia
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/package"
