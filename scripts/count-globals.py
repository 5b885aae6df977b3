#!/usr/bin/env python3
"""Lists the mutable variables at namespace scope (and the mutable static variables inside
functions) of the C++ files under the folders given, default src/core, and prints their number.

A variable counts unless it is declared const or constexpr; a pointer that is itself const
("T* const p") counts as const. Comments, strings and the bodies of functions and classes are
skipped, except that a "static" declaration inside a function body is listed apart.
"""
import re
import sys
from pathlib import Path

KEYWORDS = ("using", "typedef", "class", "struct", "enum", "namespace", "template", "friend",
            "static_assert", "return", "extern \"C\"", "Q_", "#")


def strip(text):
    """The text without comments, string and character literals, or preprocessor lines."""
    text = re.sub(r"//[^\n]*", "", text)
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    text = re.sub(r'R"(\w*)\(.*?\)\1"', '""', text, flags=re.S)
    text = re.sub(r'"(\\.|[^"\\\n])*"', '""', text)
    text = re.sub(r"'(\\.|[^'\\\n])*'", "''", text)
    return "\n".join(line for line in text.split("\n") if not line.lstrip().startswith("#"))


def is_mutable_variable(statement):
    s = " ".join(statement.split())
    if not s or s.startswith(KEYWORDS):
        return None
    head = s.split("=", 1)[0]
    head = re.split(r"\{", head, 1)[0].strip()
    # A function declaration has a parameter list before any initialiser.
    if "(" in head or "operator" in head:
        return None
    words = re.findall(r"[A-Za-z_]\w*", head)
    if len(words) < 2 or "constexpr" in words:
        return None
    if re.search(r"\bconst\b", head):
        # const T x, T const x and T* const x are constant; const T* x is a mutable pointer.
        if not re.search(r"\*\s*(\w+)\s*(\[[^\]]*\])*$", head) or re.search(r"\*\s*const\b", head):
            return None
    match = re.search(r"(\w+)\s*(\[[^\]]*\])*\s*$", head)
    return match.group(1) if match else None


def scan(path):
    text = strip(path.read_text(encoding="utf-8", errors="replace"))
    found, local_statics = [], []
    stack = []  # True for a namespace (or extern) block, False for any other brace
    statement = ""
    for char in text:
        if char == "{":
            opener = " ".join(statement.split())
            if all(stack) and re.match(r"^(inline\s+)?namespace\b|^extern\b", opener):
                stack.append(True)
                statement = ""
            elif all(stack) and "=" in opener.split("(")[0] or (all(stack) and
                                                               re.match(r"^[\w:<>,\s\*&\[\]]+$",
                                                                        opener)
                                                               and not opener.startswith(
                                                                   KEYWORDS)
                                                               and len(opener.split()) >= 2):
                # A brace initialiser of a variable: part of the statement.
                stack.append(None)
                statement += char
            else:
                stack.append(False)
                statement = ""
        elif char == "}":
            kind = stack.pop() if stack else True
            if kind is None:
                statement += char
            else:
                statement = ""
        elif char == ";":
            if all(x is not False for x in stack) and None not in stack:
                name = is_mutable_variable(statement)
                if name:
                    found.append(name)
            elif None not in stack:
                s = " ".join(statement.split())
                if re.match(r"^(thread_local\s+)?static\b", s) and is_mutable_variable(
                        s[len("static"):]):
                    local_statics.append(is_mutable_variable(s[len("static"):]))
            if None not in stack:
                statement = ""
            else:
                statement += char
        else:
            statement += char
    return found, local_statics


def main():
    roots = sys.argv[1:] or ["src/core"]
    total = 0
    for root in roots:
        for path in sorted(Path(root).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            found, local_statics = scan(path)
            for name in found:
                print(f"{path}: {name}")
            for name in local_statics:
                print(f"{path}: {name} (static in a function)")
            total += len(found) + len(local_statics)
    print(f"mutable variables at namespace scope or static in functions: {total}")


if __name__ == "__main__":
    main()
