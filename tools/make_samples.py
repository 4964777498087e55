#!/usr/bin/env python3
"""Write the synthetic controller backups shipped in samples/.

Developer tool, run by hand (python3, standard library only). The build
never runs it; the generated files are committed.

    python3 tools/make_samples.py           (re)write samples/
    python3 tools/make_samples.py --check   only verify that samples/ is current

Every backup draws from its own random.Random with a fixed seed, so the
output is byte-identical on every run (the script generates everything twice
and compares). Before anything is written, each log is read back the way the
viewer reads it and checked; any fault stops the script with an AssertionError.

Backups written:
    samples/lum_spot/       ROBOT.ERR, ROBOT.STP   Lum, 6 axes, spot welding
    samples/lum_arc/        ROBOT.ERR, ROBOT.STP   Lum, 6 axes, arc welding (arc block)
    samples/lum_multiaxis/  ROBOT.ERR, ROBOT.STP   Lum, 12 axes (track, positioners)
    samples/kav/            ROBOT.E01, ROBOT.S01   Kav, 6 axes, spot welding
    job programs beside each log (tools/samples_jobs.py)
    samples/CODES.txt       every error / warning code used, per family
    samples/README.md       short description for engineers
"""

from __future__ import annotations

import argparse
import datetime as dt
import random
import re
import sys
from dataclasses import dataclass, field, replace
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SAMPLES = ROOT / "samples"

# --------------------------------------------------------------------------
# File headers (chunk 0 of every log)

LUM_ERR_HEADER = (
    "ERROR HISTORY FILE (ROBOT.ERR)\r\n"
    "Record number\r\n"
    "Error number, Parameter 1, Parameter 2\r\n"
    "Date Time\r\n"
    "Program number\r\n"
    "Step number\r\n"
    "Function number\r\n"
    "Position data\r\n"
    "SI(01-06) DIB(01-32) SO(01-06) DOB(01-32)\r\n"
)
LUM_STP_HEADER = (
    "STOP HISTORY FILE (ROBOT.STP)\r\n"
    "- Stop code\r\n"
    "- Date Time\r\n"
    "- Program number\r\n"
    "- Step number\r\n"
    "- Function number\r\n"
    "- Position data\r\n"
    "- SI(01-06) DIB(01-32) SO(01-06) DOB(01-32)\r\n"
)
KAV_ERR_HEADER = (
    "KAV ERROR HISTORY (ROBOT.E01)\n"
    "Record number\n"
    "Error number, Axis\n"
    "Date Time\n"
    "Program number\n"
    "Step number\n"
    "Position data\n"
    "GI(01-32) GO(01-32)\n"
)
KAV_STP_HEADER = (
    "KAV STOP HISTORY (ROBOT.S01)\n"
    "- Stop code\n"
    "- Date Time\n"
    "- Program number\n"
    "- Step number\n"
    "- Position data\n"
    "- GI(01-32) GO(01-32)\n"
)

# --------------------------------------------------------------------------
# Stop tables

LUM_STOPS = {
    1: "Internal Motors Off",
    2: "External Motors Off",
    3: "Emergency Stop(TP)",
    4: "Emergency Stop(OP)",
    5: "Emergency Stop(EXT)",
    6: "Safety Plug Fault",
    7: "Mode Switch Changed",
    10: "Internal Stop",
    20: "External Stop",
    30: "Program stop(STOP command)",
    40: "Conveyor run signal off",
    50: "Internal Start",
    60: "External Start",
}
KAV_STOPS = {
    "F01": "Internal Stop",
    "F02": "External Stop",
    "F03": "Program stop(robot stop M41)",
    "F04": "Conveyor run signal off",
    "F10": "Internal Motors Off",
    "F20": "External Motors Off",
    "F30": "Internal Emergency Stop",
    "F40": "External Emergency Stop",
}

# Stop kinds shared by both families, so the simulation can stay generic.
LUM_STOP_KIND = {1: "motors_off", 2: "ext_motors_off", 3: "estop_tp", 4: "estop_op",
                 5: "estop_ext", 6: "plug", 7: "mode", 10: "hold", 20: "ext_hold",
                 30: "prog_end", 40: "conveyor", 50: "start", 60: "ext_start"}
KAV_STOP_KIND = {"F01": "hold", "F02": "ext_hold", "F03": "prog_end", "F04": "conveyor",
                 "F10": "motors_off", "F20": "ext_motors_off", "F30": "estop_int",
                 "F40": "estop_ext"}

# --------------------------------------------------------------------------
# How an error code behaves in these samples (which parameter it carries and
# what the controller does when it is raised). The same code behaves the same
# way in every backup of a family.
#   axis       servo / encoder fault on one axis: motors off
#   collision  collision detected on one axis: motors off
#   travel     soft-limit over-travel on one axis: motors off
#   system     error concerning no axis: program halted, motors stay on
#   arc_start  torch switched on, no welding current established
#   arc_out    welding current lost during a seam
#   wire_stick wire stuck in the pool after arc off
#   gas        gas flow missing while welding
#   welder     welding power source reports a fault
#   warn       warning, program keeps running
#   warn_axis  warning naming an axis

LUM_CLASS = {
    "E-0015": "system", "E-0102": "system", "E-0107": "system",
    **{f"E-{n:04d}": "axis" for n in range(120, 131)},
    **{f"E-{n:04d}": "axis" for n in range(201, 207)},
    "E-0301": "collision", "E-0407": "travel",
    "E-1309": "system", "E-1312": "system", "E-1494": "system", "E-1495": "system",
    "E-1520": "system",
    "E-1456": "arc_start", "E-1457": "arc_out", "E-1460": "wire_stick", "E-1462": "gas",
    "E-1470": "welder",
    "E-2800": "system", "E-2805": "system",
    "E-10000": "system", "E-10001": "system",
    "W-0101": "warn_axis", "W-0102": "warn", "W-0103": "warn", "W-0104": "warn",
    "W-0105": "warn", "W-0106": "warn", "W-0107": "warn_axis", "W-0108": "warn",
    "W-0109": "warn", "W-0110": "warn", "W-0111": "warn", "W-0112": "warn",
}
KAV_CLASS = {
    "E-0003": "system", "E-0007": "system", "E-0012": "axis", "E-0021": "axis",
    "E-0025": "axis", "E-0034": "axis", "E-0041": "collision", "E-0058": "travel",
    "E-0072": "system", "E-0090": "system",
    "W-0003": "warn_axis", "W-0011": "warn", "W-0024": "warn",
}

WELD_KINDS = ("arc_on", "weld")
ARC_IN_NAMES = ("WCR", "ShockSensor", "WireStick", "WelderError", "WireState",
                "GasState", "Res", "Res")
