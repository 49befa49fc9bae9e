#!/usr/bin/env bash
# Makes the release of the checked-out commit: dist/TSetup-VERSION.zip with both TSetup.exe
# (the 32-bit one at the top, the one to ship; the 64-bit one in 64-Bit/), the user text
# LIESMICH.txt and SHA256SUMS, all in the folder TSetup-VERSION. The programs are built from
# the committed files alone, in a folder of their own; the same commit gives the same zip.
# VERSION is project(VERSION) in CMakeLists.txt, the version of the version resource.
# Usage: scripts/release.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$root/build/release
die() { echo "release: $*" >&2; exit 1; }

cd "$root"
[ -e .git ] || die "$root is not a git checkout: the release is made from a commit"
"$root/scripts/setup.sh"
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    git status --short --untracked-files=no >&2
    die "these files differ from the commit; commit or stash them first"
fi
commit=$(git rev-parse --short HEAD)
epoch=$(git log -1 --format=%ct)

rm -rf "$work"
mkdir -p "$work/source"
git archive --format=tar HEAD | tar -x -C "$work/source"
echo "release: building $commit"
SOURCE_DATE_EPOCH=$epoch BUILD_ONLY=TSetup "$work/source/scripts/build.sh" i686 x86_64 ||
    die "the build failed"
built=$work/source/build
version=$(cat "$built/i686/version.txt")
# The version resource holds the version as UTF-16 text ("1.2.3.0").
text=$version.0 pattern=
for ((i = 0; i < ${#text}; i++)); do
    c=${text:i:1}
    [ "$c" != . ] || c='\.'
    pattern+="$c\x00"
done
for arch in i686 x86_64; do
    LC_ALL=C grep -qaP "$pattern" "$built/$arch/TSetup.exe" ||
        die "$arch/TSetup.exe does not carry the version $version.0 in its version resource"
done

name=TSetup-$version
stage=$work/stage/$name
mkdir -p "$stage/64-Bit"
cp "$built/i686/TSetup.exe" "$stage/TSetup.exe"
cp "$built/x86_64/TSetup.exe" "$stage/64-Bit/TSetup.exe"
# For Notepad on every supported Windows: code page 1252 and CRLF.
sed "s/@VERSION@/$version/g; s/\$/\r/" "$work/source/res/LIESMICH.txt.in" |
    iconv -f UTF-8 -t CP1252 >"$stage/LIESMICH.txt"
(cd "$stage" && sha256sum TSetup.exe 64-Bit/TSetup.exe LIESMICH.txt >SHA256SUMS)

# Fixed times (the commit's), modes and order, and no extra fields: the same bytes each time.
find "$work/stage" -type d -exec chmod 755 {} +
find "$work/stage" -type f -exec chmod 644 {} +
find "$work/stage" -exec touch -d "@$epoch" {} +
mkdir -p "$root/dist"
zip=$root/dist/$name.zip
rm -f "$zip"
(cd "$work/stage" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -D -q "$zip" -@)

unzip -l "$zip"
mkdir "$work/check"
unzip -q "$zip" -d "$work/check"
(cd "$work/check/$name" && sha256sum -c SHA256SUMS) || die "the files in the zip do not match SHA256SUMS"
echo "release: $zip ($commit), sha256 $(sha256sum <"$zip" | cut -d' ' -f1)"
