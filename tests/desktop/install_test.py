#!/usr/bin/env python3
"""Installs the build into a temporary prefix, as a package would, and checks the tree: the
programs, tezvan2's samples, icons of the sizes their folders say, desktop entries and
metainfo that the desktop's own validators accept, a ".tnl" file of any letter case known
by the installed MIME type, and both programs run from the installed files in a folder of
their own (tezvan2 finding its samples in the installed folder).

    install_test.py BUILD_DIR TEZVAN_ID TEZVAN2_ID NOTE_LIST_MIME_TYPE SAMPLE_DIR
"""
import os
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

build, tezvan_id, tezvan2_id, mime_type, sample_dir = sys.argv[1:6]
problems = []
checks = 0


def check(ok, message):
    global checks
    checks += 1
    if not ok:
        problems.append(message)
    return ok


def run(args, **kw):
    return subprocess.run(args, capture_output=True, text=True, **kw)


def png_size(path):
    head = path.read_bytes()[:24]
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", head[16:24])


def nota_record(name, duration):
    return (bytes([len(name)]) + name.ljust(5, b"\0") + bytes([len(duration)]) + duration.ljust(5, b"\0"))


def entry_value(path, key):
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith(key + "="):
            return line[len(key) + 1:]
    return None


with tempfile.TemporaryDirectory() as tmp:
    prefix = Path(tmp) / "prefix with space"
    done = run(["cmake", "--install", build, "--prefix", str(prefix)])
    if done.returncode != 0:
        sys.exit("cmake --install failed:\n" + done.stdout + done.stderr)
    share = prefix / "share"

    for program in ("tezvan", "tezvan2"):
        check(os.access(prefix / "bin" / program, os.X_OK), f"bin/{program} is not an installed program")
    samples = sorted(p.name for p in (prefix / sample_dir).glob("*.wbs"))
    check(len(samples) == 23, f"{sample_dir} holds {len(samples)} .wbs files, not 23")
    check(not list((prefix / "bin").glob("*.wbs")), "samples were installed into bin/")

    for app in (tezvan_id, tezvan2_id):
        icons = sorted(share.glob(f"icons/hicolor/*/apps/{app}.png"))
        sizes = set()
        for icon in icons:
            folder = icon.parent.parent.name  # "48x48"
            size = png_size(icon)
            if check(size is not None and f"{size[0]}x{size[1]}" == folder, f"{icon} is not a {folder} PNG"):
                sizes.add(size[0])
        check({16, 32, 48, 128, 256} <= sizes, f"{app}: icons of sizes {sorted(sizes)} only")

        entry = share / "applications" / f"{app}.desktop"
        metainfo = share / "metainfo" / f"{app}.metainfo.xml"
        if check(entry.is_file(), f"no desktop entry {entry}"):
            v = run(["desktop-file-validate", str(entry)])
            check(v.returncode == 0 and not v.stdout.strip(), f"desktop-file-validate {entry}:\n{v.stdout}{v.stderr}")
            check(entry_value(entry, "Icon") == app, f"{entry}: its icon is not {app}")
        if check(metainfo.is_file(), f"no metainfo {metainfo}"):
            v = run(["appstreamcli", "validate", "--no-net", "--no-color", str(metainfo)])
            check(v.returncode == 0, f"appstreamcli validate {metainfo}:\n{v.stdout}{v.stderr}")

    tezvan2_entry = share / "applications" / f"{tezvan2_id}.desktop"
    if tezvan2_entry.is_file():
        check(entry_value(tezvan2_entry, "Path") == str(prefix / sample_dir),
              f"tezvan2's entry starts it in {entry_value(tezvan2_entry, 'Path')}, not its samples folder")
    tezvan_entry = share / "applications" / f"{tezvan_id}.desktop"
    if tezvan_entry.is_file():
        check(entry_value(tezvan_entry, "MimeType") == mime_type + ";", "tezvan's entry does not open note lists")

    # The installed MIME type, as a file manager asks for it (GLib, through xdg-mime).
    v = run(["update-mime-database", str(share / "mime")])
    check(v.returncode == 0, f"update-mime-database:\n{v.stderr}")
    home = Path(tmp) / "home"
    work = Path(tmp) / "elsewhere"
    home.mkdir()
    work.mkdir()
    env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_")}
    env.update(HOME=str(home), XDG_DATA_DIRS=f"{share}:/usr/share", XDG_CURRENT_DESKTOP="GNOME")
    for name in ("song.tnl", "SONG.TNL", "Song.Tnl"):
        (work / name).write_text("01=0\r\n")
        q = run(["xdg-mime", "query", "filetype", str(work / name)], env=env)
        check(q.stdout.strip() == mime_type, f"xdg-mime query filetype {name}: {q.stdout.strip()!r}{q.stderr}")
    i = run(["gio", "info", "-a", "standard::icon", str(work / "song.tnl")], env=env)
    check(f"standard::icon: {tezvan_id}," in i.stdout, f"song.tnl shows another icon first:\n{i.stdout}")

    # Both programs from the installed files, started in a folder of their own.
    env = dict(os.environ, HOME=str(home))
    e = run([str(prefix / "bin" / "tezvan"), "--export-samples", "bank"], cwd=work, env=env)
    exported = sorted(p.name for p in (work / "bank").glob("*.wav"))
    check(e.returncode == 0 and len(exported) == 16, f"tezvan --export-samples: {exported}\n{e.stderr}")
    (work / "take.nota").write_bytes(nota_record(b"DO", b"200") + nota_record(b"RE", b"200"))
    r = run([str(prefix / "bin" / "tezvan2"), "--render", "take.nota", "take.wav"], cwd=work, env=env)
    check(r.returncode == 0 and not r.stderr.strip(), f"tezvan2 --render in another folder:\n{r.stderr}")
    wave = (work / "take.wav").read_bytes() if (work / "take.wav").exists() else b""
    check(len(wave) > 44 and any(wave[44:]), "tezvan2 --render wrote silence")

for p in problems:
    print("FAIL:", p)
print(f"installed tree: {checks} checks, {len(problems)} failed")
sys.exit(1 if problems else 0)
