#!/usr/bin/python3
"""Plants one small fault at a time in src/ and checks that the suite catches it.

A mutant is one change at one place: a comparison, an arithmetic or logical
operator, a constant one step off, a negated condition, a dropped '!', or a
deleted statement. Each mutant is built in a copy of the tree (build/mutate/
tree, never the working tree itself) and met with the tests, in an order that
puts the fast tests most likely to catch a fault of that directory first; the
first failing test ends the mutant. A mutant no test catches has met every
test except those labelled memcheck and packaging, the desktop replays, and
for the core, the desktop runs (see LABELS_LEFT_OUT and the group "desktop").

    dev/mutate/mutate.py --seed 1 --sample 40 --dir src/windows
    dev/mutate/mutate.py --list                 # the places, counted per directory
    dev/mutate/mutate.py --id 'src/calc/form1.cpp:12:9 < -> <='
    dev/mutate/mutate.py --without '^windows\.LayoutTest\.' --id ...  # caught without them?

Sources only the Windows build compiles (*_windows.cpp, *_uia.cpp) get no
mutants: their faults cannot show in this build. Mutants that cannot change
what the program does are listed by hand in
equivalent.txt beside this script, one a line with the reason.
"""

import argparse
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
EQUIVALENT_FILE = HERE / "equivalent.txt"

# valgrind runs take ten seconds each and look for memory faults, which the
# sanitizer build covers; the packaging tests check the installed files, not
# what the program computes. Neither catches a fault the other tests miss.
# The desktop tests need real displays and a minute each: only the windows'
# code meets them (the group "desktop"), last, and without the replays,
# which the offscreen replay covers in a fraction of their quarter hour.
LABELS_LEFT_OUT = ("memcheck", "packaging", "desktop")

GROUP_PREFIXES = r"^(windows|replay|reliability|fuzz|memcheck|packaging|desktop|desktops)\."


@dataclass(frozen=True)
class Group:
    name: str
    targets: tuple
    include: str  # ctest -R
    exclude: str  # ctest -E
    timeout: int  # seconds per test
    left_out: tuple = LABELS_LEFT_OUT


GROUPS = {
    "core": Group("core", ("kelvaro_core_tests",), "", GROUP_PREFIXES, 30),
    "reliability": Group("reliability", ("random_sessions_tests",),
                         r"^reliability\.", r"^reliability\.differential$", 120),
    "replay_core": Group("replay_core", ("kelvaro-replay",), r"^replay\.core\.", "", 30),
    "fuzz": Group("fuzz", ("number_format_corpus",), r"^fuzz\.", "", 30),
    "windows": Group("windows", ("kelvaro_window_tests", "kelvaro_command_line_tests", "kelvaro"),
                     r"^windows\.", "", 60),
    "replay_gui": Group("replay_gui", ("kelvaro-replay",), r"^replay\.gui\.", "", 30),
    "differential": Group("differential", ("kelvaro-replay", "kelvaro-session-scripts"),
                          r"^reliability\.differential$", "", 600),
    "desktop": Group("desktop", ("kelvaro",),
                     r"^desktops\.(fixed_size|keyboard_only|screen_reader|dark_scheme)", "", 200,
                     ("memcheck", "packaging")),
}

CORE_FIRST = ["core", "reliability", "replay_core", "fuzz", "windows", "replay_gui", "differential"]
ORDER = {
    "src/calc": CORE_FIRST,
    "src/handlers": CORE_FIRST,
    "src/runtime": CORE_FIRST,
    "src/locale": ["core", "replay_core", "windows", "replay_gui", "differential", "reliability",
                   "fuzz"],
    # The core's tests do not link the windows' code, so they cannot catch a
    # fault in it.
    "src/windows": ["windows", "replay_gui", "desktop", "differential"],
}


# ---------------------------------------------------------------- the places


@dataclass(frozen=True)
class Mutant:
    path: str  # relative to the root
    line: int  # 1-based
    col: int  # 1-based, in the line
    original: str
    replacement: str
    kind: str

    @property
    def ident(self):
        return f"{self.path}:{self.line}:{self.col} {self.original} -> {self.replacement}"

    @property
    def area(self):
        """src/calc, src/windows, ...: what decides the order of the tests."""
        return "/".join(self.path.split("/")[:2])

    @property
    def directory(self):
        """The folder the scores are given for: the windows' by concern."""
        parts = self.path.split("/")
        return "/".join(parts[:3] if self.area == "src/windows" and len(parts) > 3 else parts[:2])


