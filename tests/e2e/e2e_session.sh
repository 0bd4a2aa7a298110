# Sourced first by every end-to-end script that runs a real program: a scratch folder of its own, `fail`,
# which shows the program's output, and a clean-up at exit that stops the program and the X server.
# The script sets `programLabel` (how its output is headed) before sourcing this.

work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/x_server.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program_window.sh"

# Every program runs under a window manager, as on a desktop.
start_session() {
    require_tools wmctrl
    start_x_server "$work"
    start_window_manager "$work"
}

cleanup() {
    stop_program
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    if [ -s "$work/program.log" ]; then
        echo "--- ${programLabel:-the program}'s output ---"
        cat "$work/program.log"
    fi
    exit 1
}

require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed"
    done
}
