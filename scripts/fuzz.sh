#!/usr/bin/env bash
# Fuzzes every target of fuzz/ for SECONDS each (default 60), one after the other, with libFuzzer
# under ASan + UBSan, and prints executions and coverage per target.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]   fuzz (targets: mapper lists judged writes comments)
#   scripts/fuzz.sh --merge [TARGET...]     minimise: merge what fuzzing found into fuzz/corpus
#
# Fuzzing starts from the corpus kept in the repository (fuzz/corpus/<target>) and adds what it
# finds to build-fuzz/corpus/<target>; the repository's corpus changes only with --merge. A
# crash, leak, time-out or broken contract is written to build-fuzz/findings/<target>/ and
# fuzzing of that target stops. The seeds (the service's real answers, kindNN-*, written by
# qm-fuzz-seeds) and the regression entries (finding-*) are always kept; a merge adds only the
# inputs that reach code they do not.
set -euo pipefail
cd "$(dirname "$0")/.."

all_targets=(mapper lists judged writes comments)
merge=0
seconds=60
if [ "${1:-}" = "--merge" ]; then
    merge=1
    shift
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

# clang and its libFuzzer runtime from Debian's packages.
scripts/install-deps.sh clang libclang-rt-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/.ci/lsan.supp}"
common=(-rss_limit_mb=2048 -timeout=20 -dict=fuzz/xml.dict -print_final_stats=1)

if [ $merge -eq 1 ]; then
    for t in "${targets[@]}"; do
        kept=fuzz/corpus/$t
        found=build-fuzz/corpus/$t
        mkdir -p "$found"
        fresh=$(mktemp -d)
        find "$kept" -type f \( -name 'kind*' -o -name 'finding-*' \) -exec cp {} "$fresh" \;
        # Edges only (no hit counts): one input per piece of code reached keeps the corpus small.
        build-fuzz/bin/qm-fuzz-"$t" "${common[@]}" -merge=1 -use_counters=0 "$fresh" "$kept" "$found" \
            2>&1 | grep -E "MERGE-OUTER: [0-9]+ new files" || true
        find "$kept" -type f ! -name 'kind*' ! -name 'finding-*' -delete
        cp "$fresh"/* "$kept"/
        rm -rf "$fresh"
        echo "$t: $(find "$kept" -type f | wc -l) inputs, $(du -sk "$kept" | cut -f1) KB"
    done
    exit 0
fi

status=0
printf '%-9s %12s %9s %7s %7s %s\n' target executions "exec/s" cov ft findings
for t in "${targets[@]}"; do
    work=build-fuzz/corpus/$t
    findings=build-fuzz/findings/$t
    mkdir -p "$work" "$findings"
    log=build-fuzz/fuzz-$t.log
    rc=0
    build-fuzz/bin/qm-fuzz-"$t" "${common[@]}" -max_total_time="$seconds" \
        -artifact_prefix="$findings/" "$work" fuzz/corpus/"$t" >"$log" 2>&1 || rc=$?
    execs=$(sed -nE 's/^stat::number_of_executed_units:\s+([0-9]+)/\1/p' "$log")
    rate=$(sed -nE 's/^stat::average_exec_per_sec:\s+([0-9]+)/\1/p' "$log")
    last=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1 || true)
    cov=$(sed -nE 's/.*cov: ([0-9]+).*/\1/p' <<<"$last")
    ft=$(sed -nE 's/.*ft: ([0-9]+).*/\1/p' <<<"$last")
    found=$(find "$findings" -type f | wc -l)
    printf '%-9s %12s %9s %7s %7s %s\n' "$t" "${execs:--}" "${rate:--}" "${cov:--}" "${ft:--}" \
        "$found"
    if [ "$rc" -ne 0 ] || [ "$found" -gt 0 ]; then
        echo "  see $log and $findings/" >&2
        status=1
    fi
done
exit $status