ARC_OUT_NAMES = ("TorchSW", "Inching", "Retract", "StickChk", "GasCheck", "Res", "Res", "Res")
ARC_FIRST_LINE_ITEMS = 3          # items on the ArcI / ArcO line itself
ARC_CONT_INDENT = 13              # continuation aligned under the values
ARC_CONT_PAD_INDEX = 37           # the reader drops the character at this index


# --------------------------------------------------------------------------
# Robots and cells

@dataclass(frozen=True)
class Axis:
    lo: float
    hi: float
    home: float
    move_sd: float          # typical taught move between two steps
    linear: bool = False    # travel track, in mm


ROBOT6 = (
    Axis(-170.0, 170.0, 0.0, 25.0),
    Axis(-65.0, 90.0, -20.0, 12.0),
    Axis(-80.0, 160.0, 35.0, 14.0),
    Axis(-175.0, 175.0, 0.0, 30.0),
    Axis(-130.0, 130.0, -60.0, 18.0),
    Axis(-178.0, 178.0, 0.0, 35.0),
)
KAV6 = (
    Axis(-160.0, 160.0, 0.0, 25.0),
    Axis(-60.0, 85.0, -15.0, 12.0),
    Axis(-75.0, 150.0, 40.0, 14.0),
    Axis(-170.0, 170.0, 0.0, 30.0),
    Axis(-125.0, 125.0, -55.0, 18.0),
    Axis(-175.0, 175.0, 0.0, 35.0),
)
# 6 robot axes, floor track (mm), two 2-axis positioners (tilt, rotate) and a
# rotary table: 12 axes.
ROBOT12 = ROBOT6 + (
    Axis(0.0, 7800.0, 350.0, 1100.0, linear=True),
    Axis(-90.0, 90.0, 0.0, 20.0),
    Axis(-179.0, 179.0, 0.0, 60.0),
    Axis(-90.0, 90.0, 0.0, 20.0),
    Axis(-179.0, 179.0, 0.0, 60.0),
    Axis(-179.0, 179.0, 0.0, 45.0),
)


@dataclass
class Step:
    pose: list
    kind: str               # home, move, spot, arc_on, weld, arc_off, grip, release, end
    function: int
    tool_in: int
    tool_out: int


@dataclass
class Cell:
    folder: str
    family: str             # "lum" or "kav"
    process: str            # "spot", "arc" or "handling"
    axes: tuple
    seed: int
    start: dt.date
    weeks: int
    program_numbers: tuple
    steps_range: tuple
    conveyor: bool
    errors: list            # (code, count)
    stops: list             # (stop code, count), stops not caused by an error
    description: str
    programs: dict = field(default_factory=dict)
    prog_sensors: dict = field(default_factory=dict)
    prog_clamps: dict = field(default_factory=dict)
    prog_handshake: dict = field(default_factory=dict)
    prog_weld: dict = field(default_factory=dict)
    in_static: list = field(default_factory=list)
    out_static: list = field(default_factory=list)
    flicker: tuple = (0, 0)

    @property
    def arc(self) -> bool:
        return self.process == "arc"

    @property
    def pos_lines(self) -> int:
        return (len(self.axes) + 2) // 3

    @property
    def classes(self) -> dict:
        return LUM_CLASS if self.family == "lum" else KAV_CLASS

    @property
    def files(self) -> tuple:
        return ("ROBOT.ERR", "ROBOT.STP") if self.family == "lum" else ("ROBOT.E01", "ROBOT.S01")


CELLS = [
    Cell(
        folder="lum_spot", family="lum", process="spot", axes=ROBOT6, seed=41017,
        start=dt.date(2026, 10, 5), weeks=4, program_numbers=(3, 4, 12, 15, 27, 28, 51),
        steps_range=(24, 70), conveyor=True,
        errors=[("E-1309", 8), ("E-0015", 6), ("E-2800", 5), ("E-1494", 4), ("E-0123", 3),
                ("E-0102", 2), ("E-0121", 2), ("E-0301", 2), ("E-0407", 2), ("E-0107", 1),
                ("E-0125", 1), ("E-0130", 1), ("E-0201", 1), ("E-0204", 1), ("E-1312", 1),
                ("E-1495", 1), ("E-10000", 1), ("E-10001", 1),
                ("W-0101", 4), ("W-0105", 3), ("W-0102", 1), ("W-0103", 1), ("W-0108", 1),
                ("W-0110", 1)],
        stops=[(30, 6), (20, 3), (10, 2), (3, 2), (4, 1), (5, 1), (6, 1), (7, 2), (60, 2),
               (2, 1), (40, 1)],
        description="6-axis spot-welding robot (servo gun) in a body-shop line",
    ),
    Cell(
        folder="lum_arc", family="lum", process="arc", axes=ROBOT6, seed=52331,
        start=dt.date(2026, 9, 7), weeks=4, program_numbers=(5, 6, 7, 18, 33, 34),
        steps_range=(20, 60), conveyor=False,
        errors=[("E-1456", 7), ("E-1457", 6), ("E-1460", 4), ("E-0301", 3), ("E-1462", 2),
                ("E-1470", 2), ("E-0015", 2), ("E-0122", 2), ("E-1309", 2), ("E-0102", 1),
                ("E-0107", 1), ("E-0124", 1), ("E-0127", 1), ("E-0202", 1), ("E-0407", 1),
                ("E-1494", 1), ("E-2800", 1),
                ("W-0105", 4), ("W-0101", 3), ("W-0106", 2), ("W-0102", 1), ("W-0109", 1),
                ("W-0112", 1)],
        stops=[(30, 7), (10, 3), (20, 3), (3, 2), (5, 1), (7, 2), (60, 3), (1, 1), (2, 1)],
        description="6-axis arc-welding robot (MIG/MAG torch with shock sensor)",
    ),
    Cell(
        folder="lum_multiaxis", family="lum", process="handling", axes=ROBOT12, seed=63589,
        start=dt.date(2026, 11, 2), weeks=3, program_numbers=(8, 9, 10, 44, 45, 60),
        steps_range=(22, 64), conveyor=False,
        errors=[("E-1309", 6), ("E-0126", 4), ("E-0015", 4), ("E-2800", 3), ("E-0407", 3),
                ("E-1494", 3), ("E-0102", 2), ("E-0120", 2), ("E-0301", 2), ("E-0107", 1),
                ("E-0122", 1), ("E-0128", 1), ("E-0203", 1), ("E-0205", 1), ("E-1520", 1),
                ("E-2805", 1), ("E-10000", 1),
                ("W-0101", 3), ("W-0104", 2), ("W-0105", 2), ("W-0107", 1), ("W-0111", 1)],
        stops=[(30, 6), (10, 3), (20, 2), (4, 2), (5, 1), (6, 1), (7, 2), (60, 2), (2, 1)],
        description="12-axis handling cell: 6-axis robot on a floor track (axis 7, mm), "
                    "two 2-axis positioners (axes 8-9, 10-11) and a rotary table (axis 12)",
    ),
    Cell(
        folder="kav", family="kav", process="spot", axes=KAV6, seed=74843,
        start=dt.date(2026, 8, 17), weeks=4, program_numbers=(1, 2, 3, 14, 15, 70),
        steps_range=(20, 60), conveyor=True,
        errors=[("E-0072", 7), ("E-0012", 5), ("E-0003", 5), ("E-0041", 3), ("E-0021", 3),
                ("E-0058", 2), ("E-0007", 2), ("E-0025", 1), ("E-0034", 1), ("E-0090", 1),
                ("W-0003", 5), ("W-0011", 3), ("W-0024", 2)],
        stops=[("F03", 7), ("F01", 4), ("F02", 4), ("F30", 3), ("F40", 2), ("F04", 2),
               ("F20", 2), ("F10", 1)],
        description="6-axis spot-welding robot in a side-frame line",
    ),
]


