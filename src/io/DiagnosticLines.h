#pragma once

#include <QString>

#include <memory>

class QFile;
class QIODevice;

// The lines the window writes on its standard output for scripts ("found
// SN:…", "File from version: …"), plain and unprefixed. Each line is flushed
// at once, so an output redirected to a file holds it even when the program
// is ended right after. Copies share the device.
class DiagnosticLines
{
public:
    // Standard output.
    DiagnosticLines();
    // Another device, which must stay open while this writes to it; not owned.
    explicit DiagnosticLines(QIODevice *device);

    // Writes `line` and a newline; a failure is logged once, never thrown:
    // a closed standard output must not stop the window.
    void write(const QString &line);

private:
    std::shared_ptr<QFile> standardOutput;
    QIODevice *device = nullptr;
    std::shared_ptr<bool> failed;
};
