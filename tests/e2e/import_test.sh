# The import's check of the chosen file, its question, its backup, the registry editor's run
# checked afterwards (the key put back when the import did not arrive whole) and the restore
# from that backup by the real registry editor; the export to names outside code page 1252 and
# to paths longer than the system takes. End to end.

IMPORT_KEY='HKCU\Software\Velmark\Tastor32\Macros\AltGr'
IMPORT_SECTION='[HKEY_CURRENT_USER\Software\Velmark\Tastor32\Macros\AltGr]'
# The file name field of the system's file dialogs.
FILE_NAME_FIELD=1148

import_backups() { echo "$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Tastor32"; }
import_win_path() { (cd "$E2E_BIN" && winepath -w "$1" 2>/dev/null); }

# import_hkcu FILE: the registry editor's export of the whole current user's hive, without the
# keys the system's file dialogs (the shell's Explorer settings) and Wine keep by themselves.
import_hkcu() {
    reg_export HKEY_CURRENT_USER "$1.all"
    awk '/^\[/ { skip = ($0 ~ /\\(Explorer|Wine)(\\|\])/) } !skip' "$1.all" >"$1"
    rm -f "$1.all"
}

# import_box_is TEXT: the box with the application's title shows the text.
import_box_is() { [ "$(box_text)" == "$1" ]; }
import_box_says_too_long() {
    [[ "$(box_text)" == "Kann Datei "*" nicht schreiben: Der Pfad ist länger als 259 Zeichen"* ]]
}

# import_choose FILE: Import, then the file's full path into the open dialog.
import_choose() {
    mouse_click "$MAIN_TITLE" 1205 || return 1
    window_wait "Open" || { fail "no open dialog"; return 1; }
    wintool settext "Open" "$FILE_NAME_FIELD" "$(import_win_path "$1")" >/dev/null ||
        { fail "no file name field"; return 1; }
    keys_to "Open" Return
}

# import_answer TEXT BUTTON: the box shows the text; the button (1 OK, 6 Yes, 7 No) closes it.
# BUTTON "Return" presses the key instead: the preselected button.
import_answer() {
    wait_until 30 import_box_is "$1" || { fail "no box [$1], got [$(box_text)]"; return 1; }
    if [ "$2" == Return ]; then
        keys_to "$(app_title)" Return
    else
        wintool click "$(app_title)" "$2" >/dev/null
    fi
    wait_until 10 window_gone "$(app_title)" || fail "the box [$1] stayed"
}

# import_question NEW REPLACED DELETED [KEY_DELETED]: the question before an import that changes
# stored macros.
import_question() {
    local text="Der Import ändert gespeicherte Makros:
neu: $1
ersetzt: $2
gelöscht: $3"
    [ -z "${4:-}" ] || text+="
Die Datei löscht zuerst alle gespeicherten Makros mit den Unterschlüsseln."
    printf '%s\n\nTrotzdem importieren?' "$text"
}

# import_done: the box without a title that ends an import that arrived whole; OK closes it.
import_done() {
    wait_until 30 control_shows "" 65535 "Weiter.." || { fail "no Weiter.. box, got [$(box_text)]"; return 1; }
    wintool click "" 1 >/dev/null
    wait_until 10 window_gone "" || fail "the Weiter.. box stayed"
}

# import_macro_values: the values of the macro key as the registry editor exports them, sorted.
import_macro_values() {
    reg_export "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros" "$E2E_TMP/macros.reg"
    grep -v '^REGEDIT4\|^Windows Registry\|^$' "$E2E_TMP/macros.reg" | tr -d '\r'
}

import_reg4() { # import_reg4 FILE LINE...: a REGEDIT4 file of these lines, CR LF after each
    local file=$1 line
    shift
    { printf 'REGEDIT4\r\n\r\n'; for line in "$@"; do printf '%s\r\n' "$line"; done; } >"$file"
}