def mask(text):
    """The text with comments and string and character literals blanked out,
    newlines kept, so that offsets stay the same."""
    out = list(text)
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out[i:j] = " " * (j - i)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out[i:j] = [ch if ch == "\n" else " " for ch in text[i:j]]
            i = j
        elif text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            m = re.match(r'R"([^(]*)\(', text[i:])
            end = text.find(")" + m.group(1) + '"', i) if m else -1
            j = n if end < 0 else end + len(m.group(1)) + 2
            out[i:j] = [ch if ch == "\n" else " " for ch in text[i:j]]
            i = j
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum():  # digit separator 1'000
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            out[i:j] = " " * (j - i)
            i = j
        else:
            i += 1
    return "".join(out)


SWAPS = [
    # (regex on the masked text, group holding the operator, replacements, kind)
    (r" (<=) ", ["<", ">"], "relational"),
    (r" (>=) ", [">", "<"], "relational"),
    (r" (<) ", ["<=", ">="], "relational"),
    (r" (>) ", [">=", "<="], "relational"),
    (r" (==) ", ["!="], "relational"),
    (r" (!=) ", ["=="], "relational"),
    (r" (\+) ", ["-"], "arithmetic"),
    (r" (-) ", ["+"], "arithmetic"),
    (r" (\*) ", ["/"], "arithmetic"),
    (r" (/) ", ["*"], "arithmetic"),
    (r" (%) ", ["*"], "arithmetic"),
    (r" (\+=) ", ["-="], "arithmetic"),
    (r" (-=) ", ["+="], "arithmetic"),
    (r" (\*=) ", ["/="], "arithmetic"),
    (r" (/=) ", ["*="], "arithmetic"),
    (r"(\+\+)", ["--"], "arithmetic"),
    (r"(--)", ["++"], "arithmetic"),
    (r" (&&) ", ["||"], "logical"),
    (r" (\|\|) ", ["&&"], "logical"),
    (r"\b(true)\b", ["false"], "constant"),
    (r"\b(false)\b", ["true"], "constant"),
    (r"(!)(?=[\w(*])", [""], "negation"),
]

NUMBER = re.compile(r"(?<![\w.])((\d+)(\.\d*)?|\.\d+)([eE][+-]?\d+)?([fFuUlL]*)(?![\w.'])")

NOT_A_STATEMENT = re.compile(
    r"^(return|break|continue|goto|case|default|using|namespace|typedef|static_assert|"
    r"template|public|private|protected|friend|delete|throw|else|do)\b")
STATEMENT = re.compile(r"^(\*?[A-Za-z_][\w.:\->\[\]]*(\([^;]*\))?(\.[\w]+\([^;]*\))*\s*"
                       r"(=|\+=|-=|\*=|/=|\(|\+\+|--|\.|->)|(\+\+|--)\w+;$)")


def constant_steps(token):
    """One step off: a whole number one more and one less, a number with a
    fraction one more in its last digit."""
    m = NUMBER.fullmatch(token)
    mantissa, whole, frac, exp, suffix = m.group(1), m.group(2), m.group(3), m.group(4) or "", m.group(5)
    if whole is not None and frac is None:
        value = int(whole, 0) if not whole.startswith("0") or whole == "0" else int(whole, 8)
        steps = [value + 1] + ([value - 1] if value > 0 else [])
        return [f"{s}{exp}{suffix}" for s in steps]
    digits = frac[1:] if frac else ""
    if digits.strip("0") == "":
        return [f"{int(whole or '0') + 1}{frac or ''}{exp}{suffix}"]
    last = len(digits.rstrip("0"))
    bumped = str(int(digits[:last]) + 1).zfill(last)
    if len(bumped) > last:
        return [f"{int(whole or '0') + 1}.{'0' * last}{exp}{suffix}"]
    return [f"{whole or ''}.{bumped}{exp}{suffix}"]


