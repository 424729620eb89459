"""What the benchmarks run in: their own X server, their clips and folders,
and a description of the machine."""

import os
import platform
import re
import subprocess
import tempfile
import threading
import time

# Large enough for a window that shows a 1080p movie at its natural size.
SCREEN = "2560x1600x24"

# name: (width, height, with sound). Every clip is 30 fps and 10 s long, H.264,
# and opens with one second of magenta, the colour the first-frame watcher
# looks for; the other nine seconds are a moving test pattern.
CLIPS = {
    "720p30": (1280, 720, False),
    "720p30+aac": (1280, 720, True),
    "1080p30": (1920, 1080, False),
}
FIRST_COLOUR = "ff00ff"
# A film of 6 min 10 s at 720p30, left at RESUME_AT: a second of cyan, blue
# until 4:00, then the 720p30 clip's ten seconds (its magenta second first),
# then blue. Half a second into the magenta, 15 frames after a key frame (one
# every 2 s), as a place where a film was left seldom falls on one. Its cyan
# start is what an ordinary open of the same film shows first.
FILM_START_COLOUR = "00ffff"
RESUME_AT = 240.5
RESUMED = "720p30, film left at 4:00.5"
FROM_START = "720p30, the same film from its start"
FOLDER_FILES = 100_000
MIDI_MINUTES = 20
# A sample of the shared media, a second MIDI row when it is there.
SHARED_MIDI = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "shared",
                           "media", "audio", "midi", "tttheme2.mid")


