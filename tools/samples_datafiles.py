"""Controller data files and the history text of the sample backups.

Called by tools/make_samples.py; standard library only. Writes, beside the
logs of every sample backup:

    Lum/Luma: ROBOT.MCH, ROBOT.INF, ROBOT.CON, HISTORY.TXT
    Kav:      ROBOT.C01, ROBOT.INF, ROBOT.C00, HISTORY.TXT

The layout is the one the viewer reads: sections after the markers "#"
(MCH / C01), "<< " (Kav INF), "=<<" (Lum/Luma INF) and "#0" (CON / C00); in
the INF file the section "System Characteristic Data" is a comma-separated
table (headings, one row per axis, two closing lines), and the last section
of a Lum/Luma INF file is made of blocks introduced by 32 hyphens. Each
backup draws from its own random.Random with a fixed seed, so the files are
byte-identical on every run; the texts are checked on the way out.
"""

from __future__ import annotations

import datetime as dt
import random

HYPHENS = "-" * 32

# Axis names of the sample robots: six robot axes, then the cell's external axes.
ROBOT_AXES = ("S", "H", "V", "R2", "B", "R1")
EXTERNAL_AXES = ("Track", "P1 tilt", "P1 rotate", "P2 tilt", "P2 rotate", "Table")

# Headings of the system characteristic data table, one column each (24).
CHARACTERISTIC_HEADINGS = (
    "Axis", "Motor", "Rated power[W]", "Rated speed[rpm]", "Max speed[rpm]",
    "Gear ratio", "Encoder[bit]", "Direction", "+Soft limit", "-Soft limit",
    "Max accel[ms]", "Max decel[ms]", "Pos. gain[1/s]", "Vel. gain[Hz]",
    "Vel. integ.[ms]", "Torque limit[%]", "Overload[%]", "Collision[%]",
    "Inertia ratio", "Friction[%]", "Backlash[pulse]", "Brake delay[ms]",
    "Temp. limit[C]", "Status",
)

MOTORS_6 = ("VM-450", "VM-450", "VM-300", "VM-130", "VM-130", "VM-090")
MOTORS_EXT = ("VM-300", "VM-200", "VM-200", "VM-200", "VM-200", "VM-300")


def axes_of(cell) -> list:
    """(name, axis) pairs of the cell's axes."""
    names = list(ROBOT_AXES) + list(EXTERNAL_AXES)
    return list(zip(names, cell.axes))


def model_of(cell) -> str:
    if cell.family == "kav":
        return "KR-120S"
    return {"spot": "VL210-SP", "arc": "VL006-AW", "handling": "VL165-HD"}[cell.process]


def serial_of(cell) -> str:
    """The robot's serial number, the same in every file of the backup."""
    rng = random.Random(cell.seed)
    return f"{model_of(cell)[:2]}{rng.randint(21, 26)}{rng.randint(100000, 999999)}"


def software_of(cell) -> str:
    return "K8.24-117" if cell.family == "kav" else "40.12-03"


# --------------------------------------------------------------------------
# MCH / C01: machine data, sections after "#"

