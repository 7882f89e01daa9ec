#!/bin/sh
# The release files of this build, made by scripts/package.sh and then used as
# a user would: the MSI read back and installed silently under wine64 into a
# fresh prefix (over an older release, then removed), the zip unpacked, the
# .deb unpacked and run, and checked by lintian.
#   release_test.sh BUILD WINE64 WINESERVER
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd) wine64=$2 wineserver=$3
scratch=$build/tests/release/scratch
rm -rf "$scratch" && mkdir -p "$scratch"
fail() { echo "FAIL: $*" >&2; exit 1; }
same() { [ "$1" = "$2" ] || fail "$3: '$1', expected '$2'"; }

"$root/scripts/package.sh" "$build"
version=$(cat "$build/package/version")
msi=$build/dist/Velomar-$version-x86.msi
zip=$build/dist/Velomar-$version-windows.zip
deb=$build/dist/velomar_${version}_$(dpkg --print-architecture).deb
bin=$build/bin
guide="VelomarForge User Guide.htm"

# What the Windows files must hold: the program folder, built here by hand.
expect=$scratch/expect
mkdir "$expect"
cp "$bin/Velomar.exe" "$bin/$guide" "$expect/"
[ -f "$bin/VelomarForge.exe" ] && cp "$bin/VelomarForge.exe" "$expect/"
cp -R "$root/examples/sample" "$expect/sample"

# --- MSI tables ---------------------------------------------------------------
# The rows of an MSI table, without its three header lines and CRs (run in the
# scratch folder: msiinfo writes a table's binary streams into files there).
table() { (cd "$scratch" && msiinfo export "$1" "$2") | tr -d '\r' | tail -n +4; }
prop() { table "$1" Property | awk -F'\t' -v k="$2" '$1 == k { print $2 }'; }
same "$(prop "$msi" UpgradeCode)" "{FC6796B6-5866-489A-B447-A73824B42AB3}" "UpgradeCode"
same "$(prop "$msi" ProductVersion)" "$version" "ProductVersion"
same "$(prop "$msi" Manufacturer)" "Harlune" "Manufacturer"
same "$(prop "$msi" ALLUSERS)" "1" "ALLUSERS (per machine)"
same "$(table "$msi" Icon | cut -f1)" \
  "$(prop "$msi" ARPPRODUCTICON)" "the icon of the uninstall entry"
same "$(table "$msi" File | cut -f3 | LC_ALL=C sort)" \
  "$(find "$expect" -type f -printf '%f\n' | LC_ALL=C sort)" "files in the MSI"
same "$(prop "$msi" ARPSIZE)" \
  "$(find "$expect" -type f -printf '%s\n' | awk '{ s += $1 } END { print int((s + 1023) / 1024) }')" "ARPSIZE"
shortcuts() { table "$1" Shortcut | awk -F'\t' '{ print $3 "|" $5 "|" $12 }'; }
if [ -f "$bin/VelomarForge.exe" ]; then
  same "$(shortcuts "$msi")" "VelomarForge|[#EditorExe]|INSTALLDIR" "shortcut"
else
  same "$(shortcuts "$msi")" "" "shortcut without the editor"
fi

# An older release with the editor: a stand-in VelomarForge.exe, only here.
old_bin=$scratch/old-bin
mkdir "$old_bin"
cp "$bin/Velomar.exe" "$bin/$guide" "$old_bin/"
printf 'MZ stand-in editor\n' > "$old_bin/VelomarForge.exe"
"$root/scripts/package-windows.sh" "$old_bin" 0.0.1 "$scratch"
old_msi=$scratch/Velomar-0.0.1-x86.msi
same "$(shortcuts "$old_msi")" "VelomarForge|[#EditorExe]|INSTALLDIR" "shortcut with the editor"

# --- MSI under wine64 ---------------------------------------------------------
export WINEPREFIX="$scratch/wine" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
unset DISPLAY
trap '"$wineserver" -k 2>/dev/null || true' EXIT
wine() { "$wine64" "$@" >/dev/null 2>&1 || fail "wine64 $*"; "$wineserver" -w; }
drive=$WINEPREFIX/drive_c
listing() { (cd "$drive" && find . ! -path './windows/*' | LC_ALL=C sort); }
# The keys of one registry section of the prefix (it is written once the server ends).
reg_section() {
  h="[$1]" awk 'index($0, ENVIRON["h"]) == 1 { on = 1; next } on && /^$/ { exit } on' \
    "$WINEPREFIX/system.reg"
}
uninstall_key() {
  printf '%s%s\n' 'Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\' \
    "$(prop "$1" ProductCode)"
}
wine wineboot -i
listing > "$scratch/before.txt"
folder="$drive/Program Files (x86)/Velomar"
# The Start menu's shortcut (Wine keeps even a per-machine one in the user's menu).
shortcut() { find "$drive/users" "$drive/ProgramData" -name VelomarForge.lnk | grep -q .; }

wine msiexec /i "$old_msi" /qn
[ -f "$folder/VelomarForge.exe" ] && shortcut || fail "the older release's editor or shortcut"
reg_section "$(uninstall_key "$old_msi")" | grep -qx '"DisplayVersion"="0.0.1"' ||
  fail "the older release's uninstall entry"

