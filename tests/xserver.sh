# What the scripts that drive a real X server of their own share; sourced, not run.
#   state        a private directory, removed on exit with the processes in pids (last first);
#                a function before_cleanup, if the script has one, runs first
#   fail MSG     says what failed, with every *.log in $state, and exits 1
#   wait_for WHAT CMD...   runs CMD until it succeeds, for a minute at most, or fails
#   start_xvfb   a private Xvfb at 1024 x 768, its number picked by itself; exports DISPLAY,
#                or exits 77 (skipped) where Xvfb is missing or cannot start
state=$(mktemp -d "${TMPDIR:-/tmp}/pinwright-x.XXXXXX")
chmod 700 "$state"
pids=()
# shellcheck disable=SC2317 # called by the trap
cleanup() {
    if declare -F before_cleanup >/dev/null; then
        before_cleanup || true
    fi
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$state"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    for log in "$state"/*.log; do
        if [[ -s $log ]]; then
            echo "--- $(basename "$log")"
            tail -40 "$log"
        fi
    done
    exit 1
}

# Generous: the machine may be slow and busy, and Wine's first start in a prefix is slow.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 600); do
        "$@" && return 0
        sleep 0.1
    done
    fail "gave up waiting for $what"
}

start_xvfb() {
    if ! command -v Xvfb >/dev/null; then
        echo "SKIP: Xvfb is not installed (scripts/install-deps installs it)"
        exit 77
    fi
    # Xvfb tells the display number it picked on descriptor 3.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$state/display" \
        >"$state/xvfb.log" 2>&1 &
    pids+=($!)
    local xvfb=$!
    for _ in $(seq 300); do
        [[ -s $state/display ]] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    if [[ ! -s $state/display ]]; then
        echo "SKIP: Xvfb could not start:"
        cat "$state/xvfb.log"
        exit 77
    fi
    DISPLAY=":$(head -1 "$state/display")"
    export DISPLAY
    echo "Xvfb on $DISPLAY"
}
