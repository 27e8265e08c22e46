#include "SiteFile.h"

#include "SiteChange.h"
#include "io/WholeFile.h"
#include "model/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLockFile>
#include <QSet>

#include <cmath>
#include <exception>

namespace {
const QString formatKey = QStringLiteral("format");
const QString nameKey = QStringLiteral("name");
const QString noteKey = QStringLiteral("note");
const QString switchesKey = QStringLiteral("switches");
const QString labelKey = QStringLiteral("label");
const QString planKey = QStringLiteral("plan");
const QString summaryKey = QStringLiteral("summary");
const QString serialKey = QStringLiteral("serial");
const QString storedKey = QStringLiteral("stored");
const QString readBackKey = QStringLiteral("readBack");
const QString dateFormat = QStringLiteral("yyyy-MM-dd");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// What is wrong inside a file that did open, with the file named.
QString damaged(const QString &path, const QString &detail)
{
    return SiteFile::tr("The site file %1 cannot be used: %2.").arg(shown(path), detail);
}

QString tooBig(const QString &path)
{
    return SiteFile::tr("The site file %1 is larger than %n MiB.", nullptr,
                        int(SiteFile::maxFileBytes / (1024 * 1024)))
        .arg(shown(path));
}

QString notText(const QString &key)
{
    return SiteFile::tr("\"%1\" is not a text").arg(key);
}

QString tooLong(const QString &key, int limit)
{
    return SiteFile::tr("\"%1\" is longer than %n characters", nullptr, limit).arg(key);
}

// A text field that may be missing (then empty), bounded in length.
bool readText(const QJsonObject &object, const QString &key, int limit, QString *text, QString *detail)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull()) {
        text->clear();
        return true;
    }
    if (!value.isString()) {
        *detail = notText(key);
        return false;
    }
    *text = value.toString();
    if (text->size() > limit) {
        *detail = tooLong(key, limit);
        return false;
    }
    return true;
}

bool readFormat(const QJsonObject &root, QString *detail)
{
    const QJsonValue format = root.value(formatKey);
    const double number = format.toDouble(-1);
    // Compared as a double: a number far beyond int is a format too.
    if (!format.isDouble() || number < 1 || std::floor(number) != number) {
        *detail = SiteFile::tr("it has no known format number");
        return false;
    }
    if (number > SiteFile::formatVersion) {
        *detail =
            SiteFile::tr("it has format %1, written by a newer version of the program; this version reads "
                         "format %2")
                .arg(QString::number(number, 'g', 16))
                .arg(SiteFile::formatVersion);
        return false;
    }
    return true;
}

bool readPlan(const QJsonObject &object, const QString &label, QByteArray *plan, QString *detail)
{
    const QJsonValue value = object.value(planKey);
    const QByteArray text = value.toString().toLatin1();
    // Bounded before decoding: base64 takes four characters for three bytes.
    if (!value.isString() || text.size() > (SiteFile::maxPlanBytes / 3 + 1) * 4) {
        *detail = SiteFile::tr("the plan of \"%1\" is missing or too long").arg(label);
        return false;
    }
    const auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        *detail = SiteFile::tr("the plan of \"%1\" is not base64").arg(label);
        return false;
    }
    *plan = *decoded;
    return true;
}

bool readDate(const QJsonObject &object, const QString &label, QDate *date, QString *detail)
{
    QString text;
    if (!readText(object, storedKey, dateFormat.size(), &text, detail))
        return false;
    *date = QDate::fromString(text, dateFormat);
    if (!text.isEmpty() && (!date->isValid() || date->toString(dateFormat) != text)) {
        *detail = SiteFile::tr("the date of \"%1\" is not a day of the form YYYY-MM-DD").arg(label);
        return false;
    }
    return true;
}