def mch_text(rng: random.Random, cell) -> str:
    axes = axes_of(cell)
    out = [f"MACHINE DATA FILE ({'ROBOT.C01' if cell.family == 'kav' else 'ROBOT.MCH'})",
           f"Written by controller software {software_of(cell)}", ""]

    def section(title, lines):
        out.append("#" + title)
        out.extend(lines)

    section("[Robot]", [
        f"Robot type      = {model_of(cell)}",
        f"Serial number   = {serial_of(cell)}",
        f"Axes            = {len(axes)}",
        f"Payload[kg]     = {dict(spot=210, arc=6, handling=165)[cell.process]}",
        f"Application     = {dict(spot='Spot welding', arc='Arc welding', handling='Handling')[cell.process]}",
    ])
    gear = []
    for i, (name, ax) in enumerate(axes, 1):
        ratio = rng.choice((121.0, 147.0, 153.0, 81.0, 101.0, 59.0)) if not ax.linear else 12.566
        gear.append(f"Axis{i} ({name:<9}) ratio = {ratio:9.3f}   offset = {rng.randint(-4000, 4000):6d} pulse")
    section("[Gear ratio and encoder offset]", gear)
    limits = []
    for i, (name, ax) in enumerate(axes, 1):
        unit = "mm " if ax.linear else "deg"
        limits.append(f"Axis{i} ({name:<9}) +{ax.hi:9.3f} / {ax.lo:9.3f} {unit}")
    section("[Soft limits]", limits)
    speeds = []
    for i, (name, ax) in enumerate(axes, 1):
        if ax.linear:
            speeds.append(f"Axis{i} ({name:<9}) {rng.choice((1800, 2000, 2200)):5d} mm/s")
        else:
            speeds.append(f"Axis{i} ({name:<9}) {rng.choice((120, 140, 160, 200, 260, 360)):5d} deg/s")
    section("[Maximum speed]", speeds)
    tool = ("Servo gun" if cell.process == "spot" else
            "Torch" if cell.process == "arc" else "Gripper")
    section("[Tool 1]", [
        f"Name            = {tool}",
        f"Offset X,Y,Z    = {rng.uniform(-20, 20):.2f}, {rng.uniform(-5, 5):.2f}, "
        f"{rng.uniform(250, 450):.2f} mm",
        f"Angle Rx,Ry,Rz  = 0.00, {rng.choice((0.0, 22.5, 45.0)):.2f}, 0.00 deg",
        f"Mass[kg]        = {rng.uniform(3, 95):.1f}",
    ])
    section("[Base coordinate]", [
        f"X,Y,Z           = {rng.uniform(-500, 500):.2f}, {rng.uniform(-500, 500):.2f}, 0.00 mm",
        f"Rz              = {rng.choice((0.0, 90.0, 180.0)):.2f} deg",
    ])
    return "\n".join(out) + "\n"


# --------------------------------------------------------------------------
# INF: controller information, sections after "<< " (Kav) or "=<<" (Lum/Luma)

def characteristic_rows(rng: random.Random, cell) -> tuple:
    """Headings and rows of the system characteristic data table."""
    rows = []
    motors = MOTORS_6 + MOTORS_EXT
    for i, (name, ax) in enumerate(axes_of(cell), 1):
        motor = motors[i - 1]
        power = {"VM-450": 4500, "VM-300": 3000, "VM-200": 2000, "VM-130": 1300,
                 "VM-090": 900}[motor]
        rated = 2000 if power >= 3000 else 3000
        unit_hi = f"{ax.hi:.1f}"
        unit_lo = f"{ax.lo:.1f}"
        values = [
            motor, str(power), str(rated), str(rated + 1000 if power < 3000 else rated + 500),
            f"{rng.choice((121.0, 147.0, 153.0, 81.0, 101.0, 59.0)):.3f}", "20",
            rng.choice(("+", "-")), unit_hi, unit_lo,
            str(rng.choice((240, 280, 320, 400))), str(rng.choice((200, 240, 280, 320))),
            str(rng.choice((30, 35, 40, 50))), str(rng.choice((60, 80, 100, 120))),
            f"{rng.uniform(8, 20):.1f}", str(rng.choice((250, 300, 300, 350))),
            str(rng.randint(12, 68)), str(rng.choice((120, 150, 150, 200))),
            f"{rng.uniform(1.0, 6.0):.2f}", f"{rng.uniform(2.0, 9.0):.1f}",
            str(rng.randint(0, 6)), str(rng.choice((80, 100, 120))), "120", "OK",
        ]
        # The label, three blanks, then the first value (the axis number).
        rows.append(f"Axis{i:02d} {name:<9}   {i}," + ",".join(values))
    assert len(values) + 1 == len(CHARACTERISTIC_HEADINGS)
    return ",".join(CHARACTERISTIC_HEADINGS), rows


def inf_sections(rng: random.Random, cell) -> list:
    """(title, lines) of the INF sections; the characteristic table among them."""
    serial = serial_of(cell)
    sections = [
        ("Controller Information", [
            f"Controller model   : {'KC-40' if cell.family == 'kav' else 'VC-60'}",
            f"Controller serial  : C{rng.randint(1000000, 9999999)}",
            f"System software    : {software_of(cell)}",
            f"Servo software     : {rng.randint(3, 5)}.{rng.randint(10, 40)}",
            f"TP software        : {rng.randint(2, 4)}.{rng.randint(1, 9)}.{rng.randint(0, 20)}",
            f"Backup date        : {cell.start:%Y/%m/%d} 17:{rng.randint(10, 59):02d}",
        ]),
        ("Robot Information", [
            f"Robot model        : {model_of(cell)}",
            f"Robot serial       : {serial}",
            f"Number of axes     : {len(cell.axes)}",
            f"Operating hours    : {rng.randint(8000, 42000)} h",
            f"Servo-on hours     : {rng.randint(6000, 38000)} h",
        ]),
    ]
    headings, rows = characteristic_rows(rng, cell)
    # The two closing lines of the table: an empty line, and the empty rest of
    # the section before the next marker.
    sections.append(("System Characteristic Data", [headings] + rows + [""]))
    sections.append(("Memory", [
        f"Program memory used : {rng.randint(18, 70)} %",
        f"Programs            : {len(cell.program_numbers)}",
        f"Free steps          : {rng.randint(20000, 60000)}",
    ]))
    return sections


