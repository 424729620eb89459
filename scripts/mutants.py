#!/usr/bin/env python3
"""Plants one-line faults in the decisions users depend on and runs the tests
that cover each: a fault the tests do not notice ("survived") is a row
missing from a table. Not part of scripts/test.sh; run it after changing a
decision or its table.

Each fault is applied alone to the source, the covering test program is
built in build-test (configured by `cmake --preset test`), the tests are run
and the file is put back. A fault the tests notice only under some locales
counts as survived: the tests must not depend on the machine's locale.

    scripts/mutants.py                  every decision
    scripts/mutants.py resume midi      only these
    scripts/mutants.py --list           the faults, without running them
"""

import argparse
import os
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build-test")

UNIT = ("reelwick_unit_tests", ["tests/reelwick_unit_tests", "--gtest_brief=1"])
FOLDER = ("reelwick_qtwindow_tests",
          ["tests/reelwick_qtwindow_tests", "--gtest_brief=1", "--gtest_filter=ReadFolderNames*"])
# Every covering test runs under each of these: C has no collation of its
# own, the other is a real language's.
LOCALES = ["C", "en_US.UTF-8"]

# decision -> (test program, [(file, text as it is, faulty text, what the fault is)])
DECISIONS = {
    "load": (UNIT, [
        ("src/platform/mpv/pure/LoadTracker.cpp", "if (place >= duration) return std::nullopt;",
         "if (place > duration) return std::nullopt;", "a place exactly at the end resumes"),
        ("src/platform/mpv/pure/LoadTracker.cpp",
         "if (serial == serial_ && phase_ != Phase::Failed) entries_.push_back(entryId);",
         "if (serial == serial_) entries_.push_back(entryId);",
         "a failed load still takes entries"),
        ("src/platform/mpv/pure/LoadTracker.cpp", "    if (serial == serial_) Fail();",
         "    Fail();", "a late refusal of an older load fails the current one"),
        ("src/platform/mpv/pure/LoadTracker.cpp", "if (insertCount <= 0) Fail();",
         "if (insertCount < 0) Fail();", "an empty playlist does not fail"),
        ("src/platform/mpv/pure/LoadTracker.cpp",
         "if (reason == EndReason::Error || phase_ == Phase::Waiting) Fail();",
         "if (reason == EndReason::Error) Fail();",
         "an end before any picture or sound does not fail"),
        ("src/platform/mpv/pure/LoadTracker.cpp",
         "if (entryId != *std::max_element(entries_.begin(), entries_.end())) return;", "",
         "any playlist entry's end decides, not the last one's"),
        ("src/platform/mpv/pure/LoadTracker.cpp", "!playing_ || width <= 0 || height <= 0",
         "!playing_ || width < 0 || height <= 0", "a zero width is a size"),
        ("src/platform/mpv/pure/LoadTracker.cpp", "if (serial != serial_ || !loaded_) return;",
         "if (serial != serial_) return;", "track news before the file loaded count"),
        ("src/platform/mpv/pure/LoadTracker.cpp", "rotation_ == 90 || rotation_ == 270",
         "rotation_ == 90", "a three-quarter turn is not sideways"),
    ]),
    "resume": (UNIT, [
        ("src/film/Resume.cpp", "duration < kResumeMinimumLength",
         "duration <= kResumeMinimumLength", "a film of exactly the minimum length is a clip"),
        ("src/film/Resume.cpp", "|| position < kResumeMinimumPosition",
         "|| position <= kResumeMinimumPosition", "a place exactly at the minimum is dropped"),
        ("src/film/Resume.cpp", "std::max(duration * kResumeEndShare, kResumeEndSeconds)",
         "std::min(duration * kResumeEndShare, kResumeEndSeconds)",
         "the credits are the shorter of the two"),
        ("src/film/Resume.cpp", "if (position >= duration - credits)",
         "if (position > duration - credits)", "a place exactly at the credits is kept"),
        ("src/film/Resume.cpp", "        seconds < kResumeMinimumPosition) {",
         "        false) {", "a stored place under the minimum is read"),
        ("src/film/Resume.cpp", "entries_.resize(kResumeCapacity);",
         "entries_.resize(kResumeCapacity - 1);", "the list keeps one place too few"),
        ("src/film/Resume.cpp", "if (entry && !Find(entry->second))", "if (entry)",
         "a reference stored twice is read twice"),
        ("src/film/Resume.cpp", "std::max(storedKeys_, entries_.size());",
         "entries_.size();", "keys of a shorter list are left behind"),
        ("src/film/Resume.cpp", "!std::isfinite(seconds) || seconds <= 0) return;",
         "!std::isfinite(seconds) || seconds < 0) return;", "a place of 0 is remembered"),
    ]),
    "recent": (UNIT, [
        ("src/sources/RecentList.cpp", "for (int i = 0; i <= kRecentUpperBound; ++i) {",
         "for (int i = 0; i < kRecentUpperBound; ++i) {", "the last slot is not searched"),
        ("src/sources/RecentList.cpp", "for (int i = kRecentUpperBound; i >= 1; --i) {",
         "for (int i = kRecentUpperBound; i > 1; --i) {", "the first entry is not moved down"),
        ("src/sources/RecentList.cpp", "for (int i = kRecentUpperBound; i >= 1; --i) {",
         "for (int i = kRecentUpperBound - 1; i >= 1; --i) {", "the last slot is not filled"),
        ("src/sources/RecentList.cpp", "std::to_string(index + 1)", "std::to_string(index)",
         "captions count from 0"),
        ("src/sources/RecentList.cpp", "    ++slot;\n", "", "every entry goes to the same slot"),
        ("src/sources/RecentList.cpp",
         "!visible[i]->empty() && repeats(*visible[i]) ? \"\" : *visible[i]", "*visible[i]",
         "a shown entry is written twice"),
        ("src/sources/RecentList.cpp",
         "w.SetVisible(RecentItem(i), MovieFileExists(form.files, w.Tag(RecentItem(i))));",
         "w.SetVisible(RecentItem(i), true);", "a deleted file moving down is shown"),
        ("src/sources/RecentList.cpp",
         "void PushRecentEntry(Form& form, const std::string& reference) {\n"
         "    if (!MovieFileExists(form.files, reference)) return;",
         "void PushRecentEntry(Form& form, const std::string& reference) {",
         "a missing file is listed"),
    ]),
    "keys": (UNIT, [
        ("src/film/CommandTable.h",
         "if (row.key == key && row.modifiers == modifiers && row.time == time) return row.action;",
         "if (row.key == key && row.time == time) return row.action;",
         "keys with Shift, Ctrl or Alt act as the plain ones"),
        ("src/film/CommandTable.h",
         "keys::kCtrl, KeyTime::Press, {Command::SeekBy, -kLongSeek}}",
         "keys::kCtrl, KeyTime::Press, {Command::SeekBy, -kShortSeek}}",
         "Ctrl+Left seeks the short step"),
        ("src/film/CommandTable.h", "{Command::VolumeBy, -kVolumeStep}",
         "{Command::VolumeBy, kVolumeStep}", "Down raises the volume"),
        ("src/film/CommandTable.h", "KeyTime::Press, {Command::PreviousMovie}",
         "KeyTime::Press, {Command::NextMovie}", "Page Up goes forward"),
        ("src/film/CommandTable.h", "KeyTime::Press, {Command::FrameBack}",
         "KeyTime::Press, {Command::FrameForward}", "comma steps forward"),
        ("src/film/CommandTable.h", "notches * kVolumeStep : 0", "-notches * kVolumeStep : 0",
         "the wheel turns the wrong way"),
        ("src/film/CommandTable.h", "{\"Menu\", keys::kMenu, 0, KeyTime::Press",
         "{\"Menu\", keys::kMenu, 0, KeyTime::Release", "the Menu key acts on its release"),
        ("src/film/Commands.cpp", "    if (!action || unloaded_ || film_ == nullptr) return false;",
         "    if (!action || film_ == nullptr) return false;",
         "the film's keys act after the window closed"),
        ("src/film/Commands.cpp", "{Menu::MoviePause, Command::Pause, &mnuMoviePause_Click}",
         "{Menu::MoviePause, Command::Pause, &mnuMoviePlay_Click}", "Pause plays"),
        ("src/window/Keyboard.cpp", "        case keys::kW:\n            keyCode = 0;\n",
         "        case keys::kW:\n", "W reaches the menu's shortcut"),
        ("src/window/Keyboard.cpp",
         "        case keys::kH:\n            if (shift == keys::kCtrl) {",
         "        case keys::kH:\n            if (true) {", "H without Ctrl toggles the list"),
        ("src/window/Keyboard.cpp", "            ToggleFullScreen(form);\n            keyCode = 0;\n",
         "            ToggleFullScreen(form);\n", "F11 is passed on after it acted"),
        ("src/window/Keyboard.cpp", "&& loaded.empty()) {", "&& !loaded.empty()) {",
         "Enter offers the dialog over a movie"),
        ("src/window/Keyboard.cpp", "            mnuMoviePause_Click(form);\n", "",
         "Escape does not pause"),
    ]),
    "fit": (UNIT, [
        ("src/window/Layout.cpp", "if (cw >= static_cast<double>(fw)) {",
         "if (cw > static_cast<double>(fw)) {", "a movie exactly as wide as the window"),
        ("src/window/Layout.cpp", "DivRounded(Round(cw - fw), 2 * in.twipsPerPixelX)",
         "DivRounded(Round(cw - fw), in.twipsPerPixelX)", "the movie is not centred"),
        ("src/window/Layout.cpp", "out.outerHeight = Add(fh, kControllerTwips);",
         "out.outerHeight = Add(fh, 0);", "the window is shortened over its bar"),
        ("src/window/Layout.cpp", "Round(in.showControls ? ch - kControllerTwips : ch)",
         "Round(ch - kControllerTwips)", "room for a hidden bar"),
        ("src/window/Layout.cpp", "w = height / aspect;", "w = height * aspect;",
         "full screen: a tall movie's width"),
        ("src/window/Layout.cpp", "std::lround((height - ph) / 2)", "std::lround(height - ph)",
         "full screen: the movie not centred down"),
        ("src/window/FormResize.cpp", "if (!fullScreen && out.outerHeight &&",
         "if (out.outerHeight &&", "full screen is shortened to the movie"),
        ("src/window/FormResize.cpp",
         "form.lastHeightRequest->clientWidth != cw || form.lastHeightRequest->clientHeight != ch",
         "form.lastHeightRequest->clientWidth != cw && form.lastHeightRequest->clientHeight != ch",
         "a changed height alone keeps the memo"),
        ("src/playback/MovieRatio.cpp", "static_cast<std::int64_t>(rect[3]) - rect[1]",
         "static_cast<std::int64_t>(rect[3]) - rect[0]", "height from the wrong corner"),
        ("src/playback/MovieRatio.cpp",
         "static_cast<double>(height) / static_cast<double>(width)",
         "static_cast<double>(width) / static_cast<double>(height)", "the ratio upside down"),
        ("src/platform/mpv/pure/MovieGeometry.cpp",
         "const int left = box.left + (box.Width() - width) / 2;",
         "const int left = box.left + (box.Width() - width);", "fitted movie pushed right"),
        ("src/platform/mpv/pure/MovieGeometry.cpp", "right - left < room.neededWidth",
         "right - left <= room.neededWidth", "a bar exactly wide enough is widened"),
        ("src/platform/mpv/pure/MovieGeometry.cpp",
         "<= static_cast<long long>(movieWidth) + movieHeight;",
         "< static_cast<long long>(movieWidth) + movieHeight;", "rounding's last pixel"),
    ]),
    "order": (FOLDER, [
        ("src/platform/qt/FileList.cpp", "    collator.setNumericMode(true);\n", "",
         "numbers compared digit by digit"),
        ("src/platform/qt/FileList.cpp", "collator.setCaseSensitivity(Qt::CaseInsensitive);",
         "collator.setCaseSensitivity(Qt::CaseSensitive);", "letter case counts"),
        ("src/platform/qt/FileList.cpp",
         "    if (locale.language() == QLocale::C) locale = QLocale(QLocale::English);\n", "",
         "the C locale's collator is used as it is"),
        ("src/platform/qt/FileList.cpp", "return c != 0 ? c < 0 :", "return c != 0 ? c > 0 :",
         "the order reversed"),
        ("src/platform/qt/FileList.cpp", ": names[a] < names[b];", ": names[b] < names[a];",
         "names equal but for case in the other order"),
    ]),
    "midi": (UNIT, [
        ("src/formats/MidiFile.cpp",
         "        tempo = change.microsPerQuarter;\n    }\n    return seconds +",
         "    }\n    return seconds +", "seconds ignore tempo changes"),
        ("src/formats/MidiFile.cpp", "ticksPerQuarter * 1e6 / tempo);",
         "ticksPerQuarter * 1e6 / kDefaultTempo);", "ticks after a change at the first tempo"),
        ("src/formats/MidiFile.cpp", "if (next > seconds) break;", "if (next > seconds + 1) break;",
         "a change up to a second late is applied early"),
        ("src/formats/MidiFile.cpp", "                if (micros == 0) continue;  // no tempo: ignored\n",
         "", "a tempo of zero is kept"),
        ("src/formats/MidiFile.cpp", "return a.tick < b.tick;", "return a.tick > b.tick;",
         "tempo changes sorted backwards"),
        ("src/formats/MidiFile.cpp", "kMetaTempo && data->size() >= 3", "kMetaTempo && data->size() > 3",
         "a three-byte tempo ignored"),
        ("src/formats/MidiFile.cpp", "(fps == 29 ? 29.97 : fps)", "(fps)",
         "29.97 frames a second read as 29"),
        ("src/formats/MidiFile.cpp", "timing.lastTick = std::max(timing.lastTick, ends->end);",
         "timing.lastTick = ends->end;", "the last track's end, not the longest"),
        ("src/formats/MidiFile.cpp", "if (tempos.size() >= kMaxMidiTempoChanges)",
         "if (tempos.size() > kMaxMidiTempoChanges)", "one tempo change past the limit"),
    ]),
    "playlists": (UNIT, [
        ("src/formats/Playlists.cpp", "if (!trimmed.empty() && trimmed.front() != '#')",
         "if (!trimmed.empty())", "M3U comments are entries"),
        ("src/formats/Playlists.cpp", "    if (joined.back() != '/') joined += '/';\n", "",
         "folder and name joined without a slash"),
        ("src/formats/Playlists.cpp", "if (IsUrl(entry) || entry.front() == '/' || folder.empty())",
         "if (IsUrl(entry) || folder.empty())", "absolute paths joined to the folder"),
        ("src/formats/Playlists.cpp", "if (number.empty() || !std::all_of(",
         "if (!std::all_of(", "PLS 'File=' without a number is an entry"),
        ("src/formats/Playlists.cpp", "if (text.size() > kMaxPlaylistBytes) return {};",
         "if (text.size() > 2 * kMaxPlaylistBytes) return {};", "the size limit doubled"),
        ("src/formats/Smil.cpp", "if (parent.chosen || child.entries.empty()) return;",
         "if (child.entries.empty()) return;", "a switch plays every alternative"),
        ("src/formats/Smil.cpp", "    if (!child.passes) return;\n", "",
         "an element whose test fails plays"),
        ("src/formats/Smil.cpp", "(b.size() == a.size() || b[a.size()] == '-')", "true",
         "'en' matches 'eng'"),
        ("src/formats/Smil.cpp", "        if (!Trim(*required).empty()) return false;\n", "",
         "systemRequired is ignored"),
    ]),
}