wine msiexec /i "$msi" /qn
diff -r "$expect" "$folder" || fail "installed files differ from the build's"
[ -f "$bin/VelomarForge.exe" ] || ! shortcut || fail "the older shortcut outlived the upgrade"
[ -z "$(reg_section "$(uninstall_key "$old_msi")")" ] || fail "the older release is still listed"
entry=$(reg_section "$(uninstall_key "$msi")")
for value in '"DisplayName"="Velomar"' "\"DisplayVersion\"=\"$version\"" '"Publisher"="Harlune"' \
  "\"Size\"=\"$(prop "$msi" ARPSIZE)\"" '"InstallLocation"="C:\\Program Files (x86)\\Velomar\\"'; do
  printf "%s\n" "$entry" | grep -qxF "$value" || fail "uninstall entry lacks $value"
done
printf "%s\n" "$entry" | grep -q '^"UninstallString"=.*MsiExec.exe /X{' || fail "no UninstallString"
code=$(prop "$msi" ProductCode)
grep -q "^\"ProductIcon\"=.*$code.*velomar.ico\"$" "$WINEPREFIX/system.reg" &&
  cmp -s "$drive/windows/Installer/$code/velomar.ico" "$root/resources/velomar.ico" ||
  fail "the product icon"

wine msiexec /x "$msi" /qn
listing > "$scratch/after.txt"
diff "$scratch/before.txt" "$scratch/after.txt" || fail "the uninstall left or took files"
! grep -q "$code" "$WINEPREFIX/system.reg" || fail "registry entries left"

# --- zip ----------------------------------------------------------------------
unzip -q "$zip" -d "$scratch/zip"
same "$(ls "$scratch/zip")" "Velomar-$version" "the zip's top folder"
diff -r "$expect" "$scratch/zip/Velomar-$version" || fail "the zip's files differ from the build's"

# --- .deb ---------------------------------------------------------------------
lintian --fail-on error "$deb" || fail "lintian"
deps=$(dpkg-deb -f "$deb" Depends)
for lib in libwx libcanberra0 libasound2; do  # the sound ones are loaded, not linked
  echo "$deps" | grep -q "$lib" || fail "Depends lacks $lib"
done
same "$(dpkg-deb -f "$deb" Recommends)" "xorriso" "Recommends"
d=$scratch/deb
dpkg-deb -x "$deb" "$d"
for p in velomar velomarforge velomarforge-cli; do
  same "$("$d/usr/bin/$p" --version)" "$p $version" "$p --version"
  [ -f "$d/usr/share/man/man1/$p.1.gz" ] || fail "no manual page for $p"
done
for f in applications/velomarforge.desktop icons/hicolor/scalable/apps/velomarforge.svg \
  "velomar/$guide" velomar/sample/AppSetup.dat; do
  [ -f "$d/usr/share/$f" ] || fail "the package lacks /usr/share/$f"
done
# The icon in every size, in the .ico the MSI and the programs carry and on the desktop.
sizes="16x16 24x24 32x32 48x48 256x256"
same "$(identify -format '%wx%h ' "$root/resources/velomar.ico")" "$sizes " "the sizes in velomar.ico"
for n in $sizes; do
  same "$(identify -format %wx%h "$d/usr/share/icons/hicolor/$n/apps/velomarforge.png")" "$n" "icon $n"
done
appstreamcli validate --no-net "$d"/usr/share/metainfo/*.metainfo.xml || fail "the AppStream file"
cmp "$d/usr/share/velomar/Velomar.exe" "$bin/Velomar.exe" || fail "the packaged Velomar.exe"
cli=$d/usr/bin/velomarforge-cli
# The sample's links to the disc find their target on it; what they run, Windows runs too.
"$cli" show "$d/usr/share/velomar/sample" | python3 -c '
import json, os, re, sys
links = [(l["HotSpotCommand"], l["HotSpotCommandDataA"].replace("\\", "/"))
         for l in json.load(sys.stdin)["HotSpots"] if l["HotSpotCommand"] in ("RUN", "OPEN")]
sys.exit(not links or any(not os.path.exists(os.path.join(sys.argv[1], t)) or
         c == "RUN" and not re.search(r"\.(exe|com|bat|cmd)$", t, re.I) for c, t in links))
' "$d/usr/share/velomar/sample" || fail "a link of the sample leads to nothing on Windows"
"$cli" new "$scratch/p" && "$cli" build "$scratch/p" && "$cli" image "$scratch/p" "$scratch/p.iso" ||
  fail "new, build and image with the packaged programs"
cmp "$scratch/p/Velomar.exe" "$bin/Velomar.exe" || fail "the built project's Velomar.exe"
xorriso -osirrox on -indev "$scratch/p.iso" -extract /Velomar.exe "$scratch/iso.exe" >/dev/null 2>&1
cmp "$scratch/iso.exe" "$bin/Velomar.exe" || fail "the image's Velomar.exe"
rm -rf "$scratch"
echo "release files: all checks passed"
