#!/usr/bin/env bash
# The report core against awk, the tool a user might reach for instead: on the same million
# line-ended eigenvalues for 301 subjects, each is run as a whole process, the best wall time of
# five runs is kept, their rows must be identical, and each one's peak memory is measured.
# Prints "key value" lines for scripts/bench's summary after its own readable output.
# Usage: bench/compare_awk.sh <report_cli binary> <work folder>
set -euo pipefail

cli=${1:?usage: compare_awk.sh <report_cli binary> <work folder>}
work=${2:?usage: compare_awk.sh <report_cli binary> <work folder>}
mkdir -p "$work"
export LC_ALL=C  # the same number reading and writing for every tool, and awk at its fastest

subjects=301
values=1000000
runs=5
input=$work/eigenvalues.txt

# Values from 0.1 to 15.1 with three decimals, as an analysis would give, the same every run.
gawk -v count="$values" 'BEGIN {
  srand(20260102)
  for (i = 0; i < count; i++) printf "%.3f\n", 0.1 + rand() * 15
}' >"$input"

# The same rows as the core writes: SE = sqrt(2 v^2 / n), floored at 0.00001 when it would show
# as zero, and the 95% interval v -/+ 1.96 SE.
rows_program='{ v = $0 + 0; se = sqrt(2 * v * v / n); if (se < 0.0001) se = 0.00001;
  printf "%+.4f      %+.4f      %.4f \342\200\223 %.4f\n", v, se, v - 1.96 * se, v + 1.96 * se }'

tools=(core gawk)
command -v mawk >/dev/null && tools+=(mawk)

# Runs a tool on the input, behind an optional prefix command (such as /usr/bin/time).
run_tool() {
  local tool=$1
  shift
  case $tool in
    core) "$@" "$cli" "$subjects" "$input" ;;
    *) "$@" "$tool" -v n="$subjects" "$rows_program" "$input" ;;
  esac
}

# Best wall time in seconds of $runs whole-process runs, output discarded.
best_time() {
  local best= start end elapsed
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    run_tool "$1" >/dev/null
    end=$(date +%s%N)
    elapsed=$((end - start))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.3f", ns / 1e9 }'
}

peak_mb() {
  local kb
  kb=$(run_tool "$1" /usr/bin/time -f %M -o "$work/time.out" >/dev/null && tail -n 1 "$work/time.out")
  awk -v kb="$kb" 'BEGIN { printf "%.1f", kb / 1024 }'
}

# The core's rows are its lines that start with a sign; nothing else in its report does.
run_tool core | grep '^+' >"$work/core.rows"
[ "$(wc -l <"$work/core.rows")" -eq "$values" ] || {
  echo "the core wrote $(wc -l <"$work/core.rows") rows, expected $values" >&2
  exit 1
}

declare -A seconds memory
for tool in "${tools[@]}"; do
  if [ "$tool" != core ]; then
    run_tool "$tool" >"$work/$tool.rows"
    if ! cmp -s "$work/core.rows" "$work/$tool.rows"; then
      echo "$tool's rows differ from the core's:" >&2
      diff "$work/core.rows" "$work/$tool.rows" | head -n 10 >&2
      exit 1
    fi
    echo "$tool: the same $values rows as the core"
  fi
  seconds[$tool]=$(best_time "$tool")
  memory[$tool]=$(peak_mb "$tool")
done

printf '%-6s %10s %10s %14s\n' tool "best (s)" "vs core" "peak RSS (MB)"
for tool in "${tools[@]}"; do
  ratio=$(awk -v a="${seconds[$tool]}" -v c="${seconds[core]}" 'BEGIN { printf "%.1fx", a / c }')
  printf '%-6s %10s %10s %14s\n' "$tool" "${seconds[$tool]}" "$ratio" "${memory[$tool]}"
done

for tool in "${tools[@]}"; do
  echo "RESULT ${tool}_seconds ${seconds[$tool]}"
  echo "RESULT ${tool}_peak_mb ${memory[$tool]}"
done
