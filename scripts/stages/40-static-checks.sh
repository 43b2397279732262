#!/usr/bin/env bash
# Static checks: clang-tidy (rules in .clang-tidy) and cppcheck over the project's own sources
# and the headers they include, using the compile commands of a clang build in build-static/.
# Generated files (moc, uic and rcc output) live in the build folder and are not checked.
# Any finding fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${STATIC_BUILD_DIR:-$root/build-static}
jobs=$(nproc)
folders=${STATIC_FOLDERS:-config app ui tests fuzz bench}

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
# A full build: it makes the moc output that sources include, and clang warns about things gcc
# does not. The fuzz target builds only with clang, so it is checked here too.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DWEATHER_WERROR=$werror \
    -DWEATHER_FUZZ=ON >/dev/null
cmake --build "$build" -j"$jobs"

# The compile commands of the project's own sources, one per file. cppcheck gets a copy without
# the generated include folders: it cannot follow Qt's headers, so moc output makes no sense to
# it, and generated code is not ours to check anyway.
db=$build/static-checks
mkdir -p "$db/cppcheck"
python3 - "$build/compile_commands.json" "$db" "$root" $folders <<'PY'
import json, re, sys
source, target, root, folders = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
prefixes = tuple(f"{root}/{f}/" for f in folders)
seen, kept = set(), []
for entry in json.load(open(source)):
    if entry["file"].startswith(prefixes) and entry["file"] not in seen:
        seen.add(entry["file"])
        kept.append(entry)
json.dump(kept, open(f"{target}/compile_commands.json", "w"), indent=1)
for entry in kept:
    entry["command"] = re.sub(r" -I\S*_autogen/include\S*", "", entry["command"])
json.dump(kept, open(f"{target}/cppcheck/compile_commands.json", "w"), indent=1)
PY
mapfile -t sources < <(python3 -c 'import json, sys; [print(e["file"]) for e in json.load(open(sys.argv[1]))]' \
    "$db/compile_commands.json")
[ ${#sources[@]} -gt 0 ] || { echo "no sources found" >&2; exit 1; }
header_filter="^$root/($(echo $folders | tr ' ' '|'))/"

status=0
echo "clang-tidy: ${#sources[@]} files"
logs=$db/clang-tidy
rm -rf "$logs" && mkdir -p "$logs"
printf '%s\n' "${sources[@]}" | xargs -P"$jobs" -I{} sh -c \
    'clang-tidy -p "$1" --quiet --header-filter="$2" "$3" >"$4/$(echo "$3" | tr / _).log" 2>&1 ||
     echo "$3" >>"$4/failed"' _ "$db" "$header_filter" {} "$logs"
if [ -e "$logs/failed" ]; then
    # The findings without the noise about suppressed warnings in Qt's headers.
    grep -h -v -E '^[0-9]+ warnings? (generated|treated as errors)|^Suppressed|^Use -header-filter' \
        "$logs"/*.log || true
    echo "clang-tidy: findings in $(sort -u "$logs/failed" | wc -l) file(s)"
    status=1
fi

echo "cppcheck: ${#sources[@]} files"
if ! cppcheck --quiet --error-exitcode=1 --project="$db/cppcheck/compile_commands.json" \
    --std=c++20 --library=qt --enable=warning,style,performance,portability --inline-suppr \
    --suppress=missingIncludeSystem -j"$jobs" --cppcheck-build-dir="$db/cppcheck"; then
    echo "cppcheck: findings"
    status=1
fi
echo "40-static-checks: $([ $status -eq 0 ] && echo passed || echo FAILED) in ${SECONDS} s"
exit $status