# --------------------------------------------------------------------------
# Programs

FUNCTION_OF_KIND = {"home": (1,), "move": (1, 2, 2, 2, 3), "spot": (11,), "arc_on": (21,),
                    "weld": (2, 2, 3), "arc_off": (22,), "grip": (31,), "release": (32,),
                    "end": (9,)}


def plan_kinds(rng: random.Random, process: str, n: int) -> list:
    body = []
    if process == "spot":
        while len(body) < n - 2:
            body += ["move"] * rng.randint(1, 3) + ["spot"] * rng.randint(1, 4)
    elif process == "arc":
        while len(body) < n - 2:
            body += (["move"] * rng.randint(1, 3) + ["arc_on"] + ["weld"] * rng.randint(1, 5)
                     + ["arc_off"])
    else:
        while len(body) < n - 2:
            body += (["move"] * rng.randint(2, 4) + ["grip"] + ["move"] * rng.randint(2, 5)
                     + ["release"])
    return ["home"] + body + ["move", "end"]


def tool_bytes(process: str, kind: str, carrying: bool) -> tuple:
    """Tool input / output byte (DIB 1..8 / GI 17..24 resp. DOB / GO) for a step."""
    if process == "spot":
        # in: 01 gun open, 02 gun closed, 04 weld complete, 10 tip dress ok, 20 water ok
        # out: 01 gun close request, 02 weld start
        return (0x36, 0x03) if kind == "spot" else (0x31, 0x00)
    if process == "arc":
        # in: 01 torch cleaner home, 02 jig locked; out: 01 jig lock request, 02 in seam
        if kind in ("home", "end"):
            return 0x01, 0x00
        return 0x03, (0x03 if kind in WELD_KINDS else 0x01)
    # handling: in 01 gripper open, 02 gripper closed, 04 part present, 08 vacuum ok
    #           out 01 open request, 02 close request
    return (0x0E, 0x02) if carrying else (0x01, 0x01)


def make_program(rng: random.Random, cell: Cell) -> list:
    n = rng.randint(*cell.steps_range)
    kinds = plan_kinds(rng, cell.process, n)
    home = [a.home for a in cell.axes]
    # each program works around its own part of the cell; steps wander around
    # that centre (mean-reverting), small moves between weld points
    centre = [ax.lo + (ax.hi - ax.lo) * rng.uniform(0.3, 0.7) for ax in cell.axes]
    cur = list(centre)
    steps = []
    carrying = False
    for i, kind in enumerate(kinds):
        if kind in ("home", "end"):
            pose = list(home)
        else:
            for j, ax in enumerate(cell.axes):
                c = centre[j]
                if ax.linear:
                    if rng.random() < 0.35:
                        cur[j] = c + 0.7 * (cur[j] - c) + rng.uniform(-ax.move_sd, ax.move_sd)
                elif kind in ("weld", "spot"):
                    cur[j] += rng.gauss(0.0, ax.move_sd * 0.2)
                else:
                    cur[j] = c + 0.7 * (cur[j] - c) + rng.gauss(0.0, ax.move_sd)
                span = ax.hi - ax.lo
                cur[j] = min(max(cur[j], ax.lo + 0.04 * span), ax.hi - 0.04 * span)
            pose = [round(v, 3) for v in cur]
        if kind == "grip":
            carrying = True
        elif kind == "release":
            carrying = False
        t_in, t_out = tool_bytes(cell.process, kind, carrying)
        steps.append(Step(pose, kind, rng.choice(FUNCTION_OF_KIND[kind]), t_in, t_out))
    return steps


def prepare_cell(cell: Cell, rng: random.Random) -> None:
    for p in cell.program_numbers:
        cell.programs[p] = make_program(rng, cell)
        cell.prog_sensors[p] = rng.choice((0x0F, 0x07, 0x1F, 0x03, 0x3F))
        cell.prog_clamps[p] = rng.choice((0x3C, 0x0C, 0xF0, 0x33, 0x0F))
        cell.prog_handshake[p] = rng.choice((0x0B, 0x13, 0x07, 0x19))
        cell.prog_weld[p] = (rng.randrange(36, 53) / 2.0, rng.randrange(24, 53) * 5.0)
    cell.in_static = [0] * 32
    cell.out_static = [0] * 32
    for static in (cell.in_static, cell.out_static):
        for idx in rng.sample(range(8, 32), 4):
            static[idx] = rng.choice((0x01, 0x03, 0x80, 0x10, 0x0F, 0xC0, 0x20))
    cell.flicker = (rng.randrange(8, 32), 1 << rng.randrange(8))


# --------------------------------------------------------------------------
# Controller state and records

@dataclass
class State:
    auto: bool = True
    remote: bool = True
    motors: bool = True
    running: bool = True
    hold: bool = False
    ext_hold: bool = False      # external hold input open
    ext_start: bool = False
    error: bool = False
    warning: bool = False
    estop: str = ""             # open em-stop circuit: tp, op, ext (Lum) / int, ext (Kav)
    plug_fault: bool = False
    conveyor_off: bool = False


@dataclass
class Rec:
    time: dt.datetime
    code_line: str
    code: str                   # error code ("E-0123") or stop code ("S-10" / "F30")
    prog: int
    step: int                   # 1-based
    pose: list
    state: State
    arc_mode: str = "off"
    io: dict = field(default_factory=dict)
    arc: tuple = ()


def operating_days(rng: random.Random, start: dt.date, weeks: int) -> list:
    days = []
    for i in range(weeks * 7):
        d = start + dt.timedelta(days=i)
        if d.weekday() < 5:
            days.append((d, 6 * 3600, 22 * 3600))        # two shifts
        elif d.weekday() == 5 and rng.random() < 0.4:
            days.append((d, 6 * 3600, 14 * 3600))        # Saturday morning shift
    return days


GAP = 1500            # minimum seconds between two independent events
FOLLOW_MAX = 1200     # latest follow-up record after an event


