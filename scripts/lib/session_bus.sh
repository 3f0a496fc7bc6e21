# shellcheck shell=bash
# Sourced by the scripts that need a session bus of their own, as every
# desktop session has one. Without one, the first program on an X display
# that asks for the bus (Qt's accessibility and theme code, GTK's) starts one
# for the display by itself, and the accessibility bus on it, and both are
# left running after the run.

# Starts a session bus on the socket $1/bus and sets session_bus to its
# address once it takes clients, and session_bus_pid, which the caller ends;
# the services the bus starts on demand (the accessibility bus and its
# registry) end by themselves when it does. Exports nothing.
start_session_bus() {
    local dir=$1
    session_bus=unix:path=$dir/bus
    dbus-daemon --session --nofork --nopidfile --address="$session_bus" >"$dir/dbus.log" 2>&1 &
    session_bus_pid=$!
    for _ in $(seq 100); do
        [[ -S $dir/bus ]] && return 0
        kill -0 "$session_bus_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "the session bus did not start:" >&2
    cat "$dir/dbus.log" >&2
    return 1
}
