#!/usr/bin/env bash
# Makes the Debian package from the build, as `make package` does, and checks it from outside:
# Debian's and freedesktop's own checkers (lintian on the package, desktop-file-validate on the
# menu entry, appstreamcli on the metadata, groff on the manual pages), its name and
# dependencies, its files as `dpkg -x` lays them out, the installed program starting, and a real
# dpkg install and removal in a scratch root, where man finds the pages.
#   package_test.sh CPACK BUILD_DIR SOURCE_DIR HAS_QUENFER(0|1)
set -euo pipefail
cpack=$1
build=$(realpath "$2")
source=$(realpath "$3")
has_quenfer=$4
work=$(mktemp -d)
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
source "$source/tests/e2e/x_session.sh"

fail=0
check() { # description, expected, actual
    if [[ "$2" == "$3" ]]; then echo "ok: $1"; else echo "FAIL: $1: expected '$2', got '$3'"; fail=1; fi
}
holds() { # description, command...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; fail=1; fi
}
passes() { # description, checker...: it ends with status 0 and reports no error or warning
    local what=$1 out status=0
    shift
    out=$("$@" 2>&1) || status=$?
    ! grep -Eiq '^[EW]: |error|warning' <<<"$out" || status="$status with a report"
    [[ $status == 0 ]] || echo "$out"
    check "$what" 0 "$status"
}

(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) \
    || { cat "$work/cpack.log"; echo "FAIL: cpack did not make the package"; exit 1; }
shopt -s nullglob
debs=("$work"/out/*.deb)
deb=${debs[0]}
field() { dpkg-deb --field "$deb" "$1"; }
check "one package, named for its name, version and machine" \
    "1 ondulix_0.0.5_$(dpkg --print-architecture).deb" \
    "${#debs[@]} $(field Package)_$(field Version)_$(field Architecture).deb"
# Among much else, lintian checks the copyright file, the changelog, the Maintainer field, the
# description's lines, the manual pages and the owner of every file.
passes "lintian on the package, without overrides" lintian --no-cfg --fail-on error,warning "$deb"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6multimedia6 libsndfile1 librtmidi6 \
    fonts-liberation2; do
    holds "depends on $needed" grep -Eq "(^|, )$needed( |,|$)" <<<"$depends"
done


root="$work/root"
dpkg -x "$deb" "$root"
metainfo=usr/share/metainfo/io.github.ondulix.Ondulix.metainfo.xml
expected_files=(
    usr/share/applications/ondulix.desktop "$metainfo"
    usr/share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/ondulix.png
    usr/share/doc/ondulix/{README.md,copyright,changelog.gz}
)
# The sound plugin, private to the program, in lib/<machine>/ondulix/ (or lib/ondulix/).
plugin=$(cd "$root" && find usr/lib -path '*/ondulix/libondulix_sound_output.so' | head -n 1)
[[ -n "$plugin" ]] && expected_files+=("$plugin")
programs=(ondulix)
[[ "$has_quenfer" == 1 ]] && programs+=(quenfer)
for program in "${programs[@]}"; do
    expected_files+=("usr/bin/$program" "usr/share/man/man1/$program.1.gz")
done
check "files in the package" "$(printf '%s\n' "${expected_files[@]}" | sort)" \
    "$(cd "$root" && find . -type f | sed 's|^\./||' | sort)"
for file in "${programs[@]/#/usr/bin/}" "$plugin"; do
    check "$file finds every library" "" "$(ldd "$root/$file" | grep 'not found' || true)"
done
for program in "${programs[@]}"; do
    holds "$program is executable" test -x "$root/usr/bin/$program"
    passes "groff on the manual page of $program" bash -o pipefail -c \
        'zcat "$1" | groff -ww -z -man' _ "$root/usr/share/man/man1/$program.1.gz"
done
for size in 16 32 48 256; do
    check "icon at $size pixels" "PNG ${size}x${size}" \
        "$(identify -format '%m %wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/ondulix.png")"
done
holds "copyright file: machine-readable, MIT licence" bash -c 'grep -qx "License: Expat" "$1" &&
    grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$1"' _ \
    "$root/usr/share/doc/ondulix/copyright"
check "changelog's latest entry is this version" "$(field Version)" \
    "$(dpkg-parsechangelog -l "$root/usr/share/doc/ondulix/changelog.gz" -S Version)"
check "metadata's latest release is this version" "$(field Version)" \
    "$(grep -om1 '<release version="[^"]*"' "$root/$metainfo" | cut -d'"' -f2)"
# validate-tree runs `appstreamcli validate --no-net` on each metadata file and also checks that
# its name is its component id and that its launchable is an installed menu entry.
passes "appstreamcli on the installed metadata" appstreamcli validate-tree --no-net "$root"

entry="$root/usr/share/applications/ondulix.desktop"
passes "desktop-file-validate on the menu entry" desktop-file-validate "$entry"
entry_value() { sed -n "s/^$1=//p" "$entry"; }
exec_line=$(entry_value Exec)
holds "entry starts the installed program" test -x "$root/usr/bin/${exec_line%% *}"
holds "entry's icon is in the theme" test -f "$root/usr/share/icons/hicolor/48x48/apps/$(entry_value Icon).png"

# The installed program starts in a real X server and finds its sound plugin where the package
# puts it: F5 maps it (without a sound server the program then says there is no output, which is
# enough).
start_x_server 800x700
(cd "$work" && XDG_STATE_HOME="$work/state" PULSE_SERVER=unix:/nonexistent/pulse.socket \
    exec "$root/usr/bin/ondulix") &
app_pid=$!
xdotool windowfocus --sync "$(wait_for_window "^Ondulix - ")" key F5 sleep 1
check "F5 loads the installed sound plugin" "$root/$plugin" \
    "$(grep -o "/.*libondulix_sound_output.so" "/proc/$app_pid/maps" | sort -u)"
kill "$app_pid"

# A real dpkg install into a scratch root of its own, and removal: the package's files come and
# go with it. The system's own package database is not touched.
scratch="$work/scratch"
mkdir -p "$scratch/var/lib/dpkg/info" "$scratch/var/lib/dpkg/updates" "$scratch/var/log"
touch "$scratch/var/lib/dpkg/status"
dpkg_scratch=(dpkg --root="$scratch" --force-depends --force-not-root --log="$work/dpkg.log")
holds "dpkg installs the package" "${dpkg_scratch[@]}" --install "$deb" >"$work/install.log" 2>&1
check "installed package status" "install ok installed" \
    "$(dpkg-query --admindir="$scratch/var/lib/dpkg" -W -f='${Status}' ondulix 2>&1)"
for program in "${programs[@]}"; do
    check "man finds the page of $program" "${program^^}(1)" \
        "$(MANPATH="$scratch/usr/share/man" man -P cat "$program" 2>&1 | awk 'NR == 1 { print $1 }')"
done
holds "dpkg removes the package" "${dpkg_scratch[@]}" --purge ondulix >"$work/remove.log" 2>&1
check "no file left after removal" "" "$(find "$scratch/usr" -type f 2>/dev/null)"

exit $fail
