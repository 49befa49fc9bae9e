# The macro page end to end: list, editor, question, apply, cancel.

MACRO_KEY='HKCU\Software\Velmark\Tastor32\Macros\AltGr'
EDITOR_TITLE="Makro bearbeiten"

store_with_two_macros() {
    store_with_settings
    reg_add "$MACRO_KEY" 00080047 REG_SZ "alt"
    reg_add "$MACRO_KEY" 00000070 REG_SZ "Eins"
}

test_a_new_macro_is_listed_asked_for_applied_and_sent_to_the_driver() {
    store_with_two_macros
    driver_start || return
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    expect_eq "rows as loaded" "* F1	Eins
 AltGr+ G	alt" "$(list_items)"

    keys_to "$MAIN_TITLE" alt+n
    window_wait "$EDITOR_TITLE" || { fail "no macro editor"; return; }
    # AltGr is the first box; then the key field and the text.
    # The key field takes Alt+letter as a key: leave it with Tab, as a user does.
    keys_to "$EDITOR_TITLE" space alt+t g Tab
    xdotool type --delay 40 'Preis: 5$ "netto" C:\Pfad öäüß'
    keys_to "$EDITOR_TITLE" Return
    # AltGr+G is taken: the question comes, Yes is its default button.
    window_wait "$(app_title)" || { fail "no question"; return; }
    expect_eq "question" "Vorhandenen Eintrag ändern?" "$(box_text)"
    keys_to "$(app_title)" Return
    wait_until 10 window_gone "$(app_title)" || fail "the question did not close"
    expect_eq "rows after the edit" "  F1	Eins
*AltGr+ G	Preis: 5\$ \"netto\" C:\\Pfad öäüß" "$(list_items)"

    mouse_click "$MAIN_TITLE" 1001 # &Übernehmen
    wait_until 20 grep -q '^1125 ' "$DRIVER_LOG" || fail "no reload message"
    expect_eq "driver messages" "1132 1131 1125" "$(driver_messages)"

    reg_export "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr" "$E2E_TMP/after.reg"
    expect_eq "stored macros" '"00000070"="Eins"
"00080047"="Preis: 5$ \"netto\" C:\\Pfad öäüß"' "$(grep '^"' "$E2E_TMP/after.reg" | sort)"

    # A later edit that is cancelled changes nothing.
    keys_to "$MAIN_TITLE" Delete
    window_wait "$(app_title)" || { fail "no delete question"; return; }
    expect_eq "delete question" "Diesen Eintrag löschen?" "$(box_text)"
    keys_to "$(app_title)" Return
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0
    reg_export "HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr" "$E2E_TMP/cancelled.reg"
    expect_eq "store after Cancel" "$(cat "$E2E_TMP/after.reg")" "$(cat "$E2E_TMP/cancelled.reg")"
    expect_eq "driver messages after Cancel" "1132 1131 1125" "$(driver_messages)"
}

# The line under the key field of the open macro editor.
editor_hint() { wintool text "$EDITOR_TITLE" 1114 | tr -d '\r'; }
editor_hint_is() { [ "$(editor_hint)" == "$1" ]; }
# expect_hint WHAT TEXT: the line shows the text once the editor has taken the keys.
expect_hint() {
    wait_until 10 editor_hint_is "$2"
    expect_eq "$1" "$2" "$(editor_hint)"
}

test_the_macro_editor_says_under_the_key_field_when_a_key_cannot_work() {
    store_with_two_macros
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }

    keys_to "$MAIN_TITLE" alt+n
    window_wait "$EDITOR_TITLE" || { fail "no macro editor"; return; }
    expect_hint "hint of a new macro" "Keine Taste gewählt: so kann das Makro nie ausgelöst werden."
    # AltGr, then G in the key field: the list has AltGr+G.
    keys_to "$EDITOR_TITLE" space alt+t g
    expect_hint "hint of a taken key" "Diese Tasten belegt schon ein anderes Makro der Liste."
    keys_to "$EDITOR_TITLE" F1
    expect_hint "hint of the driver's switch" \
        "AltGr+F1 schaltet Tastor ein und aus: ein Makro auf diesen Tasten wird nie ausgelöst."
    keys_to "$EDITOR_TITLE" w
    expect_hint "hint of a free key" ""
    keys_to "$EDITOR_TITLE" Escape
    wait_until 10 window_gone "$EDITOR_TITLE" || fail "the editor did not close"
    keys_to "$MAIN_TITLE" Escape
    expect_exit "exit code after Cancel" "$TSETUP_PID" 0
}
