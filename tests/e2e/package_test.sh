#!/usr/bin/env bash
# Makes the Debian package from the build, as `make package` does, and checks it from outside:
# its control fields and dependencies, its files as `dpkg -x` lays them out, the menu entry by
# desktop-file-validate, the installed program starting, and a real dpkg install and removal in
# a scratch root.
#   package_test.sh CPACK BUILD_DIR SOURCE_DIR HAS_QUENFER(0|1)
set -euo pipefail
cpack=$1
build=$(realpath "$2")
source=$(realpath "$3")
has_quenfer=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail=0
check() { # description, expected, actual
    if [[ "$2" == "$3" ]]; then echo "ok: $1"; else echo "FAIL: $1: expected '$2', got '$3'"; fail=1; fi
}
holds() { # description, command...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; fail=1; fi
}

(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) \
    || { cat "$work/cpack.log"; echo "FAIL: cpack did not make the package"; exit 1; }
shopt -s nullglob
debs=("$work"/out/*.deb)
check "one package made" 1 "${#debs[@]}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
check "package file name" "ondulix_0.0.5_${arch}.deb" "$(basename "$deb")"

field() { dpkg-deb --field "$deb" "$1"; }
check "package name" ondulix "$(field Package)"
check "version" 0.0.5 "$(field Version)"
check "architecture" "$arch" "$(field Architecture)"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    holds "depends on $needed" grep -Eq "(^|, )$needed( |,|$)" <<<"$depends"
done

# Every dependency is one this machine has, in a version that satisfies it: the package installs.
satisfied() { # "name (op version)" or "name"
    local name op version installed
    read -r name op version <<<"$(sed -E 's/[()]//g' <<<"$1")"
    [[ $(dpkg-query -W -f='${db:Status-Status}' "$name" 2>/dev/null) == installed ]] || return 1
    installed=$(dpkg-query -W -f='${Version}' "$name")
    [[ -z "$op" ]] || dpkg --compare-versions "$installed" "$op" "$version"
}
IFS=',' read -ra clauses <<<"$depends"
for clause in "${clauses[@]}"; do
    first=$(sed -E 's/^ *//; s/ *\|.*//' <<<"$clause")
    holds "dependency satisfied here: $first" satisfied "$first"
done

root="$work/root"
dpkg -x "$deb" "$root"
expected_files=(
    usr/bin/ondulix
    usr/share/applications/ondulix.desktop
    usr/share/icons/hicolor/16x16/apps/ondulix.png
    usr/share/icons/hicolor/32x32/apps/ondulix.png
    usr/share/icons/hicolor/48x48/apps/ondulix.png
    usr/share/icons/hicolor/256x256/apps/ondulix.png
    usr/share/doc/ondulix/README.md
)
programs=(usr/bin/ondulix)
if [[ "$has_quenfer" == 1 ]]; then
    expected_files+=(usr/bin/quenfer)
    programs+=(usr/bin/quenfer)
fi
check "files in the package" "$(printf '%s\n' "${expected_files[@]}" | sort)" \
    "$(cd "$root" && find . -type f | sed 's|^\./||' | sort)"
check "nothing owned by a build user" "" \
    "$(dpkg-deb --contents "$deb" | awk '$2 != "root/root"')"
for program in "${programs[@]}"; do
    holds "$program is executable" test -x "$root/$program"
    check "$program finds every library" "" "$(ldd "$root/$program" | grep 'not found' || true)"
done
for size in 16 32 48 256; do
    check "icon at $size pixels" "PNG ${size}x${size}" \
        "$(identify -format '%m %wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/ondulix.png")"
done
check "README installed as is" "" "$(diff "$source/README.md" "$root/usr/share/doc/ondulix/README.md" 2>&1 || true)"

entry="$root/usr/share/applications/ondulix.desktop"
validation=$(desktop-file-validate "$entry" 2>&1) && valid=yes || valid=no
check "desktop-file-validate accepts the entry" yes "$valid"
check "no error or warning from desktop-file-validate" "" \
    "$(grep -E 'error:|warning:' <<<"$validation" || true)"
entry_value() { sed -n "s/^$1=//p" "$entry"; }
check "entry name" Ondulix "$(entry_value Name)"
check "entry categories" "AudioVideo;Audio;Development;" "$(entry_value Categories)"
holds "entry starts the installed program" test -x "$root/usr/bin/$(entry_value Exec)"
holds "entry's icon is in the theme" test -f "$root/usr/share/icons/hicolor/48x48/apps/$(entry_value Icon).png"
holds "entry has a comment" test -n "$(entry_value Comment)"

# The packaged program starts and keeps running until it is stopped.
status=0
(cd "$work" && QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/ondulix" >/dev/null 2>&1) || status=$?
check "installed program runs until stopped" 124 "$status"

# A real dpkg install into a scratch root of its own, and removal: the package's files come and
# go with it. The system's own package database is not touched.
scratch="$work/scratch"
mkdir -p "$scratch/var/lib/dpkg/info" "$scratch/var/lib/dpkg/updates" "$scratch/var/log"
touch "$scratch/var/lib/dpkg/status"
dpkg_scratch=(dpkg --root="$scratch" --force-depends --force-not-root --log="$work/dpkg.log")
holds "dpkg installs the package" "${dpkg_scratch[@]}" --install "$deb" >"$work/install.log" 2>&1
check "installed package status" "install ok installed" \
    "$(dpkg-query --admindir="$scratch/var/lib/dpkg" -W -f='${Status}' ondulix 2>&1)"
holds "installed program in place" test -x "$scratch/usr/bin/ondulix"
holds "dpkg removes the package" "${dpkg_scratch[@]}" --purge ondulix >"$work/remove.log" 2>&1
check "no file left after removal" "" "$(find "$scratch/usr" -type f 2>/dev/null)"

exit $fail
