#!/usr/bin/env bash
# The README check (readme_commands_test.sh) finds a broken command written
# inside a paragraph: each broken command below, the one command of a README
# of its own, makes it fail, while the same README with the command mended
# runs it and passes.
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
)

failures=0
# run_readme NAME SPAN: the check's exit status on a README giving SPAN inline.
run_readme() {
  printf '# Planted\n\nThe check: `%s` runs it.\n' "$2" > "$work/$1.md"
  bash "$check" "$repo" "$build" "$work/$1.md" > "$work/$1.out" 2>&1
}
for i in "${!broken[@]}"; do
  if ! run_readme "mended$i" "${mended[$i]}" || ! grep -q '^ok:' "$work/mended$i.out"; then
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
