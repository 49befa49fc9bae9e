# A save of many macros stopped from outside: the program killed at several moments of
# the save, or the macro key deleted by another program while it is written. Every macro
# stored before must still be there, or the user must have been told.

SC_COUNT=${SC_COUNT:-20000}
BI_MACROS_KEY_SC='HKCU\Software\Velmark\Tastor32\Macros\AltGr'

# Fills the macro key with SC_COUNT macros through the registry editor; the export of the
# key afterwards is kept in $E2E_TMP/sc-before.txt (names and texts, sorted).
sc_fill() {
    store_with_settings
    local file="$E2E_TMP/sc.reg"
    awk -v n="$SC_COUNT" 'BEGIN {
        printf "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n"
        for (i = 0; i < n; i++) printf "\"%08X\"=\"Makro %d mit Grüßen Ω\"\r\n", 0x01000000 + i, i
    }' | iconv -f UTF-8 -t UTF-16 >"$file"
    (cd "$E2E_BIN" && timeout 120 wine regedit /s "$(winepath -w "$file" 2>/dev/null)") >/dev/null 2>&1
    sc_macros >"$E2E_TMP/sc-before.txt"
    expect_eq "macros stored before" "$SC_COUNT" "$(wc -l <"$E2E_TMP/sc-before.txt")"
}
sc_macros() {
    reg_export 'HKEY_CURRENT_USER\Software\Velmark\Tastor32\Macros\AltGr' "$E2E_TMP/sc-now.reg"
    grep '^"' "$E2E_TMP/sc-now.reg" | sort
}
# Opens the window over the full store and presses "&Übernehmen".
sc_open_and_accept() {
    tsetup_start
    window_wait "$MAIN_TITLE" 60000 || { fail "no settings window"; return 1; }
    # A click before the rows are there would come before the save could.
    wait_until 30 list_has_rows || { fail "the macros were not shown"; return 1; }
    wintool click "$MAIN_TITLE" 1001 >/dev/null
}
list_has_rows() { [ -n "$(wintool items "$MAIN_TITLE" 1200 | head -c 1)" ]; }
sc_kill_tsetup() {
    local p
    for p in $(prefix_pids 'TSetup.exe'); do kill -9 "$p" 2>/dev/null; done
    tsetup_wait "$TSETUP_PID" 30
}

test_a_save_killed_at_any_moment_keeps_every_macro() {
    sc_fill
    local delay
    for delay in 0 0.05 0.1 0.2 0.4 0.8; do
        sc_open_and_accept || return
        sleep "$delay"
        sc_kill_tsetup
        if ! diff -q "$E2E_TMP/sc-before.txt" <(sc_macros) >/dev/null; then
            fail "killed $delay s after the click: $(sc_macros | wc -l) of $SC_COUNT macros as before"
        else
            echo "    killed $delay s into the save: all $SC_COUNT macros unchanged"
        fi
        e2e_cleanup
    done
}

# The first macro in name order stored as an expandable text. The save writes the macros in
# name order under Wine and stores this one as a plain text: its first write changes the key
# (a value written again with the data it has is no change to Wine's registry), which sets
# off the deletion at the start of the save. The key as the window's list holds it is kept in
# $E2E_TMP/sc-listed.txt.
sc_first_macro_expandable() {
    local first
    first=$(head -n 1 "$E2E_TMP/sc-before.txt" | cut -d '"' -f 2)
    reg_add "$BI_MACROS_KEY_SC" "$first" REG_EXPAND_SZ "Makro 0"
    { grep -v "^\"$first\"=" "$E2E_TMP/sc-before.txt"; echo "\"$first\"=\"Makro 0\""; } |
        sort >"$E2E_TMP/sc-listed.txt"
}
# The line number of the first line of the driver's log matching the pattern, 0 for none.
sc_log_line() { awk -v p="$1" '$0 ~ p { print NR; found = 1; exit } END { if (!found) print 0 }' "$DRIVER_LOG"; }
sc_saved_or_told() { grep -q '^1125 ' "$DRIVER_LOG" || wintool visible "$(app_title)" >/dev/null; }

