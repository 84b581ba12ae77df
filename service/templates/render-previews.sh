#!/usr/bin/env bash
# Renders each template's preview.png from its own template.html with headless
# Chromium: the top 600 x 720 pixels of the 600-pixel layout, scaled to 500 x 600
# so that it fills the catalogue card's picture area (250 x 300, twice over for
# sharp screens). The committed previews are re-rendered with this script after
# a template or its images change:
#
#   service/templates/render-previews.sh              # every template
#   service/templates/render-previews.sh welcome      # only the named ones
#
# PHONE_DIR=/tmp/phone renders each template also at phone width (375), whole
# page, into that folder for a look; those renders do not belong in the
# repository. Needs chromium, imagemagick and fonts-liberation2
# (scripts/install-deps.sh --template-tools).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
cd "$here"

browser="${CHROMIUM:-$(command -v chromium || command -v chromium-browser || true)}"
if [ -z "$browser" ]; then
  echo "render-previews: chromium not found (scripts/install-deps.sh --template-tools)" >&2
  exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# One screenshot of a page at the given width and height. The profile is a
# throw-away folder, and every host name fails to resolve, so a template that
# reached for the network would show the hole in its preview.
shoot() {
  local page="$1" width="$2" height="$3" target="$4"
  "$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars \
    --user-data-dir="$work/profile" --no-first-run --disable-extensions \
    --host-resolver-rules="MAP * ~NOTFOUND" --force-device-scale-factor=1 \
    --virtual-time-budget=3000 --window-size="$width,$height" \
    --screenshot="$target" "file://$page" >/dev/null 2>&1
  [ -s "$target" ] || { echo "render-previews: no screenshot of $page" >&2; exit 1; }
}

if [ "$#" -gt 0 ]; then
  slugs=("$@")
else
  slugs=()
  for dir in */; do
    [ -f "$dir/template.html" ] && slugs+=("${dir%/}")
  done
fi

for slug in "${slugs[@]}"; do
  page="$here/$slug/template.html"
  [ -f "$page" ] || { echo "render-previews: $page missing" >&2; exit 1; }
  shoot "$page" 600 720 "$work/$slug.png"
  convert "$work/$slug.png" -crop 600x720+0+0 +repage -resize 500x600 -strip \
    -define png:compression-level=9 "$slug/preview.png"
  echo "$slug/preview.png"
  if [ -n "${PHONE_DIR:-}" ]; then
    mkdir -p "$PHONE_DIR"
    shoot "$page" 375 3200 "$PHONE_DIR/$slug.png"
    # cut the empty page background below the message
    convert "$PHONE_DIR/$slug.png" -trim +repage "$PHONE_DIR/$slug.png" 2>/dev/null || true
    echo "$PHONE_DIR/$slug.png"
  fi
done
