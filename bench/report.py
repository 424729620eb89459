"""bench/RESULTS.md from the measured runs."""

import math
import statistics

import environment

MIB = 1024
# The first-frame watcher reads the screen every 4 ms (bench/first_frame.c):
# two times closer than that are the same time to it.
WATCH_STEP = 0.004


def finite(values):
    return [v for v in values if v is not None and not math.isnan(v)]


def median(values):
    values = finite(values)
    return statistics.median(values) if values else math.nan


def cell(values, digits=2):
    """"median (min–max)" of the runs."""
    values = finite(values)
    if not values:
        return "n/a"
    text = f"{statistics.median(values):.{digits}f}"
    if len(values) > 1:
        text += f" ({min(values):.{digits}f}–{max(values):.{digits}f})"
    return text


def ratio(a, b):
    return a / b if b and not math.isnan(a) and not math.isnan(b) else math.nan


def verdict(met, missed_by):
    return "**met**" if met else f"**missed** by {missed_by}"


class Report:
    def __init__(self, results, machine, settings):
        self.r = results
        self.machine = machine
        self.settings = settings
        self.variants = settings["variants"]
        self.reelwicks = [v for v in self.variants if v != "mpv"]

    @staticmethod
    def name(variant):
        return "mpv --vo=x11" if variant == "mpv" else f"Reelwick ({variant.split('-')[1]})"

    def runs(self, group, clip, variant):
        return [run for run in self.r[group].get(clip, {}).get(variant, []) if run.get("ok")]

    def play_values(self, clip, variant, key):
        return [run[key] for run in self.runs("play", clip, variant)]

    def first_frames(self, clip, variant):
        return self.r["first_frame"].get(clip, {}).get(variant, [])

    # -- the figures ----------------------------------------------------------

    def figures(self):
        heads = [self.name(v) for v in self.variants]
        ratios = [f"{v.split('-')[1]} / mpv" for v in self.reelwicks]
        lines = ["| Measure | Clip | " + " | ".join(heads + ratios) + " |",
                 "|---|---|" + "---|" * (len(heads) + len(ratios))]

        def row(measure, clip, values_of, digits=2, compare=True):
            values = {v: values_of(v) for v in self.variants}
            cells = [cell(values[v], digits) for v in self.variants]
            if compare:
                cells += [f"{ratio(median(values[v]), median(values['mpv'])):.2f}×"
                          for v in self.reelwicks]
            else:
                cells += ["" for _ in self.reelwicks]
            lines.append(f"| {measure} | {clip} | " + " | ".join(cells) + " |")

        for clip in self.r["play"]:
            row("CPU s to play to the end (user+sys)", clip,
                lambda v, c=clip: self.play_values(c, v, "cpu"))
        for clip in self.r["play"]:
            row("Wall s to play to the end", clip,
                lambda v, c=clip: self.play_values(c, v, "wall"))
        for clip in self.r["first_frame"]:
            row("First frame on screen, s from start", clip,
                lambda v, c=clip: self.first_frames(c, v), 3)
        for clip in self.r["play"]:
            row("Peak resident MiB (ru_maxrss)", clip,
                lambda v, c=clip: self.play_values(c, v, "rss_mib"), 1)
        for clip in self.r["play"]:
            row("Frames dropped by the output", clip,
                lambda v, c=clip: self.play_values(c, v, "dropped"), 0, False)
            row("Frames dropped by the decoder", clip,
                lambda v, c=clip: self.play_values(c, v, "decoder_dropped"), 0, False)
        for group, what in (("idle_paused", "CPU % of one core, paused 10 s"),
                            ("idle_empty", "CPU % of one core, nothing loaded, 10 s")):
            for clip in self.r[group]:
                row(what, clip, lambda v, g=group, c=clip: [
                    run["percent"] for run in self.runs(g, c, v)], 2, False)
        return lines

    def memory_and_folder(self):
        lines = ["| Measure | " + " | ".join(self.name(v) for v in self.reelwicks) + " |",
                 "|---|" + "---|" * len(self.reelwicks)]
        opens = {v: self.r["opens"].get(v, {}) for v in self.reelwicks}

        def rss(v, n):
            series = opens[v].get("rss_kib", [])
            return series[n - 1] / MIB if 1 <= n <= len(series) else math.nan

        count = max([len(o.get("rss_kib", [])) for o in opens.values()] + [0])
        for label, value in (
                ("Resident MiB after the 10th open", lambda v: f"{rss(v, 10):.1f}"),
                (f"Resident MiB after the {count}th open", lambda v: f"{rss(v, count):.1f}"),
                ("Growth MiB, 10th to last", lambda v: f"{rss(v, count) - rss(v, 10):+.1f}"),
                ("Highest resident MiB after every 10th open from the 10th",
                 lambda v: f"{max([rss(v, n) for n in range(10, count + 1, 10)] or [math.nan]):.1f}"),
                (f"Seconds for {count} opens", lambda v: f"{opens[v].get('seconds', math.nan):.1f}")):
            lines.append(f"| {label} | " + " | ".join(value(v) for v in self.reelwicks) + " |")
        folder = {v: [run for run in self.r["folder"].get(v, []) if run.get("ok")]
                  for v in self.reelwicks}
        files = self.settings["folder_files"]
        for label, key in ((f"Folder of {files:,} files: s until its names are on screen",
                            "seconds"),
                           ("Folder: s until the list has all its rows", "rows_seconds"),
                           ("Folder: longest event-loop stall, ms", "stall_ms")):
            lines.append(f"| {label} | " + " | ".join(
                cell([run[key] for run in folder[v]], 3 if key != "stall_ms" else 1)
                for v in self.reelwicks) + " |")
        return lines

    def midi(self):
        lines = ["| Measure | File | " + " | ".join(self.name(v) for v in self.reelwicks) + " |",
                 "|---|---|" + "---|" * len(self.reelwicks)]
        for label in self.r["midi"]:
            lines.append(f"| MIDI: s from the open until the sound is under way | {label} | "
                         + " | ".join(cell([run["seconds"] for run in self.runs("midi", label, v)],
                                           3) for v in self.reelwicks) + " |")
        if not self.r["midi"]:
            lines.append("| MIDI: not measured | | " + " | ".join("n/a" for _ in self.reelwicks)
                         + " |")
        return lines

    # -- the targets ----------------------------------------------------------

    def targets(self):
        lines = ["| Target | " + " | ".join(self.name(v) for v in self.reelwicks) + " |",
                 "|---|" + "---|" * len(self.reelwicks)]

        def add(label, judge):
            lines.append(f"| {label} | " + " | ".join(judge(v) for v in self.reelwicks) + " |")

        def relative(limit, values_of):
            def judge(v):
                x = ratio(median(values_of(v)), median(values_of("mpv")))
                if math.isnan(x):
                    return "n/a"
                return f"{x:.2f}× — " + verdict(x <= limit, f"{(x / limit - 1) * 100:.0f}%")
            return judge

        for clip in self.r["play"]:
            add(f"Playing CPU ≤ 1.15 × mpv, {clip}",
                relative(1.15, lambda v, c=clip: self.play_values(c, v, "cpu")))
        for clip in self.r["play"]:
            def drops(v, c=clip):
                runs = self.runs("play", c, v)
                if not runs:
                    return "n/a"
                worst = max(run["dropped"] + run["decoder_dropped"] for run in runs)
                return f"at most {worst} in {len(runs)} runs — " + verdict(
                    worst == 0, f"{worst} frames")
            add(f"0 dropped frames, {clip}", drops)
        for clip in self.r["first_frame"]:
            add(f"First frame ≤ 1.2 × mpv, {clip}",
                relative(1.2, lambda v, c=clip: self.first_frames(c, v)))
        resumed, plain = environment.RESUMED, environment.FROM_START
        if resumed in self.r["first_frame"] and plain in self.r["first_frame"]:
            def later(v):
                return median(self.first_frames(resumed, v)) - median(
                    self.first_frames(plain, v))

            def resume(v):
                extra = later(v)
                if math.isnan(extra):
                    return "n/a"
                theirs = later("mpv")
                theirs = "n/a" if math.isnan(theirs) else f"{theirs * 1000:+.0f} ms"
                return f"{extra * 1000:+.0f} ms (mpv {theirs}) — " + verdict(
                    extra <= WATCH_STEP, f"{(extra - WATCH_STEP) * 1000:.0f} ms")
            add(f"First frame ≤ an ordinary open's, {resumed} against its start", resume)
        for clip in self.r["play"]:
            def memory(v, c=clip):
                extra = median(self.play_values(c, v, "rss_mib")) - median(
                    self.play_values(c, "mpv", "rss_mib"))
                if math.isnan(extra):
                    return "n/a"
                return f"mpv {extra:+.1f} MiB — " + verdict(extra <= 40,
                                                           f"{extra - 40:.1f} MiB")
            add(f"Peak memory ≤ mpv + 40 MiB, {clip}", memory)
        for group, label in (("idle_paused", "paused"), ("idle_empty", "nothing loaded")):
            for clip in self.r[group]:
                def idle(v, g=group, c=clip):
                    x = median([run["percent"] for run in self.runs(g, c, v)])
                    if math.isnan(x):
                        return "n/a"
                    return f"{x:.2f}% — " + verdict(x < 1, f"{x - 1:.2f} points")
                add(f"Idle < 1% of one core, {label}", idle)

        def growth(v):
            series = self.r["opens"].get(v, {}).get("rss_kib", [])
            if len(series) < 10:
                return "n/a"
            grown = (series[-1] - series[9]) / MIB
            return f"{grown:+.1f} MiB — " + verdict(grown < 10, f"{grown - 10:.1f} MiB")
        add(f"{len(self.r['opens'].get(self.reelwicks[0], {}).get('rss_kib', []))} opens: "
            "growth < 10 MiB", growth)

        def folder(v):
            runs = [run for run in self.r["folder"].get(v, []) if run.get("ok")]
            if not runs:
                return "n/a"
            seconds = median([run["seconds"] for run in runs])
            stall = max(run["stall_ms"] for run in runs)
            missed = []
            if seconds >= 1:
                missed.append(f"{seconds - 1:.2f} s")
            if stall > 100:
                missed.append(f"a {stall:.0f} ms stall")
            return f"{seconds:.2f} s, longest stall {stall:.0f} ms — " + verdict(
                not missed, " and ".join(missed))
        add("Folder list on screen < 1 s, no stall > 100 ms", folder)

        def midi(v):
            # A file whose every run failed is the worst of all.
            medians = {label: median([run["seconds"] for run in self.runs("midi", label, v)])
                       for label in self.r["midi"] if self.r["midi"][label].get(v)}
            if not medians:
                return "n/a"
            worst = max(medians, key=lambda label: math.inf if math.isnan(medians[label])
                        else medians[label])
            x = medians[worst]
            if math.isnan(x):
                return f"no run of {worst} sounded — **missed**"
            return f"{x:.3f} s, {worst} — " + verdict(x < 0.5, f"{x - 0.5:.3f} s")
        add("MIDI sound under way < 0.5 s after the open (median, worst file)", midi)
        return lines

    def text(self):
        s = self.settings
        out = ["# Benchmark results", "",
               f"Written by `scripts/bench.sh` on {dict(self.machine)['Date']}. "
               "Each figure is the median of the runs with the lowest and highest in "
               f"brackets; playing and first-frame runs: {s['runs']} per player and clip, "
               f"idle runs: {s['idle_runs']} per player, in alternating order. "
               "Reelwick (sw) is the software renderer, Reelwick (gl) the OpenGL one "
               "(`REELWICK_RENDERER`).", ""]
        renderer = dict(self.machine).get("GL renderer (glxinfo -B)", "")
        if any(name in renderer.lower() for name in ("llvmpipe", "softpipe", "swrast")):
            out += ["Here GL is itself drawn in software (the GL renderer below), so Reelwick "
                    "chooses its software renderer by itself; the gl column shows what forcing "
                    "OpenGL costs on such a machine, not what it costs with a graphics driver.",
                    ""]
        out += ["## Machine", "", "| | |", "|---|---|"]
        out += [f"| {k} | {v} |" for k, v in self.machine]
        out += ["", "## Figures", ""] + self.figures()
        out += ["", "## Memory over many movies, and the folder list", ""]
        out += self.memory_and_folder()
        out += ["", "## MIDI", ""] + self.midi()
        out += ["", "## Targets", ""] + self.targets()
        out += ["", "## How it is measured", "", *HOW, ""]
        failed = s.get("failed_runs", 0)
        if failed:
            out.insert(3, f"{failed} run(s) failed and are left out; see the logs.\n")
        return "\n".join(out)


