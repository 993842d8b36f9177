#!/bin/sh
# Runs the real program in a virtual X display for a few seconds, asks it to
# stop with SIGTERM and checks that it ends cleanly, having logged its start-up
# and shut-down stages in order; then ends the X server under a second run and
# checks that the program ends too, leaving the folder free for the next start,
# and that SIGTERM ends a third run whose X server has stopped answering. The program sits in a game folder of its own
# and is started from another folder: it must work in its own folder.
#   real_window_test.sh <path of the quillmarch program> <game folder>
set -u
program="$1"
game_dir="$2"

if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "SKIP: xvfb-run is not installed, so no window can be opened here"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmarch_window_XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Data"
[ -f "$game_dir/Quillmarch.fx" ] && cp "$game_dir/Quillmarch.fx" "$work/"
[ -d "$game_dir/Data/Wav" ] && ln -s "$game_dir/Data/Wav" "$work/Data/Wav"
ln "$program" "$work/quillmarch" 2>/dev/null || cp "$program" "$work/quillmarch" || exit 1
program="$work/quillmarch"
mkdir -p "$work/elsewhere"

cd "$work/elsewhere" || exit 1
# In a sanitizer build the display's GL driver and the desktop bus library
# leave allocations behind at exit that are not the game's; the headless tests
# check the game's own memory. Memory errors still fail the run.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export ASAN_OPTIONS
# xvfb-run forwards no signal to its child: signal the program itself. The
# shell in between writes its own process id and then becomes the program.
xvfb-run -a -s "-screen 0 1280x1024x24" \
    sh -c 'echo "$DISPLAY $XAUTHORITY" > "$3"; echo $$ > "$1"; exec "$2"' sh "$work/pid" "$program" "$work/display" \
    >"$work/stdout.txt" 2>"$work/stderr.txt" &
