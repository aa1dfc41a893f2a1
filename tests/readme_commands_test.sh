#!/usr/bin/env bash
# Every command the README shows in an `sh` block is run as a user would type it: in a
# scratch folder of its own (the repository's tests/ beside it, for the golden answers
# files the README names, its scripts/, and the program's build folder as build/), with
# the build's program on the PATH as `central-polygon`, gama-local as `gama-local`, and
# private HOME and XDG folders. The blocks run in the README's order, so a file one makes
# is there for the next; each command must exit 0.
# A block the suite cannot run here says why in an HTML comment on the line before it
# (<!-- not run: … -->) and is counted as skipped.
# Usage: readme_commands_test.sh PROGRAM README
set -uo pipefail
program=$(realpath "$1")
readme=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/bin" "$scratch/home" "$scratch/work"
ln -s "$program" "$scratch/bin/central-polygon"
if [ -n "${GAMA_LOCAL:-}" ]; then ln -s "$(realpath "$GAMA_LOCAL")" "$scratch/bin/gama-local"; fi
ln -s "$(dirname "$readme")/tests" "$scratch/work/tests"
# The scripts, and the program's build as `build`, for the speed measurement.
ln -s "$(dirname "$readme")/scripts" "$scratch/work/scripts"
ln -s "$(dirname "$(dirname "$program")")" "$scratch/work/build"
# The answers file the README's batch examples call polygon.answers.
cp "$(dirname "$readme")/tests/golden/n6_b_on_ring.answers" "$scratch/work/polygon.answers"
export PATH="$scratch/bin:$PATH" HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config \
  XDG_DATA_HOME=$scratch/home/.local/share
unset DISPLAY WAYLAND_DISPLAY

# The blocks as commands, one per line with continuation lines joined; a skipped block
# as a line "#skip REASON".
commands=$(awk '
  /^<!-- not run:/ { reason = $0; sub(/^<!-- not run: */, "", reason); sub(/ *-->.*$/, "", reason); next }
  /^```sh$/ { inside = 1; skipped = reason; reason = ""; if (skipped != "") print "#skip " skipped; next }
  /^```/ { inside = 0; reason = ""; next }
  !inside && NF { reason = "" }
  inside && !skipped {
    line = $0
    if (sub(/\\$/, "", line)) { pending = pending line; next }
    print pending line; pending = ""
  }
' "$readme")

ran=0 skipped=0 failures=0
cd "$scratch/work" || exit 1
while IFS= read -r command; do
  if [[ $command == "#skip "* ]]; then
    echo "skip ${command#\#skip }"
    skipped=$((skipped + 1))
    continue
  fi
  ran=$((ran + 1))
  if timeout 120 bash -c "$command" >"$scratch/out.txt" 2>"$scratch/err.txt"; then
    echo "ok   $command"
  else
    echo "FAIL $command"
    sed 's/^/     /' "$scratch/err.txt" | head -n 5
    failures=$((failures + 1))
  fi
done <<<"$commands"
echo "README: $ran commands run, $skipped blocks skipped"
[ "$ran" -ge 5 ] || { echo "FAIL the README has fewer commands than it shows"; failures=$((failures + 1)); }
echo "$ran passed, $failures failed"
exit $((failures > 0))
