#pragma once

#include <QString>

// The file a file dialog chose, from the text it hands over.
class LocalPath
{
public:
    // A file URL ("file:///tmp/a%23b.dat") becomes its local path; a text
    // that is no file URL is taken as a path already.
    static QString fromUrlText(const QString &text);
};
