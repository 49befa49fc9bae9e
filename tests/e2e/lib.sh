# Helpers for the end-to-end tests: start the real TSetup.exe under Wine, read its exit
# code, read the registry back, and press keys in its windows. Sourced by run.sh, which
# sets E2E_BIN (the folder with TSetup.exe, Tastor32.exe and wintool.exe), WINEPREFIX and
# DISPLAY.

MAIN_TITLE="Tastor32 Einstellungen"
E2E_PIDS=()
E2E_FAILURES=0

fail() {
    echo "    FAIL: $*" >&2
    E2E_FAILURES=$((E2E_FAILURES + 1))
    return 1
}

expect_eq() { # expect_eq WHAT EXPECTED ACTUAL
    [ "$2" == "$3" ] || fail "$1: expected [$2], got [$3]"
}

wintool() { (cd "$E2E_BIN" && timeout 30 wine wintool.exe "$@"); }

# killable COMMAND...: runs the program of a background job and ends with its exit code.
# Background jobs start their programs through it rather than with exec: a program a test
# kills on purpose then ends the job with 128 + the signal as its exit code, instead of the
# job dying of the signal itself, which bash would report with a "Killed" line.
killable() { "$@"; }

# tsetup_start ARGS...: starts TSetup.exe in the background; its pid is in TSETUP_PID.
tsetup_start() {
    (cd "$E2E_BIN" && killable timeout 300 wine TSetup.exe "$@") >/dev/null 2>&1 &
    TSETUP_PID=$!
    E2E_PIDS+=("$TSETUP_PID")
}

# tsetup_wait PID [SECONDS]: waits for the process and sets TSETUP_RC to its exit code,
# or to "timeout" when it still runs after the deadline. (Not in a subshell: only this
# shell can wait for its children.)
tsetup_wait() {
    local pid=$1 deadline=$((SECONDS + ${2:-30}))
    while kill -0 "$pid" 2>/dev/null; do
        if [ $SECONDS -ge "$deadline" ]; then
            TSETUP_RC=timeout
            return
        fi
        sleep 0.1
    done
    wait "$pid"
    TSETUP_RC=$?
}

# expect_exit WHAT PID CODE: the process ends with the exit code.
expect_exit() {
    tsetup_wait "$2"
    expect_eq "$1" "$3" "$TSETUP_RC"
}

# window_wait TITLE [MS]: waits until a visible window with the title exists.
window_wait() { wintool wait "$1" "${2:-20000}" >/dev/null; }
window_exists() { wintool find "$1" >/dev/null; }

# keys_to TITLE KEY...: gives the window the keyboard focus and types the keys (xdotool
# key names, e.g. Escape, Return, alt+u).
keys_to() {
    local title=$1
    shift
    local id
    id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | tail -n 1)
    [ -n "$id" ] || { fail "no X window named $title"; return 1; }
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    xdotool key --delay 50 "$@"
}

# regacl KEY read|none|full: sets the key's access list (KEY below HKEY_CURRENT_USER). With the
# 64-bit tool where it is built: under emulation the 32-bit one reports success, but the list
# it sets has no effect.
regacl() {
    local tools=$E2E_BIN
    [ -f "$E2E_BIN/../x86_64/regacl.exe" ] && tools="$E2E_BIN/../x86_64"
    (cd "$tools" && timeout 30 wine regacl.exe "$@") >/dev/null 2>&1 || fail "regacl $*"
}

