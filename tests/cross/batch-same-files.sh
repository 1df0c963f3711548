#!/usr/bin/env bash
# Builds both demo jobs with the Linux decalia-batch and with the Windows
# decalia-batch.exe under Wine, each in its own copy of the same demo
# simulator, and compares every file the two left behind: names and bytes.
# Usage: batch-same-files.sh LINUX_SIM WINDOWS_APP_FOLDER WINE_RUN
set -euo pipefail
linux_sim=$1 windows_app=$2 wine_run=$3
app="Kestrelworks Software/Decalia"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for side in linux windows; do cp -a "$linux_sim" "$work/$side"; done
# The Windows side runs the Windows programs and library on the same data.
rm -f "$work/windows/$app"/decalia* "$work/windows/$app"/lib*.so
cp "$windows_app"/*.exe "$windows_app/kwdds.dll" "$work/windows/$app/"

jobs=(Jobs/KW12_Kite.ini Jobs/KW350_Osprey.ini)
(cd "$work/linux/$app" && ./decalia-batch "${jobs[@]}") >"$work/linux.log" 2>&1 ||
  { cat "$work/linux.log"; echo "the Linux batch failed"; exit 1; }
(cd "$work/windows/$app" && "$wine_run" ./decalia-batch.exe "${jobs[@]}") >"$work/windows.log" 2>&1 ||
  { cat "$work/windows.log"; echo "the Windows batch failed"; exit 1; }

# Both really built: each left a report of a new, successful build.
for side in linux windows; do
  last="$work/$side/$app/TempBitmaps/last-build.txt"
  if ! grep -q '^Outcome: Built' "$last" || cmp -s "$last" "$linux_sim/$app/TempBitmaps/last-build.txt"; then
    cat "$work/$side.log"
    echo "the $side batch built nothing"
    exit 1
  fi
done

# What may differ: the programs themselves, and in the build reports the
# time (also in their names), the host's paths and the time taken.
list() {
  (cd "$1" && find . -type f ! -path '*/Reports/*' ! -name last-build.txt ! -name 'decalia*' \
    ! -name '*.so' ! -name '*.exe' ! -name '*.dll' | LC_ALL=C sort)
}
reports() { (cd "$1" && find . -type f \( -path '*/Reports/*.txt' -o -name last-build.txt \) | LC_ALL=C sort); }
timeless() { sed -E '/^(Aircraft folder|Started|Took|Saved as):/d; s/  [0-9]+ ms(\r?)$/\1/' "$1"; }

if ! diff <(list "$work/linux") <(list "$work/windows"); then
  echo "the two builds left different files (< Linux, > Windows)"
  exit 1
fi
differing=0 compared=0
while IFS= read -r file; do
  compared=$((compared + 1))
  if ! cmp -s "$work/linux/$file" "$work/windows/$file"; then
    echo "differs: $file"
    differing=$((differing + 1))
  fi
done < <(list "$work/linux")

mapfile -t linux_reports < <(reports "$work/linux")
mapfile -t windows_reports < <(reports "$work/windows")
if [ ${#linux_reports[@]} -ne ${#windows_reports[@]} ]; then
  echo "${#linux_reports[@]} build reports on Linux, ${#windows_reports[@]} on Windows"
  exit 1
fi
for i in "${!linux_reports[@]}"; do
  compared=$((compared + 1))
  if ! diff <(timeless "$work/linux/${linux_reports[$i]}") \
            <(timeless "$work/windows/${windows_reports[$i]}"); then
    echo "differs: ${linux_reports[$i]} (< Linux) and ${windows_reports[$i]} (> Windows)"
    differing=$((differing + 1))
  fi
done

echo "$compared files compared, $differing differ"
[ "$differing" -eq 0 ]
