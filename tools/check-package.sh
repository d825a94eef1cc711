#!/bin/sh
# Builds the Debian package from a build folder, installs it, checks its files, starts the
# installed program once from an empty home folder, runs tavix-lists on the data it made, and
# removes the package again. Needs root (dpkg -i); prints what it does, exits non-zero on a fault.
#
#   tools/check-package.sh BUILD_DIR
set -e
BUILD=${1:?usage: check-package.sh BUILD_DIR}
BUILD=$(cd "$BUILD" && pwd)
if [ "$(id -u)" -ne 0 ]; then
    echo "check-package: installing a package needs root" >&2
    exit 2
fi

fail() {
    echo "check-package: $*" >&2
    exit 1
}

echo "-- building the package"
rm -f "$BUILD"/tavix_*.deb
cmake --build "$BUILD" --target package
DEB=$(ls "$BUILD"/tavix_*.deb 2>/dev/null | head -n 1)
[ -n "$DEB" ] || fail "no tavix_*.deb in $BUILD"
echo "-- $(basename "$DEB"): $(du -k "$DEB" | cut -f1) KiB"
dpkg-deb --info "$DEB" | sed -n 's/^ *\(Depends\|Installed-Size\|Architecture\):/   &/p'

WORK=$(mktemp -d)
installed=no
cleanup() {
    if [ "$installed" = yes ]; then
        echo "-- removing the package"
        dpkg -r tavix > /dev/null || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

# Nothing but the program, its companion and their files: no tests, benchmarks or build tools.
dpkg-deb --fsys-tarfile "$DEB" | tar -t | grep -v '/$' | sed 's|^\./|/|' | sort > "$WORK/contents"
unexpected=$(grep -v -E '^/usr/bin/(tavix|tavix-lists)$|^/usr/lib/([^/]+/)?tavix/libtavix_desktop\.so$|^/usr/share/tavix/(help/tavix\.(qhc|qch)|data/[^/]+\.dat)$|^/usr/share/doc/tavix/copyright$|^/usr/share/applications/tavix\.desktop$|^/usr/share/icons/hicolor/[^/]+/apps/tavix\.(svg|png)$' "$WORK/contents" || true)
[ -z "$unexpected" ] || fail "the package holds files it should not: $unexpected"

echo "-- installing"
installed=yes
if ! dpkg -i "$DEB"; then
    echo "-- installing the missing dependencies"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -f install -y -qq
fi
dpkg-query -W -f='${Status}\n' tavix | grep -q "install ok installed" || fail "the package did not install"

echo "-- checking the installed files"
for f in /usr/bin/tavix /usr/bin/tavix-lists /usr/share/tavix/help/tavix.qhc /usr/share/tavix/help/tavix.qch \
         /usr/share/tavix/data/TavixSE.dat /usr/share/tavix/data/TavixSC.dat /usr/share/tavix/data/TavixNM.dat \
         /usr/share/tavix/data/Tavixro.dat /usr/share/applications/tavix.desktop /usr/share/doc/tavix/copyright \
         /usr/share/icons/hicolor/scalable/apps/tavix.svg; do
    [ -s "$f" ] || fail "missing after install: $f"
done
[ -x /usr/bin/tavix ] && [ -x /usr/bin/tavix-lists ] || fail "the programs are not executable"
if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate /usr/share/applications/tavix.desktop || fail "the desktop file is not valid"
else
    echo "   (desktop-file-validate is not installed: the desktop file is not validated)"
fi
ldd /usr/bin/tavix | grep 'not found' && fail "the program misses libraries"
# Printing and help come from a module the program opens from its own library folder.
MODULE=$(grep -E '/tavix/libtavix_desktop\.so$' "$WORK/contents" || true)
[ -n "$MODULE" ] && [ -s "$MODULE" ] || fail "the printing and help module is not installed"
ldd "$MODULE" | grep 'not found' && fail "the printing and help module misses libraries"

echo "-- starting /usr/bin/tavix from an empty home folder"
mkdir -p "$WORK/home" "$WORK/cwd" "$WORK/runtime"
chmod 700 "$WORK/runtime"
USERDATA="$WORK/home/.local/share/Tavix/Tavix"
status=0
(cd "$WORK/cwd" && env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME="$WORK/home" \
    XDG_RUNTIME_DIR="$WORK/runtime" QT_QPA_PLATFORM=offscreen TAVIX_EXIT_WHEN_SHOWN=1 \
    timeout 60 /usr/bin/tavix > "$WORK/tavix.log" 2>&1) || status=$?
if [ "$status" -ne 0 ]; then
    cat "$WORK/tavix.log" >&2
    fail "/usr/bin/tavix exited with status $status"
fi
for f in TavixSE.dat TavixSC.dat TavixNM.dat Tavixro.dat; do
    cmp -s "/usr/share/tavix/data/$f" "$USERDATA/$f" || fail "$f was not copied into $USERDATA"
done
[ -z "$(ls -A "$WORK/cwd")" ] || fail "the program wrote into its working folder: $(ls -A "$WORK/cwd")"

echo "-- /usr/bin/tavix-lists --data $USERDATA standings"
/usr/bin/tavix-lists --data "$USERDATA" standings > "$WORK/standings.txt" || fail "tavix-lists failed"
cat "$WORK/standings.txt"
grep -q "Atlantic" "$WORK/standings.txt" || fail "the standings have no Atlantic division"

cleanup
installed=no
trap - EXIT
[ ! -e /usr/bin/tavix ] || fail "/usr/bin/tavix is still there after dpkg -r"
echo "-- the package installs, runs and removes cleanly"
