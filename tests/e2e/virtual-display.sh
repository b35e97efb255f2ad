# Sourced. The 64-bit Wine loader itself: Debian's "wine" wrapper works too but
# warns on every start that the 32-bit half is not installed, which we don't need.
wine_loader() {
    command -v wine64 || { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; } || echo wine
}

# Starts Xvfb on a free display of its own (1280 x 800 x 24), exports
# DISPLAY and VIRTUAL_DISPLAY_PID. One display per run, so no other run's
# window can be found by title.
start_virtual_display() {
    command -v Xvfb >/dev/null || { echo "Xvfb is missing (apt-get install xvfb)" >&2; return 1; }
    local n
    for n in $(seq 90 190); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
        VIRTUAL_DISPLAY_PID=$!
        for _ in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
            kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null || break
            sleep 0.05
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}
