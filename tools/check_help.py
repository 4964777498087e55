#!/usr/bin/env python3
"""Checks the help files in resources/help/ as the program reads them.

    python3 tools/check_help.py [HELP_DIR]

Reads the XML files from disk (not the tables of make_help.py), lists every
problem it finds and exits with status 1 if there is any.
"""

import importlib.util
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, ".."))
HELP_DIR = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "resources", "help")
CODES_TXT = os.path.join(ROOT, "samples", "CODES.txt")
MAKE_SAMPLES = os.path.join(HERE, "make_samples.py")

DECLARATION = '<?xml version="1.0" encoding="UTF-8"?>'
SPECIAL = [("0015", 3), ("1309", 2), ("1456", 2), ("1457", 2), ("1494", 10),
           ("2800", 3), ("10000", 2), ("10001", 2)]
SPECIAL_TEXTS = {c for c, _ in SPECIAL}
LUM_LANGS = ["eng", "kor", "chn"]
MIN_COUNT = {("lum", "ERR"): 80, ("lum", "WARN"): 30, ("kav", "ERR"): 50, ("kav", "WARN"): 20}
MAX_EN_MSG = 60

HANGUL = re.compile(r"[\uac00-\ud7a3]")
CJK = re.compile(r"[\u4e00-\u9fff]")
# Characters that exist only in Traditional Chinese (their simplified forms differ).
TRADITIONAL = set("們個這將與對無從檢設轉號電機動體錯誤點過數線護開關連確認應統態壓斷處軸"
                  "編碼驅換測溫變發條環節據輸載時間報啟閉負傳記憶讀寫現場總網絡請當")
FORBIDDEN = [re.compile(r"\bspec", re.I), re.compile(r"\bpart\s+\d", re.I),
             re.compile("사양"), re.compile("스펙"), re.compile("规格"), re.compile("规范"),
             re.compile("仕様")]

problems = []


def fail(where, text):
    problems.append(f"{where}: {text}")


def text_of(el):
    return "".join(el.itertext())


def fill_template(tmpl, p1, p2):
    """The program's message filling, step by step."""
    tmpl = tmpl.replace("%2d", p1).replace("%%", "%")
    at = tmpl.find("%")
    if at >= 0:
        tmpl = tmpl[:at] + p1 + tmpl[at + 2:]
    at = tmpl.rfind("%")
    if at >= 0:
        tmpl = tmpl[:at] + p2 + tmpl[at + 2:]
    return tmpl


