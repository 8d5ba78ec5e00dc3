#!/usr/bin/env bash
# Install what Jumpline needs and build it into build/. Run it from anywhere, as often
# as you like: it installs only the packages that are missing (the list is
# scripts/packages.txt) and rebuilds only what changed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

mapfile -t packages < <(sed -e 's/#.*//' -e 's/[[:space:]]*$//' -e '/^[[:space:]]*$/d' scripts/packages.txt)

# dpkg-query prints one status line per known package; a name that is unknown, or
# only remembered from an earlier removal, is missing.
mapfile -t installed < <(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${packages[@]}" 2>/dev/null |
    awk '$1 == "installed" { print $2 }')
missing=()
for package in "${packages[@]}"; do
    found=no
    for name in "${installed[@]}"; do
        if [ "$name" = "$package" ]; then
            found=yes
            break
        fi
    done
    [ "$found" = yes ] || missing+=("$package")
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "These packages are missing and you are not root; install them as root: ${missing[*]}" >&2
            exit 1
        }
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Warnings stop the build only where JUMPLINE_WERROR=ON asks for it (CI does), never a user's.
werror=()
[ -n "${JUMPLINE_WERROR:-}" ] && werror=(-DJUMPLINE_WERROR="$JUMPLINE_WERROR")
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${werror[@]}"
cmake --build build --parallel 2
