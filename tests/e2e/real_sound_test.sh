#!/usr/bin/env bash
# Plays sound cues through the game's real player into a sound server of its own, whose only output is a
# null sink, records that sink and checks that each cue arrived as sound of about the cue's length.
# Usage: real_sound_test.sh SOUND_PROBE WAV_FILE
# Exits 77 (skipped) where no sound server can be started here.
set -uo pipefail

if [ $# -ne 2 ]; then
    echo "usage: real_sound_test.sh SOUND_PROBE WAV_FILE"
    exit 2
fi
probe=$1
wav=$2
skip=77
recordRate=44100
# The player's built-in cue: 120 ms at 880 Hz.
defaultCueSeconds=0.12
defaultCueHz=880

work=$(mktemp -d)
mkdir -m 700 "$work/runtime" "$work/home"
# A runtime folder and home of its own keep this server apart from any other on the machine: its socket,
# pid file and cookie live here, and only the server started here is stopped at the end.
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native" PULSE_SINK=test_null
serverStarted=""
serverPid=""
recorderPid=""

cleanup() {
    [ -n "$recorderPid" ] && kill "$recorderPid" 2>/dev/null && wait "$recorderPid" 2>/dev/null
    if [ -n "$serverStarted" ]; then
        timeout 10 pulseaudio --kill 2>/dev/null
    fi
    if [ -n "$serverPid" ]; then
        for ((i = 0; i < 50; i++)); do
            kill -0 "$serverPid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$serverPid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

for tool in pulseaudio parec sox soxi; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit $skip; }
done

if ! timeout 20 pulseaudio -D -n --exit-idle-time=-1 --disallow-exit --log-target=file:"$work/server.log" \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=test_null"; then
    echo "SKIP: no sound server could be started here:"
    cat "$work/server.log" 2>/dev/null
    exit $skip
fi
serverStarted=yes
serverPid=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null)
[ -n "$serverPid" ] || fail "the sound server left no pid file"

# Records the null sink while the probe plays FILE, into RECORDING.
record() {
    local file=$1 recording=$2
    parec -d test_null.monitor --format=s16le --channels=1 --rate=$recordRate --raw --latency-msec=20 \
        >"$recording" 2>"$work/parec.log" &
    recorderPid=$!
    # An idle null sink sends nothing for a second or two: play only once the recording runs.
    for ((i = 0; i < 100; i++)); do
        [ -s "$recording" ] && break
        kill -0 "$recorderPid" 2>/dev/null || fail "parec stopped: $(cat "$work/parec.log")"
        sleep 0.1
    done
    [ -s "$recording" ] || fail "the null sink sent nothing within 10 s"

    SDL_AUDIODRIVER=pulseaudio timeout 30 "$probe" "$file" || fail "the probe could not play $file"
    kill "$recorderPid"
    wait "$recorderPid" 2>/dev/null
    recorderPid=""
}

# Prints "SECONDS PEAK HZ" of the sound above the noise floor. Silences inside are left out as well: on a busy
# machine the server may run dry for a moment in the middle of a cue, which stretches it without changing it.
measure() {
    local recording=$1
    timeout 30 sox -t raw -r $recordRate -e signed-integer -b 16 -c 1 "$recording" -n \
        silence 1 0.002 0.1% -1 0.002 0.1% stat 2>&1 |
        awk -F: '/^Length \(seconds\)/ { seconds = $2 }
                 /^Maximum amplitude/ { peak = $2 }
                 /^Rough +frequency/ { hz = $2 }
                 END { printf "%.3f %.3f %d\n", seconds, peak, hz }'
}

within() {
    awk -v value="$1" -v low="$2" -v high="$3" 'BEGIN { exit !(value >= low && value <= high) }'
}

# Plays FILE and checks that one sound of 50% to 200% of EXPECTED seconds arrived; with HZ, also that it
# sounds within 20% of that pitch.
checkCue() {
    local label=$1 file=$2 expected=$3 expectedHz=${4:-} seconds peak hz
    record "$file" "$work/recording.raw"
    read -r seconds peak hz < <(measure "$work/recording.raw")
    echo "$label: expected ${expected} s, heard ${seconds} s, peak ${peak}, about ${hz} Hz"
    within "$seconds" 0.001 1000 || fail "$label: the recording is silent"
    within "$seconds" "$(awk -v e="$expected" 'BEGIN { print e * 0.5 }')" \
        "$(awk -v e="$expected" 'BEGIN { print e * 2 }')" ||
        fail "$label: heard ${seconds} s of sound, expected about ${expected} s"
    if [ -n "$expectedHz" ]; then
        within "$hz" "$((expectedHz * 8 / 10))" "$((expectedHz * 12 / 10))" ||
            fail "$label: the sound is at about ${hz} Hz, expected ${expectedHz} Hz"
    fi
}

checkCue "$(basename "$wav")" "$wav" "$(soxi -D "$wav")"
# A missing file plays the player's own cue, a short beep.
checkCue "missing file" "$work/missing.wav" "$defaultCueSeconds" "$defaultCueHz"
echo "PASS: both cues reached the sound server with about their own length"
