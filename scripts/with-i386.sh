#!/usr/bin/env bash
# Runs a command in a mount namespace of its own in which i386 Linux programs (Wine's 32-bit
# loader among them) run through qemu-i386: a binfmt_misc registration that lives as long as
# the command and changes nothing for the rest of the machine.
# Usage: scripts/with-i386.sh COMMAND [ARG...]
#        scripts/with-i386.sh --entry     prints the registration line
set -euo pipefail

# The ELF header of an i386 executable or shared object, and which of its bits matter.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
# F: the interpreter is opened now, so it is found from any mount namespace and chroot.
entry=":tsetup-i386:M::$magic:$mask:/usr/bin/qemu-i386:F"

if [ "${1:-}" = --entry ]; then
    printf '%s\n' "$entry"
    exit 0
fi
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARG...]" >&2; exit 2; }

if [ "${TSETUP_I386_NAMESPACE:-}" != 1 ]; then
    # Inside a new user namespace the caller is root of its own mount namespace, where
    # binfmt_misc can be mounted afresh (Linux 6.7 and later).
    exec env TSETUP_I386_NAMESPACE=1 unshare --user --map-root-user --mount --propagation private \
        -- "$0" "$@"
fi
mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
printf '%s' "$entry" >/proc/sys/fs/binfmt_misc/register
unset TSETUP_I386_NAMESPACE
exec "$@"
