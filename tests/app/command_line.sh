#!/usr/bin/env bash
# Runs the built program with --help, --version and wrong options and checks exit codes and
# first lines. No display is given and Qt's platform is one that does not exist: had the
# program made its QApplication first, it would abort instead of answering.
set -uo pipefail
malvo=$1
version=$2
failures=0
ulimit -c 0  # the run that reaches QApplication aborts there; no core file
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# run LANG ARGS...: sets out, err and rc from one run of the program.
run() {
  local lang=$1; shift
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES LANG="$lang" \
        QT_QPA_PLATFORM=no-such-platform MALVO_HOME="$home/data" "$malvo" "$@" 2>"$home/err")
  rc=$?
  err=$(cat "$home/err")
}
expect() {  # expect DESCRIPTION ACTUAL WANTED
  if [[ "$2" != "$3" ]]; then
    echo "FAIL: $1: got [$2], wanted [$3]"
    failures=$((failures + 1))
  fi
}
expect_contains() {  # expect_contains DESCRIPTION TEXT PART
  if [[ "$2" != *"$3"* ]]; then
    echo "FAIL: $1: [$3] is not in:"; echo "$2"
    failures=$((failures + 1))
  fi
}

for option in --help -h; do
  run C "$option"
  expect "$option exit code" "$rc" 0
  expect "$option first line" "$(head -n1 <<<"$out")" "Usage: malvo [OPTION]... [PICTURE]..."
  expect_contains "$option names --version" "$out" "-v, --version"
  expect_contains "$option names the data folder" "$out" "Data folder: $home/data"
  expect_contains "$option names MALVO_HOME" "$out" "MALVO_HOME"
  expect "$option writes no error" "$err" ""
done

run da_DK.UTF-8 --help
expect "Danish --help exit code" "$rc" 0
expect "Danish --help first line" "$(head -n1 <<<"$out")" "Brug: malvo [TILVALG]... [BILLEDE]..."
expect_contains "Danish --help names the data folder" "$out" "Datamappe: $home/data"

for option in --version -v; do
  run C "$option"
  expect "$option exit code" "$rc" 0
  expect "$option output" "$out" "malvo $version"
done

# Qt's own options and their values are let through; the first of --help/--version wins.
run C -style fusion -platform=xcb -reverse --version --help
expect "Qt options before --version: exit code" "$rc" 0
expect "Qt options before --version: output" "$out" "malvo $version"

for option in --bogus -x -reverse=1 --help=yes; do
  run C picture.jpg "$option" --version
  expect "$option exit code" "$rc" 2
  expect "$option writes nothing on stdout" "$out" ""
  expect "$option first line" "$(head -n1 <<<"$err")" "malvo: unknown option '$option'"
done

run da_DK.UTF-8 --bogus
expect "Danish unknown option exit code" "$rc" 2
expect "Danish unknown option first line" "$(head -n1 <<<"$err")" "malvo: ukendt tilvalg '--bogus'"

# A name after -- is a picture, never an option: the option check does not stop it.
run C -- --bogus --version
expect "after --, names are pictures: the program went on to start (and found no display)" \
  "$([[ $rc -ne 0 && $rc -ne 2 ]] && echo started)" started

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "All command-line checks passed"
