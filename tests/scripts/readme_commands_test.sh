#!/usr/bin/env bash
# Every command README.md shows works when pasted into a fresh shell at the
# repository's root: its indented lines, and the commands written inside its
# paragraphs. Each block of lines runs as one shell, stopping at the first
# line that fails, and each command of a paragraph as a block of its own, all
# in the README's order, as written but in a short version: the long runs cut
# short, /tmp/ a folder of this test's own, the build folder of the README
# (build/test) the one this test was built in, and the pictures the writer
# makes for docs/ written aside and compared with docs/ instead of over it.
# A command fails when it exits non-zero, and also when it selects no test
# (ctest's "No tests were found", a test program running 0 tests or, given
# a flag it does not know, printing its help and running none), as a check
# that finds nothing checks nothing. Each line of a block must succeed,
# the first commands of a line joined by && too (a cd that fails there
# would leave the next lines running somewhere else). A QM_ variable a
# command sets must be one the game, its tests or its scripts read: a
# misspelled one is set for nothing, and the run it was to change runs
# as it would without it. The two set-up commands are what
# runs this test, so they are left out (and said so); a fuzz target is the
# one program of the build the README says may be missing, and is skipped
# where this build does not make it.
#
# A span of a paragraph in backquotes looks like a command when, after any
# VAR=value words, it starts with a program (ctest, cmake, env, cd, bash, a
# program that runs the command after its own words, as xvfb-run, timeout or
# taskset do, a program of the build, build/..., an executable file of the
# repository, a script by its path) or with a path followed by arguments, or
# holds && or |. It is run when it gives its program arguments, none of them
# a placeholder (a word in capitals, alone or in [], or a name in <>; a
# regular expression's [0-9] is no placeholder); otherwise it is only named,
# and listed as such. A script or a program of this build named alone must
# be there. Every span is listed with what was made of it: nothing is
# dropped in silence.
#   readme_commands_test.sh REPOSITORY BUILD_DIR [README]
set -uo pipefail
repo="$1"
build="$2"
readme="${3:-$repo/README.md}"
work="$(mktemp -d)"
# The build folder as the README's lines name theirs: from the root where it
# lies inside it (build/test in CI, so nothing changes there).
build_named="$(realpath --relative-to="$repo" "$build")"
[[ "$build_named" == ..* ]] && build_named="$build"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tmp"
failures=0
skipped=0
named=0
plain=0

# What the README says → what this test runs instead (sed -E expressions).
shorten=(
  -e 's#/tmp/#'"$work"'/tmp/#g'
  -e 's/-max_total_time=[0-9]+/-max_total_time=2/g'
  -e 's/QM_SOAK_FRAMES=[0-9]+/QM_SOAK_FRAMES=30/g'
  -e 's/QM_SAVE_SWEEP=whole/QM_SAVE_SWEEP=1/g'
  -e 's/QM_DEVICE_LOSS_SWEEP=whole/QM_DEVICE_LOSS_SWEEP=1/g'
  -e 's/QM_SHOTS=[0-9]+/QM_SHOTS=1/g'
  -e 's#(build/release/bench/quillmarch_bench)$#\1 --benchmark_filter=BM_StageStepStanding#'
  -e 's#(quillmarch_writer pictures) docs#\1 '"$work"'/docs#'
  -e 's#^([^ ]*quillmarch_writer storyboard )#timeout 60 \1#'
  -e 's#build/test(/| |$)#'"$build_named"'\1#g'
)

# The QM_ variables the game, its tests and its scripts read: the names
# their C++ sources give getenv as strings, and those the scripts expand.
grep -rhoE --include='*.cpp' --include='*.h' '"QM_[A-Z0-9_]+"' --exclude-dir=build --exclude-dir=.git "$repo" |
  tr -d '"' > "$work/variables"
grep -rhoE --include='*.sh' '[$][{]?QM_[A-Z0-9_]+' --exclude-dir=build --exclude-dir=.git "$repo" |
  tr -d '${' >> "$work/variables"
grep -q QM_SAVE_SWEEP "$work/variables" || { echo "FAIL: the variables the game's tests read were not found"; exit 1; }

