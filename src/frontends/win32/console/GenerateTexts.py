#!/usr/bin/env python3
"""Makes the Windows command line's Japanese texts from the translation file.

The translation file stays the one home of every command-line text: this
reads the texts the given sources mark with QT_TRANSLATE_NOOP(context, text),
looks up each one's finished Japanese translation, and writes them as a
sorted C++ table. A marked text without one fails the build.

    GenerateTexts.py TS_FILE OUTPUT SOURCE...
"""

import ast
import re
import sys
import xml.etree.ElementTree as ElementTree

MARK = re.compile(
    r'QT_TRANSLATE_NOOP\(\s*"([^"]*)"\s*,\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\)')
LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')


def marked_texts(path):
    with open(path, encoding="utf-8") as source:
        code = source.read()
    for match in MARK.finditer(code):
        # Adjacent literals are one text, as the compiler joins them.
        text = "".join(ast.literal_eval('"' + part + '"')
                       for part in LITERAL.findall(match.group(2)))
        yield match.group(1), text


def translations(ts_file):
    table = {}
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "obsolete"):
                continue
            table[(name, message.findtext("source"))] = translation.text or ""
    return table


def cpp_literal(text):
    out = []
    for byte in text.encode("utf-8"):
        char = chr(byte)
        if 0x20 <= byte < 0x7F and char not in '"\\?':
            out.append(char)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def main(ts_file, output, sources):
    known = translations(ts_file)
    wanted = sorted({text for source in sources for text in marked_texts(source)})
    missing = [key for key in wanted if key not in known]
    if missing:
        for context, text in missing:
            print(f"{ts_file}: no finished Japanese for {context}: {text!r}", file=sys.stderr)
        return 1
    lines = ["// Made by GenerateTexts.py from the translation file; do not edit.",
             "// context, English, Japanese; sorted by context and English."]
    for context, text in wanted:
        lines.append("{%s, %s, %s}," % (cpp_literal(context), cpp_literal(text),
                                         cpp_literal(known[(context, text)])))
    with open(output, "w", encoding="ascii") as table:
        table.write("\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
