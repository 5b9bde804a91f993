#!/usr/bin/env bash
# Checks the exact analysis against the round code: bjsim plays the seeded default strategy,
# the basic strategy and the best table under both soft-17 rules and three doubling rules
# at 100 decks, and each simulated return per round must lie within 3.5 standard errors of
# the exact one, with a standard error below 0.01 % of a bet (0.1 % with --quick).
#
# Usage: scripts/verify-exact.sh [--quick] [-j JOBS] [BJSIM]   (BJSIM: build/bin/bjsim)
set -euo pipefail

hands=160000000
target=0.0001
jobs=1
bjsim=
while (($#)); do
    case "$1" in
    --quick) hands=2000000 target=0.001 ;;
    -j) jobs="$2"; shift ;;
    -h | --help) sed -n '2,8p' "$0"; exit 0 ;;
    *) bjsim="$1" ;;
    esac
    shift
done
bjsim="${bjsim:-$(dirname "$0")/../build/bin/bjsim}"
[[ -x "$bjsim" ]] || { echo "verify-exact: no bjsim at $bjsim (build it first)" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$bjsim" --db "$work/BlkJack.mdb" --exact-only >/dev/null # creates the seeded database

# Strategy, the options that choose it, and the rule sets.
strategies=("default|--table stored" "basic|--table basic --on21 play-out"
    "best|--table best --on21 insurance")
rules=("S17 any DAS|--soft17 stand --double any --double-splits yes"
    "S17 10-11 DAS|--soft17 stand --double 10-11 --double-splits yes"
    "S17 any noDAS|--soft17 stand --double any --double-splits no"
    "H17 any DAS|--soft17 hit --double any --double-splits yes"
    "H17 10-11 DAS|--soft17 hit --double 10-11 --double-splits yes"
    "H17 any noDAS|--soft17 hit --double any --double-splits no")

field() { sed -n "s/^  \"$1\": \(.*\),\$/\1/p" "$2"; }

run() { # index strategy-options rule-options
    # shellcheck disable=SC2086
    "$bjsim" --db "$work/BlkJack.mdb" --decks 100 --hands "$hands" --seed "$((1000 + $1))" \
        --json $2 $3 >"$work/run$1.json"
}

index=0
for s in "${strategies[@]}"; do
    for r in "${rules[@]}"; do
        run "$index" "${s#*|}" "${r#*|}" &
        index=$((index + 1))
        while (($(jobs -rp | wc -l) >= jobs)); do wait -n; done
    done
done
wait

status=0
printf '%-8s %-14s %11s %11s %9s %7s\n' strategy rules exact simulated SE "dist/SE"
index=0
for s in "${strategies[@]}"; do
    for r in "${rules[@]}"; do
        out="$work/run$index.json"
        exact=$(field exact_return "$out")
        simulated=$(field return_per_round "$out")
        se=$(field return_per_round_stderr "$out")
        distance=$(field exact_distance_se "$out")
        verdict=$(awk -v d="$distance" -v se="$se" -v t="$target" \
            'BEGIN { print (d != "null" && d <= 3.5 && d >= -3.5 && se < t) ? "ok" : "FAIL" }')
        printf '%-8s %-14s %11.6f %11.6f %9.6f %7.2f %s\n' "${s%%|*}" "${r%%|*}" \
            "$exact" "$simulated" "$se" "$distance" "$verdict"
        [[ "$verdict" == ok ]] || status=1
        index=$((index + 1))
    done
done
exit "$status"
