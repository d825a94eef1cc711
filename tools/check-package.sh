#!/bin/sh
# Builds the Debian package the Debian way (debian/, dpkg-buildpackage) from a copy of the source
# tree, checks it with lintian, installs it, checks its files (manual pages, AppStream entry,
# desktop entry, bash completion), starts the installed program once from an empty home folder,
# runs tavix-lists on the data it made, and removes the package again. Needs root (dpkg -i);
# prints what it does, exits non-zero on a fault, a lintian error or warning included.
#
#   tools/check-package.sh BUILD_DIR      (the package is built in BUILD_DIR/package)
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:?usage: check-package.sh BUILD_DIR}
mkdir -p "$BUILD"
BUILD=$(cd "$BUILD" && pwd)
if [ "$(id -u)" -ne 0 ]; then
    echo "check-package: installing a package needs root" >&2
    exit 2
fi

fail() {
    echo "check-package: $*" >&2
    exit 1
}

VERSION=$(dpkg-parsechangelog -l "$ROOT/debian/changelog" -S Version)
PROJECT_VERSION=$(sed -n 's/^project(Tavix VERSION \([0-9.]*\) .*/\1/p' "$ROOT/CMakeLists.txt")
[ "$VERSION" = "$PROJECT_VERSION" ] ||
    fail "debian/changelog is at $VERSION but CMakeLists.txt at $PROJECT_VERSION: add a changelog entry"

echo "-- building the package (dpkg-buildpackage -b -us -uc)"
PKG="$BUILD/package"
rm -rf "$PKG"
mkdir -p "$PKG/tavix-$VERSION"
# The source as it stands, without build folders: what git tracks and what it would track.
if git -C "$ROOT" rev-parse --git-dir > /dev/null 2>&1; then
    (cd "$ROOT" && git ls-files -co --exclude-standard -z | xargs -0 tar -cf - --no-recursion) |
        tar -xf - -C "$PKG/tavix-$VERSION"
else
    (cd "$ROOT" && tar -cf - --exclude='./build*' --exclude=./out --exclude=./.git .) | tar -xf - -C "$PKG/tavix-$VERSION"
fi
# The test suite has run on this tree already (tools/test-all.sh runs it first), so the package
# build skips its own run unless TAVIX_PACKAGE_TESTS=1 asks for it: a second build of every test
# would double the time of the whole check. debian/rules runs them for anyone else who builds.
CHECK_OPTIONS=${DEB_BUILD_OPTIONS:-}
[ "${TAVIX_PACKAGE_TESTS:-0}" = 1 ] || CHECK_OPTIONS="$CHECK_OPTIONS nocheck"
(cd "$PKG/tavix-$VERSION" && DEB_BUILD_OPTIONS="$CHECK_OPTIONS" dpkg-buildpackage -b -us -uc > "$PKG/build.log" 2>&1) || {
    tail -n 40 "$PKG/build.log" >&2
    fail "dpkg-buildpackage failed (the whole log: $PKG/build.log)"
}
DEB=$(ls "$PKG"/tavix_"$VERSION"_*.deb 2>/dev/null | head -n 1)
[ -n "$DEB" ] || fail "no tavix_${VERSION}_*.deb in $PKG"
echo "-- $(basename "$DEB"): $(du -k "$DEB" | cut -f1) KiB"
dpkg-deb --info "$DEB" | sed -n 's/^ *\(Depends\|Installed-Size\|Architecture\):/   &/p'

echo "-- lintian --pedantic"
lintian --pedantic --fail-on error,warning --display-info "$DEB" || fail "lintian reports errors or warnings"

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

# Nothing but the programs and their files: no tests, benchmarks or build tools.
dpkg-deb --fsys-tarfile "$DEB" | tar -t | grep -v '/$' | sed 's|^\./|/|' | sort > "$WORK/contents"
unexpected=$(grep -v -E '^/usr/bin/(tavix|tavix-lists)$|^/usr/lib/([^/]+/)?tavix/libtavix_desktop\.so$|^/usr/share/tavix/(help/tavix\.(qhc|qch)|data/[^/]+\.dat)$|^/usr/share/doc/tavix/(copyright|changelog\.gz)$|^/usr/share/applications/tavix\.desktop$|^/usr/share/icons/hicolor/[^/]+/apps/tavix\.(svg|png)$|^/usr/share/man/man1/tavix(-lists)?\.1\.gz$|^/usr/share/metainfo/invalid\.tavix\.tavix\.metainfo\.xml$|^/usr/share/bash-completion/completions/tavix-lists$' "$WORK/contents" || true)
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
METAINFO=/usr/share/metainfo/invalid.tavix.tavix.metainfo.xml
for f in /usr/bin/tavix /usr/bin/tavix-lists /usr/share/tavix/help/tavix.qhc /usr/share/tavix/help/tavix.qch \
         /usr/share/tavix/data/TavixSE.dat /usr/share/tavix/data/TavixSC.dat /usr/share/tavix/data/TavixNM.dat \
         /usr/share/tavix/data/Tavixro.dat /usr/share/applications/tavix.desktop /usr/share/doc/tavix/copyright \
         /usr/share/icons/hicolor/scalable/apps/tavix.svg /usr/share/man/man1/tavix.1.gz \
         /usr/share/man/man1/tavix-lists.1.gz "$METAINFO" /usr/share/bash-completion/completions/tavix-lists; do
    [ -s "$f" ] || fail "missing after install: $f"
