# The whole program by keys alone: no mouse and no message into its windows.

focus_is() { [ "$(wintool focus "$1" | tr -d '\r')" == "$2" ]; }
# expect_focus WHAT TITLE "ID [ROW]": the control (and the list's row) has the focus; the
# focused row of the list is also its selected one.
expect_focus() {
    wait_until 10 focus_is "$2" "$3" || fail "$1: focus on [$(wintool focus "$2" | tr -d '\r')], not [$3]"
    [ "${3#1200 }" == "$3" ] || expect_eq "$1: selected row" "${3#1200 }" "$(list_items | grep -n '^\*' | cut -d: -f1 | awk '{print $1 - 1}')"
}
tab_to() { # tab_to TITLE ID: Tab reaches the control.
    local i
    for i in $(seq 1 20); do focus_is "$1" "$2" && return 0; keys_to "$1" Tab; done
    fail "Tab does not reach control $2 in $1"
}
type_path() { # type_path DIALOG FILE: the file's path over the offered name, Enter.
    keys_to "$1" End shift+Home
    xdotool type --delay 40 "$(cd "$E2E_BIN" && winepath -w "$2" 2>/dev/null)"
    keys_to "$1" Return
}

test_every_function_by_keys_alone() {
    local exported="$E2E_TMP/keys export.reg" imported="$E2E_TMP/keys import.reg" speaker
    store_with_two_macros
    reg_add "$SOUND_SETTINGS_KEY" 'Speaker benutzen' REG_BINARY 00
    reg_add "$SETTINGS_KEY" EasyTab REG_BINARY 00
    speaker_store
    windows_family 9x
    printf 'REGEDIT4\r\n\r\n[%s]\r\n"0008005A"="importiert"\r\n' \
        'HKEY_CURRENT_USER\Software\Velmark\Tastor32\Macros\AltGr' >"$imported"
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; windows_family nt; return; }
    expect_focus "at the start" "$MAIN_TITLE" "1200 0"

    tab_to "$MAIN_TITLE" 1204 # Export, its save dialog
    keys_to "$MAIN_TITLE" Return
    window_wait "Save As" && type_path "Save As" "$exported"
    wait_until 10 test -s "$exported" || fail "no export file"
    expect_eq "exported" '"00000070"="Eins" "00080047"="alt"' "$(grep '^"' "$exported" | tr -d '\r' | sort | paste -sd ' ')"
    expect_focus "after the export" "$MAIN_TITLE" 1204
    keys_to "$MAIN_TITLE" shift+Return # to the clipboard
    window_wait "$(app_title)" && keys_to "$(app_title)" Return
    expect_focus "after the clipboard's box" "$MAIN_TITLE" 1204
    keys_to "$MAIN_TITLE" Tab Return # Import, its open dialog
    window_wait "Open" && type_path "Open" "$imported"
    wait_until 30 control_shows "" 65535 "Weiter.." && xdotool key Return # the box has the focus
    wait_until 10 list_row_count_is 3 || fail "the list was not reloaded"
    expect_focus "after the import" "$MAIN_TITLE" 1205
    keys_to "$MAIN_TITLE" shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
    expect_focus "the list after the import" "$MAIN_TITLE" "1200 0"

    keys_to "$MAIN_TITLE" Insert # New: AltGr, W, a text
    window_wait "$EDITOR_TITLE" && keys_to "$EDITOR_TITLE" space alt+t w Tab
    type_text "$EDITOR_TITLE" 1108 "neu"
    keys_to "$EDITOR_TITLE" Return
    expect_focus "after New" "$MAIN_TITLE" "1200 2"
    keys_to "$MAIN_TITLE" alt+b # Edit: more text
    window_wait "$EDITOR_TITLE" && keys_to "$EDITOR_TITLE" alt+e End
    type_text "$EDITOR_TITLE" 1108 "!"
    keys_to "$EDITOR_TITLE" Return
    expect_focus "after Edit" "$MAIN_TITLE" "1200 2"
    keys_to "$MAIN_TITLE" alt+b
    window_wait "$EDITOR_TITLE" && keys_to "$EDITOR_TITLE" Escape
    expect_focus "after Escape in the editor" "$MAIN_TITLE" "1200 2"
    keys_to "$MAIN_TITLE" Up Delete # AltGr+G
    window_wait "$(app_title)" && keys_to "$(app_title)" Return
    wait_until 10 list_row_count_is 3 || fail "the row was not deleted"
    expect_focus "after Delete" "$MAIN_TITLE" "1200 1"

    keys_to "$MAIN_TITLE" ctrl+Tab # Optionen: EasyTab on
    tab_to "$MAIN_TITLE" 1308
    keys_to "$MAIN_TITLE" space ctrl+Tab alt+s Down # Sounds: the arrow to the speaker
    expect_focus "the arrow to the speaker mode" "$MAIN_TITLE" 1405
    keys_to "$MAIN_TITLE" Tab Down Down alt+e
    speaker="Klangfunktion bearbeiten für: Großschrift"
    window_wait "$speaker" && keys_to "$speaker" Right Right Return
    expect_focus "after the speaker editor" "$MAIN_TITLE" 1409
    tab_to "$MAIN_TITLE" 1
    keys_to "$MAIN_TITLE" Return
    expect_exit "exit code after OK" "$TSETUP_PID" 0
    windows_family nt
    reg_export "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr" "$E2E_TMP/keys.reg"
    expect_eq "stored macros" '"00000070"="Eins" "00080057"="neu!" "0008005A"="importiert"' \
        "$(grep '^"' "$E2E_TMP/keys.reg" | sort | paste -sd ' ')"
    expect_eq "EasyTab" "REG_BINARY    01" "$(reg_value "$SETTINGS_KEY" EasyTab)"
    expect_eq "speaker" "REG_BINARY    01 REG_SZ    3200,20,3,50" \
        "$(reg_value "$SOUND_SETTINGS_KEY" 'Speaker benutzen') $(speaker_value Großschrift)"
}
