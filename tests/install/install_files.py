#!/usr/bin/env python3
"""What `cmake --install` and `cpack` put in place.

    install_files.py BUILD_DIR APP_ID

Installs the build into a temporary prefix and checks the files there: the
desktop entry and the AppStream metainfo by their validators, the manual page
by groff, the PNG icons' sizes from their headers, the installed program's
--version against the metainfo's release. Then builds the .deb and reads its
Depends and contents. Temporary files stay in BUILD_DIR/install-test, removed
at the end.
"""
import re
import shutil
import struct
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "support"))
from readback import check, report  # noqa: E402

build, app_id = Path(sys.argv[1]), sys.argv[2]
work = build / "install-test"


def run(*command, **kw):
    return subprocess.run(command, capture_output=True, text=True, **kw)


def png_size(path):
    data = path.read_bytes()[:24]
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", data[16:24])


def check_tree(root, where):
    """The installed files under ROOT (a prefix: bin/, share/)."""
    share = root / "share"
    for name in ["bin/korvel", f"share/applications/{app_id}.desktop", f"share/metainfo/{app_id}.metainfo.xml",
                 f"share/icons/hicolor/scalable/apps/{app_id}.svg", "share/man/man1/korvel.1",
                 "share/korvel/korvel.lff"]:
        check((root / name).is_file(), f"{where}: {name} is missing")
    for side in [16, 24, 32, 48, 64, 128, 256]:
        png = share / f"icons/hicolor/{side}x{side}/apps/{app_id}.png"
        size = png_size(png) if png.is_file() else "missing"
        check(size == (side, side), f"{where}: {png.name} at {side} px is {size}")
    return share


shutil.rmtree(work, ignore_errors=True)
work.mkdir(parents=True)
try:
    prefix = work / "prefix"
    done = run("cmake", "--install", str(build), "--prefix", str(prefix))
    if done.returncode != 0:
        sys.exit(f"cmake --install failed:\n{done.stdout}{done.stderr}")
    share = check_tree(prefix, "cmake --install")

    desktop = share / f"applications/{app_id}.desktop"
    valid = run("desktop-file-validate", str(desktop))
    check(valid.returncode == 0 and not valid.stdout.strip(), f"desktop-file-validate: {valid.stdout}{valid.stderr}")
    entry = dict(line.split("=", 1) for line in desktop.read_text().splitlines() if "=" in line)
    check(entry.get("Exec") == "korvel" and entry.get("Icon") == app_id, "the desktop entry's Exec or Icon")
    check({"Education", "Engineering"} <= set(entry.get("Categories", "").split(";")), "Categories")
    for key in ["Name", "GenericName", "Comment"]:
        check(re.search(r"[\u4e00-\u9fff]", entry.get(f"{key}[zh_CN]", "")), f"{key}[zh_CN] is not Chinese")
        check(entry.get(key, "").isascii() and entry.get(key), f"{key} is not English")

    metainfo = share / f"metainfo/{app_id}.metainfo.xml"
    valid = run("appstreamcli", "validate", "--no-net", str(metainfo))
    check(valid.returncode == 0 and not re.search(r"^[EW]:", valid.stdout, re.M),
          f"appstreamcli validate: {valid.stdout}{valid.stderr}")
    text = metainfo.read_text()
    check(f">{app_id}.desktop</launchable>" in text, "the metainfo launches another desktop entry")
    check("@" not in text, "the metainfo keeps an unconfigured @VARIABLE@")
    release = re.search(r'<release version="([^"]+)"', text)
    version = run(str(prefix / "bin/korvel"), "--version").stdout.strip()
    check(release and version == f"korvel {release.group(1)}",
          f"installed korvel --version says '{version}', the metainfo's release {release and release.group(1)}")

    # The page renders without a warning, and names every command --help names.
    page = share / "man/man1/korvel.1"
    shown = run("groff", "-k", "-man", "-Tutf8", "-ww", str(page))
    check(shown.returncode == 0 and not shown.stderr, f"groff: {shown.stderr}")
    plain = re.sub(r".\x08", "", shown.stdout)
    for section in ["NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "FILES"]:
        check(re.search(rf"^{section}$", plain, re.M), f"the manual page has no {section}")
    usage = run(str(build / "korvel"), "--help").stdout
    for command in sorted(set(re.findall(r"^\s+korvel (\w+)", usage, re.M))):
        check(f"korvel {command}" in plain, f"the manual page does not name korvel {command}")

    # The .deb: installed under /usr, depending on the runtime packages.
    package = work / "package"
    done = run("cpack", "--config", str(build / "CPackConfig.cmake"), "-B", str(package))
    debs = list(package.glob("korvel_*.deb"))
    if done.returncode != 0 or len(debs) != 1:
        sys.exit(f"cpack made no .deb:\n{done.stdout}{done.stderr}")
    deb = str(debs[0])
    depends = {d.split()[0] for d in run("dpkg-deb", "-f", deb, "Depends").stdout.strip().split(", ")}
    for needed in ["libqt6widgets6", "libqt6svg6", "libdxflib3", "libfontconfig1", "qt6-qpa-plugins",
                   "fontconfig", "fonts-arphic-uming"]:
        check(needed in depends, f"the .deb does not depend on {needed}: {sorted(depends)}")
    check(run("dpkg-deb", "-f", deb, "Maintainer").stdout.strip(), "the .deb has no Maintainer")
    unpacked = work / "unpacked"
    run("dpkg-deb", "-x", deb, str(unpacked))
    check_tree(unpacked / "usr", ".deb")
    listed = run("dpkg-deb", "-c", deb).stdout
    check("./usr/bin/korvel" in listed and "./usr/local" not in listed, "the .deb is not installed under /usr")
    check(", stripped" in run("file", "-L", str(unpacked / "usr/bin/korvel")).stdout,
          "the .deb's korvel is not stripped")
finally:
    shutil.rmtree(work, ignore_errors=True)

sys.exit(report())