def inf_text(rng: random.Random, cell) -> str:
    out = ["CONTROLLER INFORMATION FILE (ROBOT.INF)", ""]
    kav = cell.family == "kav"
    for title, lines in inf_sections(rng, cell):
        decoration = ">" * (40 - len(title)) + "=" * 8
        if kav:
            out.append(f"<< {title} {decoration}")
        else:
            out.append(f"=<< {title} {decoration}")
        out.extend(lines)
    if not kav:
        # The last section: option boards, one block each.
        out.append("=<< Option Board Information >>>>>>>>>>>>>>>>==========")
        boards = [("Slot 1: Field bus (PROFINET)", [
            f"Board version    : {rng.randint(1, 3)}.{rng.randint(0, 9)}",
            f"Station name     : robot{rng.randint(1, 20):02d}",
            "Input/Output     : 256 / 256"])]
        if cell.process == "arc":
            boards.append(("Slot 2: Welder interface", [
                "Board version    : 2.1", "Welder           : Digital inverter 500A",
                "Analog channels  : 4 in / 4 out"]))
        elif cell.process == "spot":
            boards.append(("Slot 2: Servo gun interface", [
                "Board version    : 1.8", "Gun axis         : external axis 7 (disabled)",
                "Timer link       : serial"]))
        else:
            boards.append(("Slot 2: Additional axis amplifier", [
                "Board version    : 3.0", f"Axes             : 7 to {len(cell.axes)}",
                "Amplifiers       : 3 x 2-axis"]))
        boards.append(("Slot 3: Digital I/O", ["Board version    : 1.2",
                                                "Inputs/Outputs   : 32 / 32"]))
        for title, lines in boards:
            out.append(HYPHENS)
            out.append(title)
            out.extend(lines)
    return "\n".join(out) + "\n"


# --------------------------------------------------------------------------
# CON / C00: constants, sections after "#0"

def con_text(rng: random.Random, cell) -> str:
    axes = axes_of(cell)
    out = [f"CONSTANT FILE ({'ROBOT.C00' if cell.family == 'kav' else 'ROBOT.CON'})", ""]

    def section(title, lines):
        out.append("#0 " + title)
        out.extend(lines)

    section("Speed limits", [
        "Teach speed limit      : 250 mm/s",
        f"Playback speed limit   : {rng.choice((1500, 2000, 2000, 2500))} mm/s",
        "Jog speed (high)       : 100 %",
        "Jog speed (low)        : 10 %",
    ])
    section("Interference zones", [
        f"Zone {n}: X {rng.randint(-1500, 0)}..{rng.randint(200, 1500)}  "
        f"Y {rng.randint(-1500, 0)}..{rng.randint(200, 1500)}  "
        f"Z {rng.randint(-200, 200)}..{rng.randint(800, 1800)}  {rng.choice(('ON', 'OFF'))}"
        for n in range(1, 5)
    ])
    section("Collision detection", [
        f"Axis{i} ({name:<9}) sensitivity {rng.choice((120, 150, 150, 200))} %"
        for i, (name, _) in enumerate(axes, 1)
    ])
    section("Communication", [
        f"IP address        : 192.168.{rng.randint(1, 20)}.{rng.randint(10, 250)}",
        "Subnet mask       : 255.255.255.0",
        "Serial port       : 38400 bps, 8N1",
    ])
    section("Home position", [
        f"Axis{i} ({name:<9}) {ax.home:10.3f}" for i, (name, ax) in enumerate(axes, 1)
    ])
    return "\n".join(out) + "\n"


# --------------------------------------------------------------------------
# HISTORY.TXT: service history written by the controller

