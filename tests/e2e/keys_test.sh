# The whole program by keys alone: no mouse and no message into its windows, only keys
# typed into the window that has the focus, as a keyboard user works.

KEYS_MACRO_KEY='HKCU\Software\Velmark\Tastor32\Macros\AltGr'
KEYS_LIST=1200

focused_control() { wintool focus "$1" | tr -d '\r'; }
focus_is() { [ "$(focused_control "$1")" == "$2" ]; }
focused_row() { wintool focusrow "$MAIN_TITLE" $KEYS_LIST | tr -d '\r'; }
# expect_focus WHAT TITLE CONTROL_ID [ROW]: the control has the keyboard focus (and, for the
# macro list, the row is the focused and the selected one).
expect_focus() {
    wait_until 10 focus_is "$2" "$3"
    expect_eq "$1: focused control" "$3" "$(focused_control "$2")"
    [ $# -lt 4 ] && return
    expect_eq "$1: focused row" "$4" "$(focused_row)"
    expect_eq "$1: selected row" "$4" "$(list_items | grep -n '^\*' | cut -d: -f1 | awk '{print $1 - 1}')"
}
# tab_to TITLE CONTROL_ID: Tab until the control has the focus (it must be a tab stop).
tab_to() {
    local i
    for i in $(seq 1 20); do
        focus_is "$1" "$2" && return 0
        keys_to "$1" Tab
    done
    focus_is "$1" "$2" || fail "Tab does not reach control $2 in $1"
}
# type_path TITLE PATH: replaces the file name the dialog offers with the path, then Enter.
type_path() {
    keys_to "$1" End shift+Home
    xdotool type --delay 40 "$2"
    keys_to "$1" Return
}
windows_path() { (cd "$E2E_BIN" && winepath -w "$1" 2>/dev/null); }

test_every_function_by_keys_alone() {
    local exported="$E2E_TMP/keys export.reg" imported="$E2E_TMP/keys import.reg"
    store_with_settings
    reg_add "$KEYS_MACRO_KEY" 00080047 REG_SZ "alt"
    reg_add "$KEYS_MACRO_KEY" 00000070 REG_SZ "Eins"
    reg_add "$SOUND_SETTINGS_KEY" 'Speaker benutzen' REG_BINARY 00
    reg_add "$SETTINGS_KEY" EasyTab REG_BINARY 00
    speaker_store
    windows_family 9x
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n"0008005A"="importiert"\r\n\r\n' \
        >"$imported"
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; windows_family nt; return; }
    expect_focus "at the start" "$MAIN_TITLE" $KEYS_LIST 0

    # Export through the save dialog: the typed path, Enter.
    tab_to "$MAIN_TITLE" 1204
    keys_to "$MAIN_TITLE" Return
    window_wait "Save As" || { fail "no save dialog"; windows_family nt; return; }
    type_path "Save As" "$(windows_path "$exported")"
    wait_until 10 test -s "$exported" || fail "no export file"
    expect_eq "exported macros" '"00000070"="Eins"
"00080047"="alt"' "$(grep '^"' "$exported" | tr -d '\r' | sort)"
    expect_focus "after the export" "$MAIN_TITLE" 1204
    # Shift with Enter on the button: the list to the clipboard.
    keys_to "$MAIN_TITLE" shift+Return
    window_wait "$(app_title)" || fail "no clipboard box"
    keys_to "$(app_title)" Return
    expect_focus "after the clipboard box" "$MAIN_TITLE" 1204

    # Import through the open dialog; after the reload the focus is back on Import.
    keys_to "$MAIN_TITLE" Tab
    expect_focus "Tab after Export" "$MAIN_TITLE" 1205
    keys_to "$MAIN_TITLE" Return
    window_wait "Open" || { fail "no open dialog"; windows_family nt; return; }
    type_path "Open" "$(windows_path "$imported")"
    wait_until 30 control_shows "" 65535 "Weiter.." || fail "no Weiter.. box"
    keys_to "" Return
    wait_until 10 list_row_count_is 3 || fail "the list was not reloaded"
    expect_focus "after the import" "$MAIN_TITLE" 1205
    expect_eq "focused row after the import" 0 "$(focused_row)"

    # New (Insert in the list): AltGr, key W, a text, Enter.
    keys_to "$MAIN_TITLE" shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
    expect_focus "back in the list" "$MAIN_TITLE" $KEYS_LIST 0
    keys_to "$MAIN_TITLE" Insert
    window_wait "$EDITOR_TITLE" || { fail "no macro editor"; windows_family nt; return; }
    keys_to "$EDITOR_TITLE" space alt+t w Tab
    type_text "$EDITOR_TITLE" 1108 "neu"
    keys_to "$EDITOR_TITLE" Return
    wait_until 10 window_gone "$EDITOR_TITLE" || fail "the editor stays open after Enter"
    expect_focus "after New" "$MAIN_TITLE" $KEYS_LIST 2

    # Edit (its mnemonic): the text field's mnemonic, more text, Enter; then Escape.
    keys_to "$MAIN_TITLE" alt+b
    window_wait "$EDITOR_TITLE" || { fail "no macro editor to edit"; windows_family nt; return; }
    keys_to "$EDITOR_TITLE" alt+e End
    type_text "$EDITOR_TITLE" 1108 "!"
    keys_to "$EDITOR_TITLE" Return
    wait_until 10 window_gone "$EDITOR_TITLE" || fail "the editor stays open after Enter"
    expect_focus "after Edit" "$MAIN_TITLE" $KEYS_LIST 2
    keys_to "$MAIN_TITLE" alt+b
    window_wait "$EDITOR_TITLE" || fail "no macro editor to cancel"
    keys_to "$EDITOR_TITLE" Escape
    wait_until 10 window_gone "$EDITOR_TITLE" || fail "the editor stays open after Escape"
    expect_focus "after Escape in the editor" "$MAIN_TITLE" $KEYS_LIST 2

    # Delete AltGr+G: the row that took its place has the focus.
    keys_to "$MAIN_TITLE" Up
    keys_to "$MAIN_TITLE" Delete
    window_wait "$(app_title)" || fail "no delete question"
    keys_to "$(app_title)" Return
    wait_until 10 list_row_count_is 3 || fail "the row was not deleted"
    expect_focus "after Delete" "$MAIN_TITLE" $KEYS_LIST 1

    # An option: the next page, EasyTab by Tab and Space.
    keys_to "$MAIN_TITLE" ctrl+Tab
    tab_to "$MAIN_TITLE" 1308
    keys_to "$MAIN_TITLE" space

    # The speaker: the mode by the arrow key, the third event, its editor by its mnemonic.
    keys_to "$MAIN_TITLE" ctrl+Tab alt+s
    expect_focus "the sound-card mode" "$MAIN_TITLE" 1400
    keys_to "$MAIN_TITLE" Down
    expect_focus "the arrow to the speaker mode" "$MAIN_TITLE" 1405
    wait_until 10 control_enabled "$MAIN_TITLE" 1409 || fail "the arrow did not choose the speaker"
    keys_to "$MAIN_TITLE" Tab Down Down alt+e
    local editor="Klangfunktion bearbeiten für: Großschrift"
    window_wait "$editor" || { fail "no speaker editor for Großschrift"; windows_family nt; return; }
    keys_to "$editor" Right Right Return
    wait_until 10 window_gone "$editor" || fail "the speaker editor stays open after Enter"
    expect_focus "after the speaker editor" "$MAIN_TITLE" 1409

    tab_to "$MAIN_TITLE" 1
    keys_to "$MAIN_TITLE" Return
    expect_exit "exit code after OK" "$TSETUP_PID" 0
    windows_family nt
    reg_export "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr" "$E2E_TMP/keys.reg"
    expect_eq "stored macros" '"00000070"="Eins"
"00080057"="neu!"
"0008005A"="importiert"' "$(grep '^"' "$E2E_TMP/keys.reg" | sort)"
    expect_eq "EasyTab" "REG_BINARY    01" "$(reg_value "$SETTINGS_KEY" EasyTab)"
    expect_eq "speaker mode" "REG_BINARY    01" "$(reg_value "$SOUND_SETTINGS_KEY" 'Speaker benutzen')"
    expect_eq "Großschrift" "REG_SZ    3200,20,3,50" "$(speaker_value Großschrift)"
}
