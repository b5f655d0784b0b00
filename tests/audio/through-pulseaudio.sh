#!/usr/bin/env bash
# Runs a command with an audio server of its own: PulseAudio whose only output is a null sink.
# What reaches the sink is recorded from its monitor, and the recording must hold the expected
# tone and not the other one.
# Usage: through-pulseaudio.sh EXPECTED_HZ OTHER_HZ COMMAND [ARGUMENTS...]
set -u
expected=$1 other=$2
shift 2
work=$(mktemp -d)
server="" recorder=""
finish() {
    [ -z "$recorder" ] || kill "$recorder" 2>/dev/null
    [ -z "$server" ] || kill "$server" 2>/dev/null
    wait
    rm -rf "$work"
}
trap finish EXIT

# The server keeps its runtime files, cookie and configuration in the work folder, never in
# the user's; clients reach it by its socket alone.
HOME=$work XDG_RUNTIME_DIR=$work PULSE_RUNTIME_PATH=$work \
    pulseaudio --daemonize=no --use-pid-file=no --exit-idle-time=-1 --system=no -n \
    -F /dev/null --log-target=file:"$work/server.log" \
    --load="module-null-sink sink_name=quillon" \
    --load="module-native-protocol-unix socket=$work/native auth-anonymous=1" &
server=$!
export PULSE_SERVER=unix:$work/native
for _ in $(seq 100); do
    [ -S "$work/native" ] && break
    sleep 0.1
done
if [ ! -S "$work/native" ]; then
    echo "The audio server did not start:" >&2
    cat "$work/server.log" >&2
    exit 1
fi

rate=22050
recording=$work/recording.raw
recorded() { stat -c %s "$recording" 2>/dev/null || echo 0; }
# Waits up to 10 s until the recording holds more than the given number of bytes.
await_recording() {
    for _ in $(seq 100); do
        [ "$(recorded)" -gt "$1" ] && return 0
        sleep 0.1
    done
    echo "Nothing more was recorded from the audio server." >&2
    exit 1
}
parecord --latency-msec=200 --device=quillon.monitor --raw --format=s16le --rate=$rate \
    --channels=1 "$recording" &
recorder=$!
await_recording 0

"$@"
status=$?
# Half a second more, so that the recording holds all the command played.
await_recording $(($(recorded) + rate))
kill -INT "$recorder"
wait "$recorder"
recorder=""
[ $status -eq 0 ] || exit $status
python3 "$(dirname "$0")/tone.py" "$work/recording.raw" $rate "$expected" "$other"