# run_block FILE: the block's lines in one shell at the root.
run_block() {
  local block="$1" shown unknown
  shown="$(cat "$block")"
  unknown="$(grep -oE '(^|[^A-Za-z0-9_-])QM_[A-Z0-9_]+=' "$block" | grep -oE 'QM_[A-Z0-9_]+' |
             grep -vxF -f "$work/variables" | sort -u | tr '\n' ' ')"
  if [ -n "$unknown" ]; then
    echo "FAIL (${unknown% } is read by nothing of the game, its tests or scripts):"; sed 's/^/  | /' <<< "$shown"
    failures=$((failures + 1))
    return
  fi
  # After each whole line (none that goes on to the next), its status.
  sed -E "${shorten[@]}" "$block" |
    awk '{ print } !/(\\|&&|\|\||\|)[[:space:]]*$/ {
           print "qm_status=$?; [ \"$qm_status\" -eq 0 ] || { echo \"line " NR " of the block failed (exit $qm_status)\" >&2; exit \"$qm_status\"; }" }' \
    > "$block.run"
  # The fuzz targets come only with -DQM_BUILD_FUZZ=ON: where this build
  # does not make them they are not tried here. Any other program missing
  # fails, as it would for whoever pastes the line.
  for program in $(grep -oE "[^ ]*/tests/fuzz/quillmarch_[a-z_]+_fuzz( |$)" "$block.run"); do
    [[ "$program" == /* ]] || program="$repo/$program"
    if [ ! -x "$program" ]; then
      echo "SKIP (fuzz target not built here: $program):"; sed 's/^/  | /' <<< "$shown"
      skipped=$((skipped + 1))
      return
    fi
  done
  local started=$SECONDS
  (cd "$repo" && bash -e "$block.run") > "$block.out" 2>&1
  local status=$?
  local took="$((SECONDS - started)) s"
  # The storyboard is cut short by its bound: it must have drawn frames by then.
  if [ "$status" -eq 124 ] && grep -q 'storyboard' "$block.run" &&
     [ -n "$(find "$work/tmp" -path '*storyboard*' -name '*.png' -print -quit)" ]; then
    status=0
  fi
  local why="exit $status"
  if [ "$status" -eq 0 ] && grep -qE 'No tests were found|Running 0 tests from|Failed to match any benchmarks' "$block.out"; then
    status=1
    why="it selects no test"
  fi
  if [ "$status" -eq 0 ] && grep -q 'This program contains tests written using Google Test' "$block.out"; then
    status=1
    why="a test program did not know a flag: it printed its help and ran no test"
  fi
  if [ "$status" -ne 0 ]; then
    echo "FAIL ($why, $took):"; sed 's/^/  | /' <<< "$shown"
    echo "  ran:"; grep -v "^qm_status=" "$block.run" | sed 's/^/  | /'
    echo "  said:"; tail -20 "$block.out" | sed 's/^/  | /'
    failures=$((failures + 1))
  else
    echo "ok ($took):"; sed 's/^/  | /' <<< "$shown"
  fi
}

# is_placeholder WORD: whether WORD stands for what the reader fills in.
is_placeholder() {
  local word="${1//[\'\"]/}"
  local capitals='^\[?[A-Z][A-Z0-9_]*\]?$' named='<[A-Za-z_][A-Za-z0-9_ -]*>'
  [[ "$word" =~ $capitals || "$word" =~ $named ]]
}

# command_kind SPAN: "run" for a command to run, "named" for a program named
# without what it needs to run, "missing" for a script or a program of this
# build named alone that is not there, nothing for a span that is no command.
command_kind() {
  local span="$1" words program
  read -ra words <<< "$span"
  while [ "${#words[@]}" -gt 0 ] && [[ "${words[0]}" =~ ^[A-Za-z_][A-Za-z0-9_]*= ]]; do words=("${words[@]:1}"); done
  [ "${#words[@]}" -ge 1 ] || return 0
  program="${words[0]}"
  case "$program" in
    # These run the command after their own words: whatever stands behind
    # them is tried with them.
    ctest|cmake|env|cd|bash|sh|xvfb-run|timeout|taskset|nice|ionice|nohup|setsid|stdbuf|time|chrt) ;;
    # A folder of the build named alone is no command; its programs are ours.
    build/*|./build/*)
      [[ "${#words[@]}" -ge 2 || "${program##*/}" == quillmarch* ]] || return 0
      if [ "${#words[@]}" -eq 1 ] && [[ "${program#./}" == build/test/* ]] && [ ! -x "$build/${program#*build/test/}" ]; then
        echo missing
        return 0
      fi
      ;;
    *)
      # A script by its path is one even alone, and a misspelled one is no
      # file name: it is a broken command.
      if [[ "$program" == */*.sh || "$program" == */*.py ]] && [ "${#words[@]}" -eq 1 ] &&
         ! { [ -f "$repo/$program" ] && [ -x "$repo/$program" ]; }; then
        echo missing
        return 0
      fi
      if ! { [ -f "$repo/$program" ] && [ -x "$repo/$program" ]; } &&
         ! { [[ "$program" == */* ]] && [ "${#words[@]}" -ge 2 ]; } &&
         [[ " $span " != *" && "* && " $span " != *" | "* ]]; then
        return 0
      fi
      ;;
  esac
  [ "${#words[@]}" -ge 2 ] || { echo named; return 0; }
  for word in "${words[@]:1}"; do
    is_placeholder "$word" && { echo named; return 0; }
  done
  echo run
}

