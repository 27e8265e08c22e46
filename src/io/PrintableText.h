#pragma once

#include <QString>

// Outside text (names, serial numbers, server messages, file paths) for a
// line of a terminal or a script's output: it can neither break the line nor
// steer the terminal.
class PrintableText
{
public:
    // Control characters (tabs, line breaks, terminal escapes), format
    // characters and line separators become escapes ("\n", "\u001b"), and
    // a backslash beside them is doubled so that the escapes stay told apart
    // from the text. A text without any of these comes back unchanged.
    static QString escaped(const QString &text);
};
