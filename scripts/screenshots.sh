#!/usr/bin/env bash
# Takes screenshots of the three pages of the settings window (the sounds page in both
# modes), of the macro editor (also with the line that says a key is taken), of the speaker
# editor and of the dialogs of the installation and the uninstallation under Wine on a
# virtual display, into build/screenshots/. Look at them for visual styles, German
# characters, clipping, mnemonics and the button pictures. The pages and both editors are
# taken once more under a high-contrast colour scheme (hc-*.png): every part of them should
# follow its colours.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" || exit 1
. "$root/scripts/wine-env.sh"
# SCREENSHOT_ARCH=x86_64 takes the 64-bit build; the default is the 32-bit build we ship
# (through qemu-i386 where the kernel runs no 32-bit programs).
arch=${SCREENSHOT_ARCH:-$TSETUP_RUN_ARCH}
"$root/scripts/build.sh" "$arch" || exit 1
out="$root/build/screenshots"
mkdir -p "$out"
export WINEPREFIX="$root/build/wine-prefix-screenshots"
[ -d "$WINEPREFIX" ] || wine_prefix_fresh "$WINEPREFIX"
xvfb_start || exit 1
trap 'wineserver_stop "$WINEPREFIX"; xvfb_stop' EXIT
E2E_BIN="$root/build/$arch"
wine_warm_up "$E2E_BIN"
. "$root/tests/e2e/lib.sh"

store_with_settings
key='HKCU\Software\Velmark\Tastor32\Macros\AltGr'
reg_add "$key" 00080047 REG_SZ 'mit freundlichen Grüßen$0D  Ihr Tastor ;-)'
reg_add "$key" 00000070 REG_SZ '^cmd.exe'
reg_add "$key" 00C80044 REG_SZ '^*49"dd/mm/yyyy hh:nn:ss"^*40'
reg_add "$key" 0009005A REG_SZ 'Straße'

shot() { # shot TITLE FILE
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" | tail -n 1)
    [ -n "$id" ] || { echo "no window $1" >&2; return 1; }
    sleep 0.5
    import -window "$id" "$out/$2"
    echo "$out/$2"
}

tsetup_start
window_wait "$MAIN_TITLE"
# Underlined mnemonics show once Alt has been pressed.
keys_to "$MAIN_TITLE" alt
shot "$MAIN_TITLE" page-macros.png
keys_to "$MAIN_TITLE" ctrl+Tab
shot "$MAIN_TITLE" page-options.png
keys_to "$MAIN_TITLE" ctrl+Tab
shot "$MAIN_TITLE" page-sounds.png
keys_to "$MAIN_TITLE" ctrl+Tab
mouse_click "$MAIN_TITLE" 1200
keys_to "$MAIN_TITLE" Down Home alt+b
window_wait "Makro bearbeiten"
keys_to "Makro bearbeiten" alt
shot "Makro bearbeiten" macro-editor.png
keys_to "Makro bearbeiten" Escape
wait_until 10 window_gone "Makro bearbeiten"
# A new macro on AltGr+G, which the list has: the line under the key field says so.
keys_to "$MAIN_TITLE" alt+n
window_wait "Makro bearbeiten"
keys_to "Makro bearbeiten" space alt+t g
shot "Makro bearbeiten" macro-editor-hint.png
keys_to "Makro bearbeiten" Escape
keys_to "$MAIN_TITLE" Escape
e2e_cleanup

# The speaker mode is offered on the 9x family only: Wine reports it for TSetup.exe alone.
version_key='HKCU\Software\Wine\AppDefaults\TSetup.exe'
timeout 30 wine reg add "$version_key" /v Version /d win98 /f >/dev/null 2>&1
reg_add 'HKCU\Software\Velmark\Tastor32\Settings' 'Speaker benutzen' REG_BINARY 01
reg_add 'HKCU\Software\Velmark\Tastor32\Settings\Speaker' Ein REG_SZ 4000,10,1,50
tsetup_start
window_wait "$MAIN_TITLE"
keys_to "$MAIN_TITLE" ctrl+Tab ctrl+Tab alt
shot "$MAIN_TITLE" page-sounds-speaker.png
keys_to "$MAIN_TITLE" alt+e
window_wait "Klangfunktion bearbeiten für: Ein"
keys_to "Klangfunktion bearbeiten für: Ein" alt
shot "Klangfunktion bearbeiten für: Ein" speaker-editor.png
keys_to "Klangfunktion bearbeiten für: Ein" Escape
keys_to "$MAIN_TITLE" Escape
e2e_cleanup
reg_delete_key "$version_key"

