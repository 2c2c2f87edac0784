# Shared by the end-to-end scripts: a private X server and the checks they print.
# Source it after setting `work` (a scratch folder) and a trap that kills "$xvfb_pid".

# Starts Xvfb with a screen of the given size ("800x700"). Xvfb picks a free display itself and
# writes its number, so parallel runs never collide. -noreset keeps it from resetting when its
# last client leaves, which would refuse a program started right after another one ended.
start_x_server() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
    [[ -s "$work/display" ]] || { echo "FAIL: Xvfb did not start"; exit 1; }
    export DISPLAY=":$(head -n 1 "$work/display")"
}

# Prints the id of the visible window whose title matches, once it is there. The search is asked
# again and again: a window that closes while xdotool looks ends that search with an X error.
wait_for_window() {
    local found
    for _ in $(seq 300); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [[ -z $found ]] || { echo "$found"; return 0; }
        sleep 0.1
    done
    echo "FAIL: no window '$1' appeared" >&2
    exit 1
}
# A dialog takes the keys only once it has the focus, which a loaded machine may give it late
# after it shows: keys typed before then would go to the window it blocks, and be lost.
focus_window() {
    xdotool windowfocus --sync "$(wait_for_window "$1")"
}

fail=0
check() { # description, expected, actual
    if [[ "$2" == "$3" ]]; then echo "ok: $1"; else echo "FAIL: $1: expected '$2', got '$3'"; fail=1; fi
}