def event_slots(rng: random.Random, days: list, count: int) -> list:
    """count (time, day index) pairs, sorted, at least GAP seconds apart."""
    weights = [rng.gammavariate(1.3, 1.0) * (end - begin) for _, begin, end in days]
    for i in rng.sample(range(len(days)), 2):             # two bad days
        weights[i] *= 5.0
    per_day = [0] * len(days)
    for _ in range(count):
        open_days = [i for i, (_, b, e) in enumerate(days)
                     if (per_day[i] + 1) * GAP * 2 < e - b]
        i = rng.choices(open_days, [weights[k] for k in open_days])[0]
        per_day[i] += 1
    slots = []
    for i, ((d, begin, end), k) in enumerate(zip(days, per_day)):
        span = end - begin - FOLLOW_MAX - 60 - (k - 1) * GAP
        points = sorted(rng.randrange(span) for _ in range(k))
        base = dt.datetime.combine(d, dt.time())
        for j, p in enumerate(points):
            slots.append((base + dt.timedelta(seconds=begin + p + j * GAP), i))
    return slots


def clean(v: float) -> float:
    return round(v, 3) + 0.0      # no "-0.000"


def moving_pose(rng: random.Random, cell: Cell, steps: list, i: int) -> list:
    """Pose somewhere on the move from step i-1 to step i (0-based), as measured."""
    a, b = steps[i - 1].pose, steps[i].pose
    f = rng.uniform(0.1, 0.95)
    out = []
    for ax, x, y in zip(cell.axes, a, b):
        v = x + (y - x) * f + rng.gauss(0.0, 0.05 if ax.linear else 0.01)
        out.append(clean(min(max(v, ax.lo), ax.hi)))
    return out


def taught_pose(rng: random.Random, cell: Cell, steps: list, i: int, jog: float = 0.0) -> list:
    out = []
    for ax, x in zip(cell.axes, steps[i].pose):
        sd = (jog * 20 if ax.linear else jog) if jog else (0.02 if ax.linear else 0.004)
        v = x + rng.gauss(0.0, sd)
        out.append(clean(min(max(v, ax.lo), ax.hi)))
    return out


def pick_step(rng: random.Random, cell: Cell, steps: list, cls: str) -> int:
    inner = range(1, len(steps) - 1)
    want = {"arc_start": ("arc_on",), "arc_out": ("weld",), "gas": ("weld",),
            "wire_stick": ("arc_off",), "welder": WELD_KINDS}.get(cls)
    if want is None and cell.arc and rng.random() < 0.6:
        want = WELD_KINDS
    if want is None and cell.process == "spot" and rng.random() < 0.5:
        want = ("spot",)
    if want:
        cands = [i for i in inner if steps[i].kind in want]
        if cands:
            return rng.choice(cands)
    return rng.choice(list(inner))


# --------------------------------------------------------------------------
# Signals

def system_bytes(cell: Cell, st: State, prog: int, at_home: bool) -> tuple:
    """(system inputs, system outputs) for Lum SI/SO resp. Kav GI/GO bytes 1..2."""
    out0 = 0
    if st.motors:
        out0 |= 0x01
    if st.running:
        out0 |= 0x02
    if st.hold:
        out0 |= 0x04
    if st.error:
        out0 |= 0x08
    if st.warning:
        out0 |= 0x10
    if st.estop:
        out0 |= 0x20
    if at_home:
        out0 |= 0x40
    if st.motors and not st.error and st.auto:
        out0 |= 0x80
    remote = st.auto and st.remote
    if cell.family == "lum":
        # SI 1: 01 ext start, 02 ext hold circuit closed, 04 ext motors-on enable, 10 remote
        # SI 2: 01/02/04 em-stop circuits TP/OP/EXT closed, 08 safety plug ok,
        #       10 fence closed, 20 key auto, 40 key teach
        # SI 3: selected program, SI 4: 01 conveyor run
        si0 = (0x01 if st.ext_start else 0) | (0 if st.ext_hold else 0x02)
        if remote:
            si0 |= 0x14
        si1 = 0x1F
        si1 &= ~{"tp": 0x01, "op": 0x02, "ext": 0x04}.get(st.estop, 0)
        if st.plug_fault:
            si1 &= ~0x08
        if not st.auto:
            si1 &= ~0x10
        si1 |= 0x20 if st.auto else 0x40
        si = [si0, si1, prog if remote else 0,
              0x01 if cell.conveyor and not st.conveyor_off else 0, 0, 0]
        # SO 1 as out0 above; SO 2: 01 auto, 02 teach, 04 remote; SO 3: running program
        so = [out0, (0x01 if st.auto else 0x02) | (0x04 if remote else 0), prog, 0, 0, 0]
        return si, so
    # Kav GI 1: 01 ext start, 02 ext hold closed, 04 int em-stop closed, 08 ext em-stop
    # closed, 10 conveyor run, 20 motors-on enable, 40 repeat mode, 80 teach mode; GI 2:
    # selected program. GO 1 as out0 above, GO 2: running program.
    gi0 = (0x01 if st.ext_start else 0) | (0 if st.ext_hold else 0x02)
    if st.estop != "int":
        gi0 |= 0x04
    if st.estop != "ext":
        gi0 |= 0x08
    if cell.conveyor and not st.conveyor_off:
        gi0 |= 0x10
    if remote:
        gi0 |= 0x20
    gi0 |= 0x40 if st.auto else 0x80
    return [gi0, prog if remote else 0], [out0, prog]


def process_bytes(rng: random.Random, cell: Cell, rec: Rec, n_front: int) -> tuple:
    """32 process input bytes and 32 process output bytes, the first n_front of
    each taken by system signals (Kav) or 0 (Lum)."""
    steps = cell.programs[rec.prog]
    step = steps[rec.step - 1]
    st = rec.state
    active = st.motors and st.auto
    tool_in, tool_out = step.tool_in, step.tool_out
    if not (st.running or st.hold):
        tool_out &= 0x01 if cell.process != "spot" else 0x00
    if cell.process == "spot" and tool_in == 0x36 and not st.running:
        tool_in &= ~0x04                                     # weld not completed
    if cell.process == "spot" and rng.random() < 0.1:
        tool_in &= ~0x10                                     # tip dressing due
    sensors = cell.prog_sensors[rec.prog] if st.auto else 0
    if sensors and rng.random() < 0.25:
        sensors &= ~(1 << rng.randrange(6))                  # one part sensor off
    clamps = cell.prog_clamps[rec.prog] if 0 < rec.step - 1 < len(steps) - 1 else 0
    hs_mask = cell.prog_handshake[rec.prog]
    handshake = 0
    for bit in range(8):
        if hs_mask & (1 << bit) and (bit == 0 or rng.random() < 0.6):
            handshake |= 1 << bit
    if not active:
        handshake &= 0x01
    j1 = rec.pose[0]
    zone = 0x01 if j1 < -30 else (0x02 if j1 <= 30 else 0x04)
    if step.kind in ("home", "end"):
        zone |= 0x80
    ins = list(cell.in_static)
    outs = list(cell.out_static)
    f_idx, f_bit = cell.flicker
    if rng.random() < 0.5:
        ins[f_idx] ^= f_bit
    front_in = [tool_in, sensors, clamps, handshake]
    front_out = [tool_out, zone, clamps if active else 0, handshake & 0x0F]
    ins[n_front:n_front + 4] = front_in
    outs[n_front:n_front + 4] = front_out
    return ins, outs


