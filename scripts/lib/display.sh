# shellcheck shell=bash
# Sourced by the scripts that need a private X server: one way to start it and
# one way to wait for a window on it.

# Starts Xvfb on the first display number free on this machine and exports
# DISPLAY once it takes clients; sets xvfb_pid, which the caller ends.
# $1: a file for the server's output (the display number goes beside it);
# any further arguments go to Xvfb.
start_xvfb() {
    local log=$1
    shift
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 "$@" 3>"$log.display" >"$log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        if [[ -s $log.display ]]; then
            DISPLAY=:$(head -n 1 "$log.display") && export DISPLAY
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$log" >&2
    return 1
}

# Prints the id of the first visible window titled exactly $1 on DISPLAY, as
# soon as there is one, within $2 seconds and while process $3 (if given) runs.
wait_for_window() {
    local title=$1 deadline=$((SECONDS + $2)) watched=${3:-} window
    while ((SECONDS < deadline)); do
        window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) || true
        if [[ -n $window ]]; then
            echo "$window"
            return 0
        fi
        [[ -z $watched ]] || kill -0 "$watched" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}