def matching_paren(masked, start):
    depth = 0
    for i in range(start, len(masked)):
        if masked[i] == "(":
            depth += 1
        elif masked[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


# A row of a layout table, made by its helpers (line("Line28", 120, ...)),
# or what a row adds after it (.inColour(...), .limitedTo(5), ...).
LAYOUT_ROW = re.compile(r'\s*((line|placed|frame|bar|slider|withText|label|textBox|list|button)\("'
                        r'|\.(with\w*|inColour|limitedTo|centred|rightAligned|hidden)\()')


def is_table_row(line):
    # Rows of the layout and list tables are data, which the tests read
    # themselves; their numbers are not planted.
    return (re.match(r"\s*\{?\s*\.\w+ =", line) is not None or "Layout k" in line
            or LAYOUT_ROW.match(line) is not None)


def sites_in(path, rel):
    text = path.read_text()
    masked = mask(text)
    lines = text.split("\n")
    mlines = masked.split("\n")
    found = []
    offset = 0
    starts = []
    for ml in mlines:
        starts.append(offset)
        offset += len(ml) + 1

    def add(line_no, col, original, replacement, kind):
        found.append(Mutant(rel, line_no + 1, col + 1, original, replacement, kind))

    in_enum = False
    for no, ml in enumerate(mlines):
        stripped = ml.strip()
        if stripped.startswith("#") or not stripped:
            continue
        if re.match(r"(enum|struct|class)\b", stripped):
            in_enum = stripped.startswith("enum")
        for pattern, replacements, kind in SWAPS:
            for m in re.finditer(pattern, ml):
                if kind == "arithmetic" and m.group(1) in ("++", "--") and "operator" in ml:
                    continue
                for r in replacements:
                    add(no, m.start(1), m.group(1), r, kind)
        if not is_table_row(lines[no]) and not in_enum:
            for m in NUMBER.finditer(ml):
                for r in constant_steps(m.group(0)):
                    add(no, m.start(), m.group(0), r, "constant")
        for m in re.finditer(r"\bif \(", ml):
            open_at = starts[no] + m.end() - 1
            close_at = matching_paren(masked, open_at)
            if close_at < 0:
                continue
            condition = text[open_at + 1:close_at]
            if "\n" in condition:
                continue
            add(no, m.end(), "(" + condition + ")", "(!(" + condition + "))", "condition")
        prev = next((mlines[k].strip() for k in range(no - 1, -1, -1) if mlines[k].strip()), "{")
        if (stripped.endswith(";") and prev[-1:] in (";", "{", "}") and
                not NOT_A_STATEMENT.match(stripped) and STATEMENT.match(stripped) and
                not stripped.startswith(("const ", "constexpr ", "static ", "auto ", "inline "))):
            col = len(ml) - len(ml.lstrip())
            add(no, col, lines[no].strip(), "", "statement")
    return found


# Sources only the Windows build compiles: a fault there cannot show here.
WINDOWS_ONLY = re.compile(r"_(windows|uia)\.cpp$")


def all_sites(directory):
    base = ROOT / directory
    files = sorted(p for p in base.rglob("*")
                   if p.suffix in (".cpp", ".h") and not WINDOWS_ONLY.search(p.name))
    result = []
    for p in files:
        result.extend(sites_in(p, p.relative_to(ROOT).as_posix()))
    return result


def apply(text, mutant):
    lines = text.split("\n")
    line = lines[mutant.line - 1]
    start = mutant.col - 1
    if mutant.kind == "condition":
        start -= 1  # the column is that of the text inside the parentheses
    if not line.startswith(mutant.original, start):
        raise ValueError(f"{mutant.ident}: the source no longer matches")
    lines[mutant.line - 1] = line[:start] + mutant.replacement + line[start + len(mutant.original):]
    return "\n".join(lines)


def read_equivalent():
    table = {}
    if EQUIVALENT_FILE.exists():
        for raw in EQUIVALENT_FILE.read_text().splitlines():
            if not raw.strip() or raw.startswith("#"):
                continue
            ident, _, reason = raw.partition(" | ")
            table[ident.strip()] = reason.strip()
    return table


# ---------------------------------------------------------------- the copy


class Copy:
    def __init__(self, work, jobs):
        self.work = work
        self.tree = work / "tree"
        self.build = work / "build"
        self.jobs = jobs

    def sync(self):
        """Brings the copy up to the working tree (committed or not), writing
        only files whose content differs so that the build stays incremental."""
        listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
                                check=True, capture_output=True).stdout.decode().split("\0")
        wanted = set()
        for rel in filter(None, listed):
            src = ROOT / rel
            if not src.is_file() or rel.startswith("build/"):
                continue
            wanted.add(rel)
            dst = self.tree / rel
            data = src.read_bytes()
            if not dst.exists() or dst.read_bytes() != data:
                dst.parent.mkdir(parents=True, exist_ok=True)
                dst.write_bytes(data)
                shutil.copymode(src, dst)
        for p in self.tree.rglob("*"):
            rel = p.relative_to(self.tree).as_posix()
            if p.is_file() and rel not in wanted:
                p.unlink()

    def configure(self):
        if (self.build / "build.ninja").exists():
            return
        # ccache, where installed, keeps the builds of the unchanged files.
        launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
        run(["cmake", "-S", str(self.tree), "-B", str(self.build), "-G", "Ninja",
             "-DCMAKE_BUILD_TYPE=RelWithDebInfo", *launcher], check=True)

    def compile(self, targets, timeout=900):
        try:
            done = subprocess.run(["cmake", "--build", str(self.build), "-j", str(self.jobs),
                                   "--target", *targets], capture_output=True, text=True,
                                  timeout=timeout)
        except subprocess.TimeoutExpired:
            return False, "build timed out"
        return done.returncode == 0, done.stdout[-3000:] + done.stderr[-3000:]

    def test(self, group, timeout_scale, without=""):
        cost = self.build / "Testing" / "Temporary" / "CTestCostData.txt"
        if cost.exists():
            cost.unlink()  # the order of definition, the same every run
        cmd = ["ctest", "--test-dir", str(self.build), "--stop-on-failure", "--no-tests=ignore",
               "--output-on-failure",
               "-j", str(self.jobs), "--timeout", str(int(group.timeout * timeout_scale)),
               "-LE", "^(" + "|".join(group.left_out) + ")$"]
        if group.include:
            cmd += ["-R", group.include]
        exclude = "|".join(f"({e})" for e in (group.exclude, without) if e)
        if exclude:
            cmd += ["-E", exclude]
        done = subprocess.run(cmd, capture_output=True, text=True, errors="replace")
        failed = []
        for m in re.finditer(r"Test\s+#\d+: (\S+) .*?\*\*\*(Failed|Timeout|Exception|Not Run)",
                             done.stdout):
            failed.append((m.group(1), m.group(2)))
        count = re.search(r"out of (\d+)", done.stdout)
        ran = int(count.group(1)) if count else 0
        if done.returncode != 0 and not failed:
            failed.append(("ctest", "error"))
        return failed, ran, done.stdout[-800:] if failed else ""


