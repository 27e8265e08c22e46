#include "SatelliteDataView.h"

#include "db/ServerSettings.h"
#include "io/LocalPath.h"
#include "service/ServerChoice.h"

#include <utility>

SatelliteDataView::SatelliteDataView(PlanEditor &editor, const Environment &environment, QObject *parent,
                                     std::unique_ptr<SatelliteData> given)
    : QObject(parent), editor(editor),
      satellites(given ? std::move(given) : std::make_unique<SatelliteData>(environment)),
      serverSettingsFile(environment.serverSettingsFile), serverChosen(environment.serverChosen)
{
    connect(satellites.get(), &SatelliteData::savedDataOutdated, this,
            [this] { addStartupWarning(outdatedDataMessage()); });
    connect(satellites.get(), &SatelliteData::warning, this, &SatelliteDataView::addStartupWarning);
    connect(satellites.get(), &SatelliteData::downloadFinished, this, &SatelliteDataView::downloadArrived);
    // The band list reaches the lists through properties and calls.
    qRegisterMetaType<TransponderLists *>();
    qRegisterMetaType<TransponderListModel *>();
    lists = new TransponderLists(satellites->catalogue(), this, satellites->ownTransponders());
}

SatelliteDataView::~SatelliteDataView() = default;

void SatelliteDataView::initialize()
{
    start([this] { satellites->loadNow(); });
    editor.setCatalogue(catalogue());
    updateTransponderLists();
}

void SatelliteDataView::initializeInBackground()
{
    // The window is usable at once with the data on this machine; the
    // server's come in place when they arrive.
    showLocalData();
    updateSatelliteData();
}

bool SatelliteDataView::showLocalData()
{
    if (!satellites->loadLocalData())
        return false;
    fitPlanToData();
    emit satelliteDataSummaryChanged();
    emit deviceSearchWanted();
    return true;
}

void SatelliteDataView::updateSatelliteData()
{
    if (fetching)
        return;
    if (satellites->startDownload())
        setFetching(true);
    else
        setNotice(tr("A download of the satellite data is still under way; try again in a few seconds."));
}

QString SatelliteDataView::importSatelliteData(const QString &url)
{
    // A transfer sends the data it started with.
    if (holding)
        return tr("The switch is busy; import the satellite data when it is done.");
    const QString refused = satellites->importFrom(LocalPath::fromUrlText(url));
    if (!refused.isEmpty())
        return refused;
    const QString missing = fitPlanToData();
    emit satelliteDataSummaryChanged();
    setNotice(satellites->newDataMessage() + missing);
    return QString();
}

void SatelliteDataView::setHeld(bool on)
{
    if (holding == on)
        return;
    holding = on;
    if (!holding && pendingDownload) {
        const std::unique_ptr<SatelliteSource::Download> arrived = std::move(pendingDownload);
        finishDownload(*arrived);
    }
}

void SatelliteDataView::downloadArrived(const SatelliteSource::Download &result)
{
    // A transfer sends the plan and data it started with: data that arrive
    // meanwhile are taken in when it has ended.
    if (holding) {
        pendingDownload = std::make_unique<SatelliteSource::Download>(result);
        return;
    }
    finishDownload(result);
}

void SatelliteDataView::finishDownload(const SatelliteSource::Download &result)
{
    setFetching(false);
    takeDownload(result);
    emit satelliteDataReady();
}

void SatelliteDataView::takeDownload(const SatelliteSource::Download &result)
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

QString SatelliteDataView::satelliteNumberingNote() const
{
    return satellites->numberingNote();
}

QString SatelliteDataView::satelliteDataSummary() const
{
    return satellites->summary(serverFailure);
}

void SatelliteDataView::setNotice(const QString &text)
{
    if (notice == text)
        return;
    notice = text;
    emit satelliteDataNoticeChanged();
}

QString SatelliteDataView::fitPlanToData()
{
    const QStringList names = catalogue()->satelliteNames();
    emit satelliteListChanged(names);
    QString missing = editor.takeData(catalogue(), satellites->startPair());
    const QString numbering = satelliteNumberingNote();
    if (!numbering.isEmpty())
        missing += QLatin1Char(' ') + numbering;
    updateTransponderLists();
    emit satelliteDataChanged();
    return missing;
}

void SatelliteDataView::updateTransponderLists()
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

QString SatelliteDataView::ownTransponderSatellite(int row) const
{
    return editor.satelliteOf(row);
}

QString SatelliteDataView::addOwnTransponder(int row, const QString &frequency, const QString &polarisation)
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
        editor.chooseTransponder(row, int(added->transponder));
    return QString();
}

void SatelliteDataView::start(const std::function<void()> &getData, bool searchDevice)
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
        emit deviceSearchWanted();
}

void SatelliteDataView::addStartupWarning(const QString &text)
{
    if (starting)
        startupWarnings << text;
    else
        emit warningOccured(text);
}

void SatelliteDataView::setFetching(bool on)
{
    if (fetching == on)
        return;
    fetching = on;
    emit fetchingSatellitesChanged();
}

void SatelliteDataView::reportNoSatelliteData()
{
    emit errorOccured(satellites->withFailureReason(databaseMissingMessage()));
    emit noInternetConnection();
}

QStringList SatelliteDataView::availableSatelites()
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

QVariantList SatelliteDataView::itemsForSatelite(const QString &name)
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

QString SatelliteDataView::databaseMissingMessage()
{
    return tr("Couldn't connect to database. Please check your internet connection, then open \"Satellite "
              "data…\", check the server and press \"Update now\".");
}

QString SatelliteDataView::outdatedDataMessage()
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

QVariantMap SatelliteDataView::serverSettings() const
{
    return fieldsOf(satellites->connectionSettings());
}

QString SatelliteDataView::saveServerSettings(const QVariantMap &fields)
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

QVariantMap SatelliteDataView::resetServerSettings()
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

bool SatelliteDataView::tlsRequiredFor(const QString &host) const
{
    return ServerSettings::tlsRequiredByDefault(host.trimmed());
}
