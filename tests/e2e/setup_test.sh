# The first-run installation and the uninstallation against the real registry and the
# stand-in driver.

RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
SCHEME_KEY='HKCU\AppEvents\Schemes\Apps\Tastor32'

# setup_start ARGS...: starts TSetup with the driver log in $DRIVER_LOG, so that a driver
# it starts logs there as well.
setup_start() {
    DRIVER_LOG=$E2E_TMP/driver.log
    TASTOR32_LOG="$(winepath -w "$DRIVER_LOG" 2>/dev/null)" tsetup_start "$@"
}
driver_started_count() { grep -c '^started' "$DRIVER_LOG" 2>/dev/null; }
# reg_default KEY: "TYPE DATA" of the key's default value, nothing when it has none.
reg_default() {
    timeout 30 wine reg query "$1" /ve 2>/dev/null | tr -d '\r' |
        awk 'index($0, "    (Default)    ") == 1 { sub("^    [(]Default[)]    ", ""); print; exit }'
}
driver_window_gone() { ! window_exists Tastor32; }

# A folder as a .reg file writes it: the Windows path with doubled backslashes.
reg_path() { (cd "$E2E_BIN" && winepath -w "$1") 2>/dev/null | sed 's/\\/\\\\/g'; }

# Everything the driver and TSetup keep, and neighbours that are not theirs.
complete_installation() {
    store_clear
    local root='HKCU\Software\Velmark\Tastor32'
    reg_add "$root" Version REG_SZ 1
    reg_add "$root\\Settings" 'Tastor eingeschaltet' REG_BINARY 01
    reg_add "$root\\Settings\\Speaker" Ein REG_SZ 4000,10,1,50
    reg_add "$root\\Macros\\AltGr" 00080047 REG_SZ Gruss
    reg_add "$root\\Macros\\Umlaut\\Ascii" 000000DE REG_SZ ae
    reg_add "$root\\Macros\\Umlaut\\HTML" 000000DE REG_SZ '&auml;'
    reg_add "$SCHEME_KEY\\Ein\\.current" '' REG_SZ ding.wav
    reg_add 'HKCU\Software\Velmark\Other' x REG_SZ y
    reg_add "$RUN_KEY" Tastor32 REG_SZ 'C:\Tastor32.exe'
}
# expect_keys "KEY..." yes|no: each key exists (yes) or not (no).
expect_keys() {
    local key
    for key in $1; do
        if reg_has_key "${key//+/ }"; then
            [ "$2" == yes ] || fail "$key is still there"
        else
            [ "$2" == no ] || fail "$key is gone"
        fi
    done
}