bool readEntry(const QJsonValue &value, int number, const QString &path, SiteEntry *entry, QString *detail)
{
    if (!value.isObject()) {
        *detail = SiteFile::tr("switch %1 is no object").arg(number);
        return false;
    }
    const QJsonObject object = value.toObject();
    if (!readText(object, labelKey, SiteFile::maxLabelLength, &entry->label, detail))
        return false;
    if (entry->label.isEmpty()) {
        *detail = SiteFile::tr("switch %1 has no label").arg(number);
        return false;
    }
    if (!readPlan(object, entry->label, &entry->plan, detail))
        return false;
    QString planReason;
    if (!SiteFile::checkPlan(entry->plan, path, &planReason)) {
        // The settings file's own words would name the site file as if it
        // were the plan; the label says which plan it is.
        *detail = SiteFile::tr("the plan of \"%1\" is no complete settings file").arg(entry->label);
        return false;
    }
    if (!readText(object, serialKey, SiteFile::maxSerialLength, &entry->serial, detail) ||
        !readDate(object, entry->label, &entry->stored, detail))
        return false;
    const QJsonValue readBack = object.value(readBackKey);
    if (!readBack.isUndefined() && !readBack.isBool()) {
        *detail = SiteFile::tr("\"%1\" of \"%2\" is neither true nor false").arg(readBackKey, entry->label);
        return false;
    }
    entry->readBack = readBack.toBool(false);
    return true;
}

bool readEntries(const QJsonObject &root, const QString &path, QVector<SiteEntry> *entries, QString *detail)
{
    const QJsonValue value = root.value(switchesKey);
    if (value.isUndefined())
        return true;
    if (!value.isArray()) {
        *detail = SiteFile::tr("\"%1\" is not a list").arg(switchesKey);
        return false;
    }
    const QJsonArray array = value.toArray();
    if (array.size() > SiteFile::maxEntries) {
        *detail = SiteFile::tr("it holds more than %n switches", nullptr, SiteFile::maxEntries);
        return false;
    }
    QSet<QString> labels;
    for (int i = 0; i < array.size(); ++i) {
        SiteEntry entry;
        if (!readEntry(array.at(i), i + 1, path, &entry, detail))
            return false;
        if (labels.contains(entry.label)) {
            *detail = SiteFile::tr("the label \"%1\" occurs twice").arg(entry.label);
            return false;
        }
        labels.insert(entry.label);
        entries->append(entry);
    }
    return true;
}

bool readSite(const QJsonDocument &document, const QString &path, Site *site, QString *detail)
{
    if (!document.isObject()) {
        *detail = SiteFile::tr("it holds no JSON object");
        return false;
    }
    const QJsonObject root = document.object();
    return readFormat(root, detail) &&
           readText(root, nameKey, SiteFile::maxNameLength, &site->name, detail) &&
           readText(root, noteKey, SiteFile::maxNoteLength, &site->note, detail) &&
           readEntries(root, path, &site->entries, detail);
}

QJsonObject entryObject(const SiteEntry &entry)
{
    QJsonObject object;
    object.insert(labelKey, entry.label);
    object.insert(planKey, QString::fromLatin1(entry.plan.toBase64()));
    object.insert(summaryKey, SiteFile::summary(entry.plan));
    if (!entry.serial.isEmpty())
        object.insert(serialKey, entry.serial);
    if (entry.stored.isValid())
        object.insert(storedKey, entry.stored.toString(dateFormat));
    object.insert(readBackKey, entry.readBack);
    return object;
}

QString baseName(const QString &path)
{
    return QFileInfo(path).completeBaseName();
}
} // namespace

SiteFile::SiteFile(const QString &path, int lockWaitMs) : m_path(path), m_lockWaitMs(lockWaitMs) {}

bool SiteFile::fromJson(const QByteArray &bytes, const QString &path, Site *site, QString *reason)
{
    if (bytes.size() > maxFileBytes) {
        *reason = tooBig(path);
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        *reason = tr("The site file %1 is no JSON document (%2 at byte %3).")
                      .arg(shown(path), error.errorString())
                      .arg(error.offset);
        return false;
    }
    Site read;
    QString detail;
    if (!readSite(document, path, &read, &detail)) {
        *reason = damaged(path, detail);
        return false;
    }
    if (read.name.isEmpty())
        read.name = baseName(path);
    *site = read;
    return true;
}

