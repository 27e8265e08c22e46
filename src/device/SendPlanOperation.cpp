#include "SendPlanOperation.h"

#include "ReadPlanOperation.h"

#include <QDir>
#include <QThread>

#include <memory>

#include <stdexcept>
#include <utility>

namespace {
constexpr int commands = 4;
constexpr int optionPauseMs = 50;
constexpr int planPauseMs = 100;
} // namespace

SendPlanOperation::SendPlanOperation(Plan plan, bool store, SharedCatalogue data, PlanBackup backup,
                                     QString serialNumber, QString failure, QObject *parent)
    : DeviceOperation(parent), plan(std::move(plan)), store(store),
      data(data ? std::move(data) : std::make_shared<const SatelliteCatalogue>()), backup(std::move(backup)),
      serialNumber(std::move(serialNumber)), failure(std::move(failure))
{
}

void SendPlanOperation::begin()
{
    readReplies([this](const DeviceReplies &replies) { backUp(replies); });
}

void SendPlanOperation::backUp(const DeviceReplies &replies)
{
    // Fewer or more than a plan's words: the read failed, not the plan.
    if (replies.words().size() != BandPlan::size) {
        finish(Kind::Failed, failure.arg(QString::fromStdString(CodeWord::readErrorMessage())));
        return;
    }
    auto read = std::make_shared<BandPlan>();
    QString undecodable;
    bool dataMismatch = false;
    try {
        *read = ReadPlanOperation::decode(replies, plan.lnb1, plan.lnb2, *data);
    } catch (const UndecodableWord &e) {
        // The switch's plan is sound; the satellite data lack what it
        // names. Its words are kept, and the send goes on.
        undecodable = QString::fromUtf8(e.what());
        dataMismatch = true;
    } catch (const std::exception &e) {
        // Whatever the switch holds, it can be replaced: a switch that
        // could not be backed up could never be repaired.
        undecodable = QString::fromUtf8(e.what());
    }
    if (!undecodable.isEmpty())
        read.reset();
    // Writing waits for the disk: it runs beside the event loop.
    auto written = std::make_shared<Written>();
    QThread *const writer = QThread::create([written, backup = backup, serial = serialNumber, replies, read] {
        try {
            written->path = backup.write(serial, replies, read.get());
        } catch (const std::exception &e) {
            written->error = QString::fromUtf8(e.what());
        }
    });
    connect(writer, &QThread::finished, writer, &QObject::deleteLater);
    connect(writer, &QThread::finished, this,
            [this, written, undecodable, dataMismatch] { backedUp(*written, undecodable, dataMismatch); });
    writer->start();
}

void SendPlanOperation::backedUp(const Written &written, const QString &undecodable, bool dataMismatch)
{
    if (!written.error.isEmpty()) {
        finish(Kind::Failed, failure.arg(written.error));
        return;
    }
    backupFile = written.path;
    const QString shown = QDir::toNativeSeparators(backupFile);
    if (dataMismatch)
        backupNotice = tr("Only the switch's replies were backed up (to %1) because its plan cannot be read "
                          "with the satellite data: %2")
                           .arg(shown, undecodable);
    else if (!undecodable.isEmpty())
        backupNotice = tr("Only the switch's replies were backed up (to %1) because its plan cannot be "
                          "read: %2")
                           .arg(shown, undecodable);
    // The last moment a cancel leaves the switch untouched.
    if (stopIfCancelled())
        return;
    beginChanging();
    sendOption(0);
}

void SendPlanOperation::sendOption(int index)
{
    if (index == 3) {
        sendWords();
        return;
    }
    static const char *const names[] = {":CONF:LTEFILT", ":CONF:STBY", ":CONF:TERRAMP"};
    const bool on[] = {plan.lteFilter, plan.standBy, plan.terrestrialPath};
    setProgress(tr("Sending… %1 of %2").arg(index + 1).arg(commands));
    send(QString::fromLatin1(names[index]) + (on[index] ? QStringLiteral(" ON") : QStringLiteral(" OFF")),
         optionPauseMs, false, [this, index] { sendOption(index + 1); });
}

void SendPlanOperation::sendWords()
{
    QStringList texts;
    for (const CodeWord word : qAsConst(plan.words))
        texts << word.toText();
    setProgress(tr("Sending… %1 of %2").arg(commands).arg(commands));
    send(QStringLiteral(":CONF:ALL ") + texts.join(QLatin1Char(',')), planPauseMs, true, [this] {
        if (store)
            storeWords();
        else
            readBackWords();
    });
}

void SendPlanOperation::storeWords()
{
    setProgress(tr("Storing…"));
    send(QStringLiteral(":MEM:WRITE:ALL"), planPauseMs, true, [this] { readBackWords(); });
}

void SendPlanOperation::readBackWords()
{
    readingBack = true;
    readReplies([this](const DeviceReplies &replies) { compare(replies); }, tr("Reading back…"));
}

void SendPlanOperation::compare(const DeviceReplies &replies)
{
    const PlanReadBack readBack(plan, replies, *data);
    notes = readBack.notes();
    if (readBack.matches()) {
        readBackState = ReadBackState::Matches;
        finish(Kind::Done);
        return;
    }
    readBackState = ReadBackState::Differs;
    finish(Kind::Failed, PlanReadBack::differsMessage(readBack.differences()));
}

QString SendPlanOperation::readFailure(const QString &reason) const
{
    return readingBack ? PlanReadBack::notReadBackMessage(reason) : failure.arg(reason);
}

QString SendPlanOperation::lostFailure(const QString &reason) const
{
    return readingBack ? PlanReadBack::notReadBackMessage(reason) : reason;
}
