# Export and import of the macros, the driver's version and the documentation button, end
# to end.

TRANSFER_KEY='HKCU\Software\Velmark\Tastor32\Macros\AltGr'
EXPORT_FILE_NAME="Tastor32 Makros.reg"

# The export file's exact bytes, one line per argument (the value lines), as hex.
export_bytes() {
    {
        printf 'REGEDIT4\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n'
        local line
        for line in "$@"; do printf '%s\r\n' "$line"; done
        printf '\r\n\r\n'
    } | od -An -tx1 | tr -d ' \n'
}
file_bytes() { od -An -tx1 "$1" 2>/dev/null | tr -d ' \n'; }
# The checks wait_until repeats: each looks anew.
file_has_bytes() { [ "$(file_bytes "$1")" == "$2" ]; }
control_shows_prefix() { [[ "$(wintool text "$1" "$2" | tr -d '\r')" == "$3"* ]]; }
list_row_count_is() { [ "$(list_items | wc -l)" -eq "$1" ]; }

# export_to_offered_file: Export, then Return in the save dialog (the offered name).
export_to_offered_file() {
    mouse_click "$MAIN_TITLE" 1204 || return 1
    window_wait "Save As" || { fail "no save dialog"; return 1; }
    keys_to "Save As" Return
}

# answer_app_box TEXT BUTTON_ID: the box with the application's title shows TEXT; the button
# (6 Yes, 7 No, 1 OK) closes it.
answer_app_box() {
    window_wait "$(app_title)" || { fail "no box for [$1]"; return 1; }
    expect_eq "box text" "$1" "$(box_text)"
    wintool click "$(app_title)" "$2" >/dev/null
    wait_until 10 window_gone "$(app_title)" || fail "the box [$1] stayed"
}

test_export_shift_export_and_import_as_a_user_does() {
    local file="$E2E_BIN/$EXPORT_FILE_NAME"
    local backups="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Tastor32"
    rm -f "$file"
    rm -rf "$backups"
    store_with_settings
    reg_add "$TRANSFER_KEY" 00080047 REG_SZ 'Grüße € 5\Pfad'
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }

    # The first export writes the offered file in the program's folder.
    export_to_offered_file || return
    wait_until 10 test -s "$file" || { fail "no export file"; return; }
    local first
    first=$(export_bytes "$(printf '"00080047"="Gr\xfc\xdfe \x80 5\\\\Pfad"')")
    expect_eq "exported bytes" "$first" "$(file_bytes "$file")"

    # A macro added to the store meanwhile: No keeps the file, Yes rewrites it.
    reg_add "$TRANSFER_KEY" 00080048 REG_SZ 'neu'
    export_to_offered_file || return
    answer_app_box "Datei existiert bereits. Überschreiben?" 7 || return
    expect_eq "bytes after No" "$first" "$(file_bytes "$file")"
    export_to_offered_file || return
    answer_app_box "Datei existiert bereits. Überschreiben?" 6 || return
    local second
    second=$(export_bytes "$(printf '"00080047"="Gr\xfc\xdfe \x80 5\\\\Pfad"')" '"00080048"="neu"')
    wait_until 10 file_has_bytes "$file" "$second" || fail "the file was not rewritten"

    # With Shift the list as shown goes to the clipboard (the macro added to the store
    # is not shown yet).
    local main
    main=$(xdotool search --onlyvisible --name "^$MAIN_TITLE\$" | tail -n 1)
    xdotool windowfocus --sync "$main" 2>/dev/null
    xdotool keydown shift
    mouse_click "$MAIN_TITLE" 1204
    answer_app_box "Makroliste wurde in die Zwischenablage abgelegt" 1
    xdotool keyup shift
    expect_eq "clipboard bytes" "$(printf 'AltGr+ G\tGr\xfc\xdfe \x80 5\\Pfad' | od -An -tx1 | tr -d ' \n')" \
        "$(wintool clipboard | tr -d '\r')"

    # Import of the offered file into a store that lost a macro meanwhile.
    timeout 30 wine reg delete "$TRANSFER_KEY" /v 00080047 /f >/dev/null 2>&1
    mouse_click "$MAIN_TITLE" 1205 || return
    window_wait "Open" || { fail "no open dialog"; return; }
    keys_to "Open" Return
    # The box without a title comes once the registry editor has ended.
    wait_until 30 control_shows "" 65535 "Weiter.." || { fail "no Weiter.. box"; return; }
    wintool click "" 1 >/dev/null
    wait_until 10 list_row_count_is 2 || fail "the list was not reloaded"
    expect_eq "rows after the import" "*AltGr+ G	Grüße € 5\\Pfad
 AltGr+ H	neu" "$(list_items)"
    local saved=("$backups"/Makros\ vor\ Import\ *.reg)
    expect_eq "one backup" 1 "${#saved[@]}"
    expect_eq "the backup holds the store before the import, in UTF-16" \
        "$(printf '\xef\xbb\xbfWindows Registry Editor Version 5.00\n\n[-%s]\n\n[%s]\n"00080048"="neu"\n\n' \
            'HKEY_CURRENT_USER\Software\Velmark\Tastor32\Macros\AltGr' \
            'HKEY_CURRENT_USER\Software\Velmark\Tastor32\Macros\AltGr' | od -An -tx1 | tr -d ' \n')" \
        "$(iconv -f UTF-16LE -t UTF-8 "${saved[0]}" | tr -d '\r' | od -An -tx1 | tr -d ' \n')"

    mouse_click "$MAIN_TITLE" 1 # OK
    expect_exit "exit code after OK" "$TSETUP_PID" 0
    reg_export "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr" "$E2E_TMP/kept.reg"
    expect_eq "imported macro kept by OK" '"00080047"="Grüße € 5\\Pfad"
