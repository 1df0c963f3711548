#!/usr/bin/env bash
# Rebuilds the texture benchmark's image set from images in Debian packages:
# aircraft texture sheets with lettering (crrcsim-data), photographs and
# flat-colour art (mate-backgrounds), plus a synthetic livery with small
# lettering drawn here. Each image becomes NAME_SIZE.bmp (24-bit colour) and
# NAME_SIZE_a.bmp (8-bit grey alpha: its luminance) at 1024 and 2048 pixels.
#
# usage: bench/images/make-set.sh OUTPUT_FOLDER   (e.g. <build>/bench-images)
# Needs apt-get download (network to Debian's archive); installs imagemagick
# when it is missing and the script runs as root.
set -euo pipefail

out=${1:?usage: make-set.sh OUTPUT_FOLDER}
mkdir -p "$out"
out=$(cd "$out" && pwd)

convert=convert-im6.q16
if ! command -v "$convert" >/dev/null; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "imagemagick is missing: sudo apt-get install imagemagick" >&2
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"  # apt downloads as its own user
(cd "$work" && apt-get download -qq crrcsim-data mate-backgrounds >/dev/null)
for deb in "$work"/*.deb; do dpkg -x "$deb" "$work/x"; done
crrc="$work/x/usr/share/games/crrcsim/textures"
mate="$work/x/usr/share/backgrounds/mate"

# name  source
sources=(
  "sheet-hb1108   $crrc/PilB4Texture.rgb"
  "sheet-crossfire $crrc/CrossfireTexture.rgb"
  "sheet-fx180    $crrc/gap65.rgb"
  "sheet-angel    $crrc/angel_s30e.rgb"
  "photo-storm    $mate/nature/Storm.jpg"
  "photo-ladybird $mate/nature/LadyBird.jpg"
  "photo-wings    $mate/nature/TwoWings.jpg"
  "photo-elephants $mate/abstract/Elephants_3840x2160.jpg"
  "flat-stripes   $mate/desktop/MATE-Stripes-Light.png"
  "flat-float     $mate/desktop/Float-into-MATE.png"
)

# A livery: white fuselage band, a cheat line, a tail flash and lettering in
# several sizes down to 9 pixels, as a painter's sheet would have.
"$convert" -size 2048x2048 xc:'#e8ecef' \
  -fill '#0b3d91' -draw 'rectangle 0,700 2048,760' \
  -fill '#c8102e' -draw 'rectangle 0,770 2048,790' \
  -fill '#0b3d91' -draw 'polygon 1500,100 1900,100 2000,600 1600,600' \
  -fill '#ffd100' -draw 'circle 1750,350 1750,420' \
  -font DejaVu-Sans-Bold -fill '#0b3d91' -pointsize 180 -annotate +120+560 'KESTREL AIR' \
  -font DejaVu-Sans -fill black -pointsize 48 -annotate +120+900 'D-EKWS  EMERGENCY EXIT  PULL HANDLE' \
  -pointsize 18 -annotate +120+980 'NO STEP  -  FUEL 100LL ONLY  -  STATIC PORT KEEP CLEAR  -  TIE DOWN' \
  -pointsize 9 -annotate +120+1020 'Caution: propeller arc. Keep clear of intakes. Service panel 12A/12B. Torque 25 Nm.' \
  -fill '#c8102e' -draw 'rectangle 100,1200 1948,1206' \
  -fill '#0b3d91' -draw 'roundrectangle 200,1400 900,1900 40,40' \
  -fill white -pointsize 120 -annotate +260+1700 'KW 7' \
  "$work/livery.png"
sources+=("synthetic-livery $work/livery.png")

for entry in "${sources[@]}"; do
  read -r name source <<<"$entry"
  for size in 1024 2048; do
    base="$out/${name}_${size}"
    "$convert" "$source" -resize "${size}x${size}^" -gravity center -extent "${size}x${size}" \
      -alpha off -type TrueColor "BMP3:$base.bmp"
    "$convert" "$source" -resize "${size}x${size}^" -gravity center -extent "${size}x${size}" \
      -alpha off -colorspace Gray -type Palette -compress None "BMP3:${base}_a.bmp"
  done
done
echo "image set written to $out ($(ls "$out"/*_a.bmp | wc -l) images)"