# The dialogs of the installation and the uninstallation. The installation starts the
# stand-in driver; the cleanup ends it.
store_clear
tsetup_start /I /Q
window_wait "Windows-Tasten"
shot "Windows-Tasten" winkey-check.png
keys_to "Windows-Tasten" Return
tsetup_wait "$TSETUP_PID" 60
tsetup_start /U
window_wait "Tastor32 deinstallieren"
shot "Tastor32 deinstallieren" uninstall.png
wintool click "Tastor32 deinstallieren" 2 >/dev/null # Cancel
tsetup_wait "$TSETUP_PID" 60
e2e_cleanup
store_clear

# The high-contrast scheme, as Wine reads it when a program starts; the prefix's own colours
# come back afterwards, so that the next run's shots show the usual scheme.
colors_key='HKCU\Control Panel\Colors'
high_contrast=(
    "Window=0 0 0" "WindowText=255 255 255" "WindowFrame=255 255 255"
    "ButtonFace=0 0 0" "ButtonText=255 255 255" "ButtonShadow=128 128 128"
    "ButtonHilight=255 255 255" "ButtonLight=255 255 255" "ButtonDkShadow=255 255 255"
    "Highlight=0 128 255" "HighlightText=255 255 255" "GrayText=0 255 0"
    "Menu=0 0 0" "MenuText=255 255 255" "MenuBar=0 0 0" "MenuHilight=0 128 255"
    "ActiveTitle=128 0 128" "GradientActiveTitle=128 0 128" "TitleText=255 255 255"
    "InactiveTitle=0 128 0" "GradientInactiveTitle=0 128 0" "InactiveTitleText=255 255 255"
    "ActiveBorder=192 192 192" "InactiveBorder=192 192 192" "AppWorkSpace=0 0 0"
    "Background=0 0 0" "InfoWindow=0 0 0" "InfoText=255 255 0" "Scrollbar=0 0 0"
    "HotTrackingColor=255 255 0"
)
saved_colors=()
for pair in "${high_contrast[@]}"; do
    name=${pair%%=*}
    saved_colors+=("$name=$(reg_value "$colors_key" "$name" | sed 's/^REG_SZ *//')")
    reg_add "$colors_key" "$name" REG_SZ "${pair#*=}"
done
store_with_settings
reg_add "$key" 00080047 REG_SZ 'mit freundlichen Grüßen$0D  Ihr Tastor ;-)'
reg_add "$key" 00000070 REG_SZ '^cmd.exe'
reg_add 'HKCU\Software\Velmark\Tastor32\Settings' 'Speaker benutzen' REG_BINARY 01
reg_add 'HKCU\Software\Velmark\Tastor32\Settings\Speaker' Ein REG_SZ 4000,10,1,50
timeout 30 wine reg add "$version_key" /v Version /d win98 /f >/dev/null 2>&1
tsetup_start
window_wait "$MAIN_TITLE"
keys_to "$MAIN_TITLE" alt
shot "$MAIN_TITLE" hc-page-macros.png
keys_to "$MAIN_TITLE" ctrl+Tab
shot "$MAIN_TITLE" hc-page-options.png
keys_to "$MAIN_TITLE" ctrl+Tab
shot "$MAIN_TITLE" hc-page-sounds.png
keys_to "$MAIN_TITLE" alt+e
window_wait "Klangfunktion bearbeiten für: Ein"
keys_to "Klangfunktion bearbeiten für: Ein" alt
shot "Klangfunktion bearbeiten für: Ein" hc-speaker-editor.png
keys_to "Klangfunktion bearbeiten für: Ein" Escape
keys_to "$MAIN_TITLE" Escape
e2e_cleanup
# A window of its own for the macro editor: the closed speaker editor stays on the display
# for a while.
tsetup_start
window_wait "$MAIN_TITLE"
keys_to "$MAIN_TITLE" alt+b
window_wait "Makro bearbeiten"
keys_to "Makro bearbeiten" alt
shot "Makro bearbeiten" hc-macro-editor.png
keys_to "Makro bearbeiten" Escape
keys_to "$MAIN_TITLE" Escape
e2e_cleanup
reg_delete_key "$version_key"
for pair in "${saved_colors[@]}"; do
    if [ -n "${pair#*=}" ]; then
        reg_add "$colors_key" "${pair%%=*}" REG_SZ "${pair#*=}"
    else
        timeout 30 wine reg delete "$colors_key" /v "${pair%%=*}" /f >/dev/null 2>&1
    fi
done
store_clear