QByteArray SiteFile::toJson(const Site &site)
{
    QJsonObject root;
    root.insert(formatKey, formatVersion);
    if (!site.name.isEmpty())
        root.insert(nameKey, site.name);
    root.insert(noteKey, site.note);
    QJsonArray entries;
    for (const SiteEntry &entry : site.entries)
        entries.append(entryObject(entry));
    root.insert(switchesKey, entries);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool SiteFile::checkPlan(const QByteArray &plan, const QString &path, QString *reason)
{
    if (plan.size() > maxPlanBytes) {
        *reason = tr("The settings file %1 is larger than %n bytes.", nullptr, maxPlanBytes).arg(shown(path));
        return false;
    }
    try {
        SettingsFile::fromBytes(plan, path);
    } catch (const std::exception &e) {
        *reason = QString::fromUtf8(e.what());
        return false;
    }
    return true;
}

bool SiteFile::readPlanFile(const QString &path, QByteArray *plan, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = WholeFile::readFailure(path, file.errorString());
        return false;
    }
    // One byte more than allowed, so that a longer file is seen as such.
    const QByteArray bytes = file.read(maxPlanBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *reason = WholeFile::readFailure(path, file.errorString());
        return false;
    }
    if (!checkPlan(bytes, path, reason))
        return false;
    *plan = bytes;
    return true;
}

QString SiteFile::summary(const QByteArray &plan)
{
    BandPlan decoded;
    try {
        decoded = SettingsFile::fromBytes(plan, QString());
    } catch (const std::exception &) {
        return QString();
    }
    const QString none = QStringLiteral("-");
    QStringList parts;
    parts << tr("LNB1: %1").arg(decoded.lnb1.isEmpty() ? none : decoded.lnb1)
          << tr("LNB2: %1").arg(decoded.lnb2.isEmpty() ? none : decoded.lnb2);
    for (const UBRecord &record : decoded.list) {
        if (record.isStatic()) {
            parts << tr("%1 static, LNB%2, %3 MHz %4")
                         .arg(UBRecord::displayName(record.ubNumber))
                         .arg(record.lnb + 1)
                         .arg(record.freq)
                         .arg(record.polarisation.isKnown() ? record.polarisation.letter() : none);
        } else {
            parts
                << tr("%1 dynamic, line %2").arg(UBRecord::displayName(record.ubNumber)).arg(record.line + 1);
        }
    }
    return parts.join(QStringLiteral("; "));
}

bool SiteFile::read(Site *site, QString *reason) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = WholeFile::readFailure(m_path, file.errorString());
        return false;
    }
    if (file.size() > maxFileBytes) {
        *reason = tooBig(m_path);
        return false;
    }
    // Bounded even when the size lied (a file still growing, a device).
    const QByteArray bytes = file.read(maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *reason = WholeFile::readFailure(m_path, file.errorString());
        return false;
    }
    return fromJson(bytes, m_path, site, reason);
}

bool SiteFile::apply(const SiteChange &change, QString *reason, Site *written) const
{
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (lock.tryLock(m_lockWaitMs))
        return applyLocked(change, reason, written);
    if (lock.error() == QLockFile::LockFailedError)
        *reason = tr("The site file %1 is being changed by another program. Try again.").arg(shown(m_path));
    else
        *reason = WholeFile::writeFailure(m_path, tr("no lock file can be made beside it"));
    return false;
}

bool SiteFile::applyLocked(const SiteChange &change, QString *reason, Site *written) const
{
    Site site;
    if (QFileInfo::exists(m_path) || change.kind() != SiteChange::Kind::Add) {
        if (!read(&site, reason))
            return false;
    } else {
        site.name = baseName(m_path);
    }
    if (!change.applyTo(&site, reason))
        return false;
    // The name that is only the file's base name is not written, so that
    // it follows the file when the file is renamed.
    Site toWrite = site;
    if (toWrite.name == baseName(m_path))
        toWrite.name.clear();
    const QByteArray bytes = toJson(toWrite);
    // What is written must read again: a change that would make the file
    // unreadable (a bad plan, an over-long text) is refused here.
    Site check;
    QString detail;
    if (bytes.size() > maxFileBytes)
        detail = tr("it would be larger than %n MiB", nullptr, int(maxFileBytes / (1024 * 1024)));
    if (!detail.isEmpty() || !readSite(QJsonDocument::fromJson(bytes), m_path, &check, &detail)) {
        *reason = tr("The change to the site file %1 is refused: %2.").arg(shown(m_path), detail);
        return false;
    }
    if (check.name.isEmpty())
        check.name = baseName(m_path);
    QString systemReason;
    if (!WholeFile::write(m_path, bytes, &systemReason)) {
        *reason = WholeFile::writeFailure(m_path, systemReason);
        return false;
    }
    if (written)
        *written = check;
    return true;
}
