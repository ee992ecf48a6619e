#!/usr/bin/env bash
# Installs those of the named Debian packages that are missing, with sudo
# when not root; says nothing when all are there.
#   scripts/ensure-packages.sh [--quiet] PACKAGE...
set -euo pipefail
quiet=""
if [[ "${1:-}" == "--quiet" ]]; then quiet=1; shift; fi

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if [[ -n "$quiet" ]]; then
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
