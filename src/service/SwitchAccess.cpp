#include "SwitchAccess.h"

#include "device/SerialPortHandler.h"

#include <QDir>
#include <QEventLoop>
#include <QScopeGuard>
#include <QTimer>

#include <exception>

SwitchAccess::SwitchAccess(const Environment &environment) : environment(environment) {}

bool SwitchAccess::lookOnce(SerialPortHandler &device)
{
    // The identification runs on the line's reports: this loop carries it.
    // The timer only guards against a look that never ends.
    QEventLoop wait;
    QTimer guard;
    guard.setSingleShot(true);
    bool connected = false;
    QObject::connect(&device, &SerialPortHandler::lookEnded, &wait, [&](bool ended) {
        connected = ended;
        wait.quit();
    });
    QObject::connect(&guard, &QTimer::timeout, &wait, &QEventLoop::quit);
    guard.start(lookDeadlineMs);
    device.lookNow();
    wait.exec();
    return connected && device.isConnected();
}

std::unique_ptr<SwitchAccess::Connected> SwitchAccess::connectTo(const SerialPortCandidate &candidate,
                                                                 QString *problem) const
{
    auto connected = std::make_unique<Connected>();
    connected->port = candidate.portName;
    connected->device =
        std::make_unique<SerialPortHandler>([candidate] { return QList<SerialPortCandidate>{candidate}; },
                                            environment.portOpener, environment.deviceRulePath);
    if (!lookOnce(*connected->device)) {
        // The window's words for a port that cannot be used.
        if (problem)
            *problem = connected->device->portProblem();
        return nullptr;
    }
    connected->transfers = std::make_unique<SwitchTransfers>(
        *connected->device, PlanBackup(environment.backupDirectory, environment.clock), environment.random);
    return connected;
}

SwitchAccess::Switches SwitchAccess::find(const QString &port, QStringList *notes,
                                          QStringList *portProblems) const
{
    QList<SerialPortCandidate> candidates;
    if (!port.isEmpty()) {
        candidates << SerialPortCandidate::ofSwitch(port);
    } else {
        try {
            candidates = environment.portLister();
        } catch (const std::exception &e) {
            *notes << QString::fromUtf8(e.what());
        }
    }
    Switches found;
    for (const SerialPortCandidate &candidate : qAsConst(candidates)) {
        if (!candidate.isSwitch())
            continue;
        QString problem;
        if (auto connected = connectTo(candidate, &problem))
            found.push_back(std::move(connected));
        else if (!problem.isEmpty())
            *portProblems << problem;
    }
    return found;
}

std::unique_ptr<SwitchAccess::Connected> SwitchAccess::theOne(const QString &port,
                                                              QStringList *messages) const
{
    QStringList portProblems;
    auto found = find(port, messages, &portProblems);
    if (found.size() == 1)
        return std::move(found.front());
    if (found.empty() && !portProblems.isEmpty())
        *messages << portProblems;
    else if (found.empty() && !port.isEmpty())
        *messages << tr("No switch answers on %1.").arg(QDir::toNativeSeparators(port));
    else if (found.empty())
        *messages << tr("No switch found. Connect the switch, or name its port with --port.");
    else {
        QStringList ports;
        for (const auto &connected : found)
            ports << QDir::toNativeSeparators(connected->port);
        *messages << tr("Several switches found (%1). Choose one with --port.")
                         .arg(ports.join(QStringLiteral(", ")));
    }
    return nullptr;
}

TransferEnd SwitchAccess::await(Connected &connected, const std::function<void()> &start)
{
    TransferEnd result;
    QEventLoop loop;
    const QMetaObject::Connection ended = QObject::connect(connected.transfers.get(), &SwitchTransfers::ended,
                                                           &loop, [&](const TransferEnd &end) {
                                                               result = end;
                                                               loop.quit();
                                                           });
    const auto disconnectAtEnd = qScopeGuard([&ended] { QObject::disconnect(ended); });
    start();
    // Every operation ends by itself: its lines have deadlines.
    loop.exec();
    return result;
}

std::optional<TransferEnd> SwitchAccess::transferOnTheOne(const QString &port,
                                                          const std::function<bool()> &prepared,
                                                          const std::function<void(Connected &)> &found,
                                                          const std::function<void(SwitchTransfers &)> &start,
                                                          QStringList *messages) const
{
    if (!prepared())
        return std::nullopt;
    const std::unique_ptr<Connected> connected = theOne(port, messages);
    if (!connected)
        return std::nullopt;
    if (found)
        found(*connected);
    TransferEnd end;
    try {
        end = await(*connected, [&] { start(*connected->transfers); });
    } catch (const std::exception &e) {
        *messages << QString::fromUtf8(e.what());
        return std::nullopt;
    }
    if (end.done())
        return end;
    // A read-back's differences come one per line.
    *messages << end.result.message.split(QLatin1Char('\n'));
    return std::nullopt;
}
