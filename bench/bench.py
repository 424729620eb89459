#!/usr/bin/env python3
"""Measures Reelwick against the mpv player (--vo=x11) on an X server of its
own and writes bench/RESULTS.md. Run through scripts/bench.sh, which builds
what it needs first."""

import argparse
import glob
import json
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import environment  # noqa: E402
import measure  # noqa: E402
import report  # noqa: E402


def alternating(variants, count):
    """`count` rounds of the variants, each round starting one further on,
    so that no player always runs first or after the same one."""
    for i in range(count):
        k = i % len(variants)
        yield variants[k:] + variants[:k]


class Bench:
    def __init__(self, args, runner, clips, data):
        self.args = args
        self.runner = runner
        self.clips = clips
        self.data = data
        self.variants = [f"reelwick-{r}" for r in args.renderers] + ["mpv"]
        self.results = {"play": {}, "first_frame": {}, "idle_paused": {}, "idle_empty": {},
                        "opens": {}, "folder": {}, "midi": {}}
        self.failed = 0
        self.started = time.monotonic()

    def say(self, text):
        print(f"[{time.monotonic() - self.started:6.0f} s] {text}", flush=True)

    def keep(self, group, clip, variant, value):
        self.results[group].setdefault(clip, {}).setdefault(variant, []).append(value)
        if isinstance(value, dict) and not value.get("ok", True) or value is None:
            self.failed += 1
            self.say(f"  failed: {group} {clip} {variant}: {value}")

    def play(self):
        for order in alternating(self.variants, self.args.runs):
            for clip, path in self.clips.items():
                for variant in order:
                    run = self.runner.play(variant, path)
                    self.keep("play", clip, variant, run)
                    self.say(f"play {clip} {variant}: cpu {run['cpu']:.2f} s, "
                             f"wall {run['wall']:.2f} s, rss {run['rss_mib']:.0f} MiB, "
                             f"dropped {run['dropped']}+{run['decoder_dropped']}")

    def first_frame(self):
        for order in alternating(self.variants, self.args.runs):
            for clip, path in self.clips.items():
                for variant in order:
                    seconds = self.runner.first_frame(variant, path)
                    self.keep("first_frame", clip, variant, seconds)
                    self.say(f"first frame {clip} {variant}: {seconds}")

    def resume(self):
        """The first frame of a film opened where it was left, the frame at
        that place, beside an ordinary open of the same film."""
        path = environment.make_film(self.data)
        self.runner.sizes[path] = environment.CLIPS["720p30"][:2]
        opens = ((environment.RESUMED, environment.RESUME_AT, environment.FIRST_COLOUR),
                 (environment.FROM_START, None, environment.FILM_START_COLOUR))
        for order in alternating(self.variants, self.args.runs):
            for variant in order:
                for label, at, colour in opens:
                    seconds = self.runner.first_frame(variant, path, at, colour)
                    self.keep("first_frame", label, variant, seconds)
                    self.say(f"first frame, {label}, {variant}: {seconds}")

    def idle(self):
        clip = next(iter(self.clips))
        for order in alternating(self.variants, self.args.idle_runs):
            for variant in order:
                paused = self.runner.idle(variant, self.clips[clip])
                self.keep("idle_paused", clip, variant, paused)
                empty = self.runner.idle(variant, None)
                self.keep("idle_empty", "—", variant, empty)
                self.say(f"idle {variant}: paused {paused['percent']:.2f}%, "
                         f"nothing loaded {empty['percent']:.2f}%")

    def opens(self):
        listing = environment.make_open_list(self.data, self.clips, self.args.opens)
        for variant in self.variants[:-1]:
            run = self.runner.opens(variant, listing)
            self.results["opens"][variant] = run
            if not run["ok"]:
                self.failed += 1
            series = run["rss_kib"]
            self.say(f"opens {variant}: {len(series)} opens, rss at 10th "
                     f"{series[9] / 1024 if len(series) > 9 else 0:.1f} MiB, last "
                     f"{series[-1] / 1024 if series else 0:.1f} MiB")

    def folder(self):
        big = environment.make_big_folder(self.data, self.args.folder_files)
        for order in alternating(self.variants[:-1], self.args.folder_runs):
            for variant in order:
                run = self.runner.folder(variant, big, self.args.folder_files)
                self.results["folder"].setdefault(variant, []).append(run)
                if not run["ok"]:
                    self.failed += 1
                self.say(f"folder {variant}: {run}")

    def midi(self):
        files = environment.make_midi(self.data)
        for order in alternating(self.variants[:-1], self.args.runs):
            for label, path in files.items():
                for variant in order:
                    run = self.runner.sound_start(variant, path)
                    self.keep("midi", label, variant, run)
                    self.say(f"midi {label} {variant}: {run['seconds']:.3f} s "
                             f"(of {run['duration']:.0f} s)")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", default=os.path.join(here, "..", "build-bench"))
    parser.add_argument("--out", default=os.path.join(here, "RESULTS.md"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle-runs", type=int, default=5)
    parser.add_argument("--folder-runs", type=int, default=3)
    parser.add_argument("--opens", type=int, default=300)
    parser.add_argument("--folder-files", type=int, default=environment.FOLDER_FILES)
    parser.add_argument("--renderers", default="sw,gl")
    parser.add_argument("--only", default="play,first_frame,resume,idle,opens,folder,midi")
    parser.add_argument("--clips", default=",".join(environment.CLIPS))
    args = parser.parse_args()
    args.renderers = [r for r in args.renderers.split(",") if r]

    build = os.path.abspath(args.build)
    data = os.path.join(build, "bench-data")
    reelwick = os.path.join(build, "bench", "reelwick_bench")
    watcher = os.path.join(build, "bench", "reelwick_first_frame")
    for tool in (reelwick, watcher):
        if not os.access(tool, os.X_OK):
            sys.exit(f"missing {tool}: build with -DREELWICK_BENCH=ON first")

    clips = {name: path for name, path in environment.make_clips(data).items()
             if name in args.clips.split(",")}
    scratch = environment.scratch()
    server = environment.XServer()
    load = environment.OtherLoad([os.getpid(), server.process.pid])
    load.start()
    try:
        print(f"X server on {server.display}; logs in {scratch}/logs", flush=True)
        sizes = {path: environment.CLIPS[name][:2] for name, path in clips.items()}
        runner = measure.Runner(reelwick, watcher, server.display, scratch,
                                os.path.join(scratch, "logs"), sizes)
        bench = Bench(args, runner, clips, data)
        machine = environment.machine(server.display)
        for part in args.only.split(","):
            getattr(bench, part)()
    finally:
        load.stop()
        server.stop()
    machine.append(("Other processes during the run", load.summary()))

    with open(os.path.join(build, "bench-results.json"), "w") as raw:
        json.dump(bench.results, raw, indent=1)
    settings = {"runs": args.runs, "idle_runs": args.idle_runs, "variants": bench.variants,
                "folder_files": args.folder_files, "failed_runs": bench.failed}
    with open(args.out, "w") as out:
        out.write(report.Report(bench.results, machine, settings).text())
    bench.say(f"wrote {os.path.abspath(args.out)}; {bench.failed} failed run(s)")
    for config in glob.glob(os.path.join(scratch, "config-*")):
        measure.remove(config)


if __name__ == "__main__":
    main()
