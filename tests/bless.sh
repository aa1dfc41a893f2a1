#!/usr/bin/env bash
# Writes every golden transcript anew from its answers (and NAME.args, the harness's
# arguments, where there is one) with the harness in build/, then
# shows what changed for review. Nothing is committed: read the diff, then commit it.
set -euo pipefail
cd "$(dirname "$0")/.."
harness=build/tests/transcript
[ -x "$harness" ] || { echo "build the harness first: cmake --build build --target transcript" >&2; exit 2; }
for answers in tests/golden/*.answers; do
  status=0
  arguments=()
  [ -f "${answers%.answers}.args" ] && read -ra arguments <"${answers%.answers}.args"
  "$harness" "${arguments[@]}" < "$answers" > "${answers%.answers}.transcript" || status=$?
  # 3 means the answers ran out while a prompt waited, which some cases show on purpose.
  if [ "$status" -ne 0 ] && [ "$status" -ne 3 ]; then
    echo "$answers: the harness exited with $status" >&2
    exit 1
  fi
done
git --no-pager diff --stat -- tests/golden
git --no-pager diff -- tests/golden