"00080048"="neu"' "$(grep '^"' "$E2E_TMP/kept.reg" | sort)"
    rm -f "$file"
}

test_the_options_page_shows_the_driver_version_and_a_missing_documentation() {
    store_with_settings
    rm -f "$E2E_BIN/Tastor32.pdf"
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    keys_to "$MAIN_TITLE" ctrl+Tab
    wait_until 10 control_shows "$MAIN_TITLE" 1310 "2.0.1" ||
        fail "version label: [$(wintool text "$MAIN_TITLE" 1310 | tr -d '\r')]"
    mouse_click "$MAIN_TITLE" 1311 # &Dokumentation
    local pdf
    pdf=$(cd "$E2E_BIN" && winepath -w "$E2E_BIN/Tastor32.pdf" 2>/dev/null)
    answer_app_box "Datei $pdf nicht gefunden" 1
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0
}

test_an_export_onto_a_file_another_program_holds_keeps_the_file_and_says_why() {
    local file="$E2E_BIN/$EXPORT_FILE_NAME"
    rm -f "$file"
    store_with_settings
    reg_add "$TRANSFER_KEY" 00080047 REG_SZ 'alt'
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    export_to_offered_file || return
    wait_until 10 test -s "$file" || { fail "no export file"; return; }
    local before
    before=$(file_bytes "$file")

    reg_add "$TRANSFER_KEY" 00080048 REG_SZ 'neu'
    export_to_offered_file || return
    window_wait "$(app_title)" || { fail "no question"; return; }
    # Between the dialog and the write another program takes the file.
    local holder="$E2E_TMP/holder.out" winfile
    winfile=$(cd "$E2E_BIN" && winepath -w "$file" 2>/dev/null)
    (cd "$E2E_BIN" && killable timeout 60 wine wintool.exe hold "$winfile" 15000) >"$holder" 2>&1 &
    E2E_PIDS+=($!)
    wait_until 10 grep -q held "$holder" || { fail "the file could not be held"; return; }
    wintool click "$(app_title)" 6 >/dev/null # Yes
    wait_until 10 control_shows_prefix "$(app_title)" 65535 "Kann Datei $winfile nicht schreiben" ||
        fail "no error: [$(box_text)]"
    expect_eq "the earlier file" "$before" "$(file_bytes "$file")"
    expect_eq "no new file left beside it" "$EXPORT_FILE_NAME" \
        "$(cd "$E2E_BIN" && ls -- *.reg *.tmp *.TMP 2>/dev/null | tr '\n' ' ' | sed 's/ $//')"
    wintool click "$(app_title)" 1 >/dev/null
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0
    rm -f "$file"
}
