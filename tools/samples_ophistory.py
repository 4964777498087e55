"""Operation histories of the sample backups: ROBOT.OPR beside each Lum/Luma
log and ROBOT.TR0 beside the Kav log, for tools/make_samples.py.

A history is a header of eight lines, then one entry per day ("Date:" in
ROBOT.OPR, "=" in ROBOT.TR0) with blocks of a time line, a flag line (Lum/Luma
only) and the key events of the teach pendant in that minute: presses and
releases, SHIFT combinations, side and sidebar keys, menu selections m[N]
under the Service and System roots, escapes, mode switches and the start and
end of the pendant program. Each history draws from its own random.Random, so
the other sample files are untouched by it.
"""

from __future__ import annotations

import datetime as dt
import random

# folder, family, first day, days, seed
HISTORIES = (
    ("lum_spot", "lum", dt.date(2026, 10, 27), 4, 4101),
    ("lum_arc", "lum", dt.date(2026, 9, 30), 4, 4102),
    ("lum_multiaxis", "lum", dt.date(2026, 11, 16), 4, 4103),
    ("kav", "kav", dt.date(2026, 9, 8), 4, 4104),
)

LUM_HEADER = [
    "OPERATION HISTORY FILE (ROBOT.OPR)",
    "Teach pendant key and state log",
    "- Time : hour and minute of the block below",
    "- Flag : RunTo,JogInch,Enable,EmgStop,Remote,AutoMode,PlayBack,MotOn,Hold",
    "- sec  : second of the event within the minute",
    "- +[KEY] pressed, -[KEY] released, [KEY] single event",
    "- m[N] : menu entry N selected",
    "-------------------------------------------------",
]
KAV_HEADER = [
    "TEACH PENDANT TRACE (ROBOT.TR0)",
    "Kav controller",
    "- one entry per day, time lines below it",
    "- sec, event",
    "- +[KEY] pressed, -[KEY] released",
    "",
    "",
    "",
]

# Menu paths walked in the samples, as key numbers under a root. They end on
# an entry that opens a screen; the viewer shows the names.
MENU_PATHS = {
    "Service": [[1, 1], [1, 2, 3], [1, 16, 10, 1], [1, 17, 1], [7, 2], [7, 3], [3], [1, 13]],
    "System": [[3, 33, 4], [3, 14, 1], [2, 2, 3], [3, 1], [2, 9, 2], [4, 1, 3], [1]],
}

# Keys pressed on their own while teaching, and the SHIFT keys.
PLAIN_KEYS = ["[Enter]", "[Start]", "[Stop]", "[Jog.X+]", "[Jog.Z-]", "[L2]", "[L3]", "[R1]",
              "[Sb.Prog]", "[Sb.Speed]", "[Sb.CrdSys]", "[1]", "[5]"]
SHIFT_KEYS = ["[PROG/STEP]", "[P.Mod/REC]", "[TOOL/CRD]", "[UNIT/MECH]", "[0/+]", "[./-]", "[Del/BkSp]"]

FLAG_NAMES = ["RunTo", "JogInch", "Enable", "EmgStop", "Remote", "AutoMode", "PlayBack", "MotOn", "Hold"]

# Mode switch events that lead from one mode to the next.
MODE_SWITCH = {
    ("manual", "auto"): "-[Mode.Sel1]",
    ("auto", "remote"): "-[Mode.Sel2]",
    ("remote", "auto"): "+[Mode.Sel2]",
    ("auto", "manual"): "+[Mode.Sel1]",
}


class Pendant:
    """The state a flag line reports, and the events that change it."""

    def __init__(self, rng: random.Random):
        self.rng = rng
        self.mode = "manual"
        self.motors = 0
        self.run_to = 0
        self.emg = 0

    def flag_line(self, playback: int, enable: int, jog: int) -> str:
        values = [self.run_to, jog, enable, self.emg, int(self.mode == "remote"),
                  int(self.mode != "manual"), playback, self.motors, 0]
        items = ",".join(f"{n}={v}" for n, v in zip(FLAG_NAMES, values))
        assert len(items) == 82, items
        return f"Flag: [{items}]"


