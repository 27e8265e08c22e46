#include "UBModelController.h"

#include "io/LocalPath.h"
#include "io/LogCategories.h"
#include "io/PrintableText.h"
#include "io/WholeFile.h"
#include "model/BandRules.h"
#include "model/NoSatelliteData.h"
#include "model/PlanCheck.h"
#include "model/SettingsFile.h"
#include "model/SwitchSatellites.h"
#include "controller/UBDataModel.h"
#include "service/PlanPreparation.h"
#include "service/ServerChoice.h"

#include <QDir>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <new>
#include <utility>

namespace {
constexpr int planSize = BandPlan::size;
static_assert(SwitchSatellites::maxSatId == CodeWord::maxSatId, "one limit for satellite ids");
} // namespace

UBModelController::UBModelController(UBDataModel *model) : UBModelController(model, Environment()) {}

UBModelController::UBModelController(UBDataModel *model, Environment environment, DiagnosticLines output)
    : model(model), editor(model->editor()), status(new DeviceStatus(this)),
      lnb1MissingMessage(PlanCheck::failureMessage(PlanCheck::Failure::Lnb1Missing)),
      lnb2MissingMessage(PlanCheck::failureMessage(PlanCheck::Failure::Lnb2Missing)),
      staticUnassignedMessage(PlanCheck::failureMessage(PlanCheck::Failure::StaticUnassigned)),
      dbConnectionMessage(databaseMissingMessage()), serverSettingsFile(environment.serverSettingsFile),
      serverChosen(environment.serverChosen), output(std::move(output))
{
    editor->resetToDefault();
    connect(editor, &PlanEditor::errorOccured, this, &UBModelController::errorOccured);
    connect(editor, &PlanEditor::staticUBsChanged, this, &UBModelController::staticUBsChanged);

    satellites = std::make_unique<SatelliteData>(environment);
    connect(satellites.get(), &SatelliteData::savedDataOutdated, this, &UBModelController::dbDataOutdated);
    connect(satellites.get(), &SatelliteData::warning, this, &UBModelController::addStartupWarning);
    connect(satellites.get(), &SatelliteData::downloadFinished, this,
            [this](const SatelliteSource::Download &result) {
                // A transfer sends the plan and data it started with: data
                // that arrive meanwhile are taken in when it has ended.
                if (busy()) {
                    pendingDownload = std::make_unique<SatelliteSource::Download>(result);
                    return;
                }
                finishDownload(result);
            });
    // The band list reaches the lists through properties and calls.
    qRegisterMetaType<TransponderLists *>();
    qRegisterMetaType<TransponderListModel *>();
    lists = new TransponderLists(satellites->catalogue(), this, satellites->ownTransponders());

    serialPortHandler =
        std::make_unique<SerialPortHandler>(environment.portLister, environment.portOpener,
                                            environment.deviceRulePath, environment.searchIntervalMs);
    connect(serialPortHandler.get(), &SerialPortHandler::portProblemChanged, status,
            [this] { status->setPortProblem(serialPortHandler->portProblem()); });
    status->setPortProblem(serialPortHandler->portProblem());
    transfers = std::make_unique<SwitchTransfers>(
        *serialPortHandler, PlanBackup(environment.backupDirectory, environment.clock), environment.random);
    followTransfers();
    // The serial number shown must change before the interface hears of
    // the device, so the status's slots are connected first.
    connect(serialPortHandler.get(), &SerialPortHandler::deviceFound, status, &DeviceStatus::deviceFound);
    connect(serialPortHandler.get(), &SerialPortHandler::deviceMissing, status, &DeviceStatus::deviceMissing);
    connect(serialPortHandler.get(), &SerialPortHandler::deviceFound, this,
            [this](const QString &identification) {
                this->output.write(QStringLiteral("found ") + PrintableText::escaped(identification));
            });
    connect(serialPortHandler.get(), &SerialPortHandler::deviceFound, this, &UBModelController::deviceFound);
    connect(serialPortHandler.get(), &SerialPortHandler::deviceMissing, this,
            &UBModelController::deviceMissing);
    connect(serialPortHandler.get(), &SerialPortHandler::errorOccured, this,
            &UBModelController::errorOccured);
}

