"""What a mutant is, where the rules' sources offer one, and the kills kept between runs."""

from __future__ import annotations

import hashlib
import json
import re
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]


@dataclass(frozen=True)
class Mutant:
    path: str  # relative to ROOT
    line: int  # 1-based
    column: int  # 1-based, where the change starts
    operator: str
    before: str  # the changed text
    after: str

    def describe(self) -> str:
        if self.operator == "delete":
            return "delete statement: " + self.before.strip()
        return f"{self.before.strip()!s} -> {self.after.strip()!s}"

    def where(self) -> str:
        return f"{self.path}:{self.line}"


# ---- reading the source -------------------------------------------------------------


def mask_code(text: str) -> str:
    """The text with comments, string and character literals blanked out (same length,
    newlines kept), so that operators are looked for in code only."""
    out = list(text)
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            for k in range(i, j):
                out[k] = " "
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            for k in range(i, j):
                if out[k] != "\n":
                    out[k] = " "
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            for k in range(i + 1, j - 1):
                out[k] = " "
            i = j
        else:
            i += 1
    return "".join(out)


# Binary operators are found with a space on each side: the sources are formatted, so
# template brackets (std::array<int, 5>) and stream or shift operators never match.
COMPARISON_FLIP = {"<": ">=", ">=": "<", ">": "<=", "<=": ">", "==": "!=", "!=": "=="}
BOUNDARY = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}
BINARY_RE = re.compile(r"(?<=\s)(<=|>=|==|!=|<|>|&&|\|\||\+=|-=|\+|-)(?=\s)")
BOOL_RE = re.compile(r"\b(true|false)\b")
NOT_RE = re.compile(r"!(?!=)")
INCDEC_RE = re.compile(r"(\+\+|--)")
CONDITION_RE = re.compile(r"\b(if|while)\s*\(")
SPECIAL_MEMBER_RE = re.compile(r"=\s*(delete|default)\s*;")

DECLARATION_RE = re.compile(
    r"^(?:(?:static|const|constexpr|inline|thread_local|mutable|extern)\s+)*"
    r"[A-Za-z_][\w:]*(?:<[^;]*>)?[\s&*]+[A-Za-z_]\w*\s*(?:=|\{|\(|;|\[|,)"
)
NOT_DELETABLE_START = re.compile(
    r"^(return|break|continue|case|default|using|namespace|template|typedef|friend|"
    r"public|private|protected|class|struct|enum|else|do|goto|#)\b"
)