def press(events: list, sec: int, key: str) -> int:
    events.append(f"{sec},+{key}")
    sec += 1
    events.append(f"{sec},-{key}")
    return sec


def menu_walk(rng: random.Random, events: list, sec: int) -> int:
    root = rng.choice(["Service", "System"])
    sec = press(events, sec, f"[{root}]")
    path = rng.choice(MENU_PATHS[root])
    for key in path:
        sec += rng.randint(1, 3)
        events.append(f"{sec},m[{key}]")
    # Back out again: one escape per level, or leave it after a look.
    escapes = rng.choice([len(path), len(path) + 1, 1, 2])
    for _ in range(escapes):
        sec += rng.randint(1, 2)
        events.append(f"{sec},[ESC]")
    return sec


def teach(rng: random.Random, events: list, sec: int) -> int:
    for _ in range(rng.randint(2, 5)):
        sec += rng.randint(1, 3)
        if rng.random() < 0.45:
            key = rng.choice(SHIFT_KEYS)
            if rng.random() < 0.5:
                # SHIFT held around the key
                events.append(f"{sec},+[SHIFT]")
                events.append(f"{sec},+{key}")
                sec += 1
                events.append(f"{sec},-{key}")
                events.append(f"{sec},-[SHIFT]")
            else:
                sec = press(events, sec, key)
        else:
            sec = press(events, sec, rng.choice(PLAIN_KEYS))
    return sec


def lum_block(rng: random.Random, pendant: Pendant, hour: int, minute: int, first: bool, last: bool) -> list:
    lines = [f"Time: {hour:02d}:{minute:02d}"]
    events = []
    sec = rng.randint(0, 10)
    playback, enable, jog = 0, 0, 0
    if first:
        events.append(f"{sec},+[TP.exe]")
        sec += 2
        pendant.mode, pendant.motors = "manual", 0
    kind = "switch" if first else rng.choice(["teach", "teach", "menu", "menu", "switch", "play", "estop"])
    if kind == "teach":
        enable, jog = 1, rng.randint(0, 1)
        pendant.motors = 1
        # Teaching needs the manual mode: turn the switch back through auto.
        for target in ("auto", "manual"):
            if (pendant.mode, target) in MODE_SWITCH:
                events.append(f"{sec},{MODE_SWITCH[(pendant.mode, target)]}")
                pendant.mode = target
                sec += 1
        sec = teach(rng, events, sec)
    elif kind == "menu":
        sec = menu_walk(rng, events, sec)
    elif kind == "switch":
        target = {"manual": "auto", "auto": rng.choice(["remote", "manual"]), "remote": "auto"}[pendant.mode]
        events.append(f"{sec},{MODE_SWITCH[(pendant.mode, target)]}")
        pendant.mode = target
        sec += 2
        sec = press(events, sec, "[MotorOn]")
        pendant.motors = 1
    elif kind == "play":
        pendant.run_to = rng.choice([0, 1, 2])
        playback = int(pendant.mode != "manual")
        sec = press(events, sec, "[L2]")
        sec += 1
        sec = press(events, sec, "[Start]")
    else:  # emergency stop and reset
        pendant.emg = 1
        pendant.motors = 0
        sec = press(events, sec, "[EmgStop]")
        sec += 3
        sec = press(events, sec, "[Err.Clear]")
    lines.append(pendant.flag_line(playback, enable, jog))
    pendant.emg = 0
    if last:
        sec += 2
        events.append(f"{sec},-[TP.exe]")
    assert sec < 60, sec
    return lines + ["sec,event"] + events