def run(cmd, **kw):
    return subprocess.run(cmd, **kw)


# ---------------------------------------------------------------- a run


def meet(copy, mutant, args):
    source = copy.tree / mutant.path
    original = source.read_text()
    started = time.monotonic()
    result = {"id": mutant.ident, "dir": mutant.directory, "kind": mutant.kind}
    try:
        source.write_text(apply(original, mutant))
        status, by, tests = "survived", "", 0
        built = set()
        for index, name in enumerate(ORDER[mutant.area]):
            group = GROUPS[name]
            needed = [t for t in group.targets if t not in built]
            if needed:
                ok, log = copy.compile(needed)
                if not ok:
                    status = "not compiled"
                    result["log"] = log[-600:]
                    break
                built.update(needed)
            failed, ran, output = copy.test(group, args.timeout_scale, args.without)
            tests += ran
            if failed:
                status = "caught"
                result["output"] = output
                by = ", ".join(f"{t} ({how.lower()})" if how != "Failed" else t
                               for t, how in failed)
                break
        result.update(status=status, by=by, tests=tests)
    finally:
        source.write_text(original)
    result["seconds"] = round(time.monotonic() - started, 1)
    return result


def summarize(results, out=sys.stdout):
    dirs = sorted({r["dir"] for r in results})
    print(f"\n{'directory':16} {'mutants':>7} {'caught':>7} {'survived':>8} {'equiv.':>6} "
          f"{'not comp.':>9} {'score':>7}", file=out)
    totals = [0] * 5
    for d in dirs + ["all"]:
        rs = results if d == "all" else [r for r in results if r["dir"] == d]
        counts = [len(rs)] + [sum(1 for r in rs if r["status"] == s)
                              for s in ("caught", "survived", "equivalent", "not compiled")]
        alive = counts[1] + counts[2]
        score = f"{100.0 * counts[1] / alive:.1f} %" if alive else "-"
        print(f"{d:16} {counts[0]:7} {counts[1]:7} {counts[2]:8} {counts[3]:6} {counts[4]:9} "
              f"{score:>7}", file=out)
    hung = [r for r in results if "(timeout)" in r.get("by", "")]
    for r in hung:
        print(f"hang: {r['id']}: {r['by']}", file=out)
    for r in results:
        if r["status"] == "survived":
            print(f"survived: {r['id']}", file=out)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--sample", type=int, default=0, help="mutants to meet, 0 for all")
    parser.add_argument("--dir", action="append", help="only below this directory (src/...)")
    parser.add_argument("--id", action="append", help="only this mutant (as printed)")
    parser.add_argument("--without", default="",
                        help="leave out the tests whose names match this regular expression, "
                             "to see what they catch that no other test does")
    parser.add_argument("--list", action="store_true", help="count the places and stop")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout-scale", type=float, default=1.0,
                        help="factor on the per-test timeouts (30 s, windows 60 s, "
                             "differential 600 s)")
    parser.add_argument("--work", type=Path, default=ROOT / "build" / "mutate")
    parser.add_argument("--results", type=Path, help="JSON lines, appended (default: WORK/results.jsonl)")
    parser.add_argument("--no-baseline", action="store_true",
                        help="skip the check that the unchanged copy passes every test")
    parser.add_argument("--summary", nargs="*", type=Path,
                        help="print the scores of earlier result files and stop")
    args = parser.parse_args()

    if args.summary is not None:
        rows = {}
        for f in args.summary or [args.work / "results.jsonl"]:
            for line in f.read_text().splitlines():
                r = json.loads(line)
                rows[r["id"]] = r  # the last verdict of a mutant counts
        summarize(list(rows.values()))
        return 0

    dirs = args.dir or ["src"]
    mutants = sorted({m for d in dirs for m in all_sites(d.rstrip("/"))},
                     key=lambda m: (m.path, m.line, m.col, m.replacement))
    if args.list:
        counts = {}
        for m in mutants:
            counts.setdefault(m.directory, {}).setdefault(m.kind, 0)
            counts[m.directory][m.kind] += 1
        for d, kinds in sorted(counts.items()):
            print(d, sum(kinds.values()), dict(sorted(kinds.items())))
        return 0
    if args.id:
        wanted = set(args.id)
        mutants = [m for m in mutants if m.ident in wanted]
        missing = wanted - {m.ident for m in mutants}
        if missing:
            print("no such mutant: " + "; ".join(sorted(missing)), file=sys.stderr)
            return 2
    elif args.sample and args.sample < len(mutants):
        # Each kind of fault in turn, so that the many constants of a
        # directory do not crowd out its few comparisons.
        shuffled = list(mutants)
        random.Random(args.seed).shuffle(shuffled)
        seen = {}
        ranked = []
        for m in shuffled:
            seen[m.kind] = seen.get(m.kind, 0) + 1
            ranked.append((seen[m.kind], len(ranked), m))
        mutants = [m for _, _, m in sorted(ranked)[:args.sample]]

    equivalent = read_equivalent()
    # An entry whose line has moved no longer matches its mutant.
    places = {m.ident.strip() for m in all_sites("src")}
    for ident in sorted(set(equivalent) - places):
        print(f"equivalent.txt: no such mutant (moved?): {ident}", file=sys.stderr)
    commit = subprocess.run(["git", "rev-parse", "--short", "HEAD"], cwd=ROOT, capture_output=True,
                            text=True).stdout.strip()
    dirty = subprocess.run(["git", "status", "--porcelain", "--", "src", "tests", "tools"], cwd=ROOT,
                           capture_output=True, text=True).stdout.strip()
    args.work.mkdir(parents=True, exist_ok=True)
    results_file = args.results or args.work / "results.jsonl"
    copy = Copy(args.work.resolve(), args.jobs)

    signal.signal(signal.SIGTERM, lambda *_: (_ for _ in ()).throw(KeyboardInterrupt()))
    copy.sync()
    copy.configure()
    all_targets = sorted({t for g in GROUPS.values() for t in g.targets})
    ok, log = copy.compile(all_targets, timeout=3600)
    if not ok:
        print(log, file=sys.stderr)
        return 2
    if not args.no_baseline:
        for g in GROUPS.values():
            failed, _, output = copy.test(g, args.timeout_scale)
            if failed:
                print(f"the unchanged copy fails: {failed}\n{output}", file=sys.stderr)
                return 2
    print(f"commit {commit}{' (with uncommitted changes)' if dirty else ''}, seed {args.seed}, "
          f"{len(mutants)} mutants", flush=True)

    results = []
    try:
        for i, m in enumerate(mutants, 1):
            if m.ident.strip() in equivalent:
                r = {"id": m.ident, "dir": m.directory, "kind": m.kind, "status": "equivalent",
                     "by": equivalent[m.ident.strip()], "seconds": 0}
            else:
                r = meet(copy, m, args)
            r.update(commit=commit, seed=args.seed)
            results.append(r)
            with results_file.open("a") as f:
                f.write(json.dumps(r) + "\n")
            detail = f" by {r['by']}" if r["status"] in ("caught", "equivalent") else ""
            print(f"[{i}/{len(mutants)}] {r['id']}: {r['status']}{detail} ({r['seconds']} s)",
                  flush=True)
    except KeyboardInterrupt:
        print("interrupted; the copy is restored", file=sys.stderr)
    summarize(results)
    return 0


if __name__ == "__main__":
    sys.exit(main())
