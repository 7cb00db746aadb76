#!/usr/bin/env bash
# Runs one fuzz target long, at the lowest priority, keeping what it finds:
#   fuzz/long_run.sh TARGET [SECONDS]     (10 million inputs or 1800 s, whichever comes first)
# Needs the fuzz preset built (scripts/setup.sh --tests fuzz). The corpus grows in
# build/fuzz/fuzz/corpus/TARGET, findings go to build/fuzz/fuzz/findings/, the log to
# build/fuzz/fuzz/logs/TARGET.log, whose last lines are the run's figures:
#   grep -h -e 'stat::number_of_executed_units' -e 'Done' build/fuzz/fuzz/logs/TARGET.log
# The timeout is generous: on a busy machine a nice'd run is starved for seconds at a time.
set -euo pipefail
cd "$(dirname "$0")/../build/fuzz/fuzz"
target=$1
seconds=${2:-1800}
mkdir -p "corpus/$target" findings logs
nice -n 19 "./fuzz_$target" -runs=10000000 -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="findings/$target-" "corpus/$target" "seeds/$target" \
  >"logs/$target.log" 2>&1 || true
tail -n 12 "logs/$target.log"
