# Sourced by the scripts that drive the real game in a virtual X server: the
# title's keys, given when the game says it takes them, and the proof that
# what they asked for happened. The game's trace log (Data/Save/SaveS0.txt
# in its folder, run from there) is what it says: a fixed wait before the
# keys is too short on a busy machine, where the logo is still up, takes
# Enter for a new game and drops the arrow key, so a slot's keys would play
# the home area's opening instead.
#
#   title_new PID           a new game from the title
#   title_continue PID      slot 1 continued from the title
# Each returns 0 once the stage has begun as asked; otherwise it says why on
# standard error and returns 1.

qm_trace=Data/Save/SaveS0.txt

# qm_says TEXT: the trace log holds a line with TEXT.
qm_says() { grep -qF -- "$1" "$qm_trace" 2>/dev/null; }

# qm_wait_for PID SECONDS TEXT: until the trace log holds TEXT; 1 when the
# game has gone or the time is up first.
qm_wait_for() {
    local pid=$1 tenths=$(($2 * 10)) text=$3
    until qm_says "$text"; do
        kill -0 "$pid" 2>/dev/null || return 1
        [ "$tenths" -le 0 ] && return 1
        sleep 0.1
        tenths=$((tenths - 1))
    done
}

qm_tap() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; }

# The title's picture set is made once the logo can begin; the logo then
# plays some six seconds of real time, during which Enter starts a new game
# and the arrows do nothing.
qm_title_up() {
    local pid=$1
    if ! qm_wait_for "$pid" 600 "Gs[3] Load  Menu"; then
        echo "the title never came up (no title picture set in the trace log)" >&2
        return 1
    fi
    sleep 8
    local wid
    wid=$(xdotool search --pid "$pid" | tail -1)
    xdotool windowactivate --sync "$wid" 2>/dev/null
    xdotool windowfocus "$wid" 2>/dev/null
    return 0
}

title_new() {
    local pid=$1
    qm_title_up "$pid" || return 1
    qm_tap Return
    if ! qm_wait_for "$pid" 120 "Menu   --> Stage"; then
        echo "no game began from the title" >&2
        return 1
    fi
}

title_continue() {
    local pid=$1
    qm_title_up "$pid" || return 1
    qm_tap Right
    sleep 1
    qm_tap Return
    sleep 3
    # Enter on slot 1 of the load screen; again only when in half a minute
    # the game has neither read the slot nor begun the stage (a load screen
    # not yet up on a busy machine), so no Enter reaches the loaded stage.
    local tries=0 tenths
    qm_tap Return
    until qm_says "Load Gdata01" || qm_says "Menu   --> Stage"; do
        tenths=300
        while [ "$tenths" -gt 0 ] && ! qm_says "Load Gdata01" && ! qm_says "Menu   --> Stage"; do
            kill -0 "$pid" 2>/dev/null || { echo "the game stopped on the title" >&2; return 1; }
            sleep 0.1
            tenths=$((tenths - 1))
        done
        [ "$tenths" -gt 0 ] && break
        tries=$((tries + 1))
        if [ "$tries" -ge 4 ]; then
            echo "slot 1 was never loaded from the title" >&2
            return 1
        fi
        qm_tap Return
    done
    if ! qm_says "Load Gdata01"; then
        echo "the title started a new game: slot 1 was not opened (the keys came before the title took them)" >&2
        return 1
    fi
    if ! qm_wait_for "$pid" 120 "Menu   --> Stage"; then
        echo "slot 1 was read but the stage never began" >&2
        return 1
    fi
}
