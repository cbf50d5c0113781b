#!/usr/bin/env bash
# Installs the Debian packages of scripts/packages.txt that are missing (with sudo
# when not root). Does nothing, and needs no network, when all are present.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
while read -r package; do
    case "$package" in ''|'#'*) continue ;; esac
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done < scripts/packages.txt

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
