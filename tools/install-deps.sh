#!/usr/bin/env bash
# Installs the Debian packages that building, running or testing needs.
# Usage: tools/install-deps.sh run|package|test|web|web-test
#   package   making the Debian package (tools/package.sh)
#   web       building the web page (tools/web.sh)
#   web-test  building it and running its tests in a headless browser
# Only missing packages are installed; apt-get runs as root, or through sudo.
# Without either, it prints the apt-get command line to run as root.
set -euo pipefail

run_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-wayland nlohmann-json3-dev libtomlplusplus-dev
              fonts-ipafont-gothic fonts-noto-color-emoji qt6-translations-l10n)
web_packages=(cmake ninja-build emscripten nlohmann-json3-dev libtomlplusplus-dev)
package_packages=("${run_packages[@]}" dpkg-dev file "${web_packages[@]}")
# The browser tests, and the native torvaly-solve that they compare with.
browser_packages=(chromium chromium-driver python3-selenium g++)
test_packages=("${run_packages[@]}" googletest libgtest-dev libgmock-dev libbenchmark-dev
               clang-14 libclang-rt-14-dev clang-format-14 valgrind desktop-file-utils appstream shared-mime-info
               dpkg-dev file lintian xvfb dbus at-spi2-core python3-pyatspi locales
               fonts-dejavu-core emscripten "${browser_packages[@]}")

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  package) wanted=("${package_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  web) wanted=("${web_packages[@]}") ;;
  web-test) wanted=("${web_packages[@]}" "${browser_packages[@]}") ;;
  *) echo "usage: $0 run|package|test|web|web-test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  {
    echo "$0: these packages are missing, and neither root nor sudo is available to install them: ${missing[*]}"
    echo "As root, run:"
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}"
  } >&2
  exit 1
fi
echo "Installing: ${missing[*]}" >&2
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
