# The options page and errors of the store, end to end.

SETTINGS_KEY='HKCU\Software\Velmark\Tastor32\Settings'

test_an_option_clicked_and_ok_is_stored_as_one_byte() {
    store_with_settings
    reg_add "$SETTINGS_KEY" EasyTab REG_BINARY 00
    reg_add "$SETTINGS_KEY" UmlautMode REG_BINARY 07
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    keys_to "$MAIN_TITLE" ctrl+Tab
    mouse_click "$MAIN_TITLE" 1308 # EasyTab
    mouse_click "$MAIN_TITLE" 1 # OK
    expect_exit "exit code after OK" "$TSETUP_PID" 0
    expect_eq "EasyTab" "REG_BINARY    01" "$(reg_value "$SETTINGS_KEY" EasyTab)"
    expect_eq "EasyBackslash" "REG_BINARY    00" "$(reg_value "$SETTINGS_KEY" EasyBackslash)"
    expect_eq "UmlautMode" "REG_BINARY    07" "$(reg_value "$SETTINGS_KEY" UmlautMode)"
    expect_eq "DecimalDot" "REG_SZ" "$(reg_value "$SETTINGS_KEY" DecimalDot | sed 's/ *$//')"
}

test_an_option_of_the_wrong_type_is_reported_and_the_program_goes_on() {
    store_with_settings
    reg_add "$SETTINGS_KEY" EasyTab REG_SZ kaputt
    reg_add 'HKCU\Software\Velmark\Tastor32\Macros\AltGr' 00080047 REG_SZ "bleibt"
    tsetup_start
    window_wait "$(app_title)" || { fail "no error box"; return; }
    expect_eq "error text" "Ungültiger Datentyp für 'EasyTab'" "$(box_text)"
    keys_to "$(app_title)" Return
    window_wait "$MAIN_TITLE" || { fail "no settings window after the error"; return; }
    expect_eq "macros still loaded" "*AltGr+ G	bleibt" "$(list_items)"
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0
    expect_eq "the stored value is left alone" "REG_SZ    kaputt" "$(reg_value "$SETTINGS_KEY" EasyTab)"
}
