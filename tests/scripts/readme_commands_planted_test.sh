#!/usr/bin/env bash
# The README check (readme_commands_test.sh) finds a broken command written
# inside a paragraph or in an indented block: each broken command below (a
# block when it has several lines), in a README of its own beside a command
# that works, makes it fail, while the same README with the command mended
# passes, and runs it or, for a script named alone, names it.
#   readme_commands_planted_test.sh REPOSITORY BUILD_DIR
set -uo pipefail
repo="$1"
build="$2"
check="$(dirname "$0")/readme_commands_test.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mended=(
  "ctest --test-dir build/test -R '^HoldWords\.EveryCast' --no-tests=error"
  "build/test/tools/writer/quillmarch_writer list"
  "build/test/tools/writer/quillmarch_writer list"
  "env QM_SOAK_SEED=7 build/test/tests/quillmarch_tests --gtest_filter='HoldWords.EveryCast*'"
  "cd build/test && tests/quillmarch_tests --gtest_filter='HoldWords.EveryCast*'"
  "timeout 60 build/test/tools/writer/quillmarch_writer list"
  "taskset -c 0 build/test/tools/writer/quillmarch_writer list"
  "tools/screenshots/loaded_slots.sh"
  "ctest --test-dir build/test -R '^HoldWords\.EveryCas[t]' --no-tests=error"
  "build/test/tools/writer/quillmarch_writer list
cd build/test && ctest -R '^HoldWords\.EveryCast' --no-tests=error
printf 'w 2\\nq\\n' > /tmp/actions.txt"
  "QM_SAVE_SWEEP=whole build/test/tests/quillmarch_tests --gtest_filter='HoldWords.EveryCast*'"
  "build/test/tests/quillmarch_tests --gtest_filter='HoldWords.EveryCast*'"
)
broken=(
  # a test name misspelled: ctest finds nothing, says so and exits 0
  "ctest --test-dir build/test -R '^HoldWord\.EveryCast'"
  # a program of the build that is not there
  "build/test/tools/writer/quillmarch_writr list"
  # an argument the program refuses
  "build/test/tools/writer/quillmarch_writer list --all"
  # env before a test program whose filter selects nothing
  "env QM_SOAK_SEED=7 build/test/tests/quillmarch_tests --gtest_filter='HoldWords.EveryCost*'"
  # cd into the build, then a path that is not there from it
  "cd build/test && test/quillmarch_tests --gtest_filter='HoldWords.EveryCast*'"
  # a program that is not there, behind timeout
  "timeout 60 build/test/tools/writer/quillmarch_writr list"
  # the same behind taskset
  "taskset -c 0 build/test/tools/writer/quillmarch_writr list"
  # a script misspelled, named alone
  "tools/screenshots/loaded_slot.sh"
  # a regular expression whose class is no placeholder, selecting nothing
  "ctest --test-dir build/test -R '^HoldWords\.EveryCos[t]'"
  # a block whose cd fails in the middle: the lines after it run at the root
  "build/test/tools/writer/quillmarch_writer list
cd build/tset && ctest -R '^HoldWords\.EveryCast' --no-tests=error
printf 'w 2\\nq\\n' > /tmp/actions.txt"
  # a variable misspelled: the sweep's sample runs in place of the whole
  "QM_SAVE_SWEP=whole build/test/tests/quillmarch_tests --gtest_filter='HoldWords.EveryCast*'"
  # a flag misspelled: the test program prints its help, runs nothing, exits 0
  "build/test/tests/quillmarch_tests --gtest_filtr='HoldWords.EveryCast*'"
)

failures=0
# run_readme NAME COMMAND: the check's exit status on a README giving
# COMMAND inline (or, with several lines, as an indented block), beside a
# command that works.
run_readme() {
  if [[ "$2" == *$'\n'* ]]; then
    { printf '# Planted\n\nThe check:\n\n'; sed 's/^/    /' <<< "$2"; printf '\nThe slots: `%s`.\n' \
        "build/test/tools/writer/quillmarch_writer list"; } > "$work/$1.md"
  else
    printf '# Planted\n\nThe check: `%s` runs it. The slots: `%s`.\n' "$2" \
      "build/test/tools/writer/quillmarch_writer list" > "$work/$1.md"
  fi
  bash "$check" "$repo" "$build" "$work/$1.md" > "$work/$1.out" 2>&1
}
for i in "${!broken[@]}"; do
  first="${mended[$i]%%$'\n'*}"
  if ! run_readme "mended$i" "${mended[$i]}" ||
     ! grep -qxF -e "  | $first" -e "named, not run: $first" "$work/mended$i.out"; then
    echo "FAIL: the mended command did not run and pass: ${mended[$i]}"
    sed 's/^/  | /' "$work/mended$i.out"
    failures=$((failures + 1))
  fi
  if run_readme "broken$i" "${broken[$i]}" || ! grep -q '^FAIL' "$work/broken$i.out"; then
    echo "FAIL: the broken command passed: ${broken[$i]}"
    sed 's/^/  | /' "$work/broken$i.out"
    failures=$((failures + 1))
  else
    echo "caught: ${broken[$i]}"
  fi
done
[ "$failures" -eq 0 ] || exit 1
echo "every broken command was caught"
