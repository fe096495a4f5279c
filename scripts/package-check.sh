#!/usr/bin/env bash
# Installs the Debian package the way a user does, into a brand-new minimal Debian 12
# root, and starts what it installed: `orvane-cli --version` (when packaged), `orvane
# --version` without a display, the receiver simulator, and the editor on the demo
# database under xvfb-run. Each program must start and stay up (the servers for two
# seconds) until it is stopped.
#
#   sudo bash scripts/package-check.sh [PACKAGE.deb]
#
# Without an argument it builds the package with scripts/package.sh first. Needs
# root (debootstrap, chroot, mount) and Debian's archive; not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "package-check: run as root" >&2; exit 2; }
build=${ORVANE_BUILD_DIR:-build}
if [ $# -ge 1 ]; then
    deb=$(realpath "$1")
else
    bash scripts/package.sh >/dev/null
    deb=$(realpath "$build"/package/orvane_*.deb)
fi
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap >/dev/null

# The same mirror as this machine's apt.
mirror=$(grep -hE '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '{print $2}' | grep -v security | head -1 || true)
[ -n "$mirror" ] || mirror=$(grep -hE '^deb ' /etc/apt/sources.list 2>/dev/null | awk '{print $2}' | head -1 || true)
mirror=${mirror:-http://deb.debian.org/debian}

root=$(mktemp -d /tmp/orvane-package-check.XXXXXX)
chmod 755 "$root" # apt's download user must reach the root's folders
mounted=()
cleanup() {
    # Stops whatever this check started inside the root and left running.
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && kill "${proc#/proc/}" 2>/dev/null
    done
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
    done
    # Nothing of the host may stay mounted below the root when it is removed.
    if grep -q " $root/" /proc/mounts; then
        echo "package-check: $root still has mounts, left in place" >&2
    else
        rm -rf "$root"
    fi
}
trap cleanup EXIT

echo "== debootstrap --variant=minbase bookworm ($mirror)"
start=$(date +%s)
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 || { tail -20 "$root.log"; exit 1; }
rm -f "$root.log"
echo "root ready in $(( $(date +%s) - start )) s"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
mount --bind /dev "$root/dev" && mounted+=("$root/dev")
mount --bind /dev/pts "$root/dev/pts" && mounted+=("$root/dev/pts")

mkdir -p "$root/check"
cp "$deb" "$root/check/"
"$build/fixtures/orvane-fixture" demo "$root/check/demo.dat"
"$build/fixtures/orvane-fixture" demo "$root/check/receiver.dat"

in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive bash -euo pipefail -c "$1"
}

echo "== apt-get install ./$(basename "$deb")"
in_root "apt-get update -q >/dev/null && cd /check && apt-get install -y -q ./$(basename "$deb") 2>&1 | tail -4"
in_root "dpkg -L orvane | sort | while read -r f; do [ -d \"\$f\" ] || echo \"\$f\"; done"
echo "== installing xvfb to run the editor (not a dependency of the package)"
in_root "apt-get install -y -q --no-install-recommends xvfb xauth >/dev/null && echo ok"

# Runs PROGRAM (with LAUNCHER before the time limit, if any) for two seconds; it must
# still be running when it is stopped.
stays_up() {
    local launcher=$1 program=$2 rc=0
    in_root "$launcher timeout 2 $program" || rc=$?
    if [ "$rc" -ne 124 ]; then
        echo "FAILED: '$program' ended with $rc before two seconds" >&2
        exit 1
    fi
    echo "ok: '$program' started and stayed up for two seconds"
}

if in_root "command -v orvane-cli >/dev/null"; then
    echo "== orvane-cli --version"
    in_root "orvane-cli --version"
else
    echo "== orvane-cli is not in this package"
fi
echo "== orvane --version (no display)"
in_root "orvane --version"
echo "== kivra-simulator"
stays_up "" "kivra-simulator --dir /tmp/kivra --db /check/receiver.dat"
echo "== orvane /check/demo.dat under xvfb-run"
stays_up "xvfb-run -a" "orvane /check/demo.dat"
echo "package-check: all passed"
