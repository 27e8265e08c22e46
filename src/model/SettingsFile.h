#pragma once

#include "model/BandPlan.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

// The settings file ("Save to file", "Read from file", the backups): the
// version text, the records, the three options and the two satellite names,
// in the framework's data stream form, then the polarisation of each static
// UB (which earlier versions neither write nor read). Failures throw std::runtime_error
// with a translated text that names the file and the reason.
class SettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)

public:
    // Only a complete file is taken, with or without what follows its
    // fields; the records get
    // their slot frequency. The file's version goes to `versionRead` as soon
    // as it is read, so that the log names it for a damaged file too.
    static BandPlan read(const QString &path, const std::function<void(const QString &)> &versionRead = {});
    // The same reading of bytes already in memory (a plan kept inside a site
    // file); `path` names the file holding them in the message.
    static BandPlan fromBytes(const QByteArray &data, const QString &path);
    // Whole or not at all: an earlier file of the name stays as it was when
    // writing fails.
    static void write(const QString &path, const BandPlan &plan);
    static QByteArray bytes(const BandPlan &plan);
};
