# Start-up: the settings key, the single instance, the run modes.

test_an_empty_store_gets_the_settings_key_and_escape_ends_with_0() {
    store_clear
    tsetup_start
    # An empty store is a first run: the installation asks before the window opens.
    window_wait "$WINKEY_TITLE" || { fail "no Windows-key dialog"; return; }
    wintool click "$WINKEY_TITLE" 1 >/dev/null
    answer_box "$AUTOSTART_QUESTION" 7 || return
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    reg_has_key 'HKCU\Software\Velmark\Tastor32\Settings' || fail "settings key missing"
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Escape" "$TSETUP_PID" 0
}

test_enter_presses_ok_and_ends_with_0() {
    store_with_settings
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    keys_to "$MAIN_TITLE" Return
    expect_exit "exit code after Enter" "$TSETUP_PID" 0
}

test_a_second_start_ends_with_1_and_restores_the_first_window() {
    store_with_settings
    tsetup_start
    local first=$TSETUP_PID
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    wintool minimize "$MAIN_TITLE" >/dev/null
    wintool iconic "$MAIN_TITLE" >/dev/null || fail "the window did not minimise"
    # The switches change nothing for a second instance.
    local args
    for args in "" "/U" "/I /Q"; do
        tsetup_start $args
        expect_exit "exit code of a second start [$args]" "$TSETUP_PID" 1
    done
    wintool iconic "$MAIN_TITLE" >/dev/null && fail "the first window is still minimised"
    expect_eq "foreground window" "$MAIN_TITLE" "$(wintool foreground | tr -d '\r')"
    reg_has_key 'HKCU\Software\Velmark\Tastor32\Settings' || fail "settings key gone"
    wintool click "$MAIN_TITLE" 2 >/dev/null # Cancel
    expect_exit "exit code of the first" "$first" 0
}

# The run mode shows from outside: uninstall asks what to remove and ends, a quiet
# installation asks for the Windows keys and ends; everything else opens the settings window.
test_switches_choose_the_run_mode() {
    local cases=(
        "with|/U|uninstall"
        "with|/u|uninstall"
        "with|/I /U|uninstall"
        "empty|/U|uninstall"
        "with|/I /Q|install"
        "with|/i /q|install"
        "empty|/Q|install"
        "with|/IQ /Q|window"
        "with|-I /Q|window"
        "with|/I:x /Q|window"
        "with|/Q|window"
        "with|/U:x|window"
    )
    local c store args outcome
    for c in "${cases[@]}"; do
        IFS='|' read -r store args outcome <<<"$c"
        if [ "$store" == with ]; then store_with_settings; else store_clear; fi
        tsetup_start $args
        if [ "$outcome" != window ]; then
            local dialog=$UNINSTALL_TITLE button=2 # Cancel
            [ "$outcome" == install ] && dialog=$WINKEY_TITLE button=1
            window_wait "$dialog" || fail "no dialog $dialog for [$args]"
            wintool click "$dialog" $button >/dev/null
            expect_exit "exit code for [$args] on a store $store settings" "$TSETUP_PID" 0
        else
            if window_wait "$MAIN_TITLE"; then
                wintool click "$MAIN_TITLE" 2 >/dev/null
                expect_exit "exit code for [$args]" "$TSETUP_PID" 0
            else
                fail "no settings window for [$args]"
            fi
        fi
        e2e_cleanup
    done
}