def arc_items(rng: random.Random, cell: Cell, rec: Rec) -> tuple:
    """(arc input values, arc output values, AI text, AO text) for a record."""
    vin = dict(WCR=0, ShockSensor=0, WireStick=0, WelderError=0, WireState=0, GasState=0)
    vout = dict(TorchSW=0, Inching=0, Retract=0, StickChk=0, GasCheck=0)
    cmd_v, cmd_a = cell.prog_weld[rec.prog]
    ai = [0.0, 0.0]
    ao = [0.0, 0.0]
    mode = rec.arc_mode
    if mode in ("weld", "weld_nogas"):
        vin.update(WCR=1, WireState=1, GasState=0 if mode == "weld_nogas" else 1)
        vout.update(TorchSW=1)
        ai = [cmd_v + rng.gauss(0.0, 0.4), cmd_a + rng.gauss(0.0, 4.0)]
        ao = [cmd_v, cmd_a]
    elif mode == "noarc":
        vin.update(WireState=1, GasState=1)
        vout.update(TorchSW=1)
        ai = [rng.uniform(58.0, 68.0), 0.0]                  # open-circuit voltage
        ao = [cmd_v, cmd_a]
    elif mode == "stick":
        vin.update(WireStick=1)
        vout.update(StickChk=1)
        ai = [rng.uniform(0.2, 0.9), 0.0]
    elif mode == "welder":
        vin.update(WelderError=1)
    elif mode == "shock":
        vin.update(ShockSensor=1)
    elif mode == "inch":
        vin.update(WireState=1)
        vout.update(Inching=1)
    elif mode == "retract":
        vin.update(WireState=1)
        vout.update(Retract=1)
    elif mode == "gascheck":
        vin.update(GasState=1)
        vout.update(GasCheck=1)
    items_in = [f"{k}={v}" for k, v in vin.items()] + ["Res=0", "Res=0"]
    items_out = [f"{k}={v}" for k, v in vout.items()] + ["Res=0", "Res=0", "Res=0"]
    ai_text = f"{ai[0]:.1f}V {ai[1]:.1f}A 0.0V 0.0V"
    ao_text = f"{ao[0]:.1f}V {ao[1]:.1f}A 0.0V 0.0V"
    return items_in, items_out, ai_text, ao_text


def finish_record(rng: random.Random, cell: Cell, rec: Rec) -> Rec:
    steps = cell.programs[rec.prog]
    at_home = steps[rec.step - 1].kind in ("home", "end") and \
        all(abs(a - b) < 0.05 for a, b in zip(rec.pose, steps[0].pose))
    sys_in, sys_out = system_bytes(cell, rec.state, rec.prog, at_home)
    if cell.family == "lum":
        ins, outs = process_bytes(rng, cell, rec, 0)
        rec.io = {"SI": sys_in, "SO": sys_out, "DI": ins, "DO": outs}
    else:
        ins, outs = process_bytes(rng, cell, rec, 2)
        ins[0:2] = sys_in
        outs[0:2] = sys_out
        rec.io = {"GI": ins, "GO": outs}
    if cell.arc:
        rec.arc = arc_items(rng, cell, rec)
    return rec


# --------------------------------------------------------------------------
# Simulation

def stop_code_line(cell: Cell, code) -> str:
    return f"S-{code}" if cell.family == "lum" else code


def stop_kind(cell: Cell, code) -> str:
    return (LUM_STOP_KIND if cell.family == "lum" else KAV_STOP_KIND)[code]


def apply_stop(st: State, kind: str) -> State:
    st = replace(st, running=False, ext_start=False, warning=False)
    if kind in ("motors_off", "ext_motors_off"):
        st.motors = False
    elif kind.startswith("estop"):
        st.motors = False
        st.estop = kind.split("_")[1]
    elif kind == "plug":
        st.motors = False
        st.plug_fault = True
    elif kind == "mode":
        st.motors = False
        st.auto = st.remote = False
    elif kind == "hold":
        st.hold = True
    elif kind == "ext_hold":
        st.hold = st.ext_hold = True
    elif kind == "conveyor":
        st.hold = st.conveyor_off = True
    elif kind in ("start", "ext_start"):
        st = State(ext_start=(kind == "ext_start"))
    return st


