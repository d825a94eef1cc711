#!/bin/sh
# Makes the pictures of docs/gallery/ afresh: every window of Tavix on a copy of the supplied
# data, photographed offscreen by tavix-gallery, and the first page of a printout (the standings,
# printed to a PDF file since no printer is used here) rendered with pdftoppm.
#
#   tools/make-gallery.sh [--scale N] [--dark] [--large-font] [--small-screen] [BUILD_DIR]
#                                                      (default: build/; configured when missing)
#
# --scale N photographs the windows as a screen scaled N times shows them (QT_SCALE_FACTOR), into
# docs/gallery/Nx/, to check that every picture stays sharp there; the default, 1, fills docs/gallery/.
# --dark uses the dark look (TAVIX_THEME=dark), --large-font a desktop font of 12 points (fonts
# at 120 dpi), --small-screen a screen of 1024x600; each adds its name to the folder, as in
# docs/gallery/dark/ or docs/gallery/dark-large-font/.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SCALE=1
THEME=
FONT_DPI=
SCREEN=1600x1200
VARIANT=
while [ $# -gt 0 ]; do
    case "$1" in
        --scale) SCALE=$2; shift 2 ;;
        --dark) THEME=dark; VARIANT="$VARIANT-dark"; shift ;;
        --large-font) FONT_DPI=120; VARIANT="$VARIANT-large-font"; shift ;;
        --small-screen) SCREEN=1024x600; VARIANT="$VARIANT-small-screen"; shift ;;
        *) break ;;
    esac
done
case "$SCALE" in
    [1-4]) ;;
    *) echo "make-gallery: the scale is a whole number from 1 to 4, not '$SCALE'" >&2; exit 2 ;;
esac
BUILD=${1:-$ROOT/build}
OUT="$ROOT/docs/gallery"
[ "$SCALE" = 1 ] || OUT="$OUT/${SCALE}x"
[ -z "$VARIANT" ] || OUT="$OUT/${VARIANT#-}"

command -v pdftoppm > /dev/null || { echo "make-gallery: pdftoppm (poppler-utils) is needed" >&2; exit 2; }
[ -f "$BUILD/CMakeCache.txt" ] || cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --target tavix-gallery tavix_help

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/data" "$WORK/home" "$WORK/runtime" "$WORK/printouts" "$WORK/pictures"
chmod 700 "$WORK/runtime"
cp "$ROOT"/data/*.dat "$WORK/data/"

# A clean home, no desktop printers (the printout becomes a PDF file) and a virtual screen of a
# desktop's size (message boxes size themselves to the screen), or offscreen when Xvfb is missing.
on_screen() {
    if command -v xvfb-run > /dev/null; then
        QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 $((${SCREEN%x*} * SCALE))x$((${SCREEN#*x} * SCALE))x24" "$@"
    else
        QT_QPA_PLATFORM=offscreen "$@"
    fi
}
# on_screen is a shell function, which env cannot run: the settings go in a subshell instead.
(
    unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
    unset QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING
    export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime" CUPS_SERVER="$WORK/no-cups.sock" \
        TAVIX_PRINTOUT_DIR="$WORK/printouts" QT_SCALE_FACTOR="$SCALE"
    [ -z "$THEME" ] || export TAVIX_THEME="$THEME"
    [ -z "$FONT_DPI" ] || export QT_FONT_DPI="$FONT_DPI"
    on_screen "$BUILD/ui/main/program/tavix-gallery" --data "$WORK/data" --out "$WORK/pictures" 2> "$WORK/gallery.log"
) || { cat "$WORK/gallery.log" >&2; exit 1; }

# The standings' printout, and the prediction record's (each file is named by its document).
PDF=$(ls "$WORK"/printouts/*.pdf 2> /dev/null | grep -v "/Prediction Record" | head -n 1)
RECORD=$(ls "$WORK"/printouts/"Prediction Record"*.pdf 2> /dev/null | head -n 1)
[ -n "$PDF" ] && [ -n "$RECORD" ] || { echo "make-gallery: a printout made no PDF file" >&2; exit 1; }
pdftoppm -r $((60 * SCALE)) -png -gray -f 1 -l 1 -singlefile "$PDF" "$WORK/pictures/printout"
pdftoppm -r $((60 * SCALE)) -png -gray -f 1 -l 1 -singlefile "$RECORD" "$WORK/pictures/printout-record"
# Black text on white paper: sixteen greys are plenty. A window with more than 256 colours comes
# out of tavix-gallery in true colour; a palette made for the picture keeps it a third the size.
if command -v convert > /dev/null; then
    for printout in "$WORK"/pictures/printout*.png; do
        convert "$printout" -colors 16 -define png:compression-level=9 "PNG8:$printout"
    done
    for picture in "$WORK"/pictures/*.png; do
        case "$picture" in "$WORK"/pictures/printout*.png) continue ;; esac
        convert "$picture" -dither None -colors 256 -define png:compression-level=9 "PNG8:$picture"
    done
fi

mkdir -p "$OUT"
rm -f "$OUT"/*.png
cp "$WORK"/pictures/*.png "$OUT/"
ls -l "$OUT"
echo "total: $(du -ck "$OUT"/*.png | tail -n 1 | cut -f1) KiB in $OUT"
