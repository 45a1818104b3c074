# Sourced by the scripts that run Windows programs under Wine: one place for the prefix,
# the fonts and the private X display. Needs ORVANE_ROOT (the repository) or finds it.
#
#   wine_prefix_ready        create the prefix on first use (about 12 s), reuse it afterwards
#   xvfb_start [FBDIR]       start a private Xvfb, export DISPLAY; FBDIR gets the framebuffer file
#   xvfb_stop                stop that Xvfb (and nothing else)
#   wine_session_begin       note this shell as a user of the prefix's wineserver
#   wine_keep_running        keep one wineserver and Wine's own services for the programs to come
#   wine_stop                end this shell's session; the last session stops the prefix's wineserver

ORVANE_ROOT=${ORVANE_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
ORVANE_BUILD=${ORVANE_BUILD:-$ORVANE_ROOT/build}

export WINEPREFIX=${ORVANE_WINEPREFIX:-$ORVANE_BUILD/wine-prefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to download Mono or Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml="

ORVANE_CJK_FONT="WenQuanYi Micro Hei"
# The pages' SimSun, a Song face whose 9-point letters are 6 by 12 pixels: the pages' dialog units
# are 1.5 pixels then, and a page fills the right part of the window exactly. Its stand-in is
# AR PL UMing CN given SimSun's vertical metrics (scripts/derive-song-font), installed in the
# prefix: UMing's own line is 13 pixels and would cut the pages' texts.
ORVANE_SONG_FONT="Orvane Song"

_wine_write_registry() {
    # regedit takes UTF-16 files; the font names of the dialogs must map to an installed CJK font,
    # a crashing program must not wait on a debugger dialog nobody can see, and windows are not
    # left to a window manager (without one, Wine waits two seconds whenever it hides a window).
    local reg=$1
    {
        printf '\xff\xfe'
        iconv -f UTF-8 -t UTF-16LE <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"SimSun"="$ORVANE_SONG_FONT"
"宋体"="$ORVANE_SONG_FONT"
"NSimSun"="$ORVANE_SONG_FONT"
"MS Shell Dlg"="$ORVANE_CJK_FONT"
"MS Shell Dlg 2"="$ORVANE_CJK_FONT"
"System"="$ORVANE_CJK_FONT"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
REG
    } > "$reg"
}

wine_prefix_ready() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$WINEPREFIX/.orvane-ready-4" ] && exit 0
        echo "Creating the Wine prefix $WINEPREFIX" >&2
        rm -rf "$WINEPREFIX"
        DISPLAY= wineboot -i >/dev/null 2>&1 || true
        wineserver -w
        # Wine takes every font in the prefix's font folder.
        /usr/bin/python3 "$ORVANE_ROOT/scripts/derive-song-font" "$WINEPREFIX/drive_c/windows/Fonts/orvane-song.ttf" ||
            { echo "The Song face could not be made" >&2; exit 1; }
        local reg="$WINEPREFIX/orvane-fonts.reg"
        _wine_write_registry "$reg"
        DISPLAY= wine regedit /S "$reg" >/dev/null 2>&1
        wineserver -w
        [ -f "$WINEPREFIX/system.reg" ] || { echo "Wine prefix creation failed" >&2; exit 1; }
        touch "$WINEPREFIX/.orvane-ready-4"
    ) 9>"$WINEPREFIX.lock"
}

xvfb_start() {
    local fbdir=${1:-}
    local fifo args=(-nolisten tcp -extension Composite -screen 0 1024x768x24 -nocursor)
    [ -n "$fbdir" ] && args+=(-fbdir "$fbdir")
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -displayfd picks a free display number and writes it to the fd once the server listens.
    Xvfb -displayfd 9 "${args[@]}" 9>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local number
    if ! read -r -t 20 number <"$fifo"; then
        rm -f "$fifo"
        kill "$XVFB_PID" 2>/dev/null
        echo "Xvfb did not start" >&2
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$number"
    export XVFB_PID
}

xvfb_stop() {
    [ -n "${XVFB_PID:-}" ] || return 0
    kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

wine_keep_running() {
    # Without it every program pays for a wineserver start. The first program also starts Wine's
    # services, which inherit its standard streams and outlive it: start them here with /dev/null,
    # so that no caller waits forever for the end of a program's output.
    wineserver -p
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

wine_session_begin() {
    # Shells sharing a prefix share its wineserver (make -j, or make run beside make test). Each
    # notes its PID here, so that ending one does not kill the programs of another.
    mkdir -p "$WINEPREFIX.sessions"
    ( flock 9; : >"$WINEPREFIX.sessions/$$" ) 9>"$WINEPREFIX.lock"
}

wine_stop() {
    (
        flock 9
        rm -f "$WINEPREFIX.sessions/$$"
        for session in "$WINEPREFIX.sessions"/*; do
            [ -e "$session" ] || continue
            kill -0 "${session##*/}" 2>/dev/null && exit 0
            rm -f "$session" # a shell that ended without stopping
        done
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    ) 9>"$WINEPREFIX.lock"
}
