#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program
# offscreen: usage install_test.sh <build folder>
set -euo pipefail
build=$1
prefix=$(mktemp -d)
# The program ends on SIGTERM as Exit ends it, writing its settings: let it
# finish before its folder goes.
trap 'if [ -n "$pid" ]; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; fi; rm -rf "$prefix"' EXIT
pid=

cmake --install "$build" --prefix "$prefix" > /dev/null
program="$prefix/lib/tarnwick"
for f in "$program/tarnwick" "$program/help.chm" "$program/help/index.html" "$program/tarnwick-cli" "$program/site/tutorial.html" "$program/site/tarnwick.html" \
         "$prefix/share/applications/tarnwick.desktop" "$prefix/share/icons/hicolor/scalable/apps/tarnwick.svg"; do
  [ -e "$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ -L "$prefix/bin/tarnwick" ] || { echo "no launcher on bin/"; exit 1; }
[ -L "$prefix/bin/tarnwick-cli" ] || { echo "no tarnwick-cli on bin/"; exit 1; }
"$prefix/bin/tarnwick-cli" --version | grep -q "^tarnwick-cli " || { echo "the installed tarnwick-cli does not run"; exit 1; }
# Through the link on bin/, the command line finds the encoder in its program folder.
"$prefix/bin/tarnwick-cli" --dry-run -o "$prefix/out" "$prefix/none.mp4" | grep -q "^$program/data/conv.exe -i " \
  || { echo "the installed tarnwick-cli does not find its encoder"; exit 1; }
"$program/data/conv.exe" -version | grep -q "ffmpeg version" || { echo "data/conv.exe is not FFmpeg"; exit 1; }
# The catalogues come along, and the installed program finds them.
for language in de fr es pt_BR it ru zh_CN ja ar he fa bg ca cs da el et fi hr hu id ko lt lv nb nl pl ro sk sl \
                sr sv th tr uk vi zh_TW; do
  [ -f "$program/translations/tarnwick_$language.qm" ] || { echo "no $language catalogue installed"; exit 1; }
  grep -q "^Comment\[$language\]=" "$prefix/share/applications/tarnwick.desktop" \
    || { echo "the menu entry has no $language comment"; exit 1; }
  grep -q "<summary xml:lang=\"$language\">" "$prefix/share/metainfo/example.tarnwick.tarnwick.metainfo.xml" \
    || { echo "the store listing has no $language summary"; exit 1; }
done
LC_ALL= LANGUAGE= LANG=fr_FR.UTF-8 "$prefix/bin/tarnwick-cli" --help | head -n 1 | grep -q "^Utilisation" \
  || { echo "the installed tarnwick-cli does not speak French"; exit 1; }
desktop-file-validate "$prefix/share/applications/tarnwick.desktop"
for size in 16 22 24 32 48 64 128 256; do
  identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/tarnwick.png" | grep -qx "${size}x${size}" \
    || { echo "no ${size}x${size} icon"; exit 1; }
done
# The store listing: no error, no warning (infos allowed).
listing=$(appstreamcli validate --no-net --no-color "$prefix/share/metainfo/example.tarnwick.tarnwick.metainfo.xml" 2>&1) \
  || { echo "$listing"; exit 1; }
if echo "$listing" | grep -q '^[EW]:'; then echo "$listing"; exit 1; fi

# The Debian package: no lintian error or warning.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$prefix/package" > /dev/null
deb=$(ls "$prefix"/package/tarnwick_*.deb)
dpkg-deb -c "$deb" > "$prefix/contents"
grep -q ' ./usr/lib/tarnwick/tarnwick-cli$' "$prefix/contents" || { echo "tarnwick-cli is not in the package"; exit 1; }
report=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'root privileges' || true)
if echo "$report" | grep -q '^[EW]:'; then echo "$report"; exit 1; fi

# Started through the launcher, the program must find its folder and come up:
# it takes the single-copy lock as it starts (a second start waits for it to listen).
mkdir -m 700 "$prefix/run"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$prefix/run" HOME="$prefix/home" "$prefix/bin/tarnwick" &
pid=$!
for _ in $(seq 1 200); do
  [ -e "$prefix/run/tarnwick.lock" ] && break
  kill -0 "$pid" 2>/dev/null || { echo "the installed program ended at start-up"; exit 1; }
  sleep 0.1
done
[ -e "$prefix/run/tarnwick.lock" ] || { echo "the installed program did not come up"; exit 1; }
kill -0 "$pid" || { echo "the installed program ended"; exit 1; }
echo "installed program runs from $program"

# A second start with a file hands it over and ends at once.
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$prefix/run" HOME="$prefix/home" timeout 20 "$prefix/bin/tarnwick" "$prefix/clip.mp4" \
  || { echo "a second start with a file did not end"; exit 1; }

# SIGTERM ends it as Exit does: settings written, at once.
kill -TERM "$pid"
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { echo "the program did not end within 5 s of SIGTERM"; exit 1; }
wait "$pid" || { echo "the program ended on SIGTERM with a failure status"; exit 1; }
pid=
[ -f "$program/setup.ini" ] || { echo "SIGTERM did not write setup.ini"; exit 1; }