class XServer:
    """An Xvfb of its own on a free display (chosen by Xvfb: -displayfd)."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN,
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.process.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def ffmpeg(args):
    subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-y"] + args, check=True)


# Every clip and the film are encoded alike: x264 preset fast, CRF 23, a key
# frame every 2 s.
H264 = ["-c:v", "libx264", "-preset", "fast", "-crf", "23", "-g", "60"]


def made_once(path, make):
    """`path`, made by `make` into a part file the first time, so that a run
    broken off half way leaves nothing that a later run would take."""
    if not os.path.exists(path):
        print(f"making {path}", flush=True)
        part = path + ".part" + os.path.splitext(path)[1]
        make(part)
        os.rename(part, path)
    return path


def make_clip(path, width, height, sound):
    size = f"{width}x{height}"
    args = ["-f", "lavfi", "-i", f"color=c=magenta:s={size}:r=30:d=1",
            "-f", "lavfi", "-i", f"testsrc2=s={size}:r=30:d=9"]
    maps = ["-map", "[v]"]
    if sound:
        args += ["-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=10"]
        maps += ["-map", "2:a", "-c:a", "aac", "-ac", "2", "-b:a", "128k"]
    args += ["-filter_complex", "[0:v][1:v]concat=n=2:v=1:a=0,format=yuv420p[v]"]
    args += maps + H264 + [path]
    ffmpeg(args)


def make_film(folder):
    """The film to resume (see RESUME_AT), made once and kept in `folder`."""
    os.makedirs(folder, exist_ok=True)
    size = "1280x720"
    return made_once(os.path.join(folder, "reelwick-bench-film-720p30.mp4"), lambda part: ffmpeg(
        ["-f", "lavfi", "-i", f"color=c=0x{FILM_START_COLOUR}:s={size}:r=30:d=1",
         "-f", "lavfi", "-i", f"color=c=blue:s={size}:r=30:d=239",
         "-f", "lavfi", "-i", f"color=c=magenta:s={size}:r=30:d=1",
         "-f", "lavfi", "-i", f"testsrc2=s={size}:r=30:d=9",
         "-f", "lavfi", "-i", f"color=c=blue:s={size}:r=30:d=120",
         "-filter_complex", "[0:v][1:v][2:v][3:v][4:v]concat=n=5:v=1:a=0,format=yuv420p[v]",
         "-map", "[v]"] + H264 + [part]))


def make_clips(folder):
    """The clips by name, made once and kept in `folder`."""
    os.makedirs(folder, exist_ok=True)
    paths = {}
    for name, (width, height, sound) in CLIPS.items():
        paths[name] = made_once(
            os.path.join(folder, f"reelwick-bench-{name}.mp4"),
            lambda part, w=width, h=height, a=sound: make_clip(part, w, h, a))
    return paths


def make_open_list(folder, clips, count=300):
    """A file naming `count` movies, by distinct names: links to the clips,
    taken in turn, so the picture size changes from one to the next. The turn
    starts again every ten movies, so that the 10th, the 300th and every
    tenth between them are the same clip, and their memory compares."""
    movies = os.path.join(folder, "opens")
    os.makedirs(movies, exist_ok=True)
    names = sorted(clips)
    lines = []
    for i in range(count):
        link = os.path.join(movies, f"movie{i + 1:03d}.mp4")
        target = clips[names[i % 10 % len(names)]]
        if os.path.lexists(link) and os.readlink(link) != target:
            os.unlink(link)
        if not os.path.lexists(link):
            os.symlink(target, link)
        lines.append(link)
    listing = os.path.join(folder, "open-list.txt")
    with open(listing, "w") as out:
        out.write("\n".join(lines) + "\n")
    return listing


def make_big_folder(folder, count=FOLDER_FILES):
    """A folder of `count` empty movie files."""
    big = os.path.join(folder, f"folder-{count}")
    if not os.path.isdir(big) or len(os.listdir(big)) != count:
        os.makedirs(big, exist_ok=True)
        for i in range(count):
            open(os.path.join(big, f"clip{i:06d}.mp4"), "a").close()
    return big


def variable_length(value):
    """A MIDI delta time: seven bits a byte, most significant first, every
    byte but the last with its top bit set."""
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def midi_bytes(minutes, bpm=120, division=480):
    """A General MIDI file of format 0, `minutes` long: piano, a quarter note
    a beat walking up and down a C major scale, over a bass note held through
    every bar of four beats."""
    scale = [60, 62, 64, 65, 67, 69, 71, 72, 71, 69, 67, 65, 64, 62]
    bass = [36, 41, 43, 36]
    beats = minutes * bpm
    # (tick, order, message): at the same tick notes end before others start.
    timed = [(0, 0, b"\xff\x51\x03" + (60_000_000 // bpm).to_bytes(3, "big")),
             (0, 0, bytes([0xC0, 0]))]  # program 1, acoustic grand piano
    for beat in range(beats):
        tick = beat * division
        note = scale[beat % len(scale)]
        timed += [(tick, 1, bytes([0x90, note, 80])),
                  (tick + division * 7 // 8, 0, bytes([0x80, note, 0]))]
        if beat % 4 == 0:
            low = bass[beat // 4 % len(bass)]
            timed += [(tick, 1, bytes([0x90, low, 64])),
                      (tick + division * 4 - division // 8, 0, bytes([0x80, low, 0]))]
    timed.sort(key=lambda event: event[:2])
    track = bytearray()
    now = 0
    for tick, _, message in timed:
        track += variable_length(tick - now) + message
        now = tick
    track += variable_length(beats * division - now) + b"\xff\x2f\x00"
    header = b"MThd" + (6).to_bytes(4, "big") + (0).to_bytes(2, "big") + (1).to_bytes(
        2, "big") + division.to_bytes(2, "big")
    return header + b"MTrk" + len(track).to_bytes(4, "big") + bytes(track)


def make_midi(folder, minutes=MIDI_MINUTES):
    """The MIDI files to open, by label: a long one made here, and the shared
    sample when it is there."""
    os.makedirs(folder, exist_ok=True)
    def write(part):
        with open(part, "wb") as out:
            out.write(midi_bytes(minutes))
    path = made_once(os.path.join(folder, f"reelwick-bench-{minutes}min.mid"), write)
    files = {f"{minutes} min, 120 bpm piano (made here)": path}
    if os.path.isfile(SHARED_MIDI):
        files["tttheme2.mid (shared media)"] = os.path.abspath(SHARED_MIDI)
    return files


def output(args, env=None):
    try:
        return subprocess.run(args, capture_output=True, text=True, env=env,
                              timeout=30).stdout
    except (OSError, subprocess.SubprocessError):
        return ""


def machine(display):
    """The machine's description, as name/value pairs."""
    cpu = "unknown"
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    env = dict(os.environ, DISPLAY=display)
    glx = output(["glxinfo", "-B"], env)
    renderer = re.search(r"OpenGL renderer string: (.*)", glx)
    gl_version = re.search(r"OpenGL core profile version string: (.*)", glx)
    mpv = output(["mpv", "--version"]).splitlines()
    memory = re.search(r"MemTotal:\s+(\d+)", open("/proc/meminfo").read())
    return [
        ("CPU", cpu),
        ("Cores (logical)", str(os.cpu_count())),
        ("Memory", f"{int(memory.group(1)) // 1024} MiB" if memory else "unknown"),
        ("Kernel", platform.release()),
        ("X server", f"Xvfb {SCREEN}, no window manager"),
        ("GL renderer (glxinfo -B)", renderer.group(1) if renderer else "none"),
        ("GL version", gl_version.group(1) if gl_version else "none"),
        ("Qt", output(["pkg-config", "--modversion", "Qt6Core"]).strip() or "unknown"),
        ("libmpv", output(["dpkg-query", "-W", "-f=${Version}", "libmpv2"]).strip()
         or output(["pkg-config", "--modversion", "mpv"]).strip() or "unknown"),
        ("mpv", mpv[0] if mpv else "unknown"),
        ("Date", time.strftime("%Y-%m-%d")),
    ]