test_the_macro_key_deleted_during_a_save_is_reported_or_written_again() {
    driver_start || return
    local round
    for round in 1 2 3; do
        sc_fill
        sc_first_macro_expandable
        tsetup_start
        window_wait "$MAIN_TITLE" 60000 || { fail "no settings window"; return; }
        wait_until 30 list_has_rows || { fail "the macros were not shown"; return; }
        # The helper deletes the key at the first change and writes "armed" and "deleted"
        # into the driver's log: their order against the driver's reload message (1125,
        # sent at the end of a save) shows where the deletion fell. Each round's driver
        # starts a new log, which nothing truncates.
        (cd "$E2E_BIN" && killable timeout 120 wine deleteonchange.exe \
            'Software\Velmark\Tastor32\Macros\AltGr' "$(winepath -w "$DRIVER_LOG" 2>/dev/null)" 60) \
            >"$E2E_TMP/sc-deleter.txt" 2>&1 &
        local deleter=$!
        E2E_PIDS+=("$deleter")
        wait_until 30 grep -qx armed "$DRIVER_LOG" ||
            { fail "the deleting helper did not get ready: $(cat "$E2E_TMP/sc-deleter.txt")"; return; }
        wintool click "$MAIN_TITLE" 1001 >/dev/null
        wait "$deleter"
        local deleterRc=$?
        wait_until 60 sc_saved_or_told || fail "round $round: the save neither ended nor said anything"
        local told=no
        if wintool visible "$(app_title)" >/dev/null; then
            told="$(box_text | tr '\n' ' ')"
            keys_to "$(app_title)" Return
            wait_until 10 window_gone "$(app_title)"
        fi
        local deletedAt reloadAt
        deletedAt=$(sc_log_line '^deleted$')
        reloadAt=$(sc_log_line '^1125 ')
        wintool click "$MAIN_TITLE" 2 >/dev/null
        tsetup_wait "$TSETUP_PID" 60
        local stored=0 same=no
        if reg_has_key "$BI_MACROS_KEY_SC"; then
            stored=$(sc_macros | wc -l)
            diff -q "$E2E_TMP/sc-listed.txt" <(sc_macros) >/dev/null && same=yes
        fi
        echo "    round $round: helper: $(tr -d '\r' <"$E2E_TMP/sc-deleter.txt" | tr '\n' ' ')(exit $deleterRc);" \
            "driver log line of the deletion $deletedAt, of the reload $reloadAt;" \
            "stored $stored of $SC_COUNT, as listed: $same; message: $told"
        if [ "$deleterRc" -ne 0 ] || [ "$deletedAt" -eq 0 ]; then
            fail "round $round: the helper did not delete the key"
        elif [ "$reloadAt" -ne 0 ] && [ "$reloadAt" -lt "$deletedAt" ]; then
            fail "round $round: the key was deleted only after the save"
        elif [ "$told" = no ] && [ "$same" = no ]; then
            fail "round $round: deleted during the save, $stored macros stored and nothing said"
        fi
        e2e_cleanup
        driver_start || return
    done
}

test_a_read_only_macro_key_is_reported_and_ok_keeps_every_macro() {
    sc_fill
    regacl 'Software\Velmark\Tastor32\Macros\AltGr' read
    tsetup_start
    window_wait "$MAIN_TITLE" 60000 || { fail "no settings window"; return; }
    wait_until 30 list_has_rows || fail "the macros were not shown"
    wintool click "$MAIN_TITLE" 1 >/dev/null
    wait_until 30 wintool visible "$(app_title)" || fail "no message"
    echo "    message: $(box_text | tr '\n' ' ')"
    keys_to "$(app_title)" Return
    wait_until 10 window_gone "$(app_title)"
    wintool click "$MAIN_TITLE" 2 >/dev/null
    tsetup_wait "$TSETUP_PID" 60
    regacl 'Software\Velmark\Tastor32\Macros\AltGr' full
    diff -q "$E2E_TMP/sc-before.txt" <(sc_macros) >/dev/null || fail "the macros changed"
}