UBModelController::~UBModelController()
{
    // The transfers use the device link: they go first.
    transfers.reset();
    serialPortHandler.reset();
    satellites.reset();
}

void UBModelController::initialize()
{
    start([this] { satellites->loadNow(); });
    editor->setCatalogue(catalogue());
    updateTransponderLists();
}

void UBModelController::initializeInBackground()
{
    // The window is usable at once with the data on this machine; the
    // server's come in place when they arrive.
    if (satellites->loadLocalData()) {
        fitPlanToData();
        emit satelliteDataSummaryChanged();
        serialPortHandler->startDeviceSearch();
    }
    updateSatelliteData();
}

void UBModelController::updateSatelliteData()
{
    if (fetching)
        return;
    if (satellites->startDownload())
        setFetching(true);
    else
        setNotice(tr("A download of the satellite data is still under way; try again in a few seconds."));
}

QString UBModelController::importSatelliteData(const QString &url)
{
    // A transfer sends the data it started with.
    if (busy())
        return tr("The switch is busy; import the satellite data when it is done.");
    const QString refused = satellites->importFrom(LocalPath::fromUrlText(url));
    if (!refused.isEmpty())
        return refused;
    const QString missing = fitPlanToData();
    emit satelliteDataSummaryChanged();
    setNotice(satellites->newDataMessage() + missing);
    return QString();
}

void UBModelController::takeDownload(const SatelliteSource::Download &result)
{
    const bool hadData = satellites->hasData();
    const SatelliteSource::Source sourceBefore = satellites->source().source();
    bool changed = false;
    start([&] { changed = satellites->take(result); }, !hadData);
    if (!satellites->hasData()) {
        setNotice(QString());
        return;
    }
    QString missing;
    if (changed)
        missing = fitPlanToData();
    // Named now: the server set may change before the summary is read.
    const QString failure = satellites->source().serverFailureText();
    if (changed || satellites->source().source() != sourceBefore || failure != serverFailure) {
        serverFailure = failure;
        emit satelliteDataSummaryChanged();
    }
    // Nobody who named no server wants to hear first that it is missing:
    // the summary and the support report tell it then.
    if (!result.complete && serverChosen)
        setNotice(satellites->noServerNotice(result.reason));
    else if (changed && hadData)
        setNotice(satellites->newDataMessage() + missing);
    else
        setNotice(missing.trimmed());
}

QString UBModelController::satelliteNumberingNote() const
{
    return satellites->numberingNote();
}

QString UBModelController::satelliteDataSummary() const
{
    return satellites->summary(serverFailure);
}

void UBModelController::setNotice(const QString &text)
{
    if (notice == text)
        return;
    notice = text;
    emit satelliteDataNoticeChanged();
}

QString UBModelController::fitPlanToData()
{
    setTaking(true);
    const QStringList names = catalogue()->satelliteNames();
    emit satelliteListChanged(names);
    QString missing = editor->takeData(catalogue(), satellites->startPair());
    const QString numbering = satelliteNumberingNote();
    if (!numbering.isEmpty())
        missing += QLatin1Char(' ') + numbering;
    setTaking(false);
    updateTransponderLists();
    emit satelliteDataChanged();
    return missing;
}

void UBModelController::setTaking(bool on)
{
    if (taking == on)
        return;
    taking = on;
    emit takingSatelliteDataChanged();
}

void UBModelController::updateTransponderLists()
{
    const SharedCatalogue data = catalogue();
    if (lists->catalogue() == data)
        return;
    TransponderLists *old = lists;
    lists = new TransponderLists(data, this, satellites->ownTransponders());
    emit transponderListsChanged();
    // The rows let go of the old lists within that emission.
    old->deleteLater();
}

QString UBModelController::ownTransponderSatellite(int row) const
{
    return editor->satelliteOf(row);
}