def load(path, special_file):
    """Reads one file; returns a list of entries {code, msg, cause, remedy, items}."""
    where = os.path.relpath(path, HELP_DIR)
    if not os.path.isfile(path):
        fail(where, "missing")
        return None
    raw = open(path, "rb").read()
    try:
        decoded = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        fail(where, f"not UTF-8 ({e})")
        return None
    if not decoded.startswith(DECLARATION):
        fail(where, "does not start with the XML declaration " + DECLARATION)
    try:
        root = ET.fromstring(raw)
    except ET.ParseError as e:
        fail(where, f"not well-formed: {e}")
        return None

    # What the program reads: every element of a name anywhere below the root.
    codes = [text_of(e) for e in root.iter("code")]
    msgs = [text_of(e) for e in root.iter("msg")]
    causes = [text_of(e) for e in root.iter("cause")]
    plain = [text_of(e) for e in root.iter("remedy") if not e.attrib]
    numbered = [text_of(e) for e in root.iter("remedy") if e.attrib]
    checks = [text_of(e) for e in root.iter("check")]
    if not (len(codes) == len(msgs) == len(causes)):
        fail(where, f"{len(codes)} code, {len(msgs)} msg, {len(causes)} cause elements")
    is_special = [special_file and c in SPECIAL_TEXTS for c in codes]
    normal = is_special.count(False)
    if len(plain) != normal:
        fail(where, f"{len(plain)} plain remedies for {normal} normal entries")
    if len(numbered) != len(checks):
        fail(where, f"{len(numbered)} numbered remedies but {len(checks)} check elements")
    if special_file:
        got = [c for c in codes if c in SPECIAL_TEXTS]
        want = [c for c, _ in SPECIAL]
        if got != want:
            fail(where, f"special entries in order {got}, wanted {want}")
        total = sum(n for _, n in SPECIAL)
        if len(checks) != total:
            fail(where, f"{len(checks)} check items, wanted {total}")
    elif numbered or checks:
        fail(where, "numbered remedies or checks in a file without special entries")

    # Entry by entry, through the wrapper elements.
    entries = []
    for k, w in enumerate(root):
        tag = f"{where} entry {k + 1}"
        kids = list(w)
        names = [c.tag for c in kids]
        for name in ("code", "msg", "cause"):
            if names.count(name) != 1:
                fail(tag, f"{names.count(name)} <{name}> elements")
        extra = set(names) - {"code", "msg", "cause", "remedy", "check"}
        if extra:
            fail(tag, f"unexpected elements {sorted(extra)}")
        if any(len(list(c)) for c in kids):
            fail(tag, "nested elements inside a text element")
        code_el = w.find("code")
        code = text_of(code_el) if code_el is not None else "?"
        tag = f"{where} {code}"
        rem_plain = [c for c in kids if c.tag == "remedy" and not c.attrib]
        rem_num = [c for c in kids if c.tag == "remedy" and c.attrib]
        chk = [c for c in kids if c.tag == "check"]
        e = {"code": code, "msg": text_of(w.find("msg")) if w.find("msg") is not None else "",
             "cause": text_of(w.find("cause")) if w.find("cause") is not None else "",
             "remedy": "", "items": []}
        if special_file and code in SPECIAL_TEXTS:
            want = dict(SPECIAL)[code]
            if rem_plain:
                fail(tag, "special entry has a plain remedy")
            if len(chk) != want or len(rem_num) != want:
                fail(tag, f"{len(chk)} checks / {len(rem_num)} numbered remedies, wanted {want}")
            seq = [c.tag for c in kids if c.tag in ("check", "remedy")]
            if seq != ["check", "remedy"] * (len(seq) // 2) or len(seq) % 2:
                fail(tag, "checks and numbered remedies do not alternate check, remedy")
            nos = [c.attrib.get("no") for c in rem_num]
            if nos != [str(i) for i in range(1, len(rem_num) + 1)]:
                fail(tag, f"numbered remedies carry no={nos}")
            e["items"] = [(text_of(c), text_of(r)) for c, r in zip(chk, rem_num)]
        else:
            if len(rem_plain) != 1 or rem_num or chk:
                fail(tag, f"{len(rem_plain)} plain remedies, {len(rem_num)} numbered, "
                          f"{len(chk)} checks (wanted exactly one plain remedy)")
            e["remedy"] = text_of(rem_plain[0]) if rem_plain else ""
        entries.append(e)
    if len(entries) != len(codes):
        fail(where, f"{len(entries)} wrapper elements but {len(codes)} code elements")
    # Pairing as the program does it must agree with the wrappers.
    if [e["remedy"] for e in entries if not (special_file and e["code"] in SPECIAL_TEXTS)] != plain:
        fail(where, "k-th plain remedy is not the remedy of the k-th normal entry")
    if [x for e in entries for x in e["items"]] != list(zip(checks, numbered)):
        fail(where, "numbered remedy items do not pair with their checks")
    return entries


def texts(e):
    out = [("msg", e["msg"]), ("cause", e["cause"])]
    if e["items"]:
        for i, (c, r) in enumerate(e["items"], 1):
            out += [(f"check {i}", c), (f"remedy {i}", r)]
    else:
        out.append(("remedy", e["remedy"]))
    return out


def check_entries(where, entries, family, kind, lang):
    n = len(entries)
    if n < MIN_COUNT[(family, kind)]:
        fail(where, f"{n} entries, wanted at least {MIN_COUNT[(family, kind)]}")
    seen = {}
    for e in entries:
        code, tag = e["code"], f"{where} {e['code']}"
        if not re.fullmatch(r"\d+", code):
            fail(tag, "code is not a decimal number")
            continue
        value = int(code)
        if code != (f"{value:04d}" if value < 10000 else f"{value:05d}"):
            fail(tag, "code not written with 4 digits (5 from 10000)")
        if value in seen:
            fail(tag, f"duplicate of code {seen[value]}")
        seen[value] = code
        for field, t in texts(e):
            if not t.strip():
                fail(tag, f"empty {field}")
            if t != t.strip():
                fail(tag, f"{field} has leading or trailing white space")
            for rx in FORBIDDEN:
                if rx.search(t):
                    fail(tag, f"{field} contains {rx.pattern!r}")
            if field != "msg" and "%" in t:
                fail(tag, f"'%' in {field}")
            if lang == "kor" and not HANGUL.search(t):
                fail(tag, f"{field} has no Korean text")
            if lang == "chn":
                if not CJK.search(t) or HANGUL.search(t):
                    fail(tag, f"{field} is not Chinese text")
                trad = sorted(set(t) & TRADITIONAL)
                if trad:
                    fail(tag, f"{field} has Traditional characters {''.join(trad)}")
        msg = e["msg"]
        if msg.count("%") > 2 or msg.count("%") != msg.count("%d") or "%2d" in msg:
            fail(tag, f"placeholders in {msg!r}: only up to two '%d' allowed")
        if family == "kav" and msg.count("%d") > 1:
            fail(tag, "Kav records carry one parameter; at most one '%d'")
        if "%" in fill_template(msg, "12", "34"):
            fail(tag, f"{msg!r} keeps a '%' after filling")
        if lang == "eng" and len(msg) > MAX_EN_MSG:
            fail(tag, f"message longer than {MAX_EN_MSG} characters")


def sample_classes():
    """The behaviour class of each sample code, from the sample generator."""
    if not os.path.isfile(MAKE_SAMPLES):
        return {}, {}
    spec = importlib.util.spec_from_file_location("make_samples", MAKE_SAMPLES)
    mod = importlib.util.module_from_spec(spec)
    sys.modules[spec.name] = mod          # dataclasses look their module up there
    spec.loader.exec_module(mod)
    return getattr(mod, "LUM_CLASS", {}), getattr(mod, "KAV_CLASS", {})


def main():
    files = {}
    for lang in LUM_LANGS:
        for kind in ("ERR", "WARN"):
            path = os.path.join(HELP_DIR, lang, f"HELP_{kind}.xml")
            files[("lum", kind, lang)] = load(path, kind == "ERR")
    for kind in ("ERR", "WARN"):
        path = os.path.join(HELP_DIR, "Kav", f"HELP_{kind}_Kav.xml")
        files[("kav", kind, "eng")] = load(path, False)

    for (family, kind, lang), entries in files.items():
        if entries is not None:
            where = f"{'Kav' if family == 'kav' else lang}/HELP_{kind}"
            check_entries(where, entries, family, kind, lang)

    # Same codes, same order and same placeholder counts in the three languages.
    for kind in ("ERR", "WARN"):
        eng = files[("lum", kind, "eng")]
        for lang in ("kor", "chn"):
            other = files[("lum", kind, lang)]
            if eng is None or other is None:
                continue
            if [e["code"] for e in eng] != [e["code"] for e in other]:
                fail(f"{lang}/HELP_{kind}", "codes or their order differ from eng")
                continue
            for a, b in zip(eng, other):
                if a["msg"].count("%d") != b["msg"].count("%d"):
                    fail(f"{lang}/HELP_{kind} {a['code']}", "placeholder count differs from eng")
                if len(a["items"]) != len(b["items"]):
                    fail(f"{lang}/HELP_{kind} {a['code']}", "item count differs from eng")
                for (f1, t1), (f2, t2) in zip(texts(a), texts(b)):
                    if t1 == t2:
                        fail(f"{lang}/HELP_{kind} {a['code']}", f"{f2} is the English text")

    # Every code of the samples is there, and placeholders fit what the code carries.
    lum_class, kav_class = sample_classes()
    if not os.path.isfile(CODES_TXT):
        fail("samples/CODES.txt", "missing")
    else:
        for line in open(CODES_TXT, encoding="utf-8"):
            parts = line.split()
            if len(parts) != 3:
                continue
            fam, kind, code = parts[0].lower(), {"E": "ERR", "W": "WARN"}[parts[1]], parts[2]
            langs = LUM_LANGS if fam == "lum" else ["eng"]
            classes = lum_class if fam == "lum" else kav_class
            cls = classes.get(f"{parts[1]}-{code}")
            for lang in langs:
                entries = files.get((fam, kind, lang))
                if entries is None:
                    continue
                hit = [e for e in entries if int(e["code"]) == int(code)]
                where = f"{'Kav' if fam == 'kav' else lang}/HELP_{kind}"
                if not hit:
                    fail(where, f"sample code {parts[0]} {parts[1]} {code} has no entry")
                    continue
                has_axis = "%d" in hit[0]["msg"]
                if cls in ("axis", "collision", "travel", "warn_axis") and not has_axis:
                    fail(f"{where} {code}", f"sample class {cls} names an axis; msg has no %d")
                if cls is not None and cls not in ("axis", "collision", "travel",
                                                   "warn_axis") and has_axis:
                    fail(f"{where} {code}", f"sample class {cls} has no axis; msg has a %d")

    for (family, kind, lang), entries in files.items():
        if entries is not None:
            name = f"Kav/HELP_{kind}_Kav.xml" if family == "kav" else f"{lang}/HELP_{kind}.xml"
            items = sum(len(e["items"]) for e in entries)
            print(f"{name}: {len(entries)} entries"
                  + (f" ({items} check items)" if items else ""))
    if problems:
        print(f"\n{len(problems)} problem(s):")
        for p in problems:
            print("  " + p)
        return 1
    print("help files OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