def simulate(cell: Cell) -> tuple:
    rng = random.Random(cell.seed)
    prepare_cell(cell, rng)
    days = operating_days(rng, cell.start, cell.weeks)
    day_progs = [rng.sample(cell.program_numbers, rng.choice((1, 1, 2, 2, 3))) for _ in days]
    items = [("E", c) for c, n in cell.errors for _ in range(n)]
    items += [("S", c) for c, n in cell.stops for _ in range(n)]
    rng.shuffle(items)
    slots = event_slots(rng, days, len(items))
    errs, stps = [], []
    lum = cell.family == "lum"
    motors_off_code = 1 if lum else "F10"
    hold_code = 10 if lum else "F01"

    def add_stop(t, code, prog, step, pose, st, arc_mode="off"):
        rec = Rec(t, stop_code_line(cell, code), stop_code_line(cell, code), prog, step,
                  pose, st, arc_mode)
        stps.append(finish_record(rng, cell, rec))

    def maybe_restart(t, prog, step_i, pose, steps, p):
        """Operator resets and restarts from the teach pendant (Lum only)."""
        if not lum or rng.random() >= p:
            return
        t2 = t + dt.timedelta(seconds=rng.randint(150, FOLLOW_MAX))
        mode = "noarc" if cell.arc and steps[step_i].kind in WELD_KINDS else "off"
        add_stop(t2, 50, prog, step_i + 1, pose, State(), mode)

    for (t, day), (what, code) in zip(slots, items):
        prog = rng.choice(day_progs[day])
        steps = cell.programs[prog]
        if what == "E":
            cls = cell.classes[code]
            teach = (cls in ("travel", "collision") and rng.random() < 0.5) or \
                    (cls.startswith("warn") and rng.random() < 0.1)
            i = pick_step(rng, cell, steps, cls)
            if teach:
                pose = taught_pose(rng, cell, steps, i, jog=1.5)
            elif cls in ("arc_start", "wire_stick"):
                pose = taught_pose(rng, cell, steps, i)        # standing at the point
            else:
                pose = moving_pose(rng, cell, steps, i)
            axis = 0
            if cls in ("axis", "collision", "travel", "warn_axis"):
                axis = rng.randint(1, 6)
                ax = cell.axes[axis - 1]
                if cls == "collision":
                    pose[axis - 1] = clean(min(max(pose[axis - 1] + rng.gauss(0, 0.8), ax.lo),
                                               ax.hi))
                elif cls == "travel":
                    lim = ax.hi if rng.random() < 0.5 else ax.lo
                    pose[axis - 1] = clean(lim + (0.001 if lim > 0 else -0.001)
                                           * rng.randint(1, 40))
            st = State(auto=not teach, remote=not teach, running=not teach)
            if cls.startswith("warn"):
                st.warning = True
            else:
                st.running = False
                st.error = True
                if cls in ("axis", "collision", "travel"):
                    st.motors = False
            arc_mode = "off"
            if cell.arc:
                arc_mode = {"arc_start": "noarc", "arc_out": "noarc", "gas": "weld_nogas",
                            "wire_stick": "stick", "welder": "welder",
                            "collision": "shock"}.get(cls, "off")
                if cls.startswith("warn") and not teach and steps[i].kind in WELD_KINDS:
                    arc_mode = "weld"
                if teach and rng.random() < 0.35:
                    arc_mode = rng.choice(("inch", "retract", "gascheck"))
            if lum:
                p2 = rng.randint(1, 4) if cls == "axis" and rng.random() < 0.5 else \
                    (rng.randint(1, 9) if rng.random() < 0.12 else 0)
                line = f"{code},{axis},{p2}"
            else:
                line = f"{code},{axis}"
            errs.append(finish_record(rng, cell, Rec(t, line, code, prog, i + 1, pose, st,
                                                     arc_mode)))
            # what the stop log shows right after the error
            if teach:
                continue
            t1 = t + dt.timedelta(seconds=rng.randint(1, 3))
            keep = arc_mode if arc_mode in ("stick", "shock", "welder") else "off"
            if cls in ("axis", "collision", "travel") and rng.random() < 0.8:
                add_stop(t1, motors_off_code, prog, i + 1, pose,
                         apply_stop(st, "motors_off"), keep)
                maybe_restart(t1, prog, i, pose, steps, 0.55)
            elif not cls.startswith("warn") and rng.random() < 0.3:
                add_stop(t1, hold_code, prog, i + 1, pose, apply_stop(st, "hold"), keep)
                maybe_restart(t1, prog, i, pose, steps, 0.5)
            continue

        kind = stop_kind(cell, code)
        last = len(steps) - 1
        if kind == "prog_end":
            i, pose = last, taught_pose(rng, cell, steps, last)
        elif kind == "ext_start":
            i, pose = 0, taught_pose(rng, cell, steps, 0)
        elif kind in ("ext_motors_off", "motors_off") and rng.random() < 0.7:
            i, pose = last, taught_pose(rng, cell, steps, last)
        else:
            i = pick_step(rng, cell, steps, "stop")
            pose = moving_pose(rng, cell, steps, i)
        st = apply_stop(State(), kind)
        if kind == "estop_tp" and rng.random() < 0.5:
            st.auto = st.remote = False                      # pressed while teaching
        if kind == "ext_start":
            st.hold = False
        arc_mode = "off"
        if cell.arc and steps[i].kind in WELD_KINDS:
            if kind in ("hold", "ext_hold", "conveyor"):
                arc_mode = "weld"                            # snapshot at the stop request
        add_stop(t, code, prog, i + 1, pose, st, arc_mode)
        if kind.startswith("estop") or kind in ("hold", "plug"):
            maybe_restart(t, prog, i, pose, steps, 0.5)
    stps.sort(key=lambda r: r.time)
    return errs, stps


# --------------------------------------------------------------------------
# Writing

def hexbytes(values) -> str:
    return "[" + " ".join(f"{v:02X}" for v in values) + "]"


def position_lines(pose) -> list:
    return [",".join(f"{v:10.3f}" for v in pose[k:k + 3]) for k in range(0, len(pose), 3)]


def arc_continuation(items) -> str:
    text = ",".join(items)
    k = ARC_CONT_PAD_INDEX
    assert len(text) > k and text[k - 1] != " " and text[k] != " "
    return " " * ARC_CONT_INDENT + text[:k] + " " + text[k:]


def arc_lines(arc: tuple) -> list:
    items_in, items_out, ai_text, ao_text = arc
    n = ARC_FIRST_LINE_ITEMS
    return [
        "ArcI(01-08): " + ",".join(items_in[:n]) + ",",
        arc_continuation(items_in[n:]),
        "AI(01-04): " + ai_text,
        "AI(05-08): 0.0V 0.0V 0.0V 0.0V",
        "ArcO(01-08): " + ",".join(items_out[:n]) + ",",
        arc_continuation(items_out[n:]),
        "AO(01-04): " + ao_text,
        "AO(05-08): 0.0V 0.0V 0.0V 0.0V",
    ]


def bank_lines(label: str, values) -> list:
    return [f"{label}({8 * k + 1:02d}-{8 * k + 8:02d}): {hexbytes(values[8 * k:8 * k + 8])}"
            for k in range(4)]


def record_text(cell: Cell, number: int, rec: Rec) -> str:
    lines = [f"{number:04d}", rec.code_line, rec.time.strftime("%Y/%m/%d %H:%M:%S"),
             f"{rec.prog:04d}", f"{rec.step:04d}"]
    if cell.family == "lum":
        lines.append(f"{cell.programs[rec.prog][rec.step - 1].function:04d}")
        lines += position_lines(rec.pose)
        lines.append("SI(01-06): " + hexbytes(rec.io["SI"]))
        lines += bank_lines("DIB", rec.io["DI"])
        if cell.arc:
            lines += arc_lines(rec.arc)
        lines.append("SO(01-06): " + hexbytes(rec.io["SO"]))
        lines += bank_lines("DOB", rec.io["DO"])
        eol = "\r\n"
    else:
        lines += position_lines(rec.pose)
        lines += bank_lines("GI", rec.io["GI"])
        lines += bank_lines("GO", rec.io["GO"])
        eol = "\n"
    return eol.join(lines) + eol


def log_text(cell: Cell, header: str, recs: list) -> str:
    return header + "".join("#" + record_text(cell, n, r) for n, r in enumerate(recs, 1))