runner=$!
pid=""
tries=0
while [ -z "$pid" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    [ -s "$work/pid" ] && pid=$(cat "$work/pid")
    tries=$((tries + 1))
done
if [ -z "$pid" ]; then
    echo "FAIL: the program did not start"
    cat "$work/stderr.txt"
    exit 1
fi

# Let it run its start-up and a few seconds of frames.
sleep 4
if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program ended on its own before it was asked to"
    cat "$work/stderr.txt"
    exit 1
fi

# A bare X server has no window manager to make the window full screen: F6
# must leave it a window, say so once, and the game run on.
if command -v xdotool >/dev/null 2>&1 && [ -s "$work/display" ]; then
    # F6 works once the loading screen has finished (its trace entry 990).
    waited=0
    while ! grep -q "Kiddo Ok" "$work/Data/Save/SaveS0.txt" 2>/dev/null && [ $waited -lt 300 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    read -r display xauthority < "$work/display"
    DISPLAY="$display" XAUTHORITY="$xauthority" xdotool key F6 >/dev/null 2>&1
    sleep 2
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "FAIL: the program ended after F6"
        cat "$work/stderr.txt"
        exit 1
    fi
    if ! grep -q "The full screen could not be set" "$work/stderr.txt"; then
        echo "FAIL: F6 on a desktop that cannot make the window full screen went unreported"
        cat "$work/stderr.txt"
        exit 1
    fi
fi
kill -TERM "$pid"

# It should leave within a few seconds through its normal quit path.
waited=0
while kill -0 "$pid" 2>/dev/null && [ $waited -lt 150 ]; do
    sleep 0.1
    waited=$((waited + 1))
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program did not end after SIGTERM"
    kill -KILL "$pid"
    exit 1
fi
wait "$runner"
status=$?
if [ "$status" -ne 0 ]; then
    echo "FAIL: exit status $status"
    cat "$work/stderr.txt"
    exit 1
fi

log="$work/Data/Save/SaveS0.txt"
if [ ! -f "$log" ]; then
    echo "FAIL: no trace log was written in the program's folder"
    exit 1
fi
if [ -e "$work/elsewhere/Data" ]; then
    echo "FAIL: the program wrote into the folder it was started from"
    exit 1
fi
# The stages, in the order they must appear.
previous=0
for label in "  1 A    App(" "  4 D    GcLoad(" "  5 E    \[01\] Font" "  6 F    \[02\] Sprite" \
             "  7 G    \[08\] OnFrameMove" " 98 Y    \[03\] OnLostDevice" " 99 Z    \[04\] OnDestroyDevice" \
             " 11 K    DXUTMainLoop"; do
    line=$(grep -n "^$label" "$log" | head -n 1 | cut -d: -f1)
    if [ -z "$line" ]; then
        echo "FAIL: the trace log lacks the line '$label'"
        cat "$log"
        exit 1
    fi
    if [ "$line" -le "$previous" ]; then
        echo "FAIL: '$label' is out of order in the trace log"
        cat "$log"
        exit 1
    fi
    previous=$line
done
if ! grep -q "^Direct3D Shutdown Code   0  It performed normally. " "$log"; then
    echo "FAIL: the shut-down code line is missing or not normal"
    cat "$log"
    exit 1
fi
if ! grep -q "^1=on 2=off 2 " "$work/Data/Save/SaveS1.txt"; then
    echo "FAIL: the running mark was not set back to stopped"
    exit 1
fi

# The display goes away under the game (a log-out, a dropped remote session):
# the program must end within seconds, leave its running mark stopped and
# its lock free, and the next start in the folder must run. Then a display
# that stops answering: SIGTERM must still end the program within seconds.
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "PASS: started, ran, stopped on SIGTERM and logged every stage in order (no Xvfb: the lost display is not tried)"
    exit 0
fi

# Starts an X server of our own (its process id in $server) and the program
# on it (in $game), and waits until the game's loading screen has finished.
# $1 names the files the program's output goes to.
start_on_own_server() {
    # The trace log of the run before goes, so that its lines are not taken for this run's.
    rm -f "$log"
    : > "$work/displayfd"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/displayfd" >/dev/null 2>&1 &
    server=$!
    tries=0
    while [ ! -s "$work/displayfd" ] && [ $tries -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    if [ ! -s "$work/displayfd" ]; then
        echo "FAIL: an X server of our own could not be started"
        kill "$server" 2>/dev/null
        exit 1
    fi
    DISPLAY=":$(cat "$work/displayfd")" XAUTHORITY=/dev/null "$program" >"$work/$1_stdout.txt" 2>"$work/$1_stderr.txt" &
    game=$!
    waited=0
    while ! grep -q "Kiddo Ok" "$log" 2>/dev/null && [ $waited -lt 300 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    sleep 1
    if ! kill -0 "$game" 2>/dev/null; then
        echo "FAIL: the program ended on its own ($1)"
        cat "$work/$1_stderr.txt"
        kill "$server"
        exit 1
    fi
}

# Waits up to $1 tenths of a second for the game to end; fails naming $2.
expect_gone_within() {
    waited=0
    while kill -0 "$game" 2>/dev/null && [ $waited -lt "$1" ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if kill -0 "$game" 2>/dev/null; then
        echo "FAIL: the program was still running $(($1 / 10)) s after $2: $(ps -o stat=,pcpu= -p "$game")"
        kill -KILL "$game"
        kill -CONT "$server" 2>/dev/null
        kill "$server" 2>/dev/null
        exit 1
    fi
    wait "$game"
    status=$?
}

lock_is_free() {
    ! command -v flock >/dev/null 2>&1 || flock -n "$work/Data/Save/SaveS1.lock" true
}

start_on_own_server lost
kill -TERM "$server"
expect_gone_within 50 "its display went away"
if [ "$status" -gt 128 ]; then
    echo "FAIL: the program died of signal $((status - 128)) when its display went away"
    cat "$work/lost_stderr.txt"
    exit 1
fi
if ! grep -q "^1=on 2=off 2 " "$work/Data/Save/SaveS1.txt"; then
    echo "FAIL: the running mark was not set back to stopped when the display went away"
    exit 1
fi
if ! grep -q "^ 99 Z    \[04\] OnDestroyDevice" "$log"; then
    echo "FAIL: the trace log does not tell the end of the run whose display went away"
    cat "$log"
    exit 1
fi
if ! lock_is_free; then
    echo "FAIL: the running lock is still held after the display went away"
    exit 1
fi

# The next start runs (start_on_own_server fails when it ends on its own, as
# a start refused as a second copy would). Its display stops answering, so
# its frame loop waits on it: SIGTERM ends it all the same.
start_on_own_server next
kill -STOP "$server"
kill -TERM "$game"
expect_gone_within 80 "SIGTERM, its display not answering"
kill -CONT "$server"
kill "$server"
if ! lock_is_free; then
    echo "FAIL: the running lock is still held after SIGTERM"
    exit 1
fi
echo "PASS: started, ran, stopped on SIGTERM and logged every stage in order; ended when its display went away; the next start ran and ended on SIGTERM while its display did not answer"
exit 0
