#!/usr/bin/env bash
# The install script on systems where it cannot finish: a package apt cannot
# fetch (no network), no sudo, a sudo that refuses, no apt at all; and what
# each set installs, through sudo too.
# The system's tools are stood in for by small scripts first on PATH, so the
# machine's own packages are neither read nor changed.
set -uo pipefail
script="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# stub NAME BODY: a command in $work/bin.
mkdir -p "$work/bin"
stub() { printf '#!/bin/bash\n%s\n' "$2" > "$work/bin/$1"; chmod +x "$work/bin/$1"; }
# Only the tools the script needs, so what is not stubbed is absent.
for tool in grep cat env true; do ln -sf "$(type -P "$tool")" "$work/bin/$tool"; done

# run NAME SET: runs the script; its output in $work/NAME.out, its status in $status.
run() {
  PATH="$work/bin" /bin/bash "$script" "$2" > "$work/$1.out" 2>&1
  status=$?
}
expect() {  # expect NAME WHAT PATTERN...: each pattern is found in NAME's output
  local name="$1" what="$2"; shift 2
  for pattern in "$@"; do
    if ! grep -qF -- "$pattern" "$work/$name.out"; then
      echo "FAIL $name: $what: no \"$pattern\" in:"; sed 's/^/  | /' "$work/$name.out"
      failures=$((failures + 1))
    fi
  done
}
expect_status() {
  if [ "$status" -ne "$2" ]; then echo "FAIL $1: exit $status, not $2"; failures=$((failures + 1)); fi
}

# Every package installed but libdeflate-dev; apt as it answers with no network.
stub dpkg-query '[ "${@: -1}" = libdeflate-dev ] && exit 1; printf "install ok installed"'
stub id 'echo 0'
stub apt-get 'case "$1" in
  update) echo "W: Failed to fetch http://deb.example/dists/bookworm/InRelease  Temporary failure resolving" >&2; exit 100 ;;
  *) echo "E: Unable to locate package libdeflate-dev" >&2; exit 100 ;;
esac'
run no_network test
expect_status no_network 1
expect no_network "names what is missing and the command" \
  "missing: libdeflate-dev" \
  "as root, run: apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends libdeflate-dev"

# Not root, and no sudo to become it.
stub id 'echo 1000'
run no_sudo play
expect_status no_sudo 1
expect no_sudo "says why" "not root, and there is no sudo" "missing: libdeflate-dev"

# sudo itself refuses (it asks for a password no one gives): that is said,
# not a network fault.
stub sudo 'echo "sudo: a password is required" >&2; exit 1'
run sudo_refuses play
expect_status sudo_refuses 1
expect sudo_refuses "says sudo refused" "sudo refused" "missing: libdeflate-dev"
if grep -q "network" "$work/sudo_refuses.out"; then
  echo "FAIL sudo_refuses: blames the network"; failures=$((failures + 1))
fi

# Through a sudo that clears the environment, as sudo's env_reset does:
# apt-get still runs without questions.
stub sudo 'exec /usr/bin/env -i PATH="$PATH" "$@"'
stub apt-get 'echo "apt-get ${DEBIAN_FRONTEND:-asks} $1" >> '"$work"'/apt.log'
: > "$work/apt.log"
run through_sudo play
expect_status through_sudo 0
cp "$work/apt.log" "$work/through_sudo_apt.out"
expect through_sudo_apt "apt-get install is told to ask nothing" "apt-get noninteractive install"
rm "$work/bin/sudo"

# Nothing installed: each set asks apt for its own packages.
stub dpkg-query 'exit 1'
stub id 'echo 0'
stub apt-get 'echo "apt-get $*" >> '"$work"'/apt.log'
for set in play test; do
  : > "$work/apt.log"
  run "install_$set" "$set"
  expect_status "install_$set" 0
  cp "$work/apt.log" "$work/asked_$set.out"
  expect "asked_$set" "installs what the game needs" "libsdl2-dev" "libdeflate-dev" "fonts-ipafont-gothic"
done
for test_only in libgtest-dev libbenchmark-dev clang xvfb xdotool imagemagick; do
  if grep -qw -- "$test_only" "$work/asked_play.out"; then
    echo "FAIL install_play: installs $test_only, which only the tests need"; failures=$((failures + 1))
  fi
done
expect asked_test "installs what the tests need" libgtest-dev libbenchmark-dev xvfb xdotool imagemagick

# No apt at all: the libraries by their pkg-config names.
rm "$work/bin/dpkg-query" "$work/bin/apt-get"
stub pkg-config '[ "$2" = libdeflate ] && exit 1; [ "$2" = SDL2_mixer ] && exit 1; exit 0'
run no_apt play
expect_status no_apt 1
expect no_apt "names the libraries" "has no apt-get" "libraries (pkg-config names): SDL2_mixer libdeflate"
stub pkg-config 'exit 0'
# Every library there, but none of the tests' tools: those are named.
run no_apt_tools test
expect_status no_apt_tools 1
expect no_apt_tools "names the tests' tools" "clang" "Xvfb" "xauth" "xdotool" "ImageMagick"
for tool in clang Xvfb xauth xdotool convert; do stub "$tool" 'exit 0'; done
run no_apt_all_there test
expect_status no_apt_all_there 0

if [ "$failures" -ne 0 ]; then echo "$failures failed"; exit 1; fi
echo "install script: every case passed"