test_install_quiet_on_an_empty_store_writes_exactly_the_defaults() {
    store_clear
    rm -f "$E2E_TMP/driver.log"
    setup_start /I /Q
    window_wait "$WINKEY_TITLE" || { fail "no Windows-key dialog"; return; }
    keys_to "$WINKEY_TITLE" Return # the preselected "2"
    expect_exit "exit code" "$TSETUP_PID" 0
    wait_until 20 grep -qs '^started' "$DRIVER_LOG" || fail "the driver was not started"
    window_exists Tastor32 || fail "no driver window"

    local dir self
    dir=$(reg_path "$E2E_BIN")
    self="^$dir\\\\TSetup.exe"
    reg_export 'HKEY_CURRENT_USER\Software\Velmark' "$E2E_TMP/velmark.reg"
    expect_eq "settings, macros, umlauts and speaker" "$(cat <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Velmark]

[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32]

[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros]

[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]
"00080044"="^*40 ^*41"
"00080047"="mit freundlichen Grüßen\$0D  Ihr Tastor ;-)"
"00080057"="http://www."
"0008006B"="^*7"
"000800BE"="*.*"
"000800C0"="^*2"
"000900C0"="^*3"
"00800071"="$self"
"00800079"="^cmd.exe"
"0080007B"="^shutdown.exe -s"

[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\Umlaut]

[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\Umlaut\\Ascii]
"000000BA"="ue"
"000000C0"="oe"
"000000DB"="ss"
"000000DE"="ae"
"000100BA"="Ue"
"000100C0"="Oe"
"000100DB"="?"
"000100DE"="Ae"
"001000BA"="UE"
"001000C0"="OE"
"001000DB"="SS"
"001000DE"="AE"

[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\Umlaut\\HTML]
"000000BA"="&uuml;"
"000000C0"="&ouml;"
"000000DB"="&szlig;"
"000000DE"="&auml;"
"000100BA"="&Uuml;"
"000100C0"="&Ouml;"
"000100DB"="?"
"000100DE"="&Auml;"
"001000BA"="&Uuml;"
"001000C0"="&Ouml;"
"001000DB"="SS"
"001000DE"="&Auml;"

[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Settings]
"DecimalDot"="."
"EasyBackslash"=hex:01
"EasyTab"=hex:00
"NUM Punkt"=hex:00
"NUM Umschaltung sperren"=hex:00
"Piepsen bei Umschaltungen"=hex:01
"Speaker benutzen"=hex:00
"Tastor eingeschaltet"=hex:01
"Tastor-Symbol verstecken"=hex:00
"Umlautwandlung"=hex:00

[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Settings\\Speaker]
"Aus"="4000,10,1,50"
"EasyTab"="4000,10,1,50"
"Ein"="4000,10,1,50"
"Großschrift"="4000,10,1,50"
"NUM Punkt"="4000,10,1,50"
"Rollen"="4000,10,1,50"
"Umlaut"="4000,10,1,50"
"Zehnerblock"="4000,10,1,50"
REG
)" "$(cat "$E2E_TMP/velmark.reg")"

    reg_export "HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\Tastor32" "$E2E_TMP/scheme.reg"
    local expected="Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\Tastor32]" event file
    for event in Aus:ding EasyTab:Squeeze Ein:ding Großschrift:Squeeze 'NUM Punkt:Squeeze' \
        Rollen:Squeeze Umlaut:Ni Zehnerblock:Squeeze; do
        file=${event#*:}
        event=${event%%:*}
        if [ "$file" == ding ]; then
            file='C:\\windows\\Media\\ding.wav'
        else
            file="$dir\\\\$file.wav"
        fi
        expected+="

[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\Tastor32\\$event]

[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\Tastor32\\$event\\.current]
@=\"$file\""
    done
    expect_eq "wave sounds" "$expected" "$(cat "$E2E_TMP/scheme.reg")"
    expect_eq "autostart" "REG_SZ    $( (cd "$E2E_BIN" && winepath -w "$E2E_BIN") 2>/dev/null)\\Tastor32.exe" \
        "$(reg_value "$RUN_KEY" Tastor32)"
}

test_install_with_settings_answered_no_keeps_macros_and_leaves_the_driver_alone() {
    local root='HKCU\Software\Velmark\Tastor32'
    store_with_settings
    reg_add "$root\\Settings" 'NUM Punkt' REG_BINARY 01
    reg_add "$root\\Settings\\Speaker" Ein REG_SZ 1,2,3,4
    reg_add "$root\\Macros\\AltGr" 00080047 REG_SZ bleibt
    # The user's own macro on RWin+F2, the program start of an earlier installation on LWin+F2.
    reg_add "$root\\Macros\\AltGr" 00800071 REG_SZ '^notepad.exe'
    reg_add "$root\\Macros\\AltGr" 00400071 REG_SZ '^C:\Alt\tsetup.exe'
    reg_add "$root\\Macros\\Umlaut\\Ascii" 000000DE REG_SZ eigen
    reg_add "$SCHEME_KEY\\Ein\\.current" '' REG_SZ eigen.wav
    driver_start || return
    setup_start /I
    answer_box "Alle bisherigen Einstellungen überschreiben?" 7 || return # No
    answer_box "$AUTOSTART_QUESTION" 7 || return
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    window_exists "$WINKEY_TITLE" && fail "the Windows-key dialog was shown"
    wintool click "$MAIN_TITLE" 2 >/dev/null # Cancel
    expect_exit "exit code" "$TSETUP_PID" 0

    expect_eq "row 2 kept" "REG_SZ    bleibt" "$(reg_value "$root\\Macros\\AltGr" 00080047)"
    expect_eq "row 8 not written" "" "$(reg_value "$root\\Macros\\AltGr" 00800079)"
    expect_eq "program start rewritten where it stood" \
        "REG_SZ    ^$( (cd "$E2E_BIN" && winepath -w "$E2E_BIN") 2>/dev/null)\\TSetup.exe" \
        "$(reg_value "$root\\Macros\\AltGr" 00400071)"
    expect_eq "own macro on F2 kept" "REG_SZ    ^notepad.exe" \
        "$(reg_value "$root\\Macros\\AltGr" 00800071)"
    expect_eq "umlaut kept" "REG_SZ    eigen" "$(reg_value "$root\\Macros\\Umlaut\\Ascii" 000000DE)"
    expect_eq "no HTML table" "" "$(reg_value "$root\\Macros\\Umlaut\\HTML" 000000DE)"
    expect_eq "wave kept" "REG_SZ    eigen.wav" "$(reg_default "$SCHEME_KEY\\Ein\\.current")"
    expect_eq "option reset" "REG_BINARY    00" "$(reg_value "$root\\Settings" 'NUM Punkt')"
    expect_eq "speaker reset" "REG_SZ    4000,10,1,50" "$(reg_value "$root\\Settings\\Speaker" Ein)"
    expect_eq "no autostart" "" "$(reg_value "$RUN_KEY" Tastor32)"
    expect_eq "drivers started" 1 "$(driver_started_count)"
    # Only the settings window greets the driver (1132, 1131); the installation sent nothing.
    expect_eq "other driver messages" "" "$(driver_messages | tr ' ' '\n' | grep -v -x -E '1132|1131')"
}

