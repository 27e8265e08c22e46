#include "DiagnosticLines.h"

#include "LogCategories.h"

#include <QFile>

#include <cstdio>

DiagnosticLines::DiagnosticLines()
    : standardOutput(std::make_shared<QFile>()), failed(std::make_shared<bool>(false))
{
    // Unbuffered: each line reaches the descriptor before write() returns.
    if (standardOutput->open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered,
                             QFileDevice::DontCloseHandle))
        device = standardOutput.get();
    else
        qCWarning(uiLog).noquote() << "Standard output cannot be opened:" << standardOutput->errorString();
}

DiagnosticLines::DiagnosticLines(QIODevice *device) : device(device), failed(std::make_shared<bool>(false)) {}

void DiagnosticLines::write(const QString &line)
{
    if (!device || *failed)
        return;
    const QByteArray bytes = line.toUtf8() + '\n';
    bool written = device->write(bytes) == bytes.size();
    if (auto *file = qobject_cast<QFileDevice *>(device))
        written = file->flush() && written;
    if (!written) {
        *failed = true;
        qCWarning(uiLog).noquote() << "Standard output cannot be written:" << device->errorString();
    }
}
