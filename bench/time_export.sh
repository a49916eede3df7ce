#!/bin/sh
# Times the cold picture export as a whole process, several runs:
#   bench/time_export.sh ORVANTA_BINARY PROJECT.ovt [RUNS] [SIZE] [OUT.png]
# prints the minimum, median and maximum wall time in milliseconds. The
# settings folder is a fresh empty one, so every run draws with the first-run
# settings and none reads the user's.
set -eu
bin=$1
project=$2
runs=${3:-15}
size=${4:-2400x1350}
out=${5:-/tmp/orvanta-time-export.png}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
times=""
i=0
while [ "$i" -lt "$runs" ]; do
  start=$(date +%s%N)
  XDG_CONFIG_HOME="$home" QT_QPA_PLATFORM=offscreen "$bin" --export "$out" --size "$size" "$project" >/dev/null
  end=$(date +%s%N)
  times="$times $(( (end - start) / 1000000 ))"
  i=$((i + 1))
done
echo "$times" | tr ' ' '\n' | grep . | sort -n | awk -v runs="$runs" -v size="$size" '
  { t[NR] = $1 }
  END {
    median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
    printf "export %s, %d runs: min %d ms, median %d ms, max %d ms\n", size, runs, t[1], median, t[NR]
  }'
