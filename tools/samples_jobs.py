"""Job programs for the sample backups written by make_samples.py.

Every program that a record of a sample log names gets its job file in the
same folder, written from the steps that the simulation taught the robot, so
that the step of a record is a real step of its job with the same kind of
motion. Names, as the controllers write them:

    lum_spot/       0003.JOB      number first
    lum_arc/        JOB0005.JOB   number last
    lum_multiaxis/  both forms, one program after the other
    kav/            ZT210-04.001  model prefix and the number with "00" made "0"

A step is marked "S<n>" at the start of its line (S1, S2, ...); nothing else
in a job has an "S" directly followed by a digit. Lum/Luma jobs end their
lines with CR LF like the logs, Kav jobs with LF. The module draws from its
own random.Random, so the logs stay as they are.
"""

from __future__ import annotations

import random
import re

SEED = 90817

# Instruction of a step by its function number (the log's "Func" column):
# 1 joint, 2 linear, 3 circular motion; the process functions move linearly.
MOTION = {1: "J", 2: "L", 3: "C", 9: "J", 11: "L", 21: "L", 22: "L", 31: "L", 32: "L"}


def _program_text(program: int) -> str:
    return f"{program:04d}"


def job_name(cell, program: int, index: int) -> str:
    number = _program_text(program)
    if cell.family == "kav":
        return "ZT210-04." + number.replace("00", "0")
    if cell.folder == "lum_arc" or (cell.folder == "lum_multiaxis" and index % 2):
        return f"JOB{number}.JOB"
    return f"{number}.JOB"


def _pose(values) -> str:
    return "[" + ",".join(f"{v:.3f}" for v in values) + "]"


def _speed(rng: random.Random, step, cell) -> str:
    if step.kind in ("home", "end"):
        return "V=25%"
    if step.kind == "weld":
        return f"V={rng.choice((8, 10, 12, 14))}mm/sec"
    if step.function == 1:
        return f"V={rng.choice((40, 50, 60, 75))}%"
    return f"V={rng.choice((300, 500, 800, 1200, 1500))}mm/sec"


def _lum_lines(rng: random.Random, cell, program: int) -> list:
    steps = cell.programs[program]
    volts, amps = cell.prog_weld[program]
    process = {"spot": "SPOT WELDING", "arc": "ARC WELDING", "handling": "HANDLING"}[cell.process]
    lines = [
        f".JOB {_program_text(program)}",
        f".COMMENT {process} CELL {cell.folder.upper()}",
        f".AXES {len(cell.axes)}",
        f".TOTAL STEP {len(steps)}",
        f".UPDATE {cell.start:%Y/%m/%d} {rng.randint(6, 17):02d}:{rng.randint(0, 59):02d}",
        "",
    ]
    for n, step in enumerate(steps, 1):
        pl = 0 if step.kind in ("home", "end", "spot", "arc_on", "arc_off", "grip", "release") \
            else rng.choice((1, 2, 3))
        lines.append(f"S{n:<4d} MOVE {MOTION.get(step.function, 'L')},{_speed(rng, step, cell)},"
                     f"PL={pl},F={step.function}")
        lines.append(f"      P={_pose(step.pose)}")
        if step.kind == "home" and n == 1:
            lines.append("      WAIT DI=1,ON,T=10.0")
        elif step.kind == "spot":
            lines.append(f"      SPOTWELD GUN=1,COND={rng.randint(1, 12)},PRESS={rng.choice((250, 300, 350))}kgf")
            lines.append("      WAIT DI=3,ON,T=2.0")
        elif step.kind == "arc_on":
            lines.append(f"      ARCON V={volts:.1f},A={amps:.0f},PRE-GAS=0.3")
        elif step.kind == "arc_off":
            lines.append(f"      ARCOFF CRATER V={volts - 2.0:.1f},A={amps * 0.6:.0f},T=0.4")
        elif step.kind == "grip":
            lines.append("      CLOSE GRIPPER=1")
            lines.append("      WAIT DI=2,ON,T=3.0")
        elif step.kind == "release":
            lines.append("      OPEN GRIPPER=1")
            lines.append("      WAIT DI=1,ON,T=3.0")
        elif step.kind == "move" and rng.random() < 0.12:
            lines.append(f"      WAIT T={rng.choice((0.2, 0.5, 1.0))}")
    lines += ["      DO 2=OFF", "END", ""]
    return lines


def _kav_lines(rng: random.Random, cell, program: int) -> list:
    steps = cell.programs[program]
    lines = [
        f"ZT210-04 PROGRAM {_program_text(program)}",
        f"; {len(steps)} STEPS, SPOT GUN 1, WRITTEN {cell.start:%Y/%m/%d}",
        "",
    ]
    for n, step in enumerate(steps, 1):
        how = "JOINT" if step.function in (1, 9) else "LINE"
        lines.append(f"S{n:<3d} GO {how} {_speed(rng, step, cell)} {_pose(step.pose)}")
        if step.kind == "spot":
            lines.append(f"     SPOT GUN 1 COND {rng.randint(1, 8)}")
        elif step.kind == "home" and n == 1:
            lines.append("     WAIT IN 1 ON")
    lines += ["END", ""]
    return lines


def _check(name: str, text: str, steps: int, records: list) -> None:
    lines = text.splitlines()
    marks = [ln.split()[0] for ln in lines if ln[:1] == "S" and ln[1:2].isdigit()]
    assert marks == [f"S{n}" for n in range(1, steps + 1)], name
    # a step is found by "S<n>" anywhere, letter case ignored
    assert len(re.findall(r"[Ss]\d", text)) == steps, name
    for rec in records:
        assert 1 <= rec.step <= steps, (name, rec.step)


def add_jobs(out: dict, summary) -> None:
    """Adds the job files of every sample folder to `out` and their section to
    its README.md."""
    rng = random.Random(SEED)
    table = ["", "## Job programs", "",
             "Beside each log lie the job programs that its records name, so that the",
             "program button of the Details group opens the job with the record's step",
             "selected. Each job holds the steps the robot was taught (S1, S2, ... with",
             "their motion, speed and pose, and the spot welds, arc starts and ends,",
             "gripper moves and waits of the process).", "",
             "| Folder | Job files | Programs |", "|---|---|---|"]
    for cell, errs, stps in summary:
        used = sorted({r.prog for r in errs + stps})
        names = []
        for index, program in enumerate(used):
            name = job_name(cell, program, index)
            lines = (_kav_lines if cell.family == "kav" else _lum_lines)(rng, cell, program)
            eol = "\n" if cell.family == "kav" else "\r\n"
            text = eol.join(lines)
            _check(name, text, len(cell.programs[program]),
                   [r for r in errs + stps if r.prog == program])
            out[f"{cell.folder}/{name}"] = text
            names.append(f"`{name}`")
        forms = {"lum_spot": "number first", "lum_arc": "number last",
                 "lum_multiaxis": "both forms", "kav": "fixed Kav name"}[cell.folder]
        table.append(f"| `{cell.folder}/` | {forms}: {', '.join(names)} | "
                     f"{', '.join(_program_text(p) for p in used)} |")
    table += ["",
              "A Lum/Luma job is found by the program number as the first or the last four",
              "characters of its name; a Kav job has the fixed name `ZT210-04.` and the",
              "program number with every `00` made `0` (program 0014 is `ZT210-04.014`).",
              ""]
    out["README.md"] = out["README.md"] + "\n".join(table)