HOW = [
    "- Clips: H.264 made with ffmpeg (`testsrc2`, x264 preset fast, CRF 23), 30 fps, "
    "10 s, the first second solid magenta; 720p30+aac adds a 128 kb/s AAC stereo track.",
    "- Each run starts the player on its own and plays the clip to its end. Reelwick "
    "closes its window at the end (`REELWICK_BENCH_QUIT_AT_END=1`), mpv quits. CPU is "
    "user+system time of the process tree and peak memory is `ru_maxrss`, both from "
    "`wait4`; wall time from the process's start to its exit.",
    "- mpv runs as `mpv --no-config --vo=x11 --hwdec=no --audio-fallback-to-null=yes`: "
    "without a sound device it would otherwise skip decoding the sound, which Reelwick "
    "decodes for a null output. Its drop counters come from its status line "
    "(`--term-status-msg`, on a pseudo-terminal); Reelwick's from libmpv's "
    "`frame-drop-count` and `decoder-frame-drop-count` (`REELWICK_BENCH_STATS`).",
    "- First frame: `reelwick_first_frame` (bench/first_frame.c) starts the player and "
    "reads rows of the X screen every 4 ms until a run of magenta pixels shows.",
    "- Resumed film: a 720p30 film of 6 min 10 s whose only magenta second starts at "
    "4:00, on a key frame (one every 2 s); Reelwick starts with the film's place, "
    "4:00.5, in its settings' Resume section, mpv with `--start=240.5`. The time runs "
    "until the frame at that place shows (nothing magenta comes before it). The same "
    "film opened from its start, whose first second is cyan, is the ordinary open it "
    "is held to: no later when the medians are within the watcher's 4 ms step.",
    "- Idle: CPU of the process tree from `/proc` over 10 s, starting 3 s after start-up; "
    "paused: Reelwick chooses Movie > Pause 2 s after start (`REELWICK_BENCH_PAUSE_AT`), "
    "mpv gets `set pause yes` on its IPC socket; nothing loaded: Reelwick without a "
    "movie (the logo), mpv with `--idle=yes --force-window=yes`.",
    "- Opens: one process opens the movies of a list one after another through "
    "`OpenMovie`, 20 ms apart (`REELWICK_BENCH_OPEN_LIST`), reading VmRSS after each.",
    "- Folder list: one process makes a folder of empty .mp4 files current and chooses "
    "File > List (`REELWICK_BENCH_FOLDER`); the time runs until the list has every "
    "name and has been painted; a 5 ms timer records the longest gap between its ticks.",
    "- MIDI: one process per run opens a MIDI file through `OpenMovie`, as the user "
    "does (`REELWICK_BENCH_SOUND_START`); the time runs from just before the open until "
    "the player has a sound track and a position past 0, i.e. FluidSynth's sound is "
    "being played (to libmpv's null output on a machine without a sound device). Files: "
    "a 20-minute General MIDI piano file written by bench/environment.py, and "
    "tttheme2.mid of the shared media when present. Runs per file as for first frames.",
]
