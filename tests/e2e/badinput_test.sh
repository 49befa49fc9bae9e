# Bad and extreme input, end to end: odd values, names and texts in the store, keys that
# are missing, protected or deleted, a driver that hangs or is gone, odd command lines.
# Every case states the messages the user must see (in order, "-" for none) and checks the
# store afterwards: nothing the user did not change is lost; what the program drops by
# design is gone. One line per case with its verdict.

BI_MACROS='HKCU\Software\Velmark\Tastor32\Macros\AltGr'
BI_SETTINGS='HKCU\Software\Velmark\Tastor32\Settings'
BI_SPEAKER='HKCU\Software\Velmark\Tastor32\Settings\Speaker'
BI_MACROS_PATH='Software\Velmark\Tastor32\Macros\AltGr'
BI_SETTINGS_PATH='Software\Velmark\Tastor32\Settings'
BI_SPEAKER_PATH='Software\Velmark\Tastor32\Settings\Speaker'

# Wine's text for the errors the cases meet.
BI_DENIED='Access denied.'
bi_read_error() { echo "Fehler beim Lesen des Schlüssels 'HKEY_CURRENT_USER\\$1': / $BI_DENIED"; }
bi_not_saved() {
    echo "$1 wurden nicht gespeichert, weil sie nicht gelesen werden konnten: / $(bi_read_error "$2")"
}

# A value exactly as the registry editor imports it (for types and texts reg.exe cannot
# give): bi_import 'KEY' '"name"=hex(7):...' ...
bi_import() {
    local key=$1 file="$E2E_TMP/import.reg"
    shift
    { printf 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n' "${key/HKCU/HKEY_CURRENT_USER}"
      printf '%s\r\n' "$@"; } | iconv -f UTF-8 -t UTF-16 >"$file"
    (cd "$E2E_BIN" && timeout 60 wine regedit /s "$(winepath -w "$file" 2>/dev/null)") >/dev/null 2>&1
}
bi_value() { reg_value "$1" "$2" | sed 's/ *$//'; }
bi_expect_value() { expect_eq "$BI_CASE: $1 $2" "$3" "$(bi_value "$1" "$2")"; }
bi_expect_gone() { expect_eq "$BI_CASE: $1 $2 gone" "" "$(bi_value "$1" "$2")"; }
# The macro key as the registry editor exports it: names and texts, sorted.
bi_macros() {
    reg_export "HKEY_CURRENT_USER\\$BI_MACROS_PATH" "$E2E_TMP/macros.reg"
    grep '^"' "$E2E_TMP/macros.reg" | sort
}
bi_store() { store_with_settings; reg_add "$BI_MACROS" 00080047 REG_SZ gespeichert; }

# The boxes the program shows are read and closed; BI_MESSAGES collects their texts.
bi_close_boxes() { # bi_close_boxes SECONDS: boxes until none comes for that long
    local deadline=$((SECONDS + $1))
    while [ $SECONDS -lt $deadline ]; do
        if wintool visible "$(app_title)" >/dev/null; then
            # The box's lines joined with " / ".
            BI_MESSAGES+=("$(box_text | awk 'NR > 1 { printf " / " } { printf "%s", $0 }')")
            keys_to "$(app_title)" Return
            wait_until 10 window_gone "$(app_title)"
            deadline=$((SECONDS + $1))
        elif wintool visible "$WINKEY_TITLE" >/dev/null; then
            # The installation's question, answered with its preselection; not a message.
            wintool click "$WINKEY_TITLE" 1 >/dev/null
            wait_until 10 window_gone "$WINKEY_TITLE"
            deadline=$((SECONDS + $1))
        elif wintool visible "$SETUP_BOX_TITLE" >/dev/null; then
            # Boxes of the installation and uninstallation, shown before any window exists.
            BI_MESSAGES+=("$(setup_box_text | awk 'NR > 1 { printf " / " } { printf "%s", $0 }')")
            wintool click "$SETUP_BOX_TITLE" 1 >/dev/null
            wait_until 10 window_gone "$SETUP_BOX_TITLE"
            deadline=$((SECONDS + $1))
        elif ! kill -0 "$TSETUP_PID" 2>/dev/null; then
            return
        fi
        sleep 0.2
    done
}

