#!/bin/bash
# The real program's pace and memory under a virtual X server on two cores,
# beside a bare SDL loop in the same set-up (paired: run one after the other
# in one go, on the same display settings and cores).
#
#   bench/real_window.sh GAME BARE SLOT KEYS [GAME2]
#
# GAME is the built quillmarch program (its folder holds Quillmarch.fx and
# Data/Wav), BARE the quillmarch_bare_loop program, SLOT a save slot to
# continue from (quillmarch_bench with QM_SLOT_DIR writes one per scene),
# KEYS what is played on the stage: "KEY SECONDS" pairs, each key held that
# long, e.g. "Right 20" or "Right 1.5 Left 1 Right 1". With GAME2 a second
# build plays the same right after, for a before-and-after pair.
#
# Prints, per program: the frames on the stage, how many of their intervals
# were over 20 ms and the longest, the frames' own work (mean, longest, and
# what the longest spent making textures), and the resident memory at the
# end of the stage; then the bare loop's intervals
# (SPRITES quads of SIDE px from PICTURES of the game's pictures a frame,
# default 500, 64 and 40) and the bare program's resident memory, idle and
# drawing one quad a frame (the GL driver's drawing code, some ten megabytes
# that any program drawing a picture has, comes with the first textured
# draw), with each program's ratio to both.
set -u
game=$1; bare=$2; slot=$3; keys=$4; game2=${5:-}
cores=${CORES:-0,1}
repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillmarch_pace_XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT

# Summary of a frame log between two times (seconds since the start).
summary() {
    awk -v from="$2" -v to="$3" '
        { t += $1 / 1000; if (t < from || t > to) next; n++; if ($1 > 20) late++; if ($1 > worst) worst = $1;
          if (NF > 1) { sum += $2; if ($2 > work) { work = $2; making = $3 } } }
        END { printf "%d frames, %d intervals > 20 ms, longest %.1f ms; own work mean %.1f ms, longest %.1f ms",
                     n, late, worst, n ? sum / n : 0, work;
              if (making != "") printf " (%.1f ms of it making textures)", making }' "$1"
}

play() {   # play PROGRAM NAME
    local exe=$1 name=$2 dir="$work/$2"
    mkdir -p "$dir/Data/Save"
    cp "$exe" "$dir/quillmarch"
    cp "$(dirname "$exe")/Quillmarch.fx" "$dir/"
    ln -s "$(cd "$(dirname "$exe")" && pwd)/Data/Wav" "$dir/Data/Wav"
    cp "$slot" "$dir/Data/Save/Save01.txt"
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        cd "$1" || exit 1
        . "$4/tools/screenshots/title_keys.sh"
        QM_FRAME_LOG="$1/frames.txt" taskset -c "$2" ./quillmarch > game.log 2>&1 &
        pid=$!
        start=$(date +%s.%N)
        if ! title_continue $pid 2> title.txt; then kill -TERM $pid; wait $pid; exit 1; fi
        # The loaded stage settles (its pictures made) in its first 12 s;
        # the stage is what follows.
        sleep 12
        from=$(echo "$(date +%s.%N) - $start" | bc)
        set -- $3
        while [ $# -ge 2 ]; do xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; shift 2; done
        to=$(echo "$(date +%s.%N) - $start" | bc)
        grep VmRSS /proc/$pid/status | awk "{print \$2}" > rss.txt
        echo "$from $to" > window.txt
        kill -TERM $pid; wait $pid
    ' sh "$dir" "$cores" "$keys" "$repo" > /dev/null 2>&1
    if [ ! -s "$dir/window.txt" ]; then
        echo "$name: not measured: $(cat "$dir/title.txt" 2>/dev/null || echo "the game did not play")" >&2
        exit 1
    fi
    read -r from to < "$dir/window.txt"
    [ -n "${KEEP:-}" ] && cp "$dir/frames.txt" "$KEEP/$name-frames.txt"
    echo "$name: $(summary "$dir/frames.txt" "$from" "$to"), resident $(($(cat "$dir/rss.txt") / 1024)) MiB"
    resident+=("$name $(cat "$dir/rss.txt")")
}
resident=()

echo "load: $(cut -d' ' -f1-3 /proc/loadavg), cores $cores"
play "$game" game
[ -n "$game2" ] && play "$game2" game2
seconds=$(echo "$keys" | awk '{ for (i = 2; i <= NF; i += 2) s += $i; print int(s + 0.5) }')
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    taskset -c "$1" "$2" "$3" "${SPRITES:-500}" "${PICTURES:-40}" "$4/bare_frames.txt" "${SIDE:-64}" > "$4/bare.txt"
    taskset -c "$1" "$2" 3 0 0 > "$4/bare0.txt"
    taskset -c "$1" "$2" 3 1 0 > "$4/bare1.txt"
' sh "$cores" "$bare" "$seconds" "$work" > /dev/null 2>&1
echo "bare loop (${SPRITES:-500} sprites of ${SIDE:-64} px from ${PICTURES:-40} pictures): $(summary "$work/bare_frames.txt" 1 1e9), $(cat "$work/bare.txt")"
echo "bare program, idle: $(cat "$work/bare0.txt")"
echo "bare program, one quad a frame: $(cat "$work/bare1.txt")"
idle=$(awk '{print $2}' "$work/bare0.txt"); quad=$(awk '{print $2}' "$work/bare1.txt")
for r in "${resident[@]}"; do
    set -- $r
    awk -v n="$1" -v g="$2" -v i="$idle" -v q="$quad" \
        'BEGIN { if (i > 0 && q > 0) printf "%s resident / bare idle %.2f, / bare one quad %.2f\n", n, g / i, g / q }'
done
