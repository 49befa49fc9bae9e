# The sounds page and the speaker editor, end to end: on the 9x family (Wine's per-program
# "Version" setting) and on the NT family.

SPEAKER_KEY='HKCU\Software\Velmark\Tastor32\Settings\Speaker'
SOUND_SETTINGS_KEY='HKCU\Software\Velmark\Tastor32\Settings'
VERSION_KEY='HKCU\Software\Wine\AppDefaults\TSetup.exe'
SPEAKER_EVENTS=(Ein Aus Großschrift Rollen Zehnerblock "NUM Punkt" Umlaut EasyTab)
SPEAKER_LOADED=(4000,10,1,50 1,2,3,4 3000,20,3,10 -1,0,0,0 9000,200,5,50 0,0,0,0 19,5,2,50 100,5,5,99)

speaker_store() {
    local i
    for i in "${!SPEAKER_EVENTS[@]}"; do
        reg_add "$SPEAKER_KEY" "${SPEAKER_EVENTS[$i]}" REG_SZ "${SPEAKER_LOADED[$i]}"
    done
}
windows_family() { # windows_family 9x|nt
    if [ "$1" = 9x ]; then
        timeout 30 wine reg add "$VERSION_KEY" /v Version /d win98 /f >/dev/null 2>&1
    else
        reg_delete_key "$VERSION_KEY"
    fi
}
control_enabled() { wintool enabled "$1" "$2"; }
# speaker_value NAME: "TYPE DATA" of a speaker value. reg.exe prints in the OEM code page
# (850), which is how "Großschrift" reaches this script.
speaker_value() {
    timeout 30 wine reg query "$SPEAKER_KEY" 2>/dev/null | iconv -f CP850 -t UTF-8 | tr -d '\r' |
        awk -v name="$1" 'index($0, "    " name "    ") == 1 {
            sub("^    " name "    ", ""); print; exit }'
}

test_the_speaker_editor_on_the_9x_family_stores_exactly_the_edited_record() {
    store_with_settings
    reg_add "$SOUND_SETTINGS_KEY" 'Speaker benutzen' REG_BINARY 00
    speaker_store
    windows_family 9x
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; windows_family nt; return; }
    keys_to "$MAIN_TITLE" ctrl+Tab ctrl+Tab
    control_wait "$MAIN_TITLE" 1409
    control_enabled "$MAIN_TITLE" 1409 && fail "the speaker button is enabled in wave mode"
    mouse_click "$MAIN_TITLE" 1405 # PC-"Lautsprecher" benutzen
    control_enabled "$MAIN_TITLE" 1409 || fail "the speaker button stays disabled"
    control_enabled "$MAIN_TITLE" 1404 && fail "the sound-card button stays enabled"
    # The third event, "Großschrift".
    mouse_click "$MAIN_TITLE" 1408
    keys_to "$MAIN_TITLE" Down Down Return
    keys_to "$MAIN_TITLE" alt+e
    local editor="Klangfunktion bearbeiten für: Großschrift"
    window_wait "$editor" || { fail "no speaker editor for Großschrift"; windows_family nt; return; }
    expect_eq "frequency shown" 3000 "$(wintool text "$editor" 1601 | tr -d '\r')"
    expect_eq "duration shown" 20 "$(wintool text "$editor" 1604 | tr -d '\r')"
    expect_eq "count shown" 3 "$(wintool text "$editor" 1606 | tr -d '\r')"
    # The scroll bar has the focus first: two arrow steps of 100 Hz; then Tab over the
    # preview, OK and Cancel to the duration (one step of 5 up) and the count (one down).
    keys_to "$editor" Right Right Tab Tab Tab Tab Up Tab Down
    expect_eq "frequency after the arrows" 3200 "$(wintool text "$editor" 1601 | tr -d '\r')"
    expect_eq "duration after Up" 25 "$(wintool text "$editor" 1604 | tr -d '\r')"
    expect_eq "count after Down" 2 "$(wintool text "$editor" 1606 | tr -d '\r')"
    keys_to "$editor" alt+h
    sleep 1
    window_exists "$editor" || fail "the preview ended the program"
    wintool click "$editor" 1 >/dev/null
    wait_until 10 window_gone "$editor" || fail "the editor stays open after OK"
    expect_eq "nothing stored before the window's OK" "REG_SZ    3000,20,3,10" \
        "$(speaker_value Großschrift)"
    mouse_click "$MAIN_TITLE" 1
    expect_exit "exit code after OK" "$TSETUP_PID" 0
    windows_family nt
    local i expected
    for i in "${!SPEAKER_EVENTS[@]}"; do
        expected=${SPEAKER_LOADED[$i]}
        [ "${SPEAKER_EVENTS[$i]}" = Großschrift ] && expected=3200,25,2,50
        expect_eq "${SPEAKER_EVENTS[$i]}" "REG_SZ    $expected" \
            "$(speaker_value "${SPEAKER_EVENTS[$i]}")"
    done
    expect_eq "speaker mode" "REG_BINARY    01" "$(reg_value "$SOUND_SETTINGS_KEY" 'Speaker benutzen')"
}

test_on_the_nt_family_the_speaker_mode_is_off_and_stored_as_zero() {
    store_with_settings
    reg_add "$SOUND_SETTINGS_KEY" 'Speaker benutzen' REG_BINARY 01
    speaker_store
    windows_family nt
    tsetup_start
    window_wait "$MAIN_TITLE" || { fail "no settings window"; return; }
    keys_to "$MAIN_TITLE" ctrl+Tab ctrl+Tab
    control_wait "$MAIN_TITLE" 1405
    control_enabled "$MAIN_TITLE" 1405 && fail "the speaker radio button is enabled"
    control_enabled "$MAIN_TITLE" 1409 && fail "the speaker button is enabled"
    control_enabled "$MAIN_TITLE" 1404 || fail "the sound-card button is disabled"
    mouse_click "$MAIN_TITLE" 1
    expect_exit "exit code after OK" "$TSETUP_PID" 0
    expect_eq "speaker mode" "REG_BINARY    00" "$(reg_value "$SOUND_SETTINGS_KEY" 'Speaker benutzen')"
    expect_eq "records as loaded" "REG_SZ    100,5,5,99" "$(speaker_value EasyTab)"
}
