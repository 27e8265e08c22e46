#include "PlanCheck.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {
const char *const context = "UBModelController";
const char *const lnb1Missing = QT_TRANSLATE_NOOP("UBModelController", "Lnb1 must be set.");
const char *const lnb2Missing = QT_TRANSLATE_NOOP("UBModelController", "Lnb2 must be set.");
const char *const staticUnassigned =
    QT_TRANSLATE_NOOP("UBModelController", "All static UBs must be assigned.");
const char *const unassignedUBs = QT_TRANSLATE_NOOP("UBModelController", "Not assigned: %1.");
const char *const dynamicLineInvalid =
    QT_TRANSLATE_NOOP("UBModelController", "Every dynamic UB must be on one of the lines 1 to 4.");
const char *const dynamicLineOf =
    QT_TRANSLATE_NOOP("UBModelController", "%1: a dynamic UB on line %2; the switch has lines 1 to 4.");
const char *const localUBTooHighText =
    QT_TRANSLATE_NOOP("UBModelController", "Local UB number bigger than 8, protocol XY required");
} // namespace

PlanCheck PlanCheck::of(const QString &lnb1, const QString &lnb2, const QList<UBRecord> &list)
{
    PlanCheck check;
    if (lnb1.isEmpty()) {
        check.failed = Failure::Lnb1Missing;
        return check;
    }
    if (lnb2.isEmpty()) {
        check.failed = Failure::Lnb2Missing;
        return check;
    }
    for (const UBRecord &record : list) {
        if (record.isStatic()) {
            if (record.tp < 0)
                check.unassigned.append(record.ubNumber);
        } else if (record.line >= quint32(lineCount)) {
            // Every record that is not static is sent as a dynamic word.
            check.offLine.append({record.ubNumber, record.line});
        } else if (record.isDynamic() && record.localUB >= localUBLimit) {
            check.tooHigh = true;
        }
    }
    if (!check.unassigned.isEmpty()) {
        check.failed = Failure::StaticUnassigned;
        check.tooHigh = false;
        check.offLine.clear();
        std::sort(check.unassigned.begin(), check.unassigned.end());
        return check;
    }
    if (!check.offLine.isEmpty()) {
        check.failed = Failure::DynamicLineInvalid;
        check.tooHigh = false;
        // UB01 first, as every list of refused UBs reads.
        std::sort(check.offLine.begin(), check.offLine.end());
    }
    return check;
}

std::array<int, PlanCheck::lineCount> PlanCheck::dynamicPerLine(const QList<UBRecord> &list)
{
    std::array<int, lineCount> perLine{};
    for (const UBRecord &record : list) {
        if (!record.isStatic() && record.line < quint32(lineCount))
            ++perLine[record.line];
    }
    return perLine;
}

bool PlanCheck::beyondLineLimit(const UBRecord &record, const std::array<int, lineCount> &perLine)
{
    if (record.isStatic())
        return false;
    return record.localUB >= localUBLimit ||
           (record.line < quint32(lineCount) && perLine[record.line] > int(localUBLimit));
}

QString PlanCheck::failureMessage(Failure failure)
{
    switch (failure) {
    case Failure::Lnb1Missing:
        return QCoreApplication::translate(context, lnb1Missing);
    case Failure::Lnb2Missing:
        return QCoreApplication::translate(context, lnb2Missing);
    case Failure::StaticUnassigned:
        return QCoreApplication::translate(context, staticUnassigned);
    case Failure::DynamicLineInvalid:
        return QCoreApplication::translate(context, dynamicLineInvalid);
    case Failure::None:
        break;
    }
    return QString();
}

QString PlanCheck::localUBWarning()
{
    return QCoreApplication::translate(context, localUBTooHighText);
}

QString PlanCheck::unassignedText() const
{
    return QCoreApplication::translate(context, unassignedUBs).arg(UBRecord::displayNames(unassigned));
}

QString PlanCheck::lineMessage(quint32 ubNumber, quint32 line)
{
    return QCoreApplication::translate(context, dynamicLineOf)
        .arg(UBRecord::displayName(ubNumber))
        .arg(line + 1);
}

QStringList PlanCheck::messages() const
{
    if (failed == Failure::DynamicLineInvalid) {
        QStringList lines;
        for (const auto &ub : offLine)
            lines << lineMessage(ub.first, ub.second);
        return lines;
    }
    if (failed == Failure::StaticUnassigned)
        return {failureMessage(failed) + QLatin1Char('\n') + unassignedText()};
    if (!passed())
        return {failureMessage(failed)};
    if (tooHigh)
        return {localUBWarning()};
    return {};
}