QString UBModelController::addOwnTransponder(int row, const QString &frequency, const QString &polarisation)
{
    const QString satellite = ownTransponderSatellite(row);
    bool number = false;
    const OwnTransponder entry{satellite, frequency.trimmed().toUInt(&number),
                               Polarisation::fromText(polarisation)};
    if (!number)
        return OwnTransponders::frequencyMessage();
    const SatelliteData::Adding adding = satellites->addOwnTransponder(entry);
    if (adding.listedTwice)
        return OwnTransponders::listedTwiceMessage();
    if (!adding.refusal.isEmpty())
        return adding.refusal;
    if (adding.dataChanged) {
        fitPlanToData();
        emit satelliteDataSummaryChanged();
    }
    const TransponderItem *added = catalogue()->findTransponderByFrequency(
        satellite, entry.frequency, entry.polarisation.horizontalBit());
    if (added)
        editor->chooseTransponder(row, int(added->transponder));
    return QString();
}

void UBModelController::start(const std::function<void()> &getData, bool searchDevice)
{
    startupWarnings.clear();
    starting = true;
    bool ok = true;
    try {
        getData();
    } catch (...) {
        ok = false;
    }
    starting = false;
    // One box for everything the start-up has to say, however many.
    if (!startupWarnings.isEmpty())
        emit warningOccured(startupWarnings.join(QStringLiteral("\n\n")));
    startupWarnings.clear();
    if (!ok) {
        reportNoSatelliteData();
        return;
    }
    if (searchDevice)
        serialPortHandler->startDeviceSearch();
}

void UBModelController::addStartupWarning(const QString &text)
{
    if (starting)
        startupWarnings << text;
    else
        emit warningOccured(text);
}

void UBModelController::setFetching(bool on)
{
    if (fetching == on)
        return;
    fetching = on;
    emit fetchingSatellitesChanged();
}

void UBModelController::reportNoSatelliteData()
{
    emit errorOccured(satellites->withFailureReason(dbConnectionMessage));
    emit noInternetConnection();
}

QStringList UBModelController::availableSatelites()
{
    // Asked while the data are still coming: nothing yet, and no failure.
    const SharedCatalogue data = catalogue();
    if (data->isEmpty()) {
        if (!fetching)
            reportNoSatelliteData();
        return {};
    }
    return data->satelliteNames();
}

QVariantList UBModelController::itemsForSatelite(const QString &name)
{
    const SharedCatalogue data = catalogue();
    if (data->isEmpty()) {
        if (!fetching)
            reportNoSatelliteData();
        return {};
    }
    QVariantList items;
    for (const TransponderItem &item : data->transponders(name))
        items << QVariant::fromValue(item.transponder) << QVariant::fromValue(item.frequency);
    return items;
}

QString UBModelController::databaseMissingMessage()
{
    return tr("Couldn't connect to database. Please check your internet connection, then open \"Satellite "
              "data…\", check the server and press \"Update now\".");
}

QString UBModelController::outdatedDataMessage()
{
    return tr(
        "Offline data for satelites older than 1 month. Please connect to the internet, open \"Satellite "
        "data…\" and press \"Update now\" to update offline data.");
}

namespace {
// The window's form of the server setting, as QML reads and fills it.
QVariantMap fieldsOf(const SatelliteSource::Connection &connection)
{
    const ServerChoice choice = ServerChoice::of(connection);
    return {{QStringLiteral("host"), choice.host},
            {QStringLiteral("port"), choice.port},
            {QStringLiteral("database"), choice.database},
            {QStringLiteral("user"), choice.user},
            {QStringLiteral("password"), choice.password},
            {QStringLiteral("caFile"), choice.caFile},
            {QStringLiteral("requireTls"), choice.requireTls.value_or(false)}};
}

ServerChoice choiceOf(const QVariantMap &fields)
{
    ServerChoice choice;
    choice.host = fields.value(QStringLiteral("host")).toString();
    choice.port = fields.value(QStringLiteral("port")).toString();
    choice.database = fields.value(QStringLiteral("database")).toString();
    choice.user = fields.value(QStringLiteral("user")).toString();
    choice.password = fields.value(QStringLiteral("password")).toString();
    choice.caFile = fields.value(QStringLiteral("caFile")).toString();
    // Fields without the choice take the host's default.
    const QVariant tls = fields.value(QStringLiteral("requireTls"));
    if (tls.isValid())
        choice.requireTls = tls.toBool();
    return choice;
}
} // namespace

