#!/bin/bash
# Loads prepared save slots from the title in the real game under a virtual X
# server and takes a picture every few seconds of the first half minute, Enter
# going on with any line that waits, then puts each slot's pictures on one
# sheet (OUTDIR/<slot>.png, half size, in order left to right).
#
#   tools/screenshots/loaded_slots.sh GAMEDIR WRITER OUTDIR [SLOT...]
#
# GAMEDIR is a built game folder (build/release/game), WRITER the slot writer
# (build/test/tools/writer/quillmarch_writer); with no SLOT named, every slot
# the writer lists. QM_JOBS (default 3) slots run at once, each in a copy of
# the game folder and a virtual X server of its own; QM_SHOTS (default 7)
# pictures are taken, 5 s apart. A slot that fails prints why and keeps its
# logs in OUTDIR/<slot>.failed; the script then exits non-zero.
set -eu
game=$(realpath "$1"); writer=$(realpath "$2"); out=$(realpath -m "$3"); shift 3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
slots=("$@")
if [ ${#slots[@]} -eq 0 ]; then
  mapfile -t slots < <("$writer" list | sed -n '/^slots:/,/^[a-z]/p' | awk '/^  /{print $1}')
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Enter every 2.5 s (a waiting line goes on), a picture every 5 s.
{
  for i in $(seq "${QM_SHOTS:-7}"); do
    echo "c shot_$i"; echo "w 2.3"; echo "t Return"; echo "w 2.3"; echo "t Return"
  done
  echo q
} > "$work/actions.txt"
# A slot that fails says why in its writer's or its drive's own words, and
# keeps its logs (the writer's, the drive's, the game's and its trace log) in
# OUTDIR/<slot>.failed, since the work folder goes when the script ends.
failed() {
  local name=$1 dir=$2 log=$3 what=$4 kept="$out/$1.failed"
  rm -rf "$kept"
  mkdir -p "$kept"
  cp "$dir"/*.log "$kept"/ 2>/dev/null
  [ -d "$dir/shots" ] && cp "$dir"/shots/*.log "$dir"/shots/*.txt "$kept"/ 2>/dev/null
  {
    echo "$name: $what:"
    sed "s|$dir/shots|$kept|g; s/^/  /" "$log"
    echo "$name: its logs are kept in $kept"
  } >&2
  return 1
}
one() {
  local name=$1 dir="$work/$1"
  mkdir -p "$dir"
  "$writer" slot "$name" "$dir/slot.txt" > "$dir/writer.log" 2>&1 ||
    { failed "$name" "$dir" "$dir/writer.log" "the writer wrote no slot"; return; }
  cp -rT "$game" "$dir/game"
  xvfb-run -a -s "-screen 0 1024x768x24" "$here/drive.sh" "$dir/game" "$dir/slot.txt" "$work/actions.txt" "$dir/shots" \
    > "$dir/drive.log" 2>&1 || { failed "$name" "$dir" "$dir/drive.log" "the drive failed"; return; }
  montage $(seq -f "$dir/shots/shot_%g.png" "${QM_SHOTS:-7}") -tile 4x -geometry 512x384+2+2 -background '#202020' "$out/$name.png"
  rm -rf "$out/$name.failed"
  echo "$name: $out/$name.png"
}
export -f one failed; export work writer game here out
printf '%s\n' "${slots[@]}" | xargs -P "${QM_JOBS:-3}" -I{} bash -c 'one "$@"' _ {}