done
for size in 16 22 24 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/tavix.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "no $size x $size PNG icon: $icon"
done
[ -x /usr/bin/tavix ] && [ -x /usr/bin/tavix-lists ] || fail "the programs are not executable"
# Both validators print warnings but pass them; any word from them is a fault here.
out=$(desktop-file-validate /usr/share/applications/tavix.desktop 2>&1) && [ -z "$out" ] ||
    fail "the desktop file is not clean: $out"
appstreamcli validate --no-net --pedantic "$METAINFO" || fail "the AppStream entry is not clean"
for page in tavix tavix-lists; do
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings "$page" 2>&1 > /dev/null) && [ -z "$out" ] ||
        fail "man $page: $out"
done
LC_ALL=C.UTF-8 MANWIDTH=80 man tavix-lists 2> /dev/null | grep -q -- '--format csv' || fail "man tavix-lists lacks --format"
for program in tavix tavix-lists; do
    "/usr/bin/$program" --help | grep -q -- '--version' || fail "$program --help"
    [ "$("/usr/bin/$program" --version)" = "$program $VERSION" ] || fail "$program --version is not $program $VERSION"
    status=0
    "/usr/bin/$program" --no-such-option > /dev/null 2>&1 || status=$?
    [ "$status" -eq 2 ] || fail "$program --no-such-option ended with $status, not 2"
done
# The loader ends with status 124 when it found a completion: bash's sign to complete again.
completion=$(bash -c '. /usr/share/bash-completion/bash_completion; _completion_loader tavix-lists; complete -p tavix-lists') ||
    fail "bash finds no completion for tavix-lists"
echo "   $completion"
ldd /usr/bin/tavix | grep 'not found' && fail "the program misses libraries"
# Printing and help come from a module the program opens from its own library folder.
MODULE=$(grep -E '/tavix/libtavix_desktop\.so$' "$WORK/contents" || true)
[ -n "$MODULE" ] && [ -s "$MODULE" ] || fail "the printing and help module is not installed"
ldd "$MODULE" | grep 'not found' && fail "the printing and help module misses libraries"

echo "-- starting /usr/bin/tavix without a display"
status=0
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/tavix 2>&1) || status=$?
[ "$status" -eq 1 ] && [ "$(echo "$out" | wc -l)" -eq 1 ] && echo "$out" | grep -q '^tavix: cannot open a display: ' ||
    fail "without a display tavix ended with $status: $out"
echo "   $out"

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
/usr/bin/tavix-lists --data "$USERDATA" --format csv standings | head -n 2 | grep -q '^team,name,' ||
    fail "tavix-lists --format csv standings has no header row"
# Without --data, from a folder without data files, it reads the per-user folder tavix filled.
read=$(cd "$WORK/cwd" && env -u XDG_DATA_HOME HOME="$WORK/home" /usr/bin/tavix-lists --verbose standings 2>&1 > /dev/null)
[ "$read" = "tavix-lists: reading $USERDATA (the per-user data folder)" ] || fail "tavix-lists without --data: $read"
read=$(cd "$WORK/cwd" && env -u XDG_DATA_HOME HOME="$WORK/cwd" /usr/bin/tavix-lists --verbose standings 2>&1 > /dev/null)
case $read in
    "tavix-lists: reading /usr/"*"/tavix/data (the supplied data)") ;;
    *) fail "tavix-lists without --data or a per-user folder: $read" ;;
esac

cleanup
installed=no
trap - EXIT
[ ! -e /usr/bin/tavix ] || fail "/usr/bin/tavix is still there after dpkg -r"
echo "-- the package builds, passes lintian, installs, runs and removes cleanly"
