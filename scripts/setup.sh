#!/usr/bin/env bash
# Installs from Debian's packages what building and testing need. Does nothing when all
# of it is there.
set -euo pipefail

packages=(cmake make g++ googletest
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          wine wine32:i386 wine64 xvfb xdotool x11-apps imagemagick procps
          clang libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing ${missing[*]}" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi

# A mirror in the middle of a sync serves an index that does not match its release file, and
# apt only warns and carries on with an old or no index. The i386 packages must match their
# amd64 twins, so a stale i386 index makes wine32 uninstallable: retry until every index loads.
attempts=${SETUP_APT_ATTEMPTS:-4}
pause=${SETUP_APT_PAUSE:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
install_opts=()
for ((i = 1; i <= attempts; i++)); do
    if $sudo apt-get update -qq >"$work/update.log" 2>&1 &&
        ! grep -q -E '^[EW]: Failed to fetch' "$work/update.log"; then
        break
    fi
    grep -E '^[EW]: Failed to fetch' "$work/update.log" | sed 's/^[EW]: Failed to fetch //; s/ .*//' >"$work/failed"
    if [ "$i" -lt "$attempts" ]; then
        echo "setup: package index incomplete (attempt $i of $attempts), retrying in ${pause}s:" >&2
        sed 's/^/setup:   /' "$work/failed" >&2
        sleep "$pause"
        continue
    fi
    echo "setup: these package indexes could not be loaded after $attempts attempts:" >&2
    if [ -s "$work/failed" ]; then sed 's/^/setup:   /' "$work/failed" >&2; else cat "$work/update.log" >&2; fi
    if [ -s "$work/failed" ] && ! grep -q -v 'debian-security' "$work/failed"; then
        # Only security updates are missing: take every package from the release itself, so
        # that the i386 libraries and their installed amd64 twins have the same versions.
        echo "setup: installing from the release without its security updates this time;" >&2
        echo "setup: run 'apt-get update && apt-get upgrade' once the mirror has synchronised." >&2
        printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 1\n' >"$work/no-security.pref"
        install_opts=(-o "Dir::Etc::Preferences=$work/no-security.pref")
    else
        echo "setup: a Debian mirror is probably being synchronised; wait a few minutes and run" >&2
        echo "setup: the command again, or point /etc/apt/sources.list at another mirror." >&2
        exit 1
    fi
done

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${install_opts[@]}" \
    "${missing[@]}" >/dev/null
