# Sourced by the end-to-end scripts that run a real program under an X server of their own.
#
# start_x_server WORK_FOLDER starts Xvfb, waits until it accepts connections and exports DISPLAY; it also
# gives the program a home and XDG folders of its own under WORK_FOLDER, so nothing it writes lands in the
# user's. stop_x_server stops the server. Both call `fail`, which the sourcing script defines.
#
# ctest runs every test that sources this under one resource lock ("x_server"): Xvfb's -displayfd scans from
# display 0, so a server starting beside one that is stopping can be handed the number whose socket the
# stopping server is about to remove.

xServerPid=""
windowManagerPid=""
xDisplay=""

start_x_server() {
    local work=$1 i
    for tool in Xvfb xdpyinfo; do
        command -v "$tool" >/dev/null || fail "$tool is not installed"
    done
    mkdir -p "$work/home" "$work/config" "$work/data" "$work/cache"
    mkdir -p -m 700 "$work/runtime"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
        XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"

    # -noreset: by default the server resets when its last client leaves, and refuses connections meanwhile;
    # the check below is such a client.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    xServerPid=$!
    for ((i = 0; i < 100; i++)); do
        [ -s "$work/display" ] && break
        kill -0 "$xServerPid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "Xvfb gave no display within 10 s"
    xDisplay=":$(head -n 1 "$work/display")"
    export DISPLAY="$xDisplay"
    for ((i = 0; i < 50; i++)); do
        timeout 5 xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "the X server on $xDisplay did not accept connections"
}

# A window manager, for tests that give a window the keyboard focus as a desktop does.
start_window_manager() {
    command -v openbox >/dev/null || fail "openbox is not installed"
    openbox >"$1/openbox.log" 2>&1 &
    windowManagerPid=$!
    local i
    for ((i = 0; i < 50; i++)); do
        timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "the window manager did not start: $(cat "$1/openbox.log")"
}

stop_x_server() {
    [ -n "$windowManagerPid" ] && kill "$windowManagerPid" 2>/dev/null && wait "$windowManagerPid" 2>/dev/null
    windowManagerPid=""
    [ -n "$xServerPid" ] && kill "$xServerPid" 2>/dev/null && wait "$xServerPid" 2>/dev/null
    xServerPid=""
}

# A program that could not reach the display is a fault of the test's server, not of the program.
blame_display_if_unreachable() {
    local log=$1
    grep -q "could not connect to display" "$log" 2>/dev/null &&
        fail "the X server on $xDisplay did not accept connections"
    return 0
}