QVariantMap UBModelController::serverSettings() const
{
    return fieldsOf(satellites->connectionSettings());
}

QString UBModelController::saveServerSettings(const QVariantMap &fields)
{
    const SatelliteSource::Connection connection =
        choiceOf(fields).appliedTo(satellites->connectionSettings());
    const QString why = ServerSettings(serverSettingsFile).save(connection);
    if (why.isEmpty()) {
        satellites->setConnection(connection);
        serverChosen = true;
    }
    return why;
}

QVariantMap UBModelController::resetServerSettings()
{
    const ServerSettings settings(serverSettingsFile);
    const QString why = settings.reset();
    if (!why.isEmpty())
        emit errorOccured(why);
    serverChosen = settings.isChosen();
    const SatelliteSource::Connection defaults = SatelliteSource::defaultConnection();
    satellites->setConnection(defaults);
    return fieldsOf(defaults);
}

bool UBModelController::tlsRequiredFor(const QString &host) const
{
    return ServerSettings::tlsRequiredByDefault(host.trimmed());
}

void UBModelController::dbDataOutdated()
{
    addStartupWarning(outdatedDataMessage());
}

bool UBModelController::validateData(const PlanVerdict &verdict)
{
    const PlanCheck &check = verdict.check;
    switch (check.failure()) {
    case PlanCheck::Failure::Lnb1Missing:
        emit errorOccured(lnb1MissingMessage);
        return false;
    case PlanCheck::Failure::Lnb2Missing:
        emit errorOccured(lnb2MissingMessage);
        return false;
    case PlanCheck::Failure::StaticUnassigned:
        // The UBs it concerns on a second line.
        emit errorOccured(staticUnassignedMessage + QLatin1Char('\n') + check.unassignedText());
        return false;
    case PlanCheck::Failure::DynamicLineInvalid:
        emit errorOccured(check.messages().join(QLatin1Char('\n')));
        return false;
    case PlanCheck::Failure::None:
        break;
    }
    // A warning, not a refusal: it comes whatever follows.
    if (check.localUBTooHigh())
        emit warningOccured(PlanCheck::localUBWarning());
    if (verdict.noData) {
        reportNoSatelliteData();
        return false;
    }
    if (!verdict.words.sendable()) {
        emit errorOccured(verdict.words.message());
        return false;
    }
    return true;
}

// ---- Transfers to and from the device ----

void UBModelController::followTransfers()
{
    connect(transfers.get(), &SwitchTransfers::busyChanged, this, &UBModelController::transferBusyChanged);
    connect(transfers.get(), &SwitchTransfers::progressChanged, status,
            [this] { status->setTransferProgress(transfers->progress(), transfers->cancellable()); });
    connect(transfers.get(), &SwitchTransfers::ended, this, &UBModelController::transferEnded);
    connect(status, &DeviceStatus::cancelAsked, this, &UBModelController::cancelTransfer);
}

void UBModelController::cancelTransfer()
{
    // The log shows whether the transfer could still be stopped.
    qCInfo(transferLog) << "cancel asked; the transfer"
                        << (status->cancellable() ? "stops" : "runs to its end");
    transfers->cancel();
}

void UBModelController::transferBusyChanged()
{
    status->setBusy(transfers->busy());
    if (!status->busy() && pendingDownload) {
        const std::unique_ptr<SatelliteSource::Download> arrived = std::move(pendingDownload);
        finishDownload(*arrived);
    }
}

void UBModelController::finishDownload(const SatelliteSource::Download &result)
{
    setFetching(false);
    takeDownload(result);
    emit satelliteDataReady();
}

void UBModelController::runTransfer(const std::function<void()> &start, AfterTransfer then)
{
    // What is sent is what the window shows: no second transfer meanwhile.
    if (busy())
        return;
    try {
        afterTransfer = std::move(then);
        start();
    } catch (const NoSatelliteData &) {
        afterTransfer = {};
        reportNoSatelliteData();
    } catch (const std::exception &e) {
        afterTransfer = {};
        emit errorOccured(QString::fromUtf8(e.what()));
    } catch (...) {
        afterTransfer = {};
        emit errorOccured(tr("Unknown error"));
    }
}

