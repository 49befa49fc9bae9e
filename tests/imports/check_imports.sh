#!/usr/bin/env bash
# Checks Windows programs against the allow-list of imported functions: every function each
# program imports must be listed under its DLL, the list may name no Windows newer than the
# oldest supported one, and each program's file header must name that Windows (6.1,
# Windows 7) as its subsystem and OS version, so that older systems refuse it at once.
# Usage: tests/imports/check_imports.sh ALLOW_LIST PROGRAM...
# Prints what each program imports (or everything that is wrong) and fails when anything is.
set -uo pipefail
export LC_ALL=C # one order for sort and comm
[ $# -ge 2 ] || { echo "usage: $0 ALLOW_LIST PROGRAM..." >&2; exit 2; }
list=$1
shift
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump} # reads 32- and 64-bit programs alike
oldest_version=6.1
oldest_name="Windows 7"
status=0

# The list as "dll function" lines; its own mistakes are reported on stderr.
allowed=$(awk -v list="$list" '
    { sub(/#.*/, "") }
    NF == 0 { next }
    /^\[.*\]$/ { dll = tolower(substr($1, 2, length($1) - 2)); next }
    dll == "" { printf "%s:%d: a function before the first [dll]: %s\n", list, FNR, $1 > "/dev/stderr"; bad = 1; next }
    NF > 2 || (NF == 2 && $2 != "Vista" && $2 != "7") {
        printf "%s:%d: %s: after the name only Vista or 7 may follow (the first Windows that has it, when XP lacks it), not \"%s\"\n",
            list, FNR, $1, substr($0, index($0, $2)) > "/dev/stderr"
        bad = 1
    }
    { if (seen[dll " " $1]++) { printf "%s:%d: %s is listed twice under %s\n", list, FNR, $1, dll > "/dev/stderr"; bad = 1 }
      print dll, $1 }
    END { exit bad }' "$list") || status=1

# header FIELD: a number of the file header in $dump.
header() { echo "$dump" | awk -v field="$1" '$1 == field {print $2}'; }

used=""
for program in "$@"; do
    if ! dump=$("$objdump" -p "$program" 2>&1); then
        echo "$program: $dump"
        status=1
        continue
    fi
    format=$(echo "$dump" | sed -n 's/.*file format //p' | head -1)
    for kind in Subsystem:subsystem OSystem:OS; do
        version="$(header "Major${kind%:*}Version").$(header "Minor${kind%:*}Version")"
        if [ "$version" != "$oldest_version" ]; then
            echo "$program ($format): the file header says ${kind#*:} version $version, not $oldest_version ($oldest_name)"
            status=1
        fi
    done
    imports=$(echo "$dump" | awk '
        /DLL Name:/ { dll = tolower($3); next }
        /^$/ { dll = "" }
        dll != "" && $1 != "vma:" && NF >= 3 { print dll, $3 }' | sort -u)
    used+="$imports"$'\n'
    foreign=$(comm -23 <(echo "$imports") <(echo "$allowed" | sort -u))
    if [ -n "$foreign" ]; then
        echo "$program ($format) imports what $list does not allow:"
        echo "$foreign" | sed 's/^/    /'
        status=1
    else
        echo "$program ($format): $(echo "$imports" | wc -l) functions from $(echo "$imports" | awk '{print $1}' | sort -u | xargs)"
    fi
done

# Listed functions no program imports any more are only noted: allowing them again is harmless.
unused=$(comm -13 <(echo "$used" | sed '/^$/d' | sort -u) <(echo "$allowed" | sort -u))
[ -z "$unused" ] || echo "note: allowed but imported by none of the programs: $(echo $unused)"
exit $status