test_uninstall_with_only_sounds_left_checked() {
    complete_installation
    driver_start || return
    tsetup_start /U
    window_wait "$UNINSTALL_TITLE" || { fail "no uninstall dialog"; return; }
    wintool click "$UNINSTALL_TITLE" 1753 >/dev/null # Programm-Einstellungen
    wintool click "$UNINSTALL_TITLE" 1755 >/dev/null # Macros
    wintool click "$UNINSTALL_TITLE" 1 >/dev/null
    expect_exit "exit code" "$TSETUP_PID" 0
    expect_keys "$SCHEME_KEY" no
    expect_eq "autostart" "" "$(reg_value "$RUN_KEY" Tastor32)"
    expect_keys 'HKCU\Software\Velmark\Tastor32\Settings\Speaker
        HKCU\Software\Velmark\Tastor32\Macros\AltGr
        HKCU\Software\Velmark\Tastor32\Macros\Umlaut\Ascii
        HKCU\Software\Velmark\Tastor32\Macros\Umlaut\HTML' yes
    wait_until 20 driver_window_gone || fail "the driver still runs"
    expect_eq "driver messages" "1126 16" "$(driver_messages)"
}

test_uninstall_quiet_stops_the_driver_and_removes_all_but_the_vendor_key() {
    complete_installation
    driver_start || return
    local driver=${E2E_PIDS[-1]}
    tsetup_start /U /Q
    expect_exit "exit code" "$TSETUP_PID" 0
    wait_until 20 grep -q '^16 ' "$DRIVER_LOG" || fail "no WM_CLOSE"
    expect_eq "driver messages" "1126 16" "$(driver_messages)"
    wait_until 20 eval "! kill -0 $driver 2>/dev/null" || fail "the driver process still runs"
    expect_keys "HKCU\\Software\\Velmark\\Tastor32 $SCHEME_KEY" no
    expect_keys 'HKCU\Software\Velmark HKCU\Software\Velmark\Other HKCU\AppEvents\Schemes\Apps' yes
    expect_eq "autostart" "" "$(reg_value "$RUN_KEY" Tastor32)"
}

test_uninstall_quiet_on_an_empty_store_shows_five_messages() {
    store_clear
    tsetup_start /U /Q
    local path
    for path in 'AppEvents\Schemes\Apps\Tastor32\' 'Software\Velmark\Tastor32\Macros\AltGr' \
        'Software\Velmark\Tastor32\Macros\Umlaut\Ascii' \
        'Software\Velmark\Tastor32\Macros\Umlaut\HTML' 'Software\Velmark\Tastor32\Macros'; do
        answer_box "Registry-Einträge \"$path\" konnten nicht gelöscht werden" 1 || return
        wait_until 10 eval '! setup_box_is "Registry-Einträge \"$path\" konnten nicht gelöscht werden"'
    done
    expect_exit "exit code after five messages" "$TSETUP_PID" 0
    expect_keys 'HKCU\Software\Velmark\Tastor32' no
}

test_install_the_arrow_keys_choose_the_windows_keys() {
    store_clear
    setup_start /I /Q
    window_wait "$WINKEY_TITLE" || { fail "no Windows-key dialog"; return; }
    keys_to "$WINKEY_TITLE" Up Return # from "2" to "1": the left Windows key
    expect_exit "exit code" "$TSETUP_PID" 0
    local key='HKCU\Software\Velmark\Tastor32\Macros\AltGr'
    expect_eq "F10 on the left Windows key" "REG_SZ    ^cmd.exe" "$(reg_value "$key" 00400079)"
    expect_eq "nothing on the right one" "" "$(reg_value "$key" 00800079)"
}