test_an_import_that_writes_outside_the_macros_is_refused_and_changes_nothing() {
    store_with_settings
    reg_add "$IMPORT_KEY" 0008004A REG_SZ 'alt'
    reg_add 'HKCU\Software\Other' keep REG_SZ 'x'
    rm -rf "$(import_backups)"
    local evil="$E2E_BIN/evil.reg" garbage="$E2E_BIN/garbage.reg"
    import_reg4 "$evil" "$IMPORT_SECTION" '"00080041"="neu"' '' \
        '[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run]' '"Evil"="c:\\evil.exe"' \
        '[-HKEY_CURRENT_USER\Software\Other]' ''
    import_reg4 "$garbage" "$IMPORT_SECTION" '"00080041"="neu"' 'Run=evil.exe'
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    # After the start, which makes the empty keys a load makes.
    import_hkcu "$E2E_TMP/before.reg"

    import_choose "$evil" || return
    import_answer "Die Datei $(import_win_path "$evil") wird nicht importiert: Sie ändert andere Schlüssel als die Makros:
HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run
HKEY_CURRENT_USER\\Software\\Other" 1 || return
    import_choose "$garbage" || return
    import_answer "Die Datei $(import_win_path "$garbage") wird nicht importiert: Zeile 5: Die Zeile ist weder Schlüssel noch Wert noch Kommentar." 1 || return
    expect_eq "rows" "*AltGr+ J	alt" "$(list_items)"
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0

    import_hkcu "$E2E_TMP/after.reg"
    expect_eq "the current user's keys" "" "$(diff "$E2E_TMP/before.reg" "$E2E_TMP/after.reg")"
    expect_eq "backups" "" "$(ls "$(import_backups)" 2>/dev/null)"
    rm -f "$evil" "$garbage"
}

test_an_import_that_replaces_a_macro_asks_first() {
    store_with_settings
    reg_add "$IMPORT_KEY" 0008004A REG_SZ 'alt'
    local file="$E2E_BIN/replace.reg"
    import_reg4 "$file" "$IMPORT_SECTION" '"0008004A"="neu"' '"00080041"="dazu"' ''
    local question
    question=$(import_question 1 1 0)
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }

    # No is preselected: Return imports nothing.
    import_choose "$file" || return
    import_answer "$question" Return || return
    expect_eq "the macro after No" "REG_SZ    alt" "$(reg_value "$IMPORT_KEY" 0008004A)"
    expect_eq "no macro added" "" "$(reg_value "$IMPORT_KEY" 00080041)"

    import_choose "$file" || return
    import_answer "$question" 6 || return
    import_done || return
    wait_until 10 list_row_count_is 2 || fail "the list was not reloaded"
    expect_eq "rows after Yes" "*AltGr+ A	dazu
 AltGr+ J	neu" "$(list_items)"
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0
    rm -f "$file"
}

test_an_import_the_editor_would_break_on_arrives_exactly_as_the_file_says() {
    store_with_settings
    reg_add "$IMPORT_KEY" 0008004A REG_SZ 'alt'
    reg_add "$IMPORT_KEY\\Sub" v REG_DWORD 7
    local file="$E2E_BIN/odd.reg"
    # Deletes the key, writes two macros and a text as empty hex data ended by a comment.
    import_reg4 "$file" "[-${IMPORT_SECTION:1}" "$IMPORT_SECTION" '"00080041"="a"' \
        '"00080042"="b"' '"x"=hex(1):;' ''
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    import_choose "$file" || return
    import_answer "$(import_question 2 0 1 key)" 6 || return
    import_done || return
    wait_until 10 list_row_count_is 2 || fail "the list was not reloaded"
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0
    expect_eq "the macro key" '[HKEY_CURRENT_USER\Software\Velmark\Tastor32\Macros\AltGr]
"00080041"="a"
"00080042"="b"
"x"=""' "$(import_macro_values | grep -v '^\[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\]$')"
    rm -f "$file"
}

test_an_import_into_a_read_only_macro_key_says_so_and_changes_nothing() {
    store_with_settings
    reg_add "$IMPORT_KEY" 0008004A REG_SZ 'alt'
    reg_add "$IMPORT_KEY\\Sub" v REG_DWORD 7
    local before file="$E2E_BIN/add.reg"
    before=$(import_macro_values)
    import_reg4 "$file" "$IMPORT_SECTION" '"00080042"="b"' ''
    regacl 'Software\Velmark\Tastor32\Macros\AltGr' read
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    import_choose "$file" || return
    import_answer "Der Import wurde nicht ausgeführt. Der Registrierungs-Editor hat die Makros nicht wie geplant geschrieben.
Die Makros sind wie vor dem Import." 1 || return
    window_exists "" && fail "a box without a title after a failed import: [$(wintool text "" 65535)]"
    expect_eq "rows" "*AltGr+ J	alt" "$(list_items)"
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0
    regacl 'Software\Velmark\Tastor32\Macros\AltGr' full
    expect_eq "the macro key" "$before" "$(import_macro_values)"
    rm -f "$file"
}

