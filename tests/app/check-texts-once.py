#!/usr/bin/env python3
"""Fails when a user-visible text of 30 characters or more is written more than
once under the given folder (src/ by default): each message has one function
that says it, so that the window and the tool say the same and a mended text
is mended everywhere.
usage: check-texts-once.py [FOLDER]"""
import pathlib
import re
import sys

MARKERS = re.compile(r'\b(?:tr|qsTr|QT_TR_NOOP|QT_TRANSLATE_NOOP|translate|QT_TR_N_NOOP|QT_TRANSLATE_N_NOOP)\s*\(')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
MINIMUM = 30


def texts(source):
    """The texts of every translation marker in `source`: adjacent literals
    joined, a context argument skipped."""
    for match in MARKERS.finditer(source):
        position = match.end()
        arguments = []
        current = None
        while position < len(source):
            while position < len(source) and source[position] in ' \t\r\n':
                position += 1
            literal = LITERAL.match(source, position)
            if literal:
                current = (current or '') + literal.group(1)
                position = literal.end()
                continue
            if source.startswith('//', position):
                position = source.find('\n', position)
                continue
            if current is not None:
                arguments.append(current)
                current = None
            if position < len(source) and source[position] == ',':
                position += 1
                continue
            break
        # QT_TRANSLATE_NOOP and translate() name the context first.
        if len(arguments) >= 2 and match.group(0).startswith(('QT_TRANSLATE', 'translate')):
            arguments = arguments[1:]
        if arguments:
            yield arguments[0], source.count('\n', 0, match.start()) + 1


def main(root):
    seen = {}
    for path in sorted(pathlib.Path(root).rglob('*')):
        if path.suffix not in ('.cpp', '.h', '.qml', '.js'):
            continue
        for text, line in texts(path.read_text(encoding='utf-8')):
            if len(text) >= MINIMUM:
                seen.setdefault(text, []).append(f'{path.relative_to(root)}:{line}')
    twice = {text: places for text, places in seen.items() if len(places) > 1}
    for text, places in sorted(twice.items()):
        print(f'"{text}" is written {len(places)} times: {", ".join(places)}')
    return 1 if twice else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else 'src'))