def run(args, env=None, timeout=900):
    try:
        done = subprocess.run(args, cwd=BUILD, env=env, capture_output=True, text=True, errors="replace",
                              timeout=timeout)
        return done.returncode, done.stdout + done.stderr
    except subprocess.TimeoutExpired:
        return -1, "timed out"


def build(target):
    return run(["nice", "cmake", "--build", ".", "-j2", "--target", target])


def tests_pass(command):
    """(passes under every locale, names of the locales it fails under)"""
    failing = []
    for name in LOCALES:
        env = dict(os.environ, LANG=name, LC_ALL=name, LANGUAGE="", QT_QPA_PLATFORM="offscreen",
                   REELWICK_MEDIA_DIR=os.path.join(ROOT, "..", "shared", "media"))
        code, _ = run(command, env=env, timeout=300)
        if code != 0:
            failing.append(name)
    return failing


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("decisions", nargs="*", help=", ".join(DECISIONS))
    parser.add_argument("--list", action="store_true")
    options = parser.parse_args()
    chosen = options.decisions or list(DECISIONS)
    unknown = [d for d in chosen if d not in DECISIONS]
    if unknown:
        parser.error("no decision named " + ", ".join(unknown))

    if options.list:
        for d in chosen:
            for i, (path, old, _, what) in enumerate(DECISIONS[d][1], 1):
                with open(os.path.join(ROOT, path)) as f:
                    there = f.read().count(old) == 1
                print("%s.%d  %s: %s%s" % (d, i, path, what, "" if there else "  (NOT FOUND)"))
        return 0

    pristine = {}

    def restore(*_):
        for path, text in pristine.items():
            with open(os.path.join(ROOT, path), "w") as f:
                f.write(text)
        pristine.clear()

    signal.signal(signal.SIGTERM, lambda *a: (restore(), sys.exit(1)))
    summary = []
    try:
        for d in chosen:
            (target, command), faults = DECISIONS[d]
            code, log = build(target)
            if code != 0 or tests_pass(command):
                print(log[-3000:])
                print("%s: the tests do not build or pass without a fault" % d)
                return 2
            killed = 0
            for i, (path, old, new, what) in enumerate(faults, 1):
                full = os.path.join(ROOT, path)
                with open(full) as f:
                    text = f.read()
                if text.count(old) != 1:
                    print("%s.%d: the text to change is not there once in %s" % (d, i, path))
                    return 2
                pristine[path] = text
                with open(full, "w") as f:
                    f.write(text.replace(old, new))
                start = time.monotonic()
                try:
                    code, log = build(target)
                    if code != 0:
                        verdict = "does not build"
                    else:
                        failing = tests_pass(command)
                        if failing == LOCALES:
                            verdict, killed = "killed", killed + 1
                        elif failing:
                            verdict = "survived under " + ", ".join(
                                l for l in LOCALES if l not in failing)
                        else:
                            verdict = "SURVIVED"
                finally:
                    restore()
                print("%-9s %s.%d  %s (%s)  [%.0f s]" % (verdict.split()[0], d, i, what, verdict,
                                                         time.monotonic() - start), flush=True)
            summary.append("%s: %d of %d killed" % (d, killed, len(faults)))
        # The build left as it was found.
        for target in {DECISIONS[d][0][0] for d in chosen}:
            build(target)
    finally:
        restore()
    print("\n".join(summary))
    return 0


if __name__ == "__main__":
    sys.exit(main())
