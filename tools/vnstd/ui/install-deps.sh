#!/usr/bin/env bash
# Installs what `vnstd ui` needs and this machine lacks: the HTTP server and JSON libraries
# for the build, and with --browser also chromium, node and playwright-core for the browser
# test and --shot. Quiet when everything is there.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
packages=(libcpp-httplib-dev nlohmann-json3-dev)
if [ "${1:-}" = "--browser" ]; then packages+=(chromium); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${1:-}" = "--browser" ]; then
  command -v node >/dev/null || missing+=(nodejs)
  command -v npm >/dev/null || missing+=(npm)
fi
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; then
    echo "vnstd: missing packages: ${missing[*]} (apt-get install ${missing[*]})" >&2
    exit 1
  fi
  as_root=(); [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  echo "vnstd: installing ${missing[*]}" >&2
  "${as_root[@]}" apt-get update -qq >&2
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}" >&2
fi
if [ "${1:-}" = "--browser" ] && [ ! -d "$here/browser_test/node_modules/playwright-core" ]; then
  (cd "$here/browser_test" && npm install --no-audit --no-fund --silent >&2)
fi