test_a_macro_under_a_short_name_replaces_the_stored_one_of_its_key() {
    store_with_settings
    reg_add "$IMPORT_KEY" 0008004A REG_SZ 'alt'
    local file="$E2E_BIN/short.reg"
    import_reg4 "$file" "$IMPORT_SECTION" '"8004A"="neu"' ''
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    import_choose "$file" || return
    import_answer "$(import_question 0 1 0)" 6 || return
    import_done || return
    wait_until 10 control_shows_rows "*AltGr+ J	neu" || fail "rows: [$(list_items)]"
    mouse_click "$MAIN_TITLE" 1 # OK
    expect_exit "exit code after OK" "$TSETUP_PID" 0
    expect_eq "the macro key" '[HKEY_CURRENT_USER\Software\Velmark\Tastor32\Macros\AltGr]
"0008004A"="neu"' "$(import_macro_values | grep -v '^\[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\]$')"
    rm -f "$file"
}
control_shows_rows() { [ "$(list_items)" == "$1" ]; }

test_the_backup_restores_texts_names_and_subkeys_byte_for_byte() {
    store_with_settings
    rm -rf "$(import_backups)"
    reg_add "$IMPORT_KEY" 00080041 REG_SZ 'Ωmega жук ✓'
    reg_add "$IMPORT_KEY" 'ω1' REG_SZ 'x'
    reg_add "$IMPORT_KEY\\Sub" v REG_DWORD 7
    reg_export "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros" "$E2E_TMP/before.reg"
    local file="$E2E_BIN/add.reg"
    import_reg4 "$file" "$IMPORT_SECTION" '"00080042"="b"' ''
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    import_choose "$file" || return
    import_done || return
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0

    local saved=("$(import_backups)"/Makros\ vor\ Import\ *.reg)
    [ -f "${saved[0]}" ] || { fail "no backup"; return; }
    # The key emptied, then the backup imported by the registry editor.
    reg_delete_key "$IMPORT_KEY"
    reg_add "$IMPORT_KEY" 00080043 REG_SZ 'weg'
    (cd "$E2E_BIN" && timeout 60 wine regedit /s "$(import_win_path "${saved[-1]}")") >/dev/null 2>&1
    reg_export "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros" "$E2E_TMP/after.reg"
    expect_eq "the macro key after the restore" "$(cat "$E2E_TMP/before.reg")" "$(cat "$E2E_TMP/after.reg")"
    rm -f "$file"
}

test_export_to_a_name_outside_code_page_1252_and_to_a_path_too_long() {
    store_with_settings
    reg_add "$IMPORT_KEY" 0008004A REG_SZ 'alt'
    local file="$E2E_BIN/Ωmega жук.reg"
    rm -f "$file"
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    mouse_click "$MAIN_TITLE" 1204 || return
    window_wait "Save As" || { fail "no save dialog"; return; }
    wintool settext "Save As" "$FILE_NAME_FIELD" "$(import_win_path "$file")" >/dev/null
    keys_to "Save As" Return
    wait_until 10 test -s "$file" || fail "no file named Ωmega жук.reg"
    expect_eq "its bytes" "$(printf 'REGEDIT4\r\n\r\n%s\r\n"0008004A"="alt"\r\n\r\n\r\n' "$IMPORT_SECTION")" \
        "$(cat "$file")"

    # A path of 300 characters: the program says so and carries on.
    local long
    long="$(import_win_path "$E2E_BIN")\\$(printf 'x%.0s' $(seq 1 300)).reg"
    long=${long:0:300}
    mouse_click "$MAIN_TITLE" 1204 || return
    window_wait "Save As" || { fail "no save dialog"; return; }
    wintool settext "Save As" "$FILE_NAME_FIELD" "$long" >/dev/null
    keys_to "Save As" Return
    wait_until 30 import_box_says_too_long || fail "no message about the long path: [$(box_text)]"
    wintool click "$(app_title)" 1 >/dev/null
    wait_until 10 window_gone "$(app_title)"
    window_exists "$MAIN_TITLE" || fail "TSetup ended"
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0
    rm -f "$file"
}
