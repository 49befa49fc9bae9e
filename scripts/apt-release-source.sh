#!/usr/bin/env bash
# Prints "URIs: ..." and, where given, "Signed-By: ..." of the machine's apt source for the
# release with the given code name (its main suite, not security or updates), read from the
# one-line and the deb822 source files. Exits 1 when there is none.
set -euo pipefail
codename=$1
found=1
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    # deb [options] URI SUITE COMPONENTS...
    line=$(awk -v s="$codename" '$1 == "deb" {
            i = 2; opts = ""
            if ($2 ~ /^\[/) { while (i <= NF && $i !~ /\]$/) { opts = opts " " $i; i++ } opts = opts " " $i; i++ }
            if ($(i + 1) == s) { print $i "|" opts; exit } }' "$f")
    if [ -n "$line" ]; then
        echo "URIs: ${line%%|*}"
        key=$(echo "${line#*|}" | grep -o 'signed-by=[^] ]*' | cut -d= -f2 || true)
        [ -z "$key" ] || echo "Signed-By: $key"
        found=0
        break
    fi
done
if [ "$found" -ne 0 ]; then
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        # Stanzas are separated by blank lines; a stanza names its suites on one line.
        out=$(awk -v s="$codename" 'BEGIN { RS = ""; FS = "\n" } {
                uris = ""; key = ""; ok = 0; deb = 0
                for (i = 1; i <= NF; i++) {
                    if ($i ~ /^Types:/ && $i ~ /(^|[ \t])deb([ \t]|$)/) deb = 1
                    if ($i ~ /^URIs:/) uris = $i
                    if ($i ~ /^Signed-By:/) key = $i
                    if ($i ~ /^Suites:/) { n = split($i, w, /[ \t]+/); for (j = 2; j <= n; j++) if (w[j] == s) ok = 1 }
                }
                if (deb && ok && uris != "") { print uris; if (key != "") print key; exit } }' "$f")
        if [ -n "$out" ]; then
            echo "$out"
            found=0
            break
        fi
    done
fi
exit "$found"