class OtherLoad(threading.Thread):
    """CPU used by processes outside the benchmark (other than this script,
    what it starts and its X server) while it runs, sampled every second: the
    figures are only as good as the machine was quiet."""

    def __init__(self, own):
        super().__init__(daemon=True)
        self.own = set(own)
        self.samples = []
        self.halt = threading.Event()

    @staticmethod
    def processes():
        table = {}
        for entry in os.listdir("/proc"):
            if entry.isdigit():
                try:
                    with open(f"/proc/{entry}/stat") as stat:
                        fields = stat.read().rsplit(")", 1)[1].split()
                    table[int(entry)] = (int(fields[1]), int(fields[11]) + int(fields[12]))
                except (OSError, IndexError, ValueError):
                    continue
        return table

    def others(self, table):
        ours = set(self.own)
        grew = True
        while grew:
            grew = False
            for pid, (parent, _) in table.items():
                if parent in ours and pid not in ours:
                    ours.add(pid)
                    grew = True
        return {pid: ticks for pid, (_, ticks) in table.items() if pid not in ours}

    def run(self):
        ticks = os.sysconf("SC_CLK_TCK")
        before, then = self.others(self.processes()), time.monotonic()
        while not self.halt.wait(1.0):
            now_table, now = self.others(self.processes()), time.monotonic()
            used = sum(t - before.get(pid, 0) for pid, t in now_table.items()
                       if t >= before.get(pid, 0))
            self.samples.append(100.0 * used / ticks / (now - then))
            before, then = now_table, now

    def stop(self):
        self.halt.set()
        self.join(timeout=5)

    def summary(self):
        if not self.samples:
            return "not measured"
        mean = sum(self.samples) / len(self.samples)
        busy = sum(1 for s in self.samples if s > 10) / len(self.samples)
        return (f"{mean:.0f}% of one core on average, {max(self.samples):.0f}% at the most; "
                f"above 10% in {busy * 100:.0f}% of the seconds")


def scratch():
    return tempfile.mkdtemp(prefix="reelwick-bench-")