# bi_session ACTION [ARGS...]: starts TSetup with the arguments, closes the boxes of the
# load, then: ok (OK), accept (Übernehmen, then Cancel), cancel, none (only waits for the
# end), or a function name called with the window open (it ends the window itself).
bi_session() {
    local action=$1
    shift
    BI_MESSAGES=()
    tsetup_start "$@"
    local deadline=$((SECONDS + 30))
    until wintool visible "$MAIN_TITLE" >/dev/null || ! kill -0 "$TSETUP_PID" 2>/dev/null; do
        if wintool visible "$(app_title)" >/dev/null || wintool visible "$WINKEY_TITLE" >/dev/null ||
            wintool visible "$SETUP_BOX_TITLE" >/dev/null; then
            bi_close_boxes 1
            continue
        fi
        [ $SECONDS -lt $deadline ] || break
        sleep 0.2
    done
    case "$action" in
    ok) wintool click "$MAIN_TITLE" 1 >/dev/null; bi_close_boxes 2 ;;
    accept) wintool click "$MAIN_TITLE" 1001 >/dev/null; bi_close_boxes 2
            wintool click "$MAIN_TITLE" 2 >/dev/null ;;
    cancel) wintool click "$MAIN_TITLE" 2 >/dev/null ;;
    none) ;;
    *) "$action" ;;
    esac
    bi_close_boxes 1
    wintool visible "$MAIN_TITLE" >/dev/null && wintool click "$MAIN_TITLE" 2 >/dev/null
    tsetup_wait "$TSETUP_PID" 60
    [ "$TSETUP_RC" = timeout ] && fail "$BI_CASE: TSetup still runs"
    BI_SEEN=$(printf '%s | ' "${BI_MESSAGES[@]}" | sed 's/ | $//')
    [ -n "$BI_SEEN" ] || BI_SEEN=-
}

# ---- the cases: arrange, act, then what must be seen and stored ----