# The blocks, in the README's order: runs of lines indented by four spaces,
# and each command of a paragraph (its lines joined, as a span may run over
# a line's end).
blocks=0
inline=0
in_block=0
paragraph=""
end_paragraph() {
  local span
  while IFS= read -r span; do
    span="${span#\`}"
    span="${span%\`}"
    case "$(command_kind "$span")" in
      run) ;;
      named) echo "named, not run: $span"; named=$((named + 1)); continue ;;
      missing) echo "FAIL (no such script or program of the build): $span"; failures=$((failures + 1)); continue ;;
      *) echo "no command: $span"; plain=$((plain + 1)); continue ;;
    esac
    blocks=$((blocks + 1))
    inline=$((inline + 1))
    printf '%s\n' "$span" > "$work/block$blocks"
  done < <(grep -oE '`[^`]+`' <<< "$paragraph")
  paragraph=""
}
while IFS= read -r line; do
  if [[ "$line" == "    "* ]]; then
    end_paragraph
    command="${line#    }"
    case "$command" in scripts/play.sh|scripts/test.sh) echo "left out (what runs this test): $command"; continue ;; esac
    if [ "$in_block" -eq 0 ]; then blocks=$((blocks + 1)); in_block=1; fi
    printf '%s\n' "$command" >> "$work/block$blocks"
  elif [ -z "$line" ]; then
    end_paragraph
    in_block=0
  else
    paragraph+="$line "
    in_block=0
  fi
done < "$readme"
end_paragraph
if [ "$blocks" -eq 0 ]; then echo "FAIL: $readme shows no command"; exit 1; fi
# The layer check's paragraph gives its command inline: the rule above must
# find it, or a paragraph's commands would go untried unnoticed.
if [ "$inline" -eq 0 ]; then echo "FAIL: no command found inside the paragraphs of $readme"; exit 1; fi
for ((i = 1; i <= blocks; ++i)); do run_block "$work/block$i"; done

# The pictures the writer made are the ones docs/ shows.
if grep -q "quillmarch_writer pictures docs" "$readme"; then
  [ -n "$(find "$work/docs" -name '*.png' -print -quit 2>/dev/null)" ] ||
    { echo "FAIL: the writer made no pictures for docs/"; failures=$((failures + 1)); }
  for picture in "$work"/docs/*.png; do
    [ -e "$picture" ] || continue
    name="$(basename "$picture")"
    if ! cmp -s "$picture" "$repo/docs/$name"; then
      echo "FAIL: docs/$name is not what the writer makes"
      failures=$((failures + 1))
    fi
  done
fi

if [ "$failures" -ne 0 ]; then echo "$failures of $blocks blocks or pictures failed"; exit 1; fi
echo "README commands: $blocks blocks ($inline inside paragraphs), every one ran ($skipped fuzz targets not built here); $named programs named, not run; $plain spans no command"