def lum_history(rng: random.Random, first: dt.date, days: int) -> list:
    lines = list(LUM_HEADER)
    pendant = Pendant(rng)
    for d in range(days):
        day = first + dt.timedelta(days=d)
        lines.append(f"Date: {day:%Y/%m/%d}")
        blocks = rng.randint(5, 8)
        minutes = sorted(rng.sample(range(6 * 60, 22 * 60), blocks))
        for i, m in enumerate(minutes):
            lines += lum_block(rng, pendant, m // 60, m % 60, i == 0, i == blocks - 1)
    return lines


def kav_history(rng: random.Random, first: dt.date, days: int) -> list:
    lines = list(KAV_HEADER)
    for d in range(days):
        day = first + dt.timedelta(days=d)
        lines.append(f"={day:%Y/%m/%d}")
        for m in sorted(rng.sample(range(6 * 60, 22 * 60), rng.randint(3, 6))):
            lines.append(f"Time: {m // 60:02d}:{m % 60:02d}")
            events = []
            sec = rng.randint(0, 20)
            for _ in range(rng.randint(2, 5)):
                sec = press(events, sec, rng.choice(["[Start]", "[Stop]", "[Step+]", "[Rec]", "[MotorOn]"]))
                sec += rng.randint(1, 4)
            lines += events
    return lines


def check(lines: list, family: str) -> None:
    """The history reads back the way the viewer reads it."""
    text = "\n".join(lines)
    assert "Date:" not in "\n".join(lines[:8]) and "=" not in "\n".join(lines[:8])
    if family == "lum":
        assert lines[8].startswith("Date: ")
        for line in lines[8:]:
            if "+[" in line or "-[" in line or ",[" in line:
                assert 0 <= int(line.split(",")[0]) < 60, line
            elif line.startswith("Time:"):
                _, hour, minute = line.split(":")
                assert int(hour) <= 24 and int(minute) < 60, line
            elif line.startswith("Flag:"):
                assert len(line.split(":")[1].strip()) == 84, line
    else:
        assert text.count("=") == sum(1 for line in lines if line.startswith("="))


def add_histories(out: dict) -> None:
    """Adds the histories to `out` (relative path -> text) and their section
    to out["README.md"]."""
    readme = ["", "## Operation histories", "",
              "Beside each log lies the operation history of the teach pendant, written by",
              "`tools/samples_ophistory.py`: `ROBOT.OPR` for Lum/Luma, `ROBOT.TR0` for Kav.",
              "", "| Folder | File | Days | Lines |", "|---|---|---|---|"]
    for folder, family, first, days, seed in HISTORIES:
        rng = random.Random(seed)
        lines = (lum_history if family == "lum" else kav_history)(rng, first, days)
        check(lines, family)
        name = "ROBOT.OPR" if family == "lum" else "ROBOT.TR0"
        out[f"{folder}/{name}"] = "\r\n".join(lines) + "\r\n"
        last = first + dt.timedelta(days=days - 1)
        readme.append(f"| `{folder}/` | `{name}` | {first:%Y/%m/%d} to {last:%Y/%m/%d} | {len(lines)} |")
    readme += [
        "",
        "A Lum/Luma day holds five to eight blocks: a `Time:` line, a `Flag:` line with the",
        "state of the robot (mode, motors, playback, run-to, emergency stop), the heading",
        "`sec,event` and the key events of that minute. The first block of a day starts the",
        "pendant program (`+[TP.exe]`) and switches the mode; the others teach (SHIFT",
        "combinations such as `+[SHIFT]` then `+[PROG/STEP]`, side keys `[L2]`, sidebar keys",
        "`[Sb.Prog]`), walk a menu (`+[System]`, then `m[3]`, `m[33]`, `m[4]`, then `[ESC]`",
        "lines), switch the mode (`-[Mode.Sel1]`: auto, `-[Mode.Sel2]`: remote), play back or",
        "stop on emergency. The last block ends the pendant program (`-[TP.exe]`). The Kav",
        "trace has days introduced by `=` with time lines and key events but no flags.",
        "",
    ]
    out["README.md"] = out["README.md"] + "\n".join(readme)
