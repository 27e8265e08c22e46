#include "PlanCheck.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
const char *const context = "UBModelController";
const char *const lnb1Missing = QT_TRANSLATE_NOOP("UBModelController", "Lnb1 must be set.");
const char *const lnb2Missing = QT_TRANSLATE_NOOP("UBModelController", "Lnb2 must be set.");
const char *const staticUnassigned =
    QT_TRANSLATE_NOOP("UBModelController", "All static UBs must be assigned.");
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
            if (record.tp < 0) {
                check.failed = Failure::StaticUnassigned;
                check.tooHigh = false;
                return check;
            }
        } else if (record.isDynamic() && record.localUB >= localUBLimit) {
            check.tooHigh = true;
        }
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
    case Failure::None:
        break;
    }
    return QString();
}

QString PlanCheck::localUBWarning()
{
    return QCoreApplication::translate(context, localUBTooHighText);
}

QStringList PlanCheck::messages() const
{
    if (!passed())
        return {failureMessage(failed)};
    if (tooHigh)
        return {localUBWarning()};
    return {};
}
