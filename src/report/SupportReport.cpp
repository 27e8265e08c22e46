#include "SupportReport.h"

#include "io/WholeFile.h"
#include "model/UBRecord.h"

#include <QDir>
#include <QSysInfo>

#include <algorithm>

namespace {
const QString mask = QStringLiteral("********");

// The secrets masked in every line, after `prefixEnd` where it occurs: a
// password such as the program's own name leaves the log's categories whole.
QStringList masked(QStringList lines, const QStringList &secrets, const QString &prefixEnd = QString())
{
    for (QString &line : lines) {
        const int start = prefixEnd.isEmpty() ? 0 : std::max(0, int(line.indexOf(prefixEnd)));
        QString tail = line.mid(start);
        for (const QString &secret : secrets)
            if (!secret.isEmpty())
                tail.replace(secret, mask);
        line = line.left(start) + tail;
    }
    return lines;
}

void section(QString &text, const QString &heading, const QStringList &lines, const QString &none)
{
    text += heading + QLatin1Char('\n') + QString(heading.size(), QLatin1Char('=')) + QLatin1Char('\n');
    for (const QString &line : lines.isEmpty() ? QStringList{none} : lines)
        text += line + QLatin1Char('\n');
    text += QLatin1Char('\n');
}
} // namespace

SupportReport::Facts SupportReport::running()
{
    Facts facts;
    facts.program = QCoreApplication::applicationName() + QLatin1Char(' ') + QStringLiteral(FENZO_VERSION);
    facts.qt = QStringLiteral("%1 (built with %2)")
                   .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR));
    facts.system = QStringLiteral("%1, %2 %3, %4")
                       .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                            QSysInfo::currentCpuArchitecture());
    return facts;
}

QString SupportReport::text(const Facts &facts)
{
    const QString none = tr("(none)");
    QString text = tr("Support report") + QStringLiteral("\n\n");
    section(text, tr("Program"),
            {tr("Version: %1").arg(facts.program), tr("Qt: %1").arg(facts.qt),
             tr("System: %1").arg(facts.system)},
            none);
    const QStringList &secrets = facts.secrets;
    section(text, tr("Satellite data"), masked(facts.satelliteData, secrets), none);
    section(text, tr("Serial ports"), masked(facts.ports + facts.portProblems, secrets), none);
    section(text, tr("Switch"),
            masked(facts.switchId.isEmpty() ? QStringList() : QStringList{facts.switchId}, secrets),
            tr("No switch answered."));
    QStringList site;
    if (!facts.siteFile.isEmpty())
        site << tr("Site file: %1").arg(QDir::toNativeSeparators(facts.siteFile));
    if (!facts.siteEntry.isEmpty())
        site << tr("Entry: %1").arg(facts.siteEntry);
    section(text, tr("Site"), masked(site, secrets), none);
    section(text, tr("Plan"),
            masked(facts.hasPlan ? planLines(facts.plan, facts.own) : QStringList(), secrets), none);
    section(text, tr("Recent log"), masked(facts.log, secrets, QStringLiteral(": ")), none);
    return text;
}

QStringList SupportReport::planLines(const BandPlan &plan, const OwnTransponders &own)
{
    const auto onOff = [](bool on) { return on ? tr("on") : tr("off"); };
    QStringList lines{tr("LNB1: %1").arg(plan.lnb1), tr("LNB2: %1").arg(plan.lnb2),
                      tr("Terrestrial path: %1").arg(onOff(plan.terrestrialPatchActive)),
                      tr("LTE filter: %1").arg(onOff(plan.lteFilter)),
                      tr("Stand-by: %1").arg(onOff(plan.standBy))};
    for (const UBRecord &ub : plan.list) {
        const QString name = UBRecord::displayName(ub.ubNumber);
        if (ub.isStatic() && ub.tp < 0)
            lines << tr("%1: static, LNB%2, no transponder").arg(name).arg(ub.lnb + 1);
        else if (ub.isStatic()) {
            lines << tr("%1: static, LNB%2, transponder %3 (%4 MHz)")
                         .arg(name)
                         .arg(ub.lnb + 1)
                         .arg(ub.tp)
                         .arg(ub.freq);
            const QString satellite = ub.lnb > 0 ? plan.lnb2 : plan.lnb1;
            TransponderItem item;
            item.frequency = ub.freq;
            item.polarisation = ub.polarisation;
            if (own.isOwn(satellite, item))
                lines.last() = OwnTransponders::withOwnMark(lines.last());
        } else
            lines << tr("%1: dynamic, line %2, local UB %3").arg(name).arg(ub.line + 1).arg(ub.localUB + 1);
    }
    return lines;
}

bool SupportReport::save(const QString &path, const Facts &facts, QString *reason)
{
    return WholeFile::write(path, text(facts).toUtf8(), reason);
}

QString SupportReport::saveFailure(const QString &path, const QString &reason)
{
    return tr("The support report %1 cannot be written (%2).").arg(QDir::toNativeSeparators(path), reason);
}
