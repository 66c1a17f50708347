#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset: clang, ASan + UBSan) and runs each of them for a while,
# starting from its seed corpus in fuzz/corpus/<name>/. Fails if any target finds a crash, leak, timeout or
# undefined behaviour; the input that did it is left in build/fuzz/run/<name>/.
#
#   bash tools/fuzz.sh                   short run: 20 s per target, two at a time (what CI runs)
#   bash tools/fuzz.sh --long 3600       long run: one hour per target
#   bash tools/fuzz.sh --time 60 ini     60 s for the INI engine only
#   options: --jobs N (targets run at once, default 2), --merge (add the inputs that reached new code to
#            the seed corpus in fuzz/corpus/, minimised), --no-build
#
# What each run found grows build/fuzz/run/<name>/corpus/ and is used again by the next run.
# To replay one input: build/fuzz/fuzz/fuzz_<name> FILE
set -eu
cd "$(dirname "$0")/.."

seconds=20
jobs=2
merge=0
build=1
only=()
while [ $# -gt 0 ]; do
    case "$1" in
    --time | --long) seconds="$2"; shift 2 ;;
    --jobs) jobs="$2"; shift 2 ;;
    --merge) merge=1; shift ;;
    --no-build) build=0; shift ;;
    -h | --help) sed -n '2,15p' "$0"; exit 0 ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) only+=("$1"); shift ;;
    esac
done

if [ $build -eq 1 ]; then
    . tools/packages.sh
    need_packages cmake ninja-build clang libclang-rt-14-dev libgtest-dev libgmock-dev nettle-dev
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
fi

list=build/fuzz/fuzzers.txt
[ -f $list ] || { echo "no $list: configure the fuzz preset first" >&2; exit 2; }

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# run_one NAME EXE SEEDS [DICT]: one fuzzing session; its log is build/fuzz/run/NAME/log.
run_one() {
    local name=$1 exe=$2 seeds=$3 dict=${4:-}
    local dir=build/fuzz/run/$name
    mkdir -p "$dir/corpus"
    rm -f "$dir"/crash-* "$dir"/leak-* "$dir"/timeout-* "$dir"/oom-* "$dir"/slow-unit-*
    local args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1
        -artifact_prefix="$dir/")
    [ -n "$dict" ] && args+=(-dict="$dict")
    if "$exe" "${args[@]}" "$dir/corpus" "$seeds" >"$dir/log" 2>&1; then
        echo ok >"$dir/status"
    else
        echo FAILED >"$dir/status"
    fi
    if [ $merge -eq 1 ]; then
        "$exe" -merge=1 -max_len=8192 "$seeds" "$dir/corpus" >"$dir/merge.log" 2>&1 || true
    fi
}

names=()
while read -r name exe seeds dict; do
    [ -n "$name" ] || continue
    if [ ${#only[@]} -gt 0 ] && ! printf '%s\n' "${only[@]}" | grep -qx "$name"; then continue; fi
    names+=("$name")
    run_one "$name" "$exe" "$seeds" "${dict:-}" </dev/null &
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
done <$list
wait

failed=0
printf '%-12s %-7s %12s %10s %8s\n' target result executions "exec/s" "new"
for name in "${names[@]}"; do
    dir=build/fuzz/run/$name
    status=$(cat "$dir/status" 2>/dev/null || echo FAILED)
    field() { sed -n "s/^stat::$1: *//p" "$dir/log" | tail -1; }
    printf '%-12s %-7s %12s %10s %8s\n' "$name" "$status" "$(field number_of_executed_units)" \
        "$(field average_exec_per_sec)" "$(field new_units_added)"
    if [ "$status" != ok ]; then
        failed=1
        echo "----- $name: $dir/log (end) -----"
        tail -60 "$dir/log"
        ls "$dir" | grep -E '^(crash|leak|timeout|oom|slow-unit)-' | sed "s|^|    input: $dir/|" || true
    fi
done
[ ${#names[@]} -gt 0 ] || { echo "no fuzz targets selected" >&2; exit 2; }
exit $failed
