#!/bin/bash
# Drives the real game under a virtual X server from a prepared save slot and
# takes pictures. A fight can be shortened as the area tests' hooks do: a
# `g` line attaches gdb to the running game (built with symbols, e.g.
# RelWithDebInfo) and lowers an opponent's HP or damage word.
#
#   xvfb-run -n N -s "-screen 0 1024x768x24" tools/screenshots/drive.sh GAMEDIR SLOT ACTIONS OUTDIR
#
# SLOT is a save slot file (quillmarch_writer slot NAME FILE writes the prepared
# ones; quillmarch_writer list names them), or "new" for a new game from the title.
# GAMEDIR is a private copy of the built game folder (one running copy per
# folder). ACTIONS holds one command a line:
#   w SECONDS            wait
#   t KEY                tap a key (held 0.15 s)
#   h KEY SECONDS        hold a key
#   d KEY / u KEY        key down / key up
#   g GDB-COMMAND...     e.g.  g set var Era03ArenaEnemy3.hp = 1
#   c NAME               capture OUTDIR/NAME.png
#   b NAME COUNT GAP     COUNT captures GAP seconds apart
#   p EXPR               print a word into OUTDIR/log.txt
#   q                    stop
# With LIVE=1 the ACTIONS file is followed as it grows, so commands can be
# appended while the game runs.
# The keys reach the title when the game's trace log says it is up, and the
# script fails (exit 1, the trace log kept as OUTDIR/trace.txt) when the slot
# was not opened or no game began.
set -u
if [ $# -ne 4 ]; then
  echo "usage: drive.sh GAMEDIR SLOT ACTIONS OUTDIR" >&2
  exit 2
fi
# Every path as it was given, before the game's folder becomes the current one.
game=$(realpath -m "$1"); actions=$(realpath -m "$3"); out=$(realpath -m "$4")
if [ "$2" = new ]; then slot=new; else slot=$(realpath -m "$2"); fi
here=$(cd "$(dirname "$0")" && pwd)
for given in "$game/quillmarch" "$actions" "$slot"; do
  if [ "$given" != new ] && [ ! -e "$given" ]; then
    echo "drive.sh: there is no $given" >&2
    exit 1
  fi
done
. "$here/title_keys.sh"
mkdir -p "$out"
cd "$game"
mkdir -p Data/Save
# The trace log of an earlier run would say the title is up before it is.
rm -f "$qm_trace"
[ "$slot" = new ] || cp "$slot" Data/Save/Save01.txt
./quillmarch > "$out/game.log" 2>&1 &
pid=$!
tap() { qm_tap "$1"; }
if [ "$slot" = new ]; then started=title_new; else started=title_continue; fi
if ! "$started" "$pid"; then
  cp "$qm_trace" "$out/trace.txt" 2>/dev/null
  kill $pid 2>/dev/null; wait $pid 2>/dev/null
  echo "drive.sh: the game was not started as asked (see $out/game.log and $out/trace.txt)" >&2
  exit 1
fi
sleep 1                       # the stage's first frames
while read -r cmd rest; do
  set -- $rest
  case $cmd in
    w) sleep "$1";;
    t) tap "$1";;
    h) xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1";;
    d) xdotool keydown "$1";;
    u) xdotool keyup "$1";;
    g) gdb -p $pid -batch -ex "$rest" -ex detach > /dev/null 2>&1;;
    p) gdb -p $pid -batch -ex "print $rest" -ex detach 2>/dev/null | grep '^\$' | sed "s|^|$rest |" >> "$out/log.txt";;
    c) import -window root "$out/$1.png";;
    b) for i in $(seq 1 "$2"); do import -window root "$out/${1}_$i.png"; sleep "$3"; done;;
    q) break;;
    "#"*|"") ;;
  esac
done < <(if [ "${LIVE:-0}" = 1 ]; then tail -n +1 -f "$actions"; else cat "$actions"; fi)
# The game is stopped here, so how it ends says nothing (a sanitized build
# reports the display libraries' leftovers); one gone before that failed.
if ! kill -0 $pid 2>/dev/null; then
  echo "drive.sh: the game stopped before the actions were done (see $out/game.log)" >&2
  exit 1
fi
kill $pid; wait $pid 2>/dev/null
exit 0
