# Sourced by the scripts that run the real program in batch: takes PROGRAM and GOLDEN_DIR
# from the arguments, starts in a scratch folder with HOME there and no display, and
# gives `check NAME CONDITION...` and `run ARGS...` (status in $status, output in
# out.txt and err.txt). The script ends with `finish`.
set -uo pipefail
program=$(realpath "$1")
golden=$(realpath "$2")
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_DATA_HOME=
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
cd "$scratch" || exit 1
failures=0
check() {  # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}
run() {  # run ARGS...: status in $status, output in out.txt and err.txt
  timeout 30 "$program" "$@" >out.txt 2>err.txt
  status=$?
}
finish() {
  echo "$failures failed"
  exit $((failures > 0))
}