void UBModelController::transferEnded(const TransferEnd &end)
{
    const AfterTransfer then = std::exchange(afterTransfer, {});
    switch (end.result.kind) {
    case DeviceOperation::Kind::Done:
        if (then)
            then(end);
        break;
    case DeviceOperation::Kind::Cancelled:
        emit informationOccured(end.result.message);
        break;
    default:
        emit errorOccured(end.result.message);
        break;
    }
}

void UBModelController::reportSent(const TransferEnd &end)
{
    if (!end.backupNotice().isEmpty())
        emit warningOccured(end.backupNotice());
    emit informationOccured(end.sentMessage());
}

void UBModelController::sendDataToDevice()
{
    sendPlan(false);
}

void UBModelController::storeDataInEEPROM()
{
    sendPlan(true);
}

void UBModelController::sendPlan(bool store)
{
    if (busy())
        return;
    // The plan met the data when they came; it is judged as it will be sent.
    const PlanVerdict verdict = PlanPreparation(catalogue()).judge(editor->plan());
    if (!validateData(verdict))
        return;
    runTransfer([this, &verdict, store] { transfers->sendPrepared(verdict, store, catalogue()); },
                [this](const TransferEnd &end) { reportSent(end); });
}

void UBModelController::readFromDevice()
{
    runTransfer([this] { transfers->read(editor->plan().lnb1, editor->plan().lnb2, catalogue()); },
                [this](const TransferEnd &end) {
                    // Whole or nothing: a failed read leaves the window's plan as it was.
                    editor->replace(end.result.plan);
                    if (!end.notes.isEmpty())
                        emit informationOccured(end.notes.join(QLatin1Char('\n')));
                });
}

void UBModelController::compareWithDevice()
{
    runTransfer([this] { transfers->compare(editor->plan(), catalogue()); },
                [this](const TransferEnd &end) { emit comparisonReady(end.comparison + end.notes); });
}

// ---- Settings files ----

void UBModelController::saveToFile(const QString &fileName)
{
    try {
        SettingsFile::write(LocalPath::fromUrlText(fileName), editor->plan());
    } catch (const std::exception &error) {
        // The file and the system's reason on a second line.
        emit errorOccured(tr("Error while saving") + QLatin1Char('\n') +
                          QString::fromStdString(error.what()));
    } catch (...) {
        emit errorOccured(tr("Error while saving"));
    }
}

void UBModelController::readFromFile(const QString &fileName)
{
    const QString path = LocalPath::fromUrlText(fileName);
    try {
        // Written as soon as the version is read, for a damaged file too.
        const BandPlan plan = SettingsFile::read(path, [this](const QString &version) {
            const QString line = QStringLiteral("File from version: ") + PrintableText::escaped(version);
            qCDebug(fileLog).noquote() << line;
            output.write(line);
        });
        editor->replace(plan);
        // The plan stays as loaded; what the data lack is marked and said.
        const SharedCatalogue data = catalogue();
        if (!data->isEmpty())
            setNotice(editor->checkAgainstData().trimmed());
    } catch (const std::bad_alloc &) {
        emit errorOccured(tr("Error while loading") + QLatin1Char('\n') +
                          WholeFile::readFailure(path, WholeFile::outOfMemoryReason()));
    } catch (const std::exception &error) {
        // The file and the system's reason on a second line.
        emit errorOccured(tr("Error while loading") + QLatin1Char('\n') +
                          QString::fromStdString(error.what()));
    } catch (...) {
        emit errorOccured(tr("Error while loading"));
    }
}

// ---- The plan's rules, kept by the editor ----

void UBModelController::setStaticUBs(uint numStaticUBs, bool above)
{
    editor->setStaticUBs(numStaticUBs, above);
}

void UBModelController::resetDynamicUBs(bool resetLines)
{
    editor->resetDynamicUBs(resetLines);
}

void UBModelController::chooseTransponder(int row, int transponder)
{
    editor->chooseTransponder(row, transponder);
}

void UBModelController::chooseLnb(int row, int lnb)
{
    editor->chooseLnb(row, lnb);
}
