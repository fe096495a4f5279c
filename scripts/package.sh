#!/usr/bin/env bash
# Builds the Debian package orvane_<version>_<arch>.deb into build/package/ (or
# $ORVANE_BUILD_DIR/package): installs what is missing, configures the build folder
# for the prefix /usr, builds, and runs cpack. Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# A package is built as users build it: warnings do not stop it (CI sets ORVANE_WERROR=ON).
ORVANE_WERROR=${ORVANE_WERROR:-OFF} bash scripts/build.sh -DCMAKE_INSTALL_PREFIX=/usr
dir=${ORVANE_BUILD_DIR:-build}
rm -rf "$dir/package"
(cd "$dir" && cpack -G DEB -B "$PWD/package" >/dev/null)
deb=$(ls "$dir"/package/orvane_*.deb)
dpkg-deb --field "$deb"
dpkg-deb --contents "$deb"
echo "$deb"
