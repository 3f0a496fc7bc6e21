#!/usr/bin/env bash
# The command line as a user meets it: --version and --help answered without
# a display, an unknown option or argument refused while Qt's own options are
# left to Qt, and a missing or unreachable display told in one plain line
# instead of Qt's abort.
# Usage: command_line_test.sh PROGRAM VERSION
set -uo pipefail

program=$1 version=${2//./\\.}
out=$(mktemp) err=$(mktemp)
# A runtime folder as a session has, so that Qt has nothing to say about it.
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$out" "$err" "$runtime"' EXIT

# A display number with no X server behind it on this machine.
absent=99
while [[ -e /tmp/.X11-unix/X$absent || -e /tmp/.X$absent-lock ]]; do
    absent=$((absent + 1))
done

# No display, no platform chosen: what a login without a desktop gives.
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE
    XDG_RUNTIME_DIR="$runtime")
nl=$'\n'
line="[^$nl]*" # within one line

failures=0
# expect NAME STATUS STDOUT_REGEX STDERR_REGEX COMMAND...: the regexes must
# match the whole of each output.
expect() {
    local name=$1 status=$2 want_out=$3 want_err=$4 got
    shift 4
    # (the braces keep the shell's own report of Qt's abort out of the log)
    { timeout 30 "$@" >"$out" 2>"$err"; } 2>/dev/null
    got=$?
    if [[ $got != "$status" ]] || ! [[ $(<"$out") =~ ^${want_out}$ ]] ||
        ! [[ $(<"$err") =~ ^${want_err}$ ]]; then
        echo "FAILED $name: exit status $got (expected $status)"
        echo "--- standard output:"
        cat "$out"
        echo "--- standard error:"
        cat "$err"
        failures=$((failures + 1))
    fi
}

expect version 0 "Quillet $version" "" "${bare[@]}" "$program" --version
expect help 0 "Usage: quillet .*--help.*--version.*DISPLAY.*" "" "${bare[@]}" "$program" --help
expect help_short 0 "Usage: quillet .*" "" "${bare[@]}" "$program" -h
# Qt takes -platform and -style; only what is left is refused.
expect unknown_option 2 "" "quillet: unknown option '--frobnicate'${nl}Try 'quillet --help'$line" \
    "${bare[@]}" "$program" -platform offscreen -style Fusion --frobnicate
expect unknown_argument 2 "" "quillet: unknown argument 'receipt.txt'$nl$line" \
    "${bare[@]}" QT_QPA_PLATFORM=offscreen "$program" receipt.txt
expect no_display 1 "" "quillet: needs a graphical display$line DISPLAY$line WAYLAND_DISPLAY$line" \
    "${bare[@]}" "$program"
expect unreachable_display 1 "" "quillet: cannot open the display \(DISPLAY=:$absent\)$line" \
    "${bare[@]}" DISPLAY=:$absent "$program"
# A platform that does not exist is no missing display: Qt's own report stands.
expect mistyped_platform 134 "" ".*\"nonesuch\".*" "${bare[@]}" "$program" -platform nonesuch

((failures == 0))
