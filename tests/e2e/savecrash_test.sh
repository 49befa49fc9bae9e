# A save of many macros stopped from outside: the program killed at several moments of
# the save, or the macro key deleted by another program while it is written. Every macro
# stored before must still be there, or the user must have been told.

SC_COUNT=${SC_COUNT:-20000}

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
    wintool click "$MAIN_TITLE" 1001 >/dev/null
}
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

test_the_macro_key_deleted_during_a_save_is_reported_or_written_again() {
    local delay
    for delay in 0 0.1 0.3; do
        sc_fill
        sc_open_and_accept || return
        sleep "$delay"
        reg_delete_key 'HKCU\Software\Velmark\Tastor32\Macros\AltGr'
        local told=no
        if wait_until 20 wintool visible "$(app_title)"; then
            told="$(box_text | tr '\n' ' ')"
            keys_to "$(app_title)" Return
        fi
        wait_until 10 window_gone "$(app_title)"
        wintool click "$MAIN_TITLE" 2 >/dev/null
        tsetup_wait "$TSETUP_PID" 60
        local stored
        stored=$(sc_macros | wc -l)
        if [ "$told" = no ] && [ "$stored" -ne "$SC_COUNT" ]; then
            fail "deleted $delay s into the save: $stored macros stored and nothing said"
        else
            echo "    deleted $delay s into the save: $stored of $SC_COUNT stored, message: $told"
        fi
        e2e_cleanup
    done
}

test_a_read_only_macro_key_is_reported_and_ok_keeps_every_macro() {
    sc_fill
    (cd "$E2E_BIN" && timeout 30 wine regacl.exe 'Software\Velmark\Tastor32\Macros\AltGr' read) >/dev/null 2>&1
    tsetup_start
    window_wait "$MAIN_TITLE" 60000 || { fail "no settings window"; return; }
    wintool click "$MAIN_TITLE" 1 >/dev/null
    wait_until 30 wintool visible "$(app_title)" || fail "no message"
    echo "    message: $(box_text | tr '\n' ' ')"
    keys_to "$(app_title)" Return
    wait_until 10 window_gone "$(app_title)"
    wintool click "$MAIN_TITLE" 2 >/dev/null
    tsetup_wait "$TSETUP_PID" 60
    (cd "$E2E_BIN" && timeout 30 wine regacl.exe 'Software\Velmark\Tastor32\Macros\AltGr' full) >/dev/null 2>&1
    diff -q "$E2E_TMP/sc-before.txt" <(sc_macros) >/dev/null || fail "the macros changed"
}
