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

test_the_macro_key_deleted_during_a_save_is_reported_or_written_again() {
    driver_start || return
    local delay inside=0
    # The deletion starts with the click, a little later each round; the driver's reload
    # message marks the end of the save. A deletion that ended before it fell into the
    # save: then every macro must be stored again, or the user told.
    for delay in 0 0.1 0.2 0.3 0.4 0.6; do
        sc_fill
        tsetup_start
        window_wait "$MAIN_TITLE" 60000 || { fail "no settings window"; return; }
        wait_until 30 list_has_rows || { fail "the macros were not shown"; return; }
        : >"$DRIVER_LOG"
        (sleep "$delay"; reg_delete_key "$BI_MACROS_KEY_SC"; echo deleted >"$E2E_TMP/sc-deleted") &
        local deleter=$!
        wintool click "$MAIN_TITLE" 1001 >/dev/null
        wait "$deleter"
        local during=no
        grep -q '^1125 ' "$DRIVER_LOG" || during=yes
        local told=no
        if wait_until 10 wintool visible "$(app_title)"; then
            told="$(box_text | tr '\n' ' ')"
            keys_to "$(app_title)" Return
            wait_until 10 window_gone "$(app_title)"
        fi
        wintool click "$MAIN_TITLE" 2 >/dev/null
        tsetup_wait "$TSETUP_PID" 60
        local stored=0
        reg_has_key "$BI_MACROS_KEY_SC" && stored=$(sc_macros | wc -l)
        if [ "$during" = yes ]; then
            inside=$((inside + 1))
            if [ "$told" = no ] && [ "$stored" -ne "$SC_COUNT" ]; then
                fail "deleted during the save (start +$delay s): $stored macros stored and nothing said"
            fi
        fi
        echo "    deletion started +$delay s: ended during the save: $during; stored $stored of $SC_COUNT; message: $told"
        tsetup_wait "$TSETUP_PID" 1
    done
    [ "$inside" -gt 0 ] || echo "    (no deletion fell into a save this time)"
}

test_a_read_only_macro_key_is_reported_and_ok_keeps_every_macro() {
    sc_fill
    (cd "$E2E_BIN" && timeout 30 wine regacl.exe 'Software\Velmark\Tastor32\Macros\AltGr' read) ||
        fail "the access list was not set"
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
    (cd "$E2E_BIN" && timeout 30 wine regacl.exe 'Software\Velmark\Tastor32\Macros\AltGr' full) >/dev/null 2>&1
    diff -q "$E2E_TMP/sc-before.txt" <(sc_macros) >/dev/null || fail "the macros changed"
}