# type_text TITLE CONTROL TEXT: types the text into the window's control, as a user would.
# xdotool types a character that no key of the display has by binding it to a spare key for a
# moment; a program slower than that moment (an emulated one) reads the key after the binding
# is gone and gets nothing or another character. Such characters are typed one at a time, and
# typed again (after a Backspace for a wrong one) until the control shows them.
type_text() {
    local title=$1 control=$2 text=$3 run="" char i try now
    local shown
    shown=$(wintool text "$title" "$control" | tr -d '\r')
    for ((i = 0; i < ${#text}; i++)); do
        char=${text:i:1}
        if [ "$(printf '%s' "$char" | LC_ALL=C wc -c)" -eq 1 ]; then
            run+=$char
            continue
        fi
        [ -z "$run" ] || { xdotool type --delay 40 "$run"; shown+=$run; run=""; }
        for try in 1 2 3 4 5 6; do
            xdotool type --delay 200 "$char"
            wait_until 5 control_shows "$title" "$control" "$shown$char" && break
            now=$(wintool text "$title" "$control" | tr -d '\r')
            [ "$now" == "$shown" ] || xdotool key BackSpace
        done
        shown+=$char
    done
    [ -z "$run" ] || { xdotool type --delay 40 "$run"; shown+=$run; }
    wait_until 20 control_shows "$title" "$control" "$shown" ||
        fail "typed [$shown], the field shows [$(wintool text "$title" "$control" | tr -d '\r')]"
}
# control_shows TITLE CONTROL TEXT: the window's control shows exactly the text.
control_shows() { [ "$(wintool text "$1" "$2" | tr -d '\r')" == "$3" ]; }

# reg_* wrap Wine's reg.exe. Keys are written as reg.exe wants them: HKCU\...
reg_has_key() { timeout 30 wine reg query "$1" >/dev/null 2>&1; }
reg_delete_key() { timeout 30 wine reg delete "$1" /f >/dev/null 2>&1; return 0; }
reg_add() { # reg_add KEY NAME TYPE DATA
    timeout 30 wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 || fail "reg add $1 $2"
}
# reg_value KEY NAME: prints "TYPE DATA" as reg.exe shows them, nothing when missing.
reg_value() {
    timeout 30 wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" 'index($0, "    " name "    ") == 1 {
            sub("^    " name "    ", ""); print; exit }'
}
# reg_export KEY FILE: the registry editor's export of the key, as UTF-8.
reg_export() {
    local win
    win=$(cd "$E2E_BIN" && winepath -w "$2.utf16" 2>/dev/null)
    (cd "$E2E_BIN" && timeout 60 wine regedit /e "$win" "$1") >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$2.utf16" | tr -d '\r' >"$2"
    rm -f "$2.utf16"
}

store_clear() {
    reg_delete_key 'HKCU\Software\Velmark'
    reg_delete_key 'HKCU\AppEvents\Schemes\Apps\Tastor32'
    timeout 30 wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Tastor32 /f \
        >/dev/null 2>&1
    return 0
}
store_with_settings() {
    store_clear
    reg_add 'HKCU\Software\Velmark\Tastor32\Settings' 'Tastor eingeschaltet' REG_BINARY 01
}

# Ends whatever the test started. A driver's log with zero bytes in it was truncated while
# a program still wrote to it: that program's next line landed at its old offset, and line
# matches on such a log fail at random.
e2e_cleanup() {
    local pid
    if [ -n "${DRIVER_LOG:-}" ] && LC_ALL=C grep -qaP '\x00' "$DRIVER_LOG" 2>/dev/null; then
        fail "the driver's log holds zero bytes: it was truncated while a program wrote to it"
    fi
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${E2E_PIDS[@]}"; do
        wait "$pid" 2>/dev/null
    done
    E2E_PIDS=()
    # Wine processes started by the ones killed above: only those of this test run's
    # prefix, never another run's on the same machine.
    local left
    for left in $(prefix_pids 'TSetup.exe|Tastor32.exe'); do
        kill "$left" 2>/dev/null
    done
    return 0
}

# prefix_pids PATTERN: the processes matching the pattern that run in this test run's Wine
# prefix (other runs on the machine use prefixes of their own and are left alone).
prefix_pids() {
    local pid
    for pid in $(pgrep -f "$1" 2>/dev/null); do
        if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
        fi
    done
}

# driver_start: starts the stand-in driver with its log in $E2E_TMP/driver.log and waits
# until its window exists.
driver_start() {
    DRIVER_LOG="$E2E_TMP/driver.log"
    rm -f "$DRIVER_LOG"
    (cd "$E2E_BIN" && TASTOR32_LOG="$(winepath -w "$DRIVER_LOG" 2>/dev/null)" \
        killable timeout 600 wine Tastor32.exe) >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    local deadline=$((SECONDS + 30))
    until grep -q started "$DRIVER_LOG" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || { fail "the stand-in driver did not start"; return 1; }
        sleep 0.1
    done
}
# driver_messages: the message numbers the driver got, in order, on one line.
driver_messages() { grep -v started "$DRIVER_LOG" 2>/dev/null | awk '{print $1}' | tr '\n' ' ' | sed 's/ $//'; }

# wait_until SECONDS COMMAND...: runs the command until it succeeds or the time is up.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

list_items() { wintool items "$MAIN_TITLE" 1200 | tr -d '\r'; }
window_gone() { ! wintool visible "$1" >/dev/null; }
# Message boxes carry the application's title.
app_title() { echo "TSetup - Einstellungsprogramm für Tastor32"; }
# The text of the message box that is open (its text control has the id 0xFFFF).
box_text() { wintool text "$(app_title)" 65535 | tr -d '\r'; }

# control_visible TITLE CONTROL_ID: the control exists and is shown. A page's controls are
# made when the page is first shown, which happens after the key or click that chose it.
control_visible() { wintool center "$1" "$2" >/dev/null; }
# control_wait TITLE CONTROL_ID: waits until the control is shown.
control_wait() { wait_until 20 control_visible "$1" "$2" || fail "control $2 in $1 is not shown"; }

# mouse_click TITLE CONTROL_ID: waits until the control is shown, moves the mouse onto it and
# clicks it.
mouse_click() {
    local position
    control_wait "$1" "$2" || return 1
    position=$(wintool center "$1" "$2" | tr -d '\r')
    [[ "$position" =~ ^-?[0-9]+\ -?[0-9]+$ ]] || { fail "no control $2 in $1: [$position]"; return 1; }
    # shellcheck disable=SC2086
    xdotool mousemove --sync $position click 1 || { fail "no click at $position"; return 1; }
}

# The installation and the uninstallation: their dialogs and message boxes. Boxes shown
# before the settings window exists carry the program's name.
WINKEY_TITLE="Windows-Tasten"
UNINSTALL_TITLE="Tastor32 deinstallieren"
SETUP_BOX_TITLE="TSetup"
setup_box_text() { wintool text "$SETUP_BOX_TITLE" 65535 | tr -d '\r'; }
setup_box_is() { [ "$(setup_box_text)" == "$1" ]; }
# answer_box TEXT BUTTON_ID: waits for the box with the text and presses the button
# (1 OK, 6 Yes, 7 No).
answer_box() {
    wait_until 20 setup_box_is "$1" || { fail "no box [$1], got [$(setup_box_text)]"; return 1; }
    wintool click "$SETUP_BOX_TITLE" "$2" >/dev/null
}
AUTOSTART_QUESTION="Möchten Sie, dass Tastor32 beim Windows-Start automatisch geladen wird?"
