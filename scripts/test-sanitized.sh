#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer
# (LeakSanitizer included) into build-sanitize/ (or $SANITIZE_BUILD_DIR) and
# runs them offscreen. Any report of a sanitizer ends its test with a failure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SANITIZE_BUILD_DIR:-$root/build-sanitize}"
"$root/scripts/install-deps.sh"

# -O1 keeps the tests quick and the reports exact; -g1 gives reports file and
# line at a fraction of the cost of full debug information. The benchmarks
# measure nothing useful here and are left out.
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all"
BUILD_DIR="$build" "$root/scripts/build.sh" \
  -DCMAKE_BUILD_TYPE=Sanitize \
  "-DCMAKE_CXX_FLAGS=-O1 -g1 -fno-omit-frame-pointer $sanitizers" \
  "-DCMAKE_EXE_LINKER_FLAGS=$sanitizers" \
  -DVORBELIA_BENCH=OFF

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
