#!/usr/bin/env bash
# Installs, from Debian's packages, what this machine does not have yet of the
# sets named (safe to run again):
#   run      building and running the program (what scripts/run.sh needs)
#   test     the tests and the benchmarks, on top of run
#   package  making the Debian package with cpack, on top of run
# Without a name, all of them. Uses apt-get, through sudo when not root.
set -euo pipefail

for_run=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  qt6-translations-l10n                 # Qt's own Spanish texts: standard buttons, context menus
  fonts-dejavu-core fonts-dejavu-extra  # the windows' faces, DejaVu Sans and Sans Condensed
  xvfb xauth                            # run.sh starts a virtual display where there is none
)
for_test=(
  libbenchmark-dev
  desktop-file-utils                    # checks the installed desktop entry
)
for_package=(
  dpkg-dev file                         # cpack's dependencies of the package (dpkg-shlibdeps)
)

sets=("$@")
[ ${#sets[@]} -gt 0 ] || sets=(all)
packages=("${for_run[@]}")
for set in "${sets[@]}"; do
  case "$set" in
    run) ;;
    test) packages+=("${for_test[@]}") ;;
    package) packages+=("${for_package[@]}") ;;
    all) packages+=("${for_test[@]}" "${for_package[@]}") ;;
    *) echo "usage: $0 [run|test|package|all]..." >&2; exit 2 ;;
  esac
done

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  echo "This is not a Debian-like system; install the equivalents of: ${packages[*]}" >&2
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -gt 0 ] || exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Some packages are missing and installing them needs root or sudo; as root, run: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
