#!/usr/bin/env bash
# Measures the test suite against planted faults. Each mutant of tests/mutants.txt and
# tests/mutants-blind.txt (a small edit imitating a programmer's slip; the second list is
# written by someone who has not read the tests) is applied alone to a scratch copy of
# this tree, the copy is rebuilt incrementally and tested, and the edit is undone.
# A mutant is caught when a test fails (or runs out of time); the tests of the
# mutated folder run first and the whole suite only when they pass.
#
#   nice -n 19 scripts/mutation-check.sh [--own | --blind] [--list-only] [NAME-REGEX]
#
#   --own          only the mutants of tests/mutants.txt
#   --blind        only the mutants of tests/mutants-blind.txt
#                  (without either, both lists run and each gets its own score)
#   --list-only    only check that every mutant's text occurs exactly once (both lists
#                  unless --own or --blind)
#   NAME-REGEX     only the mutants whose "name:" matches (grep -E)
#
# Environment: ORVANE_MUTATION_DIR (scratch folder, default /tmp/orvane-mutation,
# kept between runs so that the next run builds incrementally), ORVANE_MUTATION_TIMEOUT
# (seconds per test, default 60), ORVANE_MUTATION_JOBS (default 2).
#
# Not part of CI: a full run takes about as long as forty incremental builds.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
own_list=tests/mutants.txt
blind_list=tests/mutants-blind.txt
lists=("$own_list" "$blind_list")
work=${ORVANE_MUTATION_DIR:-/tmp/orvane-mutation}
timeout=${ORVANE_MUTATION_TIMEOUT:-60}
jobs=${ORVANE_MUTATION_JOBS:-2}
tree="$work/tree"
build="$work/build"
list_only=0
filter=""
for arg in "$@"; do
    case "$arg" in
    --list-only) list_only=1 ;;
    --own) lists=("$own_list") ;;
    --blind) lists=("$blind_list") ;;
    -h | --help)
        sed -n '2,22p' "$0"
        exit 0
        ;;
    *) filter=$arg ;;
    esac
done

# --- the mutants --------------------------------------------------------------

names=() files=() finds=() replaces=() whats=() origins=()

unescape() { # "\n" in a mutant's text stands for a line break
    local text=$1
    printf '%s' "${text//\\n/$'\n'}"
}

read_mutants() { # reads the list tests/<name>.txt given as $1 (relative to the root)
    local list=$1 name="" file="" find="" replace="" what="" line have_replace=0
    flush() {
        if [[ -n $file ]]; then
            if [[ -z $name || -z $find || $have_replace -eq 0 || -z $what ]]; then
                echo "$list: incomplete mutant near '$name$file'" >&2
                exit 2
            fi
            if [[ -z $filter ]] || grep -Eq -- "$filter" <<<"$name"; then
                names+=("$name") files+=("$file") finds+=("$(unescape "$find")")
                replaces+=("$(unescape "$replace")") whats+=("$what") origins+=("$list")
            fi
        fi
        name="" file="" find="" replace="" what="" have_replace=0
    }
    while IFS= read -r line || [[ -n $line ]]; do
        case "$line" in
        "#"*) ;;
        "") flush ;;
        "name: "*) name=${line#name: } ;;
        "file: "*) file=${line#file: } ;;
        "find: "*) find=${line#find: } ;;
        "replace:"*)
            replace=${line#replace:}
            replace=${replace# }
            have_replace=1
            ;;
        "what: "*) what=${line#what: } ;;
        *)
            echo "$list: cannot read line: $line" >&2
            exit 2
            ;;
        esac
    done <"$root/$list"
    flush
}

# Prints how often `find` occurs in `file`.
occurrences() {
    FIND=$2 perl -0777 -ne '$n = () = /\Q$ENV{FIND}\E/g; print $n + 0' "$1"
}

# Replaces the one occurrence of `find` in `file`; the file's bytes are otherwise kept.
apply() {
    FIND=$2 REPLACE=$3 perl -0777 -pi -e 's/\Q$ENV{FIND}\E/$ENV{REPLACE}/' "$1"
}

for list in "${lists[@]}"; do
    read_mutants "$list"