def generate() -> dict:
    """Relative path -> file content, for every file under samples/."""
    out = {}
    summary = []
    for proto in CELLS:
        cell = replace(proto, programs={}, prog_sensors={}, prog_clamps={}, prog_handshake={},
                       prog_weld={})
        errs, stps = simulate(cell)
        if cell.family == "lum":
            hdr_e, hdr_s = LUM_ERR_HEADER, LUM_STP_HEADER
        else:
            hdr_e, hdr_s = KAV_ERR_HEADER, KAV_STP_HEADER
        f_err, f_stp = cell.files
        out[f"{cell.folder}/{f_err}"] = log_text(cell, hdr_e, errs)
        out[f"{cell.folder}/{f_stp}"] = log_text(cell, hdr_s, stps)
        summary.append((cell, errs, stps))
    out["CODES.txt"] = codes_text(summary)
    out["README.md"] = readme_text(summary)
    __import__("samples_datafiles").add_files(out, CELLS)
    __import__("samples_ophistory").add_histories(out)  # ROBOT.OPR, ROBOT.TR0 and their section
    __import__("samples_jobs").add_jobs(out, summary)
    return out


def code_key(code: str) -> tuple:
    return code[0], int(code[2:])


def codes_text(summary) -> str:
    lines = []
    for fam, name in (("lum", "Lum"), ("kav", "Kav")):
        used = {r.code for cell, errs, _ in summary if cell.family == fam for r in errs}
        lines += [f"{name} {c[0]} {c[2:]}" for c in sorted(used, key=code_key)]
    return "\n".join(lines) + "\n"


def readme_text(summary) -> str:
    out = [
        "# Sample controller backups",
        "",
        "Synthetic backups for trying out Velloran; no real plant data. They were written",
        "by `tools/make_samples.py` (fixed random seed, re-running it gives identical files),",
        "so edit the script rather than the files.",
        "",
        "| Folder | Robot | File | Records | Period |",
        "|---|---|---|---|---|",
    ]
    for cell, errs, stps in summary:
        fam = "Lum/Luma" if cell.family == "lum" else "Kav"
        for fname, recs in zip(cell.files, (errs, stps)):
            period = f"{recs[0].time:%Y/%m/%d} to {recs[-1].time:%Y/%m/%d}"
            out.append(f"| `{cell.folder}/` | {fam}, {len(cell.axes)} axes | `{fname}` "
                       f"| {len(recs)} | {period} |")
    out += ["", "## What is in them", ""]
    for cell, errs, stps in summary:
        counts = {}
        for r in errs:
            counts[r.code] = counts.get(r.code, 0) + 1
        top = sorted(counts.items(), key=lambda kv: (-kv[1], code_key(kv[0])))[:4]
        top_text = ", ".join(f"{c} ({n}x)" for c, n in top)
        extra = ""
        if cell.arc:
            extra = (" Every record, error and stop alike, carries the arc block (ArcI/ArcO "
                     "states, AI/AO analog values).")
        if len(cell.axes) > 8:
            extra = f" Records carry {cell.pos_lines} position lines (axes 1-12)."
        out.append(f"- `{cell.folder}/`: {cell.description}.{extra} Most frequent: {top_text}.")
    out += [
        "",
        "Stops that follow an error within a few seconds (motors off after a servo or",
        "collision error, hold after other errors) show the same program, step and",
        "position as the error; an operator restart often follows some minutes later.",
        "",
        "`CODES.txt` lists every error and warning code used, per family.",
        "",
        "## Signal conventions used in these samples",
        "",
        "- Lum SI byte 1: 01 external start, 02 external hold circuit closed,",
        "  04 external motors-on enable, 10 remote. SI byte 2: 01/02/04 em-stop circuits",
        "  TP/OP/EXT closed, 08 safety plug ok, 10 fence closed, 20 key auto, 40 key teach.",
        "  SI byte 3: program selected by the line PLC. SI byte 4: 01 conveyor run.",
        "- Lum SO byte 1 (Kav GO byte 1): 01 motors on, 02 running, 04 hold, 08 error,",
        "  10 warning, 20 em-stop, 40 at home, 80 ready. SO byte 2: 01 auto, 02 teach,",
        "  04 remote. SO byte 3 (Kav GO byte 2): running program.",
        "- Kav GI byte 1: 01 external start, 02 external hold circuit closed,",
        "  04/08 internal/external em-stop circuit closed, 10 conveyor run,",
        "  20 motors-on enable, 40 repeat mode, 80 teach mode. GI byte 2: selected program.",
        "- Lum DIB/DOB bytes 1-4 (Kav GI/GO bytes 3-6): tool (gun, jig or gripper), part",
        "  sensors, clamps, PLC handshake (DOB/GO: tool requests, work zone, clamp",
        "  requests, handshake); the remaining bytes hold static and spare bits.",
        "",
    ]
    return "\n".join(out)


# --------------------------------------------------------------------------
# Read-back checks

DATE_RE = re.compile(r"^\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}$")
VALUE_RE = re.compile(r"^ *-?\d+\.\d{3}$")


def bytes_of(line: str, label: str, count: int) -> list:
    assert line.startswith(label + ": ["), (label, line)
    assert line.endswith("]"), line
    parts = line[len(label) + 3:-1].split(" ")
    assert len(parts) == count, (label, line)
    assert all(re.fullmatch(r"[0-9A-F]{2}", p) for p in parts), line
    return [int(p, 16) for p in parts]


def rebuild_arc(first: str, label: str, cont: str) -> str:
    """Arc text the way the viewer assembles it from the two lines."""
    assert first.startswith(label + ":"), (label, first)
    head = first[len(label) + 1:][1:]
    simple = " ".join(cont.split())
    simple = simple[:ARC_CONT_PAD_INDEX] + simple[ARC_CONT_PAD_INDEX + 1:]
    return head + simple


def check_arc_text(text: str, names: tuple) -> None:
    items = text.split(",")
    assert len(items) == 8, text
    for item, name in zip(items, names):
        assert re.fullmatch(re.escape(name) + r"=[01]", item), (item, text)


