#!/usr/bin/env bash
# Measures the built-in database on real prose: a user who knows every short form types Jane
# Austen's Pride and Prejudice into the simulated desktop at use levels 3, 5 and 9, with the
# whole program running. Run by hand (as root, for apt-get); the method and the results are in
# docs/database.md. Arguments are passed on to measure_prose (for example --words 20000, or
# --level 5). MEASURE_BUILD_DIR may name an existing Release build folder; by default a
# temporary one is configured.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The novels ship as an R data set; R itself is needed only to write the text out.
apt-get update
apt-get install -y --no-install-recommends r-cran-janeaustenr
text="$work/pride-and-prejudice.txt"
Rscript -e "writeLines(janeaustenr::prideprejudice, '$text', useBytes = TRUE)"

build="${MEASURE_BUILD_DIR:-$work/build}"
if [[ -z "${MEASURE_BUILD_DIR:-}" ]]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUIBNOTE_TESTS=OFF
fi
cmake --build "$build" --target measure_prose -j2
measure="$(find "$build" -type f -name measure_prose -perm -u+x | head -n 1)"

echo "source: Pride and Prejudice (Jane Austen, 1813), in:"
dpkg-query -W r-cran-janeaustenr r-base-core
"$measure" --data "$root/data" "$@" "$text"