def history_text(rng: random.Random, cell) -> str:
    events = [
        "System software updated",
        "Backup written to USB memory",
        "Encoder battery replaced",
        "Axis 2 reducer grease changed",
        "Teach pendant cable replaced",
        "Servo amplifier fan cleaned",
        "Zero calibration checked",
        "Collision detection level changed",
        "Tool data changed (tool 1)",
        "Cabinet filter replaced",
    ]
    out = ["CONTROLLER HISTORY", f"Robot {model_of(cell)}, controller software {software_of(cell)}", ""]
    # Two years of service before the backup, oldest first.
    days = sorted(rng.sample(range(3, 730), 14), reverse=True)
    for before in days:
        when = cell.start - dt.timedelta(days=before)
        out.append(f"{when:%Y/%m/%d} {rng.randint(7, 18):02d}:{rng.randint(0, 59):02d}  "
                   f"{rng.choice(events)}")
    return "\r\n".join(out) + "\r\n"


# --------------------------------------------------------------------------
# Checks: the files read back the way the viewer reads them

def check_files(cell, files: dict) -> None:
    kav = cell.family == "kav"
    names = ("ROBOT.C01", "ROBOT.INF", "ROBOT.C00") if kav else ("ROBOT.MCH", "ROBOT.INF", "ROBOT.CON")
    mch, inf, con = (files[f"{cell.folder}/{n}"] for n in names)
    assert len(mch.split("#")) == 7, cell.folder
    assert len(con.split("#0")) == 6, cell.folder
    sections = inf.split("<< " if kav else "=<<")
    assert len(sections) == (5 if kav else 6), cell.folder
    titles = [s.split("\n")[0].strip().replace(">", "").replace("=", "") for s in sections[1:]]
    table = [s for s, t in zip(sections[1:], titles) if t == "System Characteristic Data "]
    assert len(table) == 1, titles
    lines = table[0].split("\n")
    headings = lines[1].split(",")
    assert len(headings) == len(CHARACTERISTIC_HEADINGS) <= 26
    rows = lines[2:len(lines) - 2]
    assert len(rows) == len(cell.axes), cell.folder
    for row in rows:
        cells = row.split(",")
        assert len(cells) == len(headings) and "   " in cells[0], row
    if not kav:
        blocks = sections[-1].split(HYPHENS)
        assert len(blocks) >= 3 and all(len(b.split("\n")) >= 3 for b in blocks[1:])


def add_files(out: dict, cells) -> None:
    """Add the data files and HISTORY.TXT of every backup to `out` and
    describe them at the end of the README."""
    for cell in cells:
        rng = random.Random(cell.seed + 5101)
        kav = cell.family == "kav"
        out[f"{cell.folder}/{'ROBOT.C01' if kav else 'ROBOT.MCH'}"] = mch_text(rng, cell)
        out[f"{cell.folder}/ROBOT.INF"] = inf_text(rng, cell)
        out[f"{cell.folder}/{'ROBOT.C00' if kav else 'ROBOT.CON'}"] = con_text(rng, cell)
        out[f"{cell.folder}/HISTORY.TXT"] = history_text(rng, cell)
        check_files(cell, out)
    out["README.md"] += "\n".join([
        "",
        "## Controller data files and the history text",
        "",
        "Every folder also holds the controller data files that the MCH, INF and CON",
        "pages show, and `HISTORY.TXT`, which the HISTORY.TXT button opens in the",
        "desktop's text viewer:",
        "",
        "| File (Lum/Luma / Kav) | Sections | Contents |",
        "|---|---|---|",
        "| `ROBOT.MCH` / `ROBOT.C01` | after `#` | robot type, gear ratios and encoder offsets, "
        "soft limits, maximum speeds, tool 1, base coordinate |",
        "| `ROBOT.INF` | after `=<<` / `<< ` | controller and robot information, the system "
        "characteristic data table, memory; Lum/Luma: option boards as blocks after a "
        "line of 32 hyphens |",
        "| `ROBOT.CON` / `ROBOT.C00` | after `#0` | speed limits, interference zones, collision "
        "detection, communication, home position |",
        "| `HISTORY.TXT` | | service history: software updates, backups, parts replaced |",
        "",
        "The system characteristic data table has 24 columns (axis number, motor, rated",
        "power and speed, gear ratio, limits, gains, ...) and one row per axis: 6 rows,",
        "12 in `lum_multiaxis/`.",
        "",
    ])
