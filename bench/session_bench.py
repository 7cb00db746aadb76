#!/usr/bin/env python3
"""Benches that run a whole program the way a user meets it: in a private X server
(Xvfb) and a private sound server with a null sink (PulseAudio, or PipeWire with WirePlumber
and its PulseAudio server, on a session bus of its own), all in a temporary folder that is
removed afterwards, with keys sent through XTEST (as xdotool sends them).

  e2e  note-on latency end to end, by ear: the sink's monitor is recorded with parec and
       each onset in the recording is set against the moment its key was sent
  cpu  CPU of the running program over a stretch of time, in % of one core
  rss  resident memory after start and some notes
  run  any command inside the private sound server and display (the in-process benches)

Each prints its figure as its last line. Called through e2e_latency.sh, cpu_usage.sh,
rss.sh and with_null_sink.sh; run any of them with --help.
"""

import argparse
import array
import ctypes
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

RATE = 44100


class Session:
    """A private X display and sound server; everything started here is stopped on exit."""

    def __init__(self, realtime_pulse=True, server="pulseaudio", display=True):
        self.realtime_pulse = realtime_pulse
        self.server = server
        self.with_display = display
        self.procs = []
        self.daemons = []  # the sound server's
        self.server_log = None
        self.tmp = None
        self.env = None
        self.display = None

    def __enter__(self):
        self.tmp = tempfile.mkdtemp(prefix="tezvan-bench-")
        home = os.path.join(self.tmp, "home")
        run = os.path.join(self.tmp, "run")
        os.makedirs(home)
        os.makedirs(run, mode=0o700)
        env = dict(os.environ)
        for k in ("PULSE_SERVER", "PULSE_SINK", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                  "DBUS_SESSION_BUS_ADDRESS", "PIPEWIRE_REMOTE", "PIPEWIRE_RUNTIME_DIR",
                  "PIPEWIRE_CONFIG_DIR", "WIREPLUMBER_CONFIG_DIR"):
            env.pop(k, None)
        env.update(HOME=home, XDG_RUNTIME_DIR=run, XDG_CONFIG_HOME=os.path.join(home, ".config"))
        self.env = env
        try:
            if self.server == "pipewire":
                self._start_pipewire()
            else:
                self._start_pulse()
            if self.with_display:
                self._start_x()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        self.procs.clear()
        if self.tmp:
            shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def _spawn(self, argv, **kw):
        p = subprocess.Popen(argv, env=kw.pop("env", self.env), **kw)
        self.procs.append(p)
        return p

    def _start_pulse(self):
        self.server_log = os.path.join(self.tmp, "pulse.log")
        argv = ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                "--log-target=file:" + self.server_log,
                "-L", "module-null-sink sink_name=bench",
                "-L", "module-native-protocol-unix"]
        if os.environ.get("TEZVAN_BENCH_SERVER_LOG"):
            argv += ["-vvvv", "--log-time=1"]  # every underrun, timed, to study a run
        if self.realtime_pulse:
            # As a desktop sound server runs: real-time scheduling where it is allowed.
            argv += ["--realtime=yes", "--high-priority=yes"]
        self.daemons = [self._spawn(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
        self._wait_for_sink()

    # The private PipeWire's configuration, laid out as the user's own (XDG_CONFIG_HOME): the
    # null sink, and a WirePlumber that uses no device of the machine and no logind.
    PIPEWIRE_CONFIG = os.path.join(os.path.dirname(os.path.abspath(__file__)), "private_session")

    def _start_pipewire(self):
        shutil.copytree(self.PIPEWIRE_CONFIG, self.env["XDG_CONFIG_HOME"])
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._spawn_telling(
            lambda fd: ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=%d" % fd],
            "the session bus")
        self.server_log = os.path.join(self.tmp, "pipewire.log")
        log = open(self.server_log, "w")
        self.daemons = [self._spawn(["pipewire"], stdout=log, stderr=subprocess.STDOUT)]
        # WirePlumber and the PulseAudio server need the PipeWire socket.
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], "pipewire-0")
        deadline = time.monotonic() + 10
        while not os.path.exists(socket):
            if time.monotonic() > deadline or self.daemons[0].poll() is not None:
                raise RuntimeError("pipewire did not come up; see its log")
            time.sleep(0.05)
        self.daemons.append(self._spawn(["wireplumber"], stdout=log, stderr=subprocess.STDOUT))
        self.daemons.append(self._spawn(["pipewire-pulse"], stdout=log, stderr=subprocess.STDOUT))
        self._wait_for_sink()

    def _wait_for_sink(self):
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            self.check_server()
            r = subprocess.run(["pactl", "list", "short", "sinks"], env=self.env, capture_output=True,
                               text=True)
            if r.returncode == 0 and "bench" in r.stdout:
                return
            time.sleep(0.1)
        raise RuntimeError("the %s server did not come up within 10 s" % self.server)

    def check_server(self):
        """Raises, with the server's log, when a daemon of the sound server has ended: at start,
        or while a command ran, which was then not heard."""
        ended = [d.args[0] for d in self.daemons if d.poll() is not None]
        if ended:
            log = ""
            if os.path.exists(self.server_log):
                with open(self.server_log, errors="replace") as f:
                    log = f.read()
            raise RuntimeError("%s ended; the sound server's log:\n%s" % (", ".join(ended), log))

    def _spawn_telling(self, argv_for_fd, what):
        """Starts a daemon that writes one line (its address) to the file descriptor it is
        given once it serves; returns that line."""
        rfd, wfd = os.pipe()
        self._spawn(argv_for_fd(wfd), pass_fds=(wfd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(wfd)
        with os.fdopen(rfd) as f:
            line = f.readline().strip()
        if not line:
            raise RuntimeError(what + " did not start")
        return line

    def _start_x(self):
        number = self._spawn_telling(
            lambda fd: ["Xvfb", "-displayfd", str(fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp"], "Xvfb")
        self.display = ":" + number
        self.env["DISPLAY"] = self.display

    def launch(self, argv, cwd=None):
        env = dict(self.env, QT_QPA_PLATFORM="xcb")
        log = open(os.path.join(self.tmp, "program.log"), "w")
        p = self._spawn(argv, env=env, cwd=cwd, stdout=log, stderr=subprocess.STDOUT)
        try:
            wid = self.xdotool("search", "--sync", "--onlyvisible", "--pid", str(p.pid), timeout=20)
        except subprocess.TimeoutExpired:
            wid = ""
        if not wid:
            raise RuntimeError("the program showed no window; its output:\n" + self.program_log())
        self.window = wid.split()[0]
        self.program = p
        self.xdotool("windowfocus", "--sync", self.window)
        return p

    def program_log(self):
        with open(os.path.join(self.tmp, "program.log")) as f:
            return f.read()

    def xdotool(self, *args, timeout=10):
        r = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                           timeout=timeout)
        return r.stdout.strip() if r.returncode == 0 else ""

    def prepare(self, steps, screenshot=None):
        """Steps before measuring: key:alt+o, click:X,Y (in the window), sleep:SECONDS."""
        for step in steps:
            kind, _, arg = step.partition(":")
            if kind == "key":
                self.xdotool("key", arg)
            elif kind == "click":
                x, y = arg.split(",")
                self.xdotool("mousemove", "--window", self.window, x, y, "click", "1")
            elif kind == "sleep":
                time.sleep(float(arg))
            else:
                raise SystemExit("unknown step " + step)
            time.sleep(0.2)
        if screenshot:
            subprocess.run(["import", "-window", "root", screenshot], env=self.env, check=False)


class Keyboard:
    """Key events through the XTEST extension, the way xdotool sends them, without starting
    a process per key (which would add its start-up time to every figure)."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.dpy = self.x11.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display " + display)

    def keycode(self, name):
        code = self.x11.XKeysymToKeycode(self.dpy, self.x11.XStringToKeysym(name.encode()))
        if not code:
            raise SystemExit("no key code for key " + name)
        return code

    def send(self, code, down):
        """Sends one key event; returns the monotonic time at which it left for the server."""
        self.xtst.XTestFakeKeyEvent(self.dpy, code, 1 if down else 0, 0)
        t = time.monotonic()
        self.x11.XFlush(self.dpy)
        return t

    def close(self):
        self.x11.XCloseDisplay(self.dpy)


class Recorder:
    """The sink's monitor through parec, with the monotonic time at which each piece arrived,
    so that any sample can be placed on the monotonic clock."""

    def __init__(self, session):
        self.proc = session._spawn(
            ["parec", "-d", "bench.monitor", "--raw", "--format=s16le", "--rate=%d" % RATE,
             "--channels=1", "--latency-msec=1"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.samples = array.array("h")
        self.arrivals = []  # (monotonic time read, samples recorded by then)
        self.leftover = b""
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        fd = self.proc.stdout.fileno()
        while True:
            chunk = os.read(fd, 4096)
            t = time.monotonic()
            if not chunk:
                return
            data = self.leftover + chunk
            whole = len(data) - len(data) % 2
            self.samples.frombytes(data[:whole])
            self.leftover = data[whole:]
            self.arrivals.append((t, len(self.samples)))

    def stop(self):
        self.proc.terminate()
        self.thread.join(timeout=5)

    def origin_near(self, t, span=0.3):
        """Monotonic time of sample 0, judged from the pieces that arrived in the span after t.
        A piece read at r ending at sample n was captured by r, so sample 0 was at r - n/RATE
        at the latest; the piece that came soonest after its capture gives the closest bound.
        Only pieces after t count: when the machine stands still the recording loses frames,
        and a bound from before such a gap would place every later note too late in it. A
        later bound only makes a latency longer, never shorter."""
        bounds = [r - n / RATE for r, n in self.arrivals if t <= r <= t + span]
        return min(bounds) if bounds else None


def find_onset(x, begin, end, floor, jump):
    """First sample in [begin, end) louder than floor and than jump times the loudest of the
    20 ms before begin (the tail of an earlier note, which the new one cuts off); None when
    there is none."""
    begin = max(begin, 0)
    end = min(end, len(x))
    before = max(begin - int(0.020 * RATE), 0)
    level = max((abs(v) for v in x[before:begin]), default=0)
    threshold = max(floor, jump * level)
    for i in range(begin, end):
        if abs(x[i]) > threshold:
            return i
    return None


def count_dropouts(x, begin, end):
    """Runs of at least 30 zero samples (0.7 ms) in [begin, end): the device ran dry inside
    a note."""
    runs = 0
    zeros = 0
    for v in x[max(begin, 0):min(end, len(x))]:
        if v == 0:
            zeros += 1
            if zeros == 30:
                runs += 1
        else:
            zeros = 0
    return runs


def common_args(p):
    p.add_argument("--cwd", help="working folder of the program (tezvan2 finds its .wbs files there)")
    p.add_argument("--settle", type=float, default=3.0,
                   help="seconds between the window showing and the first measurement")
    p.add_argument("--prep", action="append", default=[],
                   help="a step before measuring, repeatable: key:alt+o, click:X,Y, sleep:S")
    p.add_argument("--screenshot", metavar="PNG",
                   help="a picture of the screen once the steps are done, to check them")
    p.add_argument("--no-realtime-pulse", action="store_true",
                   help="run the sound server without real-time scheduling")
    p.add_argument("--server", choices=["pulseaudio", "pipewire"], default="pulseaudio",
                   help="the private sound server: PulseAudio, or PipeWire with its PulseAudio server")
    p.add_argument("program", nargs=argparse.REMAINDER, help="-- program and its arguments")


def program_argv(args):
    argv = args.program[1:] if args.program[:1] == ["--"] else args.program
    if not argv:
        raise SystemExit("give the program after --")
    if os.sep in argv[0]:
        argv = [os.path.abspath(argv[0])] + argv[1:]  # --cwd must not change which program runs
    return argv


def run_e2e(args):
    keys = [k for k in args.keys.split(",") if k]
    with Session(not args.no_realtime_pulse, args.server) as s:
        s.launch(program_argv(args), args.cwd)
        rec = Recorder(s)
        time.sleep(args.settle)
        s.prepare(args.prep, args.screenshot)
        kb = Keyboard(s.display)
        codes = [kb.keycode(k) for k in keys]
        sent = []
        for i in range(args.count):
            code = codes[i % len(codes)]
            down = kb.send(code, True)
            time.sleep(args.hold_ms / 1000)
            up = kb.send(code, False)
            sent.append(up if args.trigger == "release" else down)
            time.sleep(max(0.0, args.interval_ms / 1000 - args.hold_ms / 1000))
        time.sleep(0.5)
        rec.stop()
        kb.close()
        if s.program.poll() is not None:
            raise SystemExit("the program ended during the run:\n" + s.program_log())

    x = rec.samples
    if not x or not rec.arrivals:
        raise SystemExit("nothing was recorded from the sink's monitor")
    sent_at = []
    for t in sent:
        origin = rec.origin_near(t)
        sent_at.append(None if origin is None else int(round((t - origin) * RATE)))
    if args.keep_recording:
        with open(args.keep_recording, "wb") as f:
            x.tofile(f)
        with open(args.keep_recording + ".sent", "w") as f:
            f.write("".join("%s\n" % at for at in sent_at))
    latencies = []
    missing = 0
    dropouts = 0
    for i, at in enumerate(sent_at):
        if at is None:
            missing += 1
            print("note %d: no recording around it" % i)
            continue
        # Search from a little before the send (the estimate of sample 0's time is late by
        # at most one read) to the next key.
        onset = find_onset(x, at - int(0.002 * RATE), at + int(args.interval_ms / 1000 * RATE),
                           args.floor, args.jump)
        if onset is None:
            missing += 1
            print("note %d: no onset found" % i)
            continue
        latencies.append((onset - at) / RATE * 1000)
        end = min(onset + int(args.dropout_ms / 1000 * RATE), at + int(args.interval_ms / 1000 * RATE))
        dropouts += count_dropouts(x, onset + int(0.005 * RATE), end)
    if missing > args.count // 10 or len(latencies) < 2:
        raise SystemExit("%d of %d notes were not heard: no figure" % (missing, args.count))
    latencies.sort()
    p95 = latencies[min(len(latencies) - 1, int(round(0.95 * (len(latencies) - 1))))]
    p99 = latencies[min(len(latencies) - 1, int(round(0.99 * (len(latencies) - 1))))]
    print("latencies ms: " + " ".join("%.1f" % v for v in latencies))
    print("notes not heard: %d" % missing)
    print("dropouts (0.7 ms or more of silence) within the first %d ms of the notes: %d"
          % (args.dropout_ms, dropouts))
    pieces = [b - a for (_, a), (_, b) in zip(rec.arrivals, rec.arrivals[1:])]
    print("recording arrived in pieces of median %.2f ms (the resolution of the figures)"
          % (statistics.median(pieces) / RATE * 1000))
    print("end-to-end note-on latency on %s (key %s sent to sound at the sink), %d notes: "
          "median %.2f ms, p95 %.2f ms, p99 %.2f ms, max %.2f ms"
          % (args.server, args.trigger, len(latencies), statistics.median(latencies), p95, p99, latencies[-1]))


def cpu_ticks(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime, stime (fields 14 and 15)


def play_keys(display, keys, every, stop):
    kb = Keyboard(display)
    codes = [kb.keycode(k) for k in keys if k]
    i = 0
    while not stop.is_set():
        kb.send(codes[i % len(codes)], True)
        time.sleep(0.03)
        kb.send(codes[i % len(codes)], False)
        i += 1
        stop.wait(max(0.0, every - 0.03))
    kb.close()


def run_cpu(args):
    with Session(not args.no_realtime_pulse, args.server) as s:
        p = s.launch(program_argv(args), args.cwd)
        time.sleep(args.settle)
        s.prepare(args.prep, args.screenshot)
        hz = os.sysconf("SC_CLK_TCK")
        player = None
        if args.play_keys:
            # Notes keep sounding through the whole measurement: one key every --every-ms.
            stop = threading.Event()
            player = threading.Thread(target=play_keys, args=(s.display, args.play_keys.split(","),
                                                              args.every_ms / 1000, stop), daemon=True)
            player.start()
        t0, c0 = time.monotonic(), cpu_ticks(p.pid)
        time.sleep(args.seconds)
        t1, c1 = time.monotonic(), cpu_ticks(p.pid)
        if player:
            stop.set()
            player.join()
        if p.poll() is not None:
            raise SystemExit("the program ended during the run:\n" + s.program_log())
    percent = (c1 - c0) / hz / (t1 - t0) * 100
    print("CPU of the program over %.1f s (%s): %.2f %% of one core"
          % (t1 - t0, args.label, percent))


def run_rss(args):
    with Session(not args.no_realtime_pulse, args.server) as s:
        p = s.launch(program_argv(args), args.cwd)
        time.sleep(args.settle)
        s.prepare(args.prep, args.screenshot)
        kb = Keyboard(s.display)
        codes = [kb.keycode(k) for k in args.keys.split(",") if k]
        for i in range(args.notes):
            code = codes[i % len(codes)]
            kb.send(code, True)
            time.sleep(0.03)
            kb.send(code, False)
            time.sleep(0.1)
        kb.close()
        time.sleep(1)
        status = {}
        with open("/proc/%d/status" % p.pid) as f:
            for line in f:
                k, _, v = line.partition(":")
                status[k] = v.strip()
        if p.poll() is not None:
            raise SystemExit("the program ended during the run:\n" + s.program_log())
    mb = lambda k: int(status[k].split()[0]) / 1024
    print("resident memory after start and %d notes: VmRSS %.1f MB, VmHWM (peak) %.1f MB"
          % (args.notes, mb("VmRSS"), mb("VmHWM")))


def run_command(args):
    with Session(not args.no_realtime_pulse, args.server, display=not args.no_display) as s:
        env = dict(s.env, QT_QPA_PLATFORM="offscreen")
        p = s._spawn(program_argv(args), env=env, cwd=args.cwd)
        # Give the command its time; a wait, not a poll.
        rc = p.wait()
        s.check_server()
    sys.exit(rc)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = ap.add_subparsers(dest="mode", required=True)

    e = sub.add_parser("e2e", help="note-on latency end to end")
    e.add_argument("--keys", default="a", help="keys to press in turn, by X key name: a,s,d")
    e.add_argument("--count", type=int, default=30)
    e.add_argument("--interval-ms", type=float, default=1500,
                   help="time from one key to the next; long enough for a note to fade")
    e.add_argument("--hold-ms", type=float, default=40, help="time between press and release")
    e.add_argument("--trigger", choices=["press", "release"], default="press",
                   help="the event that sounds a note (tezvan2: release)")
    e.add_argument("--floor", type=int, default=300, help="smallest sample value counted as sound")
    e.add_argument("--jump", type=float, default=2.0,
                   help="a note that cuts off another is found where the sound grows this many "
                        "times louder than the other's tail")
    e.add_argument("--dropout-ms", type=int, default=200,
                   help="how much of each note (at most up to the next key) to search for dropouts")
    e.add_argument("--keep-recording", metavar="PATH",
                   help="keep the recording (raw s16le mono 44100 Hz) and PATH.sent, the sample "
                        "index of each key sent")
    common_args(e)

    c = sub.add_parser("cpu", help="CPU over a stretch of time")
    c.add_argument("--seconds", type=float, default=10)
    c.add_argument("--label", default="idle", help="what the program is doing, for the figure's line")
    c.add_argument("--play-keys", metavar="KEYS",
                   help="note keys (X key names, a,s,d) pressed in turn all through the measurement")
    c.add_argument("--every-ms", type=float, default=400, help="time from one of those keys to the next")
    common_args(c)

    r = sub.add_parser("rss", help="resident memory")
    r.add_argument("--keys", default="a,s,d,f", help="note keys to play, by X key name")
    r.add_argument("--notes", type=int, default=20)
    common_args(r)

    x = sub.add_parser("run", help="run a command inside the private sound server")
    x.add_argument("--no-display", action="store_true", help="start no X display")
    common_args(x)

    args = ap.parse_args()
    signal.signal(signal.SIGTERM, lambda *a: sys.exit(1))
    try:
        {"e2e": run_e2e, "cpu": run_cpu, "rss": run_rss, "run": run_command}[args.mode](args)
    except RuntimeError as e:
        raise SystemExit("%s: %s" % (os.path.basename(sys.argv[0]), e))


if __name__ == "__main__":
    main()