def matching_paren(code: str, open_index: int) -> int:
    depth = 0
    for i in range(open_index, len(code)):
        if code[i] == "(":
            depth += 1
        elif code[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def statement_line(lines: list[str], index: int) -> bool:
    """True when masked line `index` holds exactly one whole expression statement that
    can be removed without breaking the syntax (a call, an assignment, a step)."""
    line = lines[index].strip()
    if not line.endswith(";") or line.count(";") != 1:
        return False
    if NOT_DELETABLE_START.match(line) or DECLARATION_RE.match(line):
        return False
    if line.count("(") != line.count(")") or line.count("{") != line.count("}"):
        return False
    if not re.search(r"[(=]|\+\+|--", line):
        return False
    # The statement must begin on this line: the previous code line ends a statement or
    # opens or closes a block, or is a label.
    j = index - 1
    while j >= 0 and not lines[j].strip():
        j -= 1
    if j >= 0:
        prev = lines[j].strip()
        if not (prev.endswith((";", "{", "}", ":")) or prev.startswith("#")):
            return False
        # A body without braces (if (x) y;) must keep its statement.
        if re.match(r"^(if|for|while|else)\b", prev) and not prev.endswith(("{", ";")):
            return False
    return True


def mutants_of_file(path: Path) -> list[Mutant]:
    rel = path.relative_to(ROOT).as_posix()
    text = path.read_text(encoding="utf-8")
    raw_lines = text.split("\n")
    masked_lines = mask_code(text).split("\n")
    found: list[Mutant] = []

    def add(line_no: int, col: int, op: str, before: str, after: str) -> None:
        found.append(Mutant(rel, line_no + 1, col + 1, op, before, after))

    for n, code in enumerate(masked_lines):
        stripped = code.strip()
        # Assertions are compiled out of the measured build: their mutants prove nothing.
        if not stripped or stripped.startswith("#") or re.search(r"\b(static_)?assert\b", code):
            continue
        if SPECIAL_MEMBER_RE.search(code):
            continue
        for m in BINARY_RE.finditer(code):
            op = m.group(1)
            if op in COMPARISON_FLIP:
                add(n, m.start(), "cmp-flip", op, COMPARISON_FLIP[op])
            if op in BOUNDARY:
                add(n, m.start(), "boundary", op, BOUNDARY[op])
            if op in ("&&", "||"):
                add(n, m.start(), "and-or", op, "||" if op == "&&" else "&&")
            if op in ("+", "-", "+=", "-="):
                swapped = {"+": "-", "-": "+", "+=": "-=", "-=": "+="}[op]
                add(n, m.start(), "arith", op, swapped)
        for m in INCDEC_RE.finditer(code):
            op = m.group(1)
            add(n, m.start(), "arith", op, "--" if op == "++" else "++")
        for m in BOOL_RE.finditer(code):
            word = m.group(1)
            add(n, m.start(), "negate", word, "false" if word == "true" else "true")
        for m in NOT_RE.finditer(code):
            add(n, m.start(), "negate", "!", "")
        for m in CONDITION_RE.finditer(code):
            open_index = m.end() - 1
            close = matching_paren(code, open_index)
            if close < 0:
                continue
            condition = raw_lines[n][open_index + 1 : close]
            if not condition.strip() or ";" in condition:
                continue
            if re.fullmatch(r"\s*![\w.:>-]+\s*", condition):
                continue  # the removal of that "!" is the same mutant
            add(n, open_index + 1, "negate", condition, f"!({condition})")
        if path.suffix != ".h" and statement_line(masked_lines, n):
            add(n, len(raw_lines[n]) - len(raw_lines[n].lstrip()), "delete", raw_lines[n], "")
    return found


def apply(text: str, mutant: Mutant) -> str:
    lines = text.split("\n")
    i = mutant.line - 1
    line = lines[i]
    if mutant.operator == "delete":
        indent = line[: len(line) - len(line.lstrip())]
        lines[i] = indent + ";  // mutant: statement deleted"
    else:
        c = mutant.column - 1
        if line[c : c + len(mutant.before)] != mutant.before:
            raise RuntimeError(f"{mutant.where()}: source changed since the list was made")
        lines[i] = line[:c] + mutant.after + line[c + len(mutant.before) :]
    return "\n".join(lines)


def source_files(pattern: str | None, source_dir: str) -> list[Path]:
    base = ROOT / source_dir
    files = sorted(p for p in base.rglob("*") if p.suffix in (".cpp", ".h") and p.is_file())
    if pattern:
        rx = re.compile(pattern)
        files = [p for p in files if rx.search(p.relative_to(ROOT).as_posix())]
    return files


# ---- kills kept between runs ----------------------------------------------------------


def file_digest(path: Path) -> str:
    """Names one text of a source file: the coverage map and the kill cache hold to it."""
    return hashlib.sha256(path.read_bytes()).hexdigest()[:16]


def cache_key(mutant: Mutant, file_text: str) -> str:
    """Names a mutant of one exact text of its file: any edit of the file makes it new."""
    digest = hashlib.sha256(file_text.encode("utf-8")).hexdigest()[:16]
    return f"{mutant.path}@{digest}:{mutant.line}:{mutant.column}:{mutant.operator}:{mutant.after}"


class KillCache:
    def __init__(self, path: str | None):
        self.path = Path(path) if path else None
        self.kills: dict[str, str] = {}
        if self.path and self.path.exists():
            self.kills = json.loads(self.path.read_text(encoding="utf-8"))

    def known(self, key: str) -> str | None:
        return self.kills.get(key)

    def remember(self, key: str, outcome: str) -> None:
        # A timeout is run again next time: on a machine busy with other work a slow test
        # can look hung, and a kill that was only the machine's load must not be kept.
        if self.path is None or outcome != "killed":
            return
        self.kills[key] = outcome
        # Written whole and renamed, so a run killed midway never leaves half a file.
        partial = self.path.with_suffix(".partial")
        partial.write_text(json.dumps(self.kills, indent=0, sort_keys=True), encoding="utf-8")
        partial.replace(self.path)