bi_type_dword() { bi_store; reg_add "$BI_MACROS" 00080048 REG_DWORD 5; bi_session ok
    bi_expect_gone "$BI_MACROS" 00080048; bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_type_binary() { bi_store; reg_add "$BI_MACROS" 00080048 REG_BINARY 4142; bi_session ok
    bi_expect_gone "$BI_MACROS" 00080048; bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_type_expand() { bi_store; reg_add "$BI_MACROS" 00080048 REG_EXPAND_SZ '%TEMP%\x'; bi_session ok
    bi_expect_value "$BI_MACROS" 00080048 'REG_SZ    %TEMP%\x'; }
bi_type_multi() { bi_store; bi_import "$BI_MACROS" '"00080048"=hex(7):61,00,00,00,62,00,00,00,00,00'
    bi_session ok; bi_expect_gone "$BI_MACROS" 00080048; }
bi_type_none() { bi_store; bi_import "$BI_MACROS" '"00080048"=hex(0):'; bi_session ok
    bi_expect_gone "$BI_MACROS" 00080048; }
bi_type_option_text() { bi_store; reg_add "$BI_SETTINGS" EasyTab REG_SZ kaputt; bi_session cancel
    bi_expect_value "$BI_SETTINGS" EasyTab "REG_SZ    kaputt"; }
bi_type_option_two_bytes() { bi_store; reg_add "$BI_SETTINGS" EasyTab REG_BINARY 0101; bi_session ok
    bi_expect_value "$BI_SETTINGS" EasyTab "REG_BINARY    00"; }
bi_type_option_seven() { bi_store; reg_add "$BI_SETTINGS" EasyTab REG_BINARY 07; bi_session ok
    bi_expect_value "$BI_SETTINGS" EasyTab "REG_BINARY    01"; }
bi_type_option_empty() { bi_store; bi_import "$BI_SETTINGS" '"EasyTab"=hex:'; bi_session ok
    bi_expect_value "$BI_SETTINGS" EasyTab "REG_BINARY    00"; }
bi_type_speaker_dword() { bi_store; reg_add "$BI_SPEAKER" Ein REG_DWORD 7; bi_session ok
    bi_expect_value "$BI_SPEAKER" Ein "REG_SZ    0,0,0,0"; }
bi_speaker_junk() { bi_store; reg_add "$BI_SPEAKER" Ein REG_SZ 'abc,1,,99999999999'; bi_session ok
    bi_expect_value "$BI_SPEAKER" Ein "REG_SZ    0,1,0,0"; }
bi_name_default() { bi_store; reg_add "$BI_MACROS" Default REG_SZ x; bi_session ok
    bi_expect_gone "$BI_MACROS" Default; bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_name_short_lower() { bi_store; reg_add "$BI_MACROS" 8005a REG_SZ kurz; bi_session ok
    expect_eq "$BI_CASE" '"00080047"="gespeichert"
"0008005A"="kurz"' "$(bi_macros)"; }
bi_name_leading_zeros() { bi_store; reg_add "$BI_MACROS" 000000000008005A REG_SZ lang; bi_session ok
    expect_eq "$BI_CASE" '"00080047"="gespeichert"
"0008005A"="lang"' "$(bi_macros)"; }
bi_name_too_big() { bi_store; reg_add "$BI_MACROS" 100080047 REG_SZ x; bi_session ok
    bi_expect_gone "$BI_MACROS" 100080047; }
bi_name_blank() { bi_store; reg_add "$BI_MACROS" ' 80048' REG_SZ x; bi_session ok
    bi_expect_gone "$BI_MACROS" ' 80048'; }
bi_name_sign() { bi_store; reg_add "$BI_MACROS" '+80048' REG_SZ x; bi_session ok
    bi_expect_gone "$BI_MACROS" '+80048'; }
bi_name_empty() { bi_store; timeout 30 wine reg add "$BI_MACROS" /ve /d leer /f >/dev/null 2>&1
    bi_session ok; expect_eq "$BI_CASE" '"00080047"="gespeichert"' "$(bi_macros)"; }
bi_name_umlaut() { bi_store; reg_add "$BI_MACROS" 'Größe' REG_SZ x; bi_session ok
    bi_expect_gone "$BI_MACROS" 'Größe'; }
bi_name_twice() { bi_store; reg_add "$BI_MACROS" 8005A REG_SZ kurz; reg_add "$BI_MACROS" 0008005A REG_SZ lang
    bi_session ok; bi_expect_value "$BI_MACROS" 0008005A "REG_SZ    kurz"; bi_expect_gone "$BI_MACROS" 8005A; }
bi_text_huge() { bi_store; BI_HUGE=$(head -c 8000 /dev/zero | tr '\0' 'x')
    reg_add "$BI_MACROS" 00080048 REG_SZ "$BI_HUGE"; bi_session ok
    bi_expect_value "$BI_MACROS" 00080048 "REG_SZ    $BI_HUGE"; }
bi_text_odd() { bi_store; reg_add "$BI_MACROS" 00080048 REG_SZ 'a$0D^*7 "q" C:\x\ 100%'; bi_session ok
    bi_expect_value "$BI_MACROS" 00080048 'REG_SZ    a$0D^*7 "q" C:\x\ 100%'; }
bi_text_empty() { bi_store; bi_import "$BI_MACROS" '"00080048"=""'; bi_session ok
    bi_expect_value "$BI_MACROS" 00080048 "REG_SZ"; }
bi_text_foreign() { bi_store; bi_import "$BI_MACROS" '"00080048"="Ωmega жук ✓"'; bi_session ok
    expect_eq "$BI_CASE" '"00080047"="gespeichert"
"00080048"="Ωmega жук ✓"' "$(bi_macros)"; }
bi_text_foreign_dot() { bi_store; bi_import "$BI_SETTINGS" '"DecimalDot"="·Ω"'; bi_session ok
    reg_export "HKEY_CURRENT_USER\\$BI_SETTINGS_PATH" "$E2E_TMP/settings.reg"
    expect_eq "$BI_CASE" '"DecimalDot"="·Ω"' "$(grep '^"DecimalDot"' "$E2E_TMP/settings.reg")"; }
bi_text_long_dot() { bi_store; reg_add "$BI_SETTINGS" DecimalDot REG_SZ "$(head -c 3000 /dev/zero | tr '\0' ',')"
    bi_session ok; expect_eq "$BI_CASE" 3011 "$(bi_value "$BI_SETTINGS" DecimalDot | wc -c)"; }
bi_key_macros_missing() { store_with_settings; bi_session ok
    reg_has_key "$BI_MACROS" || fail "$BI_CASE: no macro key"; expect_eq "$BI_CASE" "" "$(bi_macros)"; }
bi_key_all_missing() { store_clear; bi_session none /I /Q
    expect_eq "$BI_CASE: exit code" 0 "$TSETUP_RC"
    reg_has_key "$BI_SETTINGS" || fail "$BI_CASE: no settings key"
    e2e_kill_driver; } # the installation started it
bi_key_macros_readonly() { bi_store; regacl "$BI_MACROS_PATH" read; bi_session ok
    regacl "$BI_MACROS_PATH" full; bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_key_macros_closed() { bi_store; regacl "$BI_MACROS_PATH" none; bi_session ok
    regacl "$BI_MACROS_PATH" full; bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"
    bi_expect_value "$BI_SETTINGS" EasyBackslash "REG_BINARY    00"; }
bi_key_settings_readonly() { bi_store; regacl "$BI_SETTINGS_PATH" read; bi_session ok
    regacl "$BI_SETTINGS_PATH" full; bi_expect_gone "$BI_SETTINGS" EasyBackslash; }
bi_key_settings_closed() { bi_store; reg_add "$BI_SETTINGS" EasyTab REG_BINARY 01; regacl "$BI_SETTINGS_PATH" none
    bi_session ok; regacl "$BI_SETTINGS_PATH" full
    bi_expect_value "$BI_SETTINGS" EasyTab "REG_BINARY    01"
    bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_key_speaker_closed() { bi_store; reg_add "$BI_SPEAKER" Ein REG_SZ 1,2,3,4; regacl "$BI_SPEAKER_PATH" none
    bi_session ok; regacl "$BI_SPEAKER_PATH" full; bi_expect_value "$BI_SPEAKER" Ein "REG_SZ    1,2,3,4"; }
bi_delete_settings_then_ok() { reg_delete_key "$BI_SETTINGS"; wintool click "$MAIN_TITLE" 1 >/dev/null; bi_close_boxes 2; }
bi_key_settings_deleted() { bi_store; bi_session bi_delete_settings_then_ok
    bi_expect_value "$BI_SETTINGS" EasyBackslash "REG_BINARY    00"; }
bi_delete_macros_then_ok() { reg_delete_key "$BI_MACROS"; wintool click "$MAIN_TITLE" 1 >/dev/null; bi_close_boxes 2; }
bi_key_macros_deleted() { bi_store; bi_session bi_delete_macros_then_ok
    bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_driver_hung() { bi_store
    (cd "$E2E_BIN" && killable timeout 120 wine Tastor32.exe /hang) >/dev/null 2>&1 &
    E2E_PIDS+=($!); wait_until 30 wintool find Tastor32 >/dev/null
    local start=$SECONDS; tsetup_start
    window_wait "$MAIN_TITLE" 30000 || fail "$BI_CASE: no window"
    [ $((SECONDS - start)) -le 9 ] || fail "$BI_CASE: the window took $((SECONDS - start)) s"
    wintool click "$MAIN_TITLE" 2 >/dev/null; tsetup_wait "$TSETUP_PID" 30; BI_SEEN=-; }
bi_kill_driver_then_ok() { e2e_kill_driver; wintool click "$MAIN_TITLE" 1 >/dev/null; bi_close_boxes 2; }
e2e_kill_driver() { local p; for p in $(prefix_pids 'Tastor32.exe'); do kill -9 "$p" 2>/dev/null; done
    wait_until 10 window_gone Tastor32; }
bi_driver_killed() { bi_store; driver_start || return; bi_session bi_kill_driver_then_ok
    bi_expect_value "$BI_SETTINGS" EasyBackslash "REG_BINARY    00"; }
bi_args_unknown() { bi_store; bi_session ok /X; bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_args_dash() { bi_store; bi_session ok -I; bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_args_glued() { bi_store; bi_session ok /IQ; bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_args_long() { bi_store; bi_session ok "/$(head -c 4000 /dev/zero | tr '\0' 'I')"
    bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_args_quiet_alone() { bi_store; bi_session ok /Q; bi_expect_value "$BI_MACROS" 00080047 "REG_SZ    gespeichert"; }
bi_args_lower_uninstall() { bi_store; bi_session none /u /q
    expect_eq "$BI_CASE: exit code" 0 "$TSETUP_RC"; }

# An uninstallation over a store that has only settings and macros: the three keys the
# installation would have written are missing.
bi_not_deleted() { printf 'Registry-Einträge "%s" konnten nicht gelöscht werden' "$1"; }
BI_UNINSTALL_MISSING="$(bi_not_deleted 'AppEvents\Schemes\Apps\Tastor32\') | $(
    bi_not_deleted 'Software\Velmark\Tastor32\Macros\Umlaut\Ascii') | $(
    bi_not_deleted 'Software\Velmark\Tastor32\Macros\Umlaut\HTML')"

# name | case function | messages the user sees, in order ("-": none)
BAD_INPUT_CASES=(
    "macro value REG_DWORD: skipped, dropped by OK|bi_type_dword|-"
    "macro value REG_BINARY: skipped, dropped by OK|bi_type_binary|-"
    "macro value REG_EXPAND_SZ: shown, stored as REG_SZ|bi_type_expand|-"
    "macro value REG_MULTI_SZ: skipped, dropped by OK|bi_type_multi|-"
    "macro value REG_NONE: skipped, dropped by OK|bi_type_none|-"
    "option stored as text: reported, Cancel keeps it|bi_type_option_text|Ungültiger Datentyp für 'EasyTab'"
    "option of two bytes: reported, OK stores what was shown|bi_type_option_two_bytes|Ungültiger Datentyp für 'EasyTab'"
    "option byte 7 reads as on, stored as 1|bi_type_option_seven|-"
    "option of no bytes reads as off|bi_type_option_empty|-"
    "speaker record REG_DWORD: reported, reads and saves as 0,0,0,0|bi_type_speaker_dword|Ungültiger Datentyp für 'Ein'"
    "speaker record with junk fields reads as zeros|bi_speaker_junk|-"
    "macro name Default: ignored, dropped|bi_name_default|-"
    "macro name 8005a: saved as 0008005A|bi_name_short_lower|-"
    "macro name with leading zeros: saved with eight digits|bi_name_leading_zeros|-"
    "macro name beyond 32 bits: ignored, dropped|bi_name_too_big|-"
    "macro name with a blank: ignored, dropped|bi_name_blank|-"
    "macro name with a sign: ignored, dropped|bi_name_sign|-"
    "macro key default value: ignored, dropped|bi_name_empty|-"
    "macro name with umlauts: ignored, dropped|bi_name_umlaut|-"
    "two names of one key code: one value, the later row|bi_name_twice|-"
    "macro text of 8000 characters survives|bi_text_huge|-"
    "macro text with escapes, quotes, backslashes survives|bi_text_odd|-"
    "empty macro text stays an empty REG_SZ|bi_text_empty|-"
    "macro text outside code page 1252 survives OK byte for byte|bi_text_foreign|-"
    "decimal dot outside code page 1252 survives OK|bi_text_foreign_dot|-"
    "decimal dot of 3000 characters survives|bi_text_long_dot|-"
    "missing macro key: created, OK leaves it empty|bi_key_macros_missing|-"
    "empty store with /I /Q: no window, exit 0, the settings key made|bi_key_all_missing|-"
    "read-only macro key: shown, OK reports, macros kept|bi_key_macros_readonly|Fehler beim Setzen der Daten für '00080047': / $BI_DENIED"
    "macro key not to be opened: reported, OK saves the rest and says so|bi_key_macros_closed|$(bi_read_error "$BI_MACROS_PATH") | $(bi_not_saved 'Die Makros' "$BI_MACROS_PATH")"
    "read-only settings key: OK reports the real reason|bi_key_settings_readonly|Fehler beim Setzen der Daten für 'EasyBackslash': / $BI_DENIED"
    "settings key not to be opened: reported, no first run, options kept|bi_key_settings_closed|$(bi_read_error "$BI_SETTINGS_PATH") | $(bi_not_saved 'Die Optionen' "$BI_SETTINGS_PATH")"
    "speaker key not to be opened: reported, kept|bi_key_speaker_closed|$(bi_read_error "$BI_SPEAKER_PATH") | $(bi_not_saved 'Die Lautsprecher-Signale' "$BI_SPEAKER_PATH")"
    "settings key deleted while the window is open: OK writes it again|bi_key_settings_deleted|-"
    "macro key deleted while the window is open: OK writes it again|bi_key_macros_deleted|-"
    "hung driver: the window comes within the wait|bi_driver_hung|-"
    "driver killed while the window is open: OK saves|bi_driver_killed|-"
    "unknown switch /X: ignored|bi_args_unknown|-"
    "switch -I: ignored|bi_args_dash|-"
    "switch /IQ: ignored|bi_args_glued|-"
    "switch of 4000 characters: ignored|bi_args_long|-"
    "/Q alone: the window as usual|bi_args_quiet_alone|-"
    "/u /q in lower case: uninstall mode, no window, exit 0, the keys never written named|bi_args_lower_uninstall|$BI_UNINSTALL_MISSING"
)

test_bad_input_suite() {
    local row name fn expected before verdicts=0 bad=0 index=0
    for row in "${BAD_INPUT_CASES[@]}"; do
        IFS='|' read -r name fn expected <<<"$row"
        expected=${row#*|*|}
        # BAD_INPUT_ONLY=PATTERN runs only the cases whose names match; a shard of the run
        # (E2E_SHARD=K/N) its share of them.
        [[ "$name" =~ ${BAD_INPUT_ONLY:-.} ]] || continue
        [ $((index++ % ${shards:-1} + 1)) -eq "${shard:-1}" ] || continue
        BI_CASE=$name
        before=$E2E_FAILURES
        BI_SEEN=-
        "$fn"
        expect_eq "$name: messages" "$expected" "$BI_SEEN"
        e2e_cleanup
        verdicts=$((verdicts + 1))
        if [ "$E2E_FAILURES" -eq "$before" ]; then
            echo "    pass  $name"
        else
            echo "    FAIL  $name"
            bad=$((bad + 1))
        fi
    done
    echo "    bad input: $((verdicts - bad)) of $verdicts cases pass"
}
