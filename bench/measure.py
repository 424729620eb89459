"""One measured run of a player: playing a clip to its end, its first frame,
sitting idle, opening many movies, listing a big folder, starting the sound
of a MIDI file."""

import json
import os
import pty
import re
import select
import shutil
import signal
import socket
import subprocess
import tempfile
import threading
import time

import environment

MPV = ["mpv", "--no-config", "--vo=x11", "--hwdec=no",
       # The player goes on without a sound device by decoding the sound for
       # a null output; so does mpv here, so that both do the same work.
       "--audio-fallback-to-null=yes"]
MPV_STATUS = "--term-status-msg=STATUS ${frame-drop-count} ${decoder-frame-drop-count}"
PLAY_TIMEOUT = 90
SETTLE = 3.0      # seconds after start before idle CPU is measured
PAUSE_AT = 2.0    # when the pause is chosen, seconds after start
IDLE_WINDOW = 10.0
TICKS = os.sysconf("SC_CLK_TCK")


def read_stats(path):
    values = {}
    try:
        with open(path) as stats:
            for line in stats:
                key, _, value = line.rstrip("\n").partition("=")
                values[key] = value
    except OSError:
        pass
    return values


def tree_cpu(pid):
    """User+system CPU seconds of a process and its descendants so far
    (clock ticks: 10 ms steps)."""
    stats = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    fields = stat.read().rsplit(")", 1)[1].split()
                # ppid, then utime stime cutime cstime
                stats[int(entry)] = (int(fields[1]), sum(int(f) for f in fields[11:15]))
            except (OSError, IndexError, ValueError):
                continue
    total = 0
    pending = [pid]
    while pending:
        current = pending.pop()
        total += stats.get(current, (0, 0))[1]
        pending += [child for child, (parent, _) in stats.items() if parent == current]
    return total / TICKS


def run(command, env, log, timeout):
    """Runs `command` to its end; returns (exit status, rusage, timed out,
    wall seconds). rusage comes from wait4: the whole process tree."""
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=log, stderr=log,
                               stdin=subprocess.DEVNULL)
    status, usage, timed_out = wait_with_timeout(process.pid, timeout)
    process.returncode = os.waitstatus_to_exitcode(status)  # reaped here, not by Popen
    return status, usage, timed_out, time.monotonic() - start


def wait_with_timeout(pid, timeout):
    """wait4 on `pid`, killing it after `timeout` seconds; returns (status,
    rusage, timed_out)."""
    fired = threading.Event()

    def kill():
        fired.set()
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass

    timer = threading.Timer(timeout, kill)
    timer.start()
    _, status, usage = os.wait4(pid, 0)
    timer.cancel()
    return status, usage, fired.is_set()


