#!/usr/bin/env bash
# Installs from Debian's packages what building and testing need, and, where the kernel runs no
# 32-bit programs, qemu-user from the backports suite so that the 32-bit build still runs under
# Wine. Does nothing when all of it is there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake make g++ googletest
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          wine wine32:i386 wine64 xvfb xdotool x11-apps imagemagick procps
          clang libclang-rt-14-dev zip unzip)
# The release of qemu-user whose i386 emulation runs Wine's 32-bit loader.
qemu_major_needed=10

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
wine32_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
qemu_i386_major() { /usr/bin/qemu-i386 --version 2>/dev/null | sed -n '1s/^qemu-i386 version \([0-9]*\).*/\1/p'; }
qemu_ready() { [ "$(qemu_i386_major)" -ge "$qemu_major_needed" ] 2>/dev/null; }

# A mirror in the middle of a sync serves an index that does not match its release file, and
# apt only warns and carries on with an old or no index. The i386 packages must match their
# amd64 twins, so a stale i386 index makes wine32 uninstallable: retry until every index loads.
# Sets install_opts.
install_opts=()
apt_update() {
    local attempts=${SETUP_APT_ATTEMPTS:-4} pause=${SETUP_APT_PAUSE:-15} i
    install_opts=()
    for ((i = 1; i <= attempts; i++)); do
        if $sudo apt-get update -qq >"$work/update.log" 2>&1 &&
            ! grep -q -E '^[EW]: Failed to fetch' "$work/update.log"; then
            return 0
        fi
        grep -E '^[EW]: Failed to fetch' "$work/update.log" | sed 's/^[EW]: Failed to fetch //; s/ .*//' >"$work/failed"
        if [ "$i" -lt "$attempts" ]; then
            echo "setup: package index incomplete (attempt $i of $attempts), retrying in ${pause}s:" >&2
            sed 's/^/setup:   /' "$work/failed" >&2
            sleep "$pause"
        fi
    done
    echo "setup: these package indexes could not be loaded after $attempts attempts:" >&2
    if [ -s "$work/failed" ]; then sed 's/^/setup:   /' "$work/failed" >&2; else cat "$work/update.log" >&2; fi
    if [ -s "$work/failed" ] && ! grep -q -v 'debian-security' "$work/failed"; then
        # Only security updates are missing: take every package from the release itself, so
        # that the i386 libraries and their installed amd64 twins have the same versions.
        echo "setup: installing from the release without its security updates this time;" >&2
        echo "setup: run 'apt-get update && apt-get upgrade' once the mirror has synchronised." >&2
        printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 1\n' >"$work/no-security.pref"
        install_opts=(-o "Dir::Etc::Preferences=$work/no-security.pref")
        return 0
    fi
    echo "setup: a Debian mirror is probably being synchronised; wait a few minutes and run" >&2
    echo "setup: the command again, or point the apt sources at another mirror." >&2
    exit 1
}

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "setup: installing ${missing[*]}" >&2
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    apt_update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${install_opts[@]}" \
        "${missing[@]}" >/dev/null
fi

wine32_runs && exit 0

# The kernel runs no 32-bit programs (or nothing runs them for it yet). Debian 12's own
# qemu-user cannot run Wine's 32-bit loader; the one of the backports suite can.
if ! qemu_ready; then
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    list=/etc/apt/sources.list.d/tsetup-backports.sources
    if [ ! -f "$list" ]; then
        # The mirror and key the machine already uses for its release.
        "$root/scripts/apt-release-source.sh" "$codename" >"$work/source" || {
            echo "setup: no apt source for '$codename' found to take the backports suite from" >&2
            exit 1
        }
        { echo "# Added by TSetup's scripts/setup.sh: qemu-user for running 32-bit programs."
          echo "Types: deb"
          sed -n 's/^URIs: /URIs: /p; s/^Signed-By: /Signed-By: /p' "$work/source"
          echo "Suites: $codename-backports"
          echo "Components: main"; } >"$work/backports.sources"
        $sudo install -m 0644 "$work/backports.sources" "$list"
        echo "setup: added the $codename-backports suite in $list" >&2
    fi
    echo "setup: installing qemu-user from $codename-backports (this kernel runs no 32-bit programs)" >&2
    apt_update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${install_opts[@]}" -t "$codename-backports" qemu-user >/dev/null
    qemu_ready || { echo "setup: qemu-i386 $qemu_major_needed or later is not available" >&2; exit 1; }
fi

# Preferred: a registration private to each test run (scripts/with-i386.sh), which changes
# nothing for other programs. Where the kernel does not allow that, register it for the machine.
if "$root/scripts/with-i386.sh" /usr/lib/wine/wine --version >/dev/null 2>&1; then
    exit 0
fi
echo "setup: this kernel allows no private registration of i386 programs; registering" >&2
echo "setup: /usr/bin/qemu-i386 for them machine-wide (binfmt_misc entry 'tsetup-i386')" >&2
binfmt=/proc/sys/fs/binfmt_misc
[ -e "$binfmt/register" ] || $sudo mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -e "$binfmt/tsetup-i386" ]; then
    "$root/scripts/with-i386.sh" --entry | $sudo tee "$binfmt/register" >/dev/null
fi
wine32_runs || { echo "setup: 32-bit programs still do not run through qemu-i386" >&2; exit 1; }