done
if [[ ${#names[@]} -eq 0 ]]; then
    echo "no mutants selected" >&2
    exit 2
fi

# A mutant whose text is not (or no longer exactly once) in its file is left out of
# the run and the score: the code moved on, or its folder has not landed yet.
stale=0 keep=()
for i in "${!names[@]}"; do
    path="$root/${files[$i]}"
    count=0
    [[ -f $path ]] && count=$(occurrences "$path" "${finds[$i]}")
    if [[ $count -ne 1 ]]; then
        echo "STALE   ${names[$i]} (${origins[$i]}): its text occurs $count times in ${files[$i]} (must be once); left out"
        stale=$((stale + 1))
    else
        keep+=("$i")
    fi
done
echo "${#names[@]} mutants, $stale stale"
if [[ $list_only -eq 1 ]]; then
    [[ $stale -eq 0 ]]
    exit
fi
if [[ ${#keep[@]} -eq 0 ]]; then
    exit 2
fi

# --- the scratch copy -----------------------------------------------------------

# Copies the tracked and new files of this tree into the scratch tree, only those that
# differ (so the scratch build stays incremental), and drops files gone from here.
sync_tree() {
    mkdir -p "$tree"
    local list="$work/files.txt"
    (cd "$root" && git ls-files -co --exclude-standard | grep -v '^build') | sort >"$list"
    while IFS= read -r rel; do
        if [[ -f "$root/$rel" ]] && ! cmp -s "$root/$rel" "$tree/$rel"; then
            mkdir -p "$(dirname "$tree/$rel")"
            cp "$root/$rel" "$tree/$rel"
        fi
    done <"$list"
    (cd "$tree" && find . -type f | sed 's|^\./||' | sort) | comm -23 - "$list" | while IFS= read -r gone; do
        rm -f "$tree/$gone"
    done
}

export CCACHE_BASEDIR="$work" CCACHE_NOHASHDIR=1
configure() {
    if [[ ! -f "$build/CMakeCache.txt" ]]; then
        # No debug information: the many relinks per mutant are what the run waits for.
        cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
            -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
            -DCMAKE_C_COMPILER_LAUNCHER=ccache >"$work/configure.log"
    fi
}

build_dir() { # builds what the tests under build/<dir> need
    make -C "$build/$1" -j"$jobs" >"$work/build.log" 2>&1
}

# Runs the tests under build/<dir>; prints the names of those that failed or timed out.
failed_tests() {
    local dir=$1 log="$work/ctest.log"
    shift
    ctest --test-dir "$build/$dir" -j"$jobs" --timeout "$timeout" "$@" >"$log" 2>&1 || true
    sed -n '/The following tests FAILED:/,$p' "$log" | sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (\(.*\))$/\1 (\2)/p'
}

mkdir -p "$work"
echo "== scratch copy in $work =="
sync_tree
configure
echo "== building the unmutated copy =="
if ! build_dir .; then
    tail -30 "$work/build.log"
    echo "the unmutated copy does not build" >&2
    exit 1
fi
echo "== running the suite on the unmutated copy =="
baseline=$(failed_tests .)
exclude=()
if [[ -n $baseline ]]; then
    echo "These tests fail without any mutant and are left out:"
    echo "$baseline" | sed 's/^/    /'
    regex=$(echo "$baseline" | sed 's/ (.*//; s/[][.*^$+?(){}|\\/]/\\&/g; s/^/^/; s/$/$/' | paste -sd'|')
    exclude=(-E "$regex")
fi

# --- the mutants, one at a time ----------------------------------------------------

caught=() missed=() unbuilt=() results=()
for i in "${keep[@]}"; do
    name=${names[$i]} file=${files[$i]}
    target="$tree/$file"
    cp "$target" "$work/original"
    apply "$target" "${finds[$i]}" "${replaces[$i]}"
    # The tests of the mutated folder first: src/<folder>/... -> tests/<folder>.
    folder=$(echo "$file" | cut -d/ -f2)
    [[ $folder == usblib ]] && folders=(usblib simulator) || folders=("$folder")
    result="" by=""
    for dir in "${folders[@]}"; do
        [[ -n $result || ! -d "$build/tests/$dir" ]] && continue
        if ! build_dir "tests/$dir"; then
            result=unbuilt
        else
            by+="$(failed_tests "tests/$dir" "${exclude[@]}")"$'\n'
        fi
    done
    by=$(echo "$by" | grep -v '^$' || true)
    if [[ -z $result && -z $by ]]; then
        if ! build_dir .; then
            result=unbuilt
        else
            by=$(failed_tests . "${exclude[@]}")
        fi
    fi
    if [[ -z $result ]]; then
        [[ -n $by ]] && result=caught || result=missed
    fi
    cp "$work/original" "$target"
    results[$i]=$result
    by=$(echo "$by" | paste -sd, | sed 's/,/, /g')
    case "$result" in
    caught)
        caught+=("$name")
        printf 'CAUGHT  %-28s by %s\n' "$name" "$by"
        ;;
    missed)
        missed+=("$name")
        printf 'MISSED  %-28s %s: %s\n' "$name" "$file" "${whats[$i]}"
        ;;
    unbuilt)
        unbuilt+=("$name")
        printf 'UNBUILT %-28s %s does not compile with this edit (fix the mutant)\n' "$name" "$file"
        ;;
    esac
done

# Leaves the scratch build matching the tree again for the next run.
build_dir . || true

echo
for list in "${lists[@]}"; do # each list gets its own score
    n_caught=0 n_missed=0 n_stale=0
    for i in "${!names[@]}"; do
        [[ ${origins[$i]} == "$list" ]] || continue
        case "${results[$i]:-stale}" in
        caught) n_caught=$((n_caught + 1)) ;;
        missed) n_missed=$((n_missed + 1)) ;;
        stale) n_stale=$((n_stale + 1)) ;;
        esac
    done
    total=$((n_caught + n_missed))
    [[ $((total + n_stale)) -gt 0 ]] || continue
    echo "Score of $list: $n_caught of $total mutants caught ($((total > 0 ? 100 * n_caught / total : 0))%)"
    if [[ $n_stale -gt 0 ]]; then
        echo "    left out, stale: $n_stale"
    fi
done
if [[ ${#missed[@]} -gt 0 ]]; then
    echo "Missed: ${missed[*]}"
fi
if [[ ${#unbuilt[@]} -gt 0 ]]; then
    echo "Not counted, do not build: ${unbuilt[*]}"
fi
