#!/usr/bin/env bash
# The real autorun.exe on the demo medium, heard and watched: its start-up
# sound reaches the sound device in full, its status text types itself out,
# and closing the window ends the program.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_common.sh"

medium=$(fresh_medium)
work=$(mktemp -d "$PANDOR7_BUILD/e2e-sound.XXXXXX")
trap 'rm -rf "$medium" "$work"' EXIT

# An ALSA set-up of the program's own, standing in for ALSA's whole
# configuration: the default device appends the samples Wine plays, unchanged,
# to a sink file. ALSA, not PulseAudio, so that no sound server that happens
# to run takes the sound away.
sink=$work/sink.raw
cat >"$work/asound.conf" <<CONF
pcm.null {
  type null
}
pcm.!default {
  type file
  slave.pcm "null"
  file "|cat >> '$sink'"
  format "raw"
}
CONF
wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d alsa /f >/dev/null 2>&1

status_text() {
  { inspect texts "Demo-CD" || true; } | tr -d '\r' | sed -n 's/^child msctls_statusbar32: //p'
}

sink_size() { stat -c %s "$sink" 2>/dev/null || echo 0; }

# The samples of the demo's sound, and whether the sink holds them.
wav=$medium/autorun/startup.wav
data_size=$(python3 -c 'import sys, wave; w = wave.open(sys.argv[1]); print(w.getnframes() * w.getsampwidth() * w.getnchannels())' "$wav")
sink_holds_the_sound_once() {
  python3 - "$wav" "$sink" <<'PY'
import sys, wave
w = wave.open(sys.argv[1])
samples = w.readframes(w.getnframes())
heard = open(sys.argv[2], "rb").read()
print(f"sink: {len(heard)} bytes for {len(samples)} bytes of samples", file=sys.stderr)
sys.exit(0 if samples in heard and len(heard) < 1.5 * len(samples) else 1)
PY
}

# Settings line 9 (counting from 0): the status text, in the menu's code page.
status=$(iconv -f cp1252 -t utf-8 "$medium/autorun/options.dat" | sed -n 10p | tr -d '\r')

start_menu "$medium" ALSA_CONFIG_PATH="$work/asound.conf"
check "demo menu window appears" inspect wait "Demo-CD"

# The demo's ticker is on: the text grows from the left, one character every
# 200 ms, so two readings a second apart differ and both begin the text.
for _ in $(seq 50); do
  [ -n "$(status_text)" ] && break
  sleep 0.1
done
first=$(status_text)
check "status text appears" test -n "$first"
sleep 1
second=$(status_text)
echo "status text: '$first', then '$second'"
check "status text changes over time" test "$first" != "$second"
check "first reading begins the status text" test "${status:0:${#first}}" = "$first"
check "second reading begins the status text" test "${status:0:${#second}}" = "$second"

# The demo plays its sound once.
for _ in $(seq 200); do
  [ "$(sink_size)" -ge "$data_size" ] && break
  sleep 0.1
done
check "the sound device got the whole sound" test "$(sink_size)" -ge "$data_size"

inspect close "Demo-CD"
check "closing ends the program" ended_within "$pid" 20
check "the sink holds the sound's samples, once" sink_holds_the_sound_once

finish
