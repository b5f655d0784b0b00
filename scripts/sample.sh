# shellcheck shell=bash
# Makes the sample game folder "$1" of Return to Castle Wolfenstein where it is missing: an empty
# stand-in for the game's data file, and the sample's voice chats, spoken by espeak-ng, to hear
# with Hear (F3). Nothing of the game's own data is used.
sample_game_folder() {
    mkdir -p "$1"
    [ -f "$1/sp_pak2.pk3" ] || : >"$1/sp_pak2.pk3"
    if [ ! -f "$1/voices.pk3" ]; then
        echo "Speaking the sample's voice chats ..."
        scripts/sample-voices.py "$1/voices.pk3"
    fi
}
