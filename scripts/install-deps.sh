#!/usr/bin/env bash
# Installs what building, running and testing the editor needs on Debian 12.
# Runs apt-get only for packages that are missing.
set -euo pipefail
packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev libqt6printsupport6
    qt6-tools-dev qt6-l10n-tools poppler-utils
    libsqlite3-dev sqlite3
    libgtest-dev
    fonts-dejavu-core
    desktop-file-utils appstream
    dpkg-dev file lintian
    clang-14 libclang-rt-14-dev clang-format
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