class Runner:
    def __init__(self, reelwick, watcher, display, scratch, log_folder, sizes):
        """`sizes` maps each clip's path to its picture's width and height."""
        self.sizes = sizes
        self.reelwick = reelwick
        self.watcher = watcher
        self.display = display
        self.scratch = scratch
        self.logs = log_folder
        self.count = 0
        os.makedirs(log_folder, exist_ok=True)

    # -- commands -----------------------------------------------------------

    def _env(self, variant, clip=None, resume_at=None, **bench):
        """The environment of one run, with fresh settings for Reelwick so
        that every run starts the same way: for a clip, a window at the top
        left that is large enough for it, and Movie > Original Size, so that
        the movie shows at its natural size, as mpv shows it."""
        env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb")
        for key in list(env):
            if key.startswith("REELWICK_"):
                del env[key]
        if variant.startswith("reelwick"):
            config = tempfile.mkdtemp(dir=self.scratch, prefix="config-")
            if clip in self.sizes:
                width, height = self.sizes[clip]
                folder = os.path.join(config, "Ostrun's Reelwick")
                os.makedirs(folder)
                with open(os.path.join(folder, "Ostrun's Reelwick.ini"), "w") as ini:
                    # Twips: 15 to a pixel at 96 dpi.
                    ini.write(f"[Settings]\nLeft=0\nTop=0\nWidth={(width + 64) * 15}\n"
                              f"Height={(height + 100) * 15}\nOriginalSize=True\n")
                    if resume_at is not None:
                        ini.write(f'[Resume]\n0="{resume_at}|{clip}"\n')
            env["XDG_CONFIG_HOME"] = config
            env["REELWICK_RENDERER"] = variant.split("-", 1)[1]
            for key, value in bench.items():
                env["REELWICK_BENCH_" + key.upper()] = str(value)
        return env

    def _command(self, variant, clip, *mpv_extra):
        if variant.startswith("reelwick"):
            return [self.reelwick] + ([clip] if clip else [])
        return MPV + list(mpv_extra) + ([clip] if clip else [])

    def _log(self, name):
        self.count += 1
        return open(os.path.join(self.logs, f"{self.count:03d}-{name}.log"), "w")

    def _stats_file(self):
        handle, path = tempfile.mkstemp(dir=self.scratch, prefix="stats-", suffix=".txt")
        os.close(handle)
        os.unlink(path)  # a run that fails to write it leaves none
        return path

    # -- playing to the end -------------------------------------------------

    def play(self, variant, clip):
        """CPU, wall time, peak memory and dropped frames of one run that plays
        `clip` from start-up to its end."""
        if variant == "mpv":
            return self._play_mpv(clip)
        stats = self._stats_file()
        env = self._env(variant, clip, stats=stats, quit_at_end=1)
        with self._log(variant + "-play") as log:
            status, usage, timed_out, wall = run(self._command(variant, clip), env, log,
                                                 PLAY_TIMEOUT)
        values = read_stats(stats)
        return {
            "cpu": usage.ru_utime + usage.ru_stime, "wall": wall,
            "rss_mib": usage.ru_maxrss / 1024,
            "dropped": int(values.get("dropped_frames", -1)),
            "decoder_dropped": int(values.get("decoder_dropped_frames", -1)),
            "renderer": values.get("renderer", "?"),
            "ok": not timed_out and values.get("at_end") == "1" and status == 0,
        }

    def _play_mpv(self, clip):
        """mpv prints its drop counters on its status line, which it writes
        only to a terminal: it runs on a pseudo-terminal."""
        env = self._env("mpv")
        start = time.monotonic()
        pid, master = pty.fork()
        if pid == 0:
            os.execvpe(MPV[0], MPV + [MPV_STATUS, clip], env)
        output = bytearray()
        deadline = start + PLAY_TIMEOUT
        while time.monotonic() < deadline:
            ready, _, _ = select.select([master], [], [], 1.0)
            try:
                chunk = os.read(master, 65536) if ready else b"."
            except OSError:
                break
            if not chunk:
                break
            if ready:
                output += chunk
        status, usage, timed_out = wait_with_timeout(pid, max(1.0, deadline - time.monotonic()))
        wall = time.monotonic() - start
        os.close(master)
        text = output.decode(errors="replace")
        with self._log("mpv-play") as log:
            log.write(text)
        counters = re.findall(r"STATUS (\d+) (\d+)", text)
        dropped, decoder = counters[-1] if counters else (-1, -1)
        return {
            "cpu": usage.ru_utime + usage.ru_stime, "wall": wall,
            "rss_mib": usage.ru_maxrss / 1024,
            "dropped": int(dropped), "decoder_dropped": int(decoder), "renderer": "x11",
            "ok": not timed_out and status == 0 and "(End of file)" in text,
        }

    # -- first frame --------------------------------------------------------

    def first_frame(self, variant, clip, resume_at=None, colour=environment.FIRST_COLOUR):
        """Seconds from the process's start to the clip's first frame on
        screen (the first of `colour`), or None when it never came. With
        `resume_at`, Reelwick finds the clip left there in its settings, and
        mpv gets --start."""
        env = self._env(variant, clip, resume_at=resume_at)
        command = [self.watcher, "-c", colour, "-w", "20", "--"]
        start = [f"--start={resume_at}"] if resume_at is not None else []
        command += self._command(variant, clip, *start)
        with self._log(variant + "-first-frame") as log:
            result = subprocess.run(command, env=env, stdout=subprocess.PIPE,
                                    stderr=log, stdin=subprocess.DEVNULL, timeout=60)
            text = result.stdout.decode(errors="replace")
            log.write(text)
        found = re.search(r"first_frame_seconds=([0-9.]+)", text)
        return float(found.group(1)) if found else None

    # -- idle ---------------------------------------------------------------

    def idle(self, variant, clip):
        """Share of one core used over IDLE_WINDOW seconds, as a percentage:
        paused on `clip` when there is one, else with nothing loaded (the
        logo, or mpv's empty window)."""
        stats = self._stats_file()
        extra = {"stats": stats}
        mpv_extra = []
        socket_path = os.path.join(self.scratch, f"mpv-{time.monotonic_ns()}.sock")
        if variant.startswith("reelwick") and clip:
            extra["pause_at"] = PAUSE_AT
        if variant == "mpv":
            mpv_extra = [f"--input-ipc-server={socket_path}"]
            if not clip:
                mpv_extra += ["--idle=yes", "--force-window=yes"]
        env = self._env(variant, clip, **extra)
        with self._log(variant + ("-paused" if clip else "-empty")) as log:
            start = time.monotonic()
            process = subprocess.Popen(self._command(variant, clip, *mpv_extra), env=env,
                                       stdout=log, stderr=log, stdin=subprocess.DEVNULL)
            paused = True
            if variant == "mpv" and clip:
                time.sleep(max(0.0, start + PAUSE_AT - time.monotonic()))
                paused = self._mpv_pause(socket_path)
            time.sleep(max(0.0, start + SETTLE - time.monotonic()))
            before = tree_cpu(process.pid)
            time.sleep(IDLE_WINDOW)
            used = tree_cpu(process.pid) - before
            process.terminate()
            try:
                process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if variant.startswith("reelwick") and clip:
            paused = read_stats(stats).get("paused") == "1"
        return {"percent": 100.0 * used / IDLE_WINDOW, "ok": paused}

    @staticmethod
    def _mpv_pause(path):
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            try:
                with socket.socket(socket.AF_UNIX) as connection:
                    connection.connect(path)
                    request = {"command": ["set_property", "pause", True], "request_id": 1}
                    connection.sendall((json.dumps(request) + "\n").encode())
                    reply = connection.recv(4096).decode(errors="replace")
                    return '"error":"success"' in reply
            except OSError:
                time.sleep(0.05)
        return False

    # -- in-process hooks ---------------------------------------------------

    def _hooked(self, variant, name, timeout, **bench):
        stats = self._stats_file()
        env = self._env(variant, stats=stats, **bench)
        with self._log(f"{variant}-{name}") as log:
            status, usage, timed_out, _ = run(self._command(variant, None), env, log, timeout)
        values = read_stats(stats)
        values["ok"] = not timed_out and status == 0
        values["rss_mib_peak"] = usage.ru_maxrss / 1024
        return values

    def opens(self, variant, listing):
        """Resident memory after each of the movies of `listing`, opened one
        after another in one process."""
        values = self._hooked(variant, "opens", 900, open_list=listing)
        series = [int(v) for v in values.get("open_rss_kib", "").split(",") if v]
        return {"rss_kib": series, "seconds": float(values.get("open_seconds", "nan")),
                "ok": values["ok"] and len(series) > 0}

    def folder(self, variant, folder, rows):
        values = self._hooked(variant, "folder", 120, folder=folder, folder_rows=rows)
        return {
            "seconds": float(values.get("folder_seconds", "nan")),
            "rows_seconds": float(values.get("folder_rows_seconds", "nan")),
            "stall_ms": float(values.get("folder_max_stall_ms", "nan")),
            "rows": int(values.get("folder_rows", -1)),
            "ok": values["ok"] and "folder_timeout" not in values
            and int(values.get("folder_rows", -1)) >= rows,
        }

    def sound_start(self, variant, path):
        """Seconds from the open of the MIDI file `path` until its sound is
        under way (a sound track and a position past 0)."""
        values = self._hooked(variant, "midi", 60, sound_start=path)
        seconds = float(values.get("sound_start_seconds", "nan"))
        return {"seconds": seconds,
                "duration": float(values.get("sound_start_duration", "nan")),
                "ok": values["ok"] and "sound_start_seconds" in values
                and "sound_start_timeout" not in values}


def remove(path):
    shutil.rmtree(path, ignore_errors=True)
