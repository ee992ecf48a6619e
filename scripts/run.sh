#!/usr/bin/env bash
# Builds the release app and starts its window. Installs what is missing on
# Debian or Ubuntu first; says nothing unless something goes wrong.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# Build tools, Qt's headers, its platform plugins (the window and the ico
# icons need them at run time) and one font, so that text shows at all.
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev qt6-qpa-plugins fonts-dejavu-core)

scripts/ensure-packages.sh --quiet "${packages[@]}"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake --preset release && cmake --build --preset release; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "The build failed." >&2
  exit 1
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found: the desktop app needs one. To repair text without a window use build/release/cli/morwick-fix < file" >&2
  exit 2
fi

rm -f "$log"
trap - EXIT
exec build/release/app/qt/morwick
