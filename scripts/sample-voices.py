#!/usr/bin/env python3
"""Makes the sample installation's voice archive: both teams' .voice scripts for every message
of the first game's menu, and a sound for each, spoken by espeak-ng (the Allies in an English
voice, the Axis in a German one). Nothing of the games' own data is used.

    scripts/sample-voices.py ARCHIVE
"""
import pathlib
import re
import subprocess
import sys
import tempfile
import zipfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
PROFILE = ROOT / "src/model/game/ReturnToCastleWolfenstein.cpp"
TEAMS = {"allies": "en", "axis": "de"}


def messages():
    """The chat names of the menu's messages and class announcements, with the words to speak."""
    text = PROFILE.read_text()
    found = {}
    for caption, name in re.findall(r'\{\d+, \d+, "([^"]+)",\s*"vsay(?:_team)? (\w+)"', text):
        found.setdefault(name.lower(), (name, caption))
    for caption, name in re.findall(r'\{\'\w\', "([^"]+)",\s*"vsay_team (\w+);"', text):
        found.setdefault(name.lower(), (name, "I'm a " + caption + "!"))
    return list(found.values())


def main():
    archive = pathlib.Path(sys.argv[1])
    chats = messages()
    with tempfile.TemporaryDirectory() as work, zipfile.ZipFile(archive, "w") as pak:
        for team, voice in TEAMS.items():
            script = ["male", "// Quillon's sample voices, spoken by espeak-ng"]
            for name, words in chats:
                sound = f"sound/chat/{team}/{name.lower()}.wav"
                wave = pathlib.Path(work) / "sound.wav"
                subprocess.run(["espeak-ng", "-v", voice, "-w", str(wave), words], check=True)
                pak.write(wave, sound, compress_type=zipfile.ZIP_DEFLATED)
                script += [name, "{", f'\t{sound} "{words}"', "}"]
            pak.writestr(f"scripts/wm_{team}_chat.voice", "\n".join(script) + "\n",
                         compress_type=zipfile.ZIP_DEFLATED)


if __name__ == "__main__":
    main()
