# A private Wayland session for tests, sourced by the scripts that need one.
#
# weston_start DIR starts, under DIR:
#   - a private Xvfb (its display in WESTON_X_DISPLAY), so that Weston's x11
#     backend has a real seat: xdotool's clicks and keys on Weston's window
#     reach the program as Wayland pointer and keyboard input;
#   - Weston on that X server, with pixman rendering, no panel, a plain
#     background, a socket of its own and the screenshooter enabled (--debug);
# and exports WAYLAND_DISPLAY and a private XDG_RUNTIME_DIR for the clients.
# weston_stop ends both; weston_start installs it as an EXIT trap only when
# WESTON_NO_TRAP is empty, so callers with their own trap call it there.
#
# WESTON_WIDTH and WESTON_HEIGHT set the output's size (default 800×600).
# WESTON_HEADLESS=1 uses Weston's headless backend instead: no X server and
# no seat at all, as on a compositor with no keyboard or pointer.

weston_pid=""
weston_xvfb_pid=""

weston_stop() {
    if [ -n "$weston_pid" ]; then
        weston_end "$weston_pid"
        weston_pid=""
    fi
    if [ -n "$weston_xvfb_pid" ]; then
        weston_end "$weston_xvfb_pid"
        weston_xvfb_pid=""
    fi
}

# Asks a server to end and waits for it; one that is still there after five
# seconds (its event loop stuck, so it never reads the request) is killed, so
# that a finished test never waits on its compositor.
weston_end() {
    local pid=$1
    kill "$pid" 2>/dev/null || true
    if ! weston_wait 50 weston_gone "$pid"; then
        echo "weston_session: process $pid did not end when asked; killing it" >&2
        kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

# Gone, or a zombie that only waits for `wait` to collect it.
weston_gone() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
    stat=${stat##*) }
    [ "${stat%% *}" = Z ]
}

# Waits up to $1 tenths of a second for the command after it to succeed.
weston_wait() {
    local tenths=$1
    shift
    local i
    for ((i = 0; i < tenths; i++)); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

weston_start() {
    local dir=$1
    local width=${WESTON_WIDTH:-800}
    local height=${WESTON_HEIGHT:-600}
    local tool tools=(weston)
    [ -n "${WESTON_HEADLESS:-}" ] || tools+=(Xvfb xdotool)
    for tool in "${tools[@]}"; do
        if ! command -v "$tool" >/dev/null; then
            echo "weston_session: $tool is missing (scripts/setup installs it)" >&2
            return 1
        fi
    done
    mkdir -p "$dir/runtime" "$dir/config"
    chmod 700 "$dir/runtime"
    # Weston reads its ini from XDG_CONFIG_HOME; a private one keeps the
    # desktop's own settings out of the tests.
    cp "$(dirname "${BASH_SOURCE[0]}")/weston.ini" "$dir/config/weston.ini"

    local socket="ippon-wayland-$$"
    XDG_RUNTIME_DIR="$dir/runtime"
    export XDG_RUNTIME_DIR
    if [ -n "${WESTON_HEADLESS:-}" ]; then
        XDG_CONFIG_HOME="$dir/config" weston --backend=headless-backend.so --socket="$socket" \
            --width="$width" --height="$height" --idle-time=0 \
            --log="$dir/weston.log" >"$dir/weston.out" 2>&1 &
        weston_pid=$!
    else
        weston_start_on_xvfb "$dir" "$socket" "$width" "$height" || return 1
    fi
    if ! weston_wait 150 test -S "$XDG_RUNTIME_DIR/$socket"; then
        echo "weston_session: Weston did not start ($dir/weston.log)" >&2
        cat "$dir/weston.log" >&2 2>/dev/null || true
        weston_stop
        return 1
    fi
    WAYLAND_DISPLAY=$socket
    export WAYLAND_DISPLAY
    if [ -z "${WESTON_NO_TRAP:-}" ]; then
        trap weston_stop EXIT
    fi
}

weston_start_on_xvfb() {
    local dir=$1 socket=$2 width=$3 height=$4
    exec 8>"$dir/xdisplay"
    Xvfb -displayfd 8 -screen 0 "$((width + 64))x$((height + 64))x24" -nolisten tcp \
        >"$dir/xvfb.log" 2>&1 &
    weston_xvfb_pid=$!
    exec 8>&-
    if ! weston_wait 100 test -s "$dir/xdisplay"; then
        echo "weston_session: Xvfb did not start ($dir/xvfb.log)" >&2
        weston_stop
        return 1
    fi
    WESTON_X_DISPLAY=":$(tr -dc 0-9 <"$dir/xdisplay")"
    export WESTON_X_DISPLAY
    DISPLAY=$WESTON_X_DISPLAY XDG_CONFIG_HOME="$dir/config" \
        weston --backend=x11-backend.so --use-pixman --socket="$socket" \
        --width="$width" --height="$height" --debug --idle-time=0 \
        --log="$dir/weston.log" >"$dir/weston.out" 2>&1 &
    weston_pid=$!
}