def check_log(cell: Cell, fname: str, text: str) -> list:
    """Read a log back like the viewer and check it. Returns the records as line lists."""
    lum = cell.family == "lum"
    stop_log = fname in ("ROBOT.STP", "ROBOT.S01")
    header = {("lum", False): LUM_ERR_HEADER, ("lum", True): LUM_STP_HEADER,
              ("kav", False): KAV_ERR_HEADER, ("kav", True): KAV_STP_HEADER}[cell.family,
                                                                             stop_log]
    text.encode("ascii")
    eol = "\r\n" if lum else "\n"
    if lum:
        assert text.count("\r") == text.count("\n") == text.count("\r\n")
    else:
        assert "\r" not in text
    chunks = text.split("#")
    assert chunks[0] == header
    if stop_log:
        n_items = 7 if lum else 6
        assert len(header.split("- ")) == n_items + 1
    else:
        assert len(header.split(eol)) - 1 == (9 if lum else 8)
    recs = chunks[1:]
    assert recs, fname
    prev = None
    out = []
    for n, chunk in enumerate(recs, 1):
        assert chunk.endswith(eol), (fname, n)
        lines = [ln[:-1] if ln.endswith("\r") else ln for ln in chunk.split("\n")]
        assert lines[-1] == ""
        lines = lines[:-1]
        assert all("\r" not in ln for ln in lines)
        where = (fname, n)
        assert lines[0] == f"{n:04d}", where
        code = lines[1]
        if stop_log and lum:
            m = re.fullmatch(r"S-(\d+)", code)
            assert m and int(m.group(1)) in LUM_STOPS, where
        elif stop_log:
            assert code in KAV_STOPS, where
        elif lum:
            assert re.fullmatch(r"[EW]-(\d{4}|1000[01]),[0-6],\d", code), (where, code)
            assert code.split(",")[0] in LUM_CLASS
        else:
            assert re.fullmatch(r"[EW]-00\d\d,[0-6]", code), (where, code)
            assert code.split(",")[0] in KAV_CLASS
            if code.startswith("W"):
                assert int(code[2:6]) <= 50
        assert DATE_RE.match(lines[2]), where
        t = dt.datetime.strptime(lines[2], "%Y/%m/%d %H:%M:%S")
        assert prev is None or t > prev, ("time order", where)
        prev = t
        assert re.fullmatch(r"\d{4}", lines[3]) and 1 <= int(lines[3]) <= 99, where
        assert re.fullmatch(r"\d{4}", lines[4]) and int(lines[4]) >= 1, where
        p = 5
        if lum:
            assert re.fullmatch(r"\d{4}", lines[5]), where
            p = 6
        # position lines
        values = []
        for k in range(cell.pos_lines):
            parts = lines[p + k].split(",")
            want = min(3, len(cell.axes) - 3 * k)
            assert len(parts) == want, (where, lines[p + k])
            assert all(VALUE_RE.match(x) for x in parts), (where, lines[p + k])
            values += [float(x) for x in parts]
        for ax, v in zip(cell.axes, values):
            if ax.linear:
                assert 0.0 <= v <= ax.hi, where
            else:
                assert -180.0 < v < 180.0 and ax.lo - 0.05 <= v <= ax.hi + 0.05, (where, v)
        s = p + cell.pos_lines
        if lum:
            bytes_of(lines[s], "SI(01-06)", 6)
            for k in range(4):
                bytes_of(lines[s + 1 + k], f"DIB({8 * k + 1:02d}-{8 * k + 8:02d})", 8)
            if cell.arc:
                assert lines[s + 5].startswith("ArcI(01-08):"), where
                a = s + 5
                for cont in (lines[a + 1], lines[a + 5]):
                    assert ":" not in cont and "  " not in cont.strip(), where
                check_arc_text(rebuild_arc(lines[a], "ArcI(01-08)", lines[a + 1]),
                               ARC_IN_NAMES)
                check_arc_text(rebuild_arc(lines[a + 4], "ArcO(01-08)", lines[a + 5]),
                               ARC_OUT_NAMES)
                for k, label in ((2, "AI(01-04)"), (3, "AI(05-08)"), (6, "AO(01-04)"),
                                 (7, "AO(05-08)")):
                    assert lines[a + k].startswith(label + ": "), where
                    vals = lines[a + k][len(label) + 2:].split(" ")
                    assert len(vals) == 4 and ":" not in lines[a + k][len(label) + 1:]
                    assert all(re.fullmatch(r"\d+\.\d[VA]", v) for v in vals), where
                so = a + 8
            else:
                assert lines[s + 5].startswith("SO(01-06):"), where
                so = s + 5
            bytes_of(lines[so], "SO(01-06)", 6)
            for k in range(4):
                bytes_of(lines[so + 1 + k], f"DOB({8 * k + 1:02d}-{8 * k + 8:02d})", 8)
            assert len(lines) == so + 5, where
        else:
            for k in range(4):
                bytes_of(lines[s + k], f"GI({8 * k + 1:02d}-{8 * k + 8:02d})", 8)
                bytes_of(lines[s + 4 + k], f"GO({8 * k + 1:02d}-{8 * k + 8:02d})", 8)
            assert len(lines) == s + 8, where
        out.append(lines)
    return out


def check_all(files: dict) -> None:
    lum_codes_all = set()
    for cell in CELLS:
        f_err, f_stp = cell.files
        errs = check_log(cell, f_err, files[f"{cell.folder}/{f_err}"])
        stps = check_log(cell, f_stp, files[f"{cell.folder}/{f_stp}"])
        codes = {r[1].split(",")[0] for r in errs}
        n_e = len({c for c in codes if c[0] == "E"})
        n_w = len({c for c in codes if c[0] == "W"})
        if cell.family == "lum":
            lum_codes_all |= codes
            assert 15 <= n_e <= 25 and 5 <= n_w <= 10, (cell.folder, n_e, n_w)
            assert 40 <= len(errs) <= 60 and 30 <= len(stps) <= 50, \
                (cell.folder, len(errs), len(stps))
        else:
            assert 10 <= n_e + n_w <= 15, (cell.folder, n_e, n_w)
            assert 30 <= len(errs) <= 60 and 30 <= len(stps) <= 50, \
                (cell.folder, len(errs), len(stps))
        if cell.folder == "lum_spot":
            assert {"E-0015", "E-1309", "E-1494", "E-2800"} <= codes
        # the stop log and the error log cover the same weeks
        t0 = [dt.datetime.strptime(r[2], "%Y/%m/%d %H:%M:%S") for r in (errs[0], stps[0])]
        assert abs(t0[0] - t0[1]) < dt.timedelta(days=7), cell.folder
    assert {"E-10000", "E-10001"} <= lum_codes_all
    # CODES.txt lists exactly the codes found in the error logs
    listed = set(files["CODES.txt"].splitlines())
    found = set()
    for cell in CELLS:
        name = "Lum" if cell.family == "lum" else "Kav"
        for rec in files[f"{cell.folder}/{cell.files[0]}"].split("#")[1:]:
            code = rec.split("\n")[1].split(",")[0]
            found.add(f"{name} {code[0]} {code[2:]}")
    assert listed == found, listed ^ found


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--check", action="store_true",
                    help="do not write; fail if samples/ differs from what would be written")
    args = ap.parse_args()
    files = generate()
    assert generate() == files, "output is not deterministic"
    check_all(files)
    stale = []
    for rel, text in sorted(files.items()):
        path = SAMPLES / rel
        data = text.encode("ascii")
        if path.exists() and path.read_bytes() == data:
            continue
        stale.append(rel)
        if not args.check:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
    if args.check:
        for rel in stale:
            print(f"out of date: samples/{rel}")
        return 1 if stale else 0
    for rel in sorted(files):
        if "/" in rel:
            n = files[rel].count("#")
            print(f"samples/{rel}: {n} records")
    print("written" if stale else "unchanged", len(stale), "file(s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
