#include "SiteView.h"

#include "DeviceStatus.h"
#include "SwitchView.h"
#include "io/LocalPath.h"
#include "io/LogCategories.h"
#include "model/SettingsFile.h"
#include "site/SiteChange.h"
#include "site/SiteFile.h"

#include <QFileInfo>

#include <exception>
#include <utility>

SiteView::SiteView(PlanEditor &editor, SwitchView &switchView, Today today, QObject *parent)
    : QObject(parent), editor(editor), status(*switchView.deviceStatus()), today(std::move(today)),
      list(new SiteEntryListModel(this))
{
    connect(&status, &DeviceStatus::serialNumberChanged, this, &SiteView::refreshList);
    connect(&status, &DeviceStatus::connectedChanged, this, &SiteView::refreshList);
    connect(&switchView, &SwitchView::storedAndReadBack, this, &SiteView::switchStored);
}

QString SiteView::connectedLabel() const
{
    const int row = connectedRow();
    return row < 0 ? QString() : site.entries.at(row).label;
}

int SiteView::connectedRow() const
{
    const std::optional<QString> serial = status.connectedSwitch();
    return isOpen() && serial ? site.indexOfSerial(*serial) : -1;
}

QString SiteView::openSite(const QString &fileName)
{
    const QString path = LocalPath::fromUrlText(fileName);
    Site read;
    QString reason;
    if (!SiteFile(path).read(&read, &reason))
        return reason;
    show(read, path);
    return QString();
}

QString SiteView::createSite(const QString &fileName)
{
    const QString path = LocalPath::fromUrlText(fileName);
    // The file dialog asked before an existing file was chosen: it is
    // opened, never emptied.
    if (QFileInfo::exists(path))
        return openSite(path);
    // The file is written with the first switch added.
    Site fresh;
    fresh.name = QFileInfo(path).completeBaseName();
    show(fresh, path);
    return QString();
}

void SiteView::closeSite()
{
    show(Site(), QString());
}

void SiteView::show(const Site &value, const QString &path)
{
    const bool otherFile = path != sitePath;
    site = value;
    sitePath = path;
    if (otherFile) {
        onScreen.clear();
        pending.reset();
    } else if (site.indexOfLabel(onScreen) < 0) {
        onScreen.clear();
    }
    refreshList();
    emit siteChanged();
}

void SiteView::refreshList()
{
    list->setEntries(site.entries, connectedRow(), site.indexOfLabel(onScreen));
    emit connectedChanged();
    const QStringList now{sitePath, site.name, placeLabel()};
    if (now != place) {
        place = now;
        emit placeChanged();
    }
}

QString SiteView::placeLabel() const
{
    const QString connected = connectedLabel();
    return connected.isEmpty() ? onScreen : connected;
}

QString SiteView::write(const SiteChange &change)
{
    if (!isOpen())
        return noSiteMessage();
    Site written;
    QString reason;
    if (!SiteFile(sitePath).apply(change, &reason, &written)) {
        qCWarning(fileLog).noquote() << "site file not changed:" << reason;
        return reason;
    }
    show(written, sitePath);
    return QString();
}

std::optional<BandPlan> SiteView::planOf(int row) const
{
    if (row < 0 || row >= site.entries.size())
        return std::nullopt;
    try {
        return SettingsFile::fromBytes(site.entries.at(row).plan, sitePath);
    } catch (const std::exception &error) {
        qCWarning(fileLog).noquote() << "a site's plan does not read:" << error.what();
        return std::nullopt;
    }
}

QString SiteView::labelAt(int row) const
{
    return row >= 0 && row < site.entries.size() ? site.entries.at(row).label : QString();
}

bool SiteView::screenShows(int row) const
{
    const std::optional<BandPlan> plan = planOf(row);
    return plan && *plan == editor.plan();
}

QString SiteView::putOnScreen(int row)
{
    if (row < 0 || row >= site.entries.size())
        return noEntryMessage();
    const std::optional<BandPlan> plan = planOf(row);
    if (!plan)
        return damagedPlanMessage(site.entries.at(row).label);
    editor.replace(*plan);
    takeOnScreen(site.entries.at(row).label);
    return QString();
}

QString SiteView::addPlanOnScreen(const QString &label)
{
    SiteEntry entry;
    entry.label = label;
    entry.plan = SettingsFile::bytes(editor.plan());
    const QString refused = write(SiteChange::add(entry));
    if (refused.isEmpty())
        takeOnScreen(label);
    return refused;
}

QString SiteView::replaceWithPlanOnScreen(int row)
{
    if (row < 0 || row >= site.entries.size())
        return noEntryMessage();
    const SiteEntry &entry = site.entries.at(row);
    const QString label = entry.label;
    const QString refused =
        write(SiteChange::replacePlan(label, entry.plan, SettingsFile::bytes(editor.plan())));
    if (refused.isEmpty())
        takeOnScreen(label);
    return refused;
}

QString SiteView::rename(int row, const QString &label)
{
    if (row < 0 || row >= site.entries.size())
        return noEntryMessage();
    const SiteEntry &entry = site.entries.at(row);
    if (label == entry.label)
        return QString();
    const QString before = entry.label;
    const QString refused = write(SiteChange::rename(before, entry.plan, label));
    // The plan on screen still came from the same switch.
    if (refused.isEmpty() && onScreen == before)
        takeOnScreen(label);
    return refused;
}

QString SiteView::remove(int row)
{
    if (row < 0 || row >= site.entries.size())
        return noEntryMessage();
    const SiteEntry &entry = site.entries.at(row);
    return write(SiteChange::remove(entry.label, entry.plan));
}

QString SiteView::setName(const QString &name)
{
    if (isOpen() && name == site.name)
        return QString();
    return write(SiteChange::setName(name));
}

QString SiteView::setNote(const QString &note)
{
    if (isOpen() && note == site.note)
        return QString();
    return write(SiteChange::setNote(note));
}

void SiteView::takeOnScreen(const QString &label)
{
    onScreen = label;
    refreshList();
}

void SiteView::switchStored(const BandPlan &plan, const QString &serial)
{
    if (!isOpen())
        return;
    // The entry the plan came from; else the one that knows the switch.
    int row = site.indexOfLabel(onScreen);
    if (row < 0 && !serial.isEmpty())
        row = site.indexOfSerial(serial);
    if (row < 0)
        return;
    const QString label = site.entries.at(row).label;
    const std::optional<BandPlan> entryPlan = planOf(row);
    if (entryPlan && *entryPlan == plan) {
        const QString refused = record(label, plan, serial, false);
        if (!refused.isEmpty())
            emit errorOccured(refused);
        return;
    }
    pending = Pending{label, plan, serial};
    emit replaceAsked(label, replaceQuestion(label));
}

QString SiteView::answerReplace(bool replace)
{
    if (!pending)
        return QString();
    const Pending asked = *std::exchange(pending, std::nullopt);
    if (!replace)
        return QString();
    return record(asked.label, asked.plan, asked.serial, true);
}

QString SiteView::record(const QString &label, const BandPlan &plan, const QString &serial, bool takePlan)
{
    const int row = site.indexOfLabel(label);
    if (row < 0)
        return noEntryMessage();
    QByteArray planRead = site.entries.at(row).plan;
    if (takePlan) {
        const QByteArray bytes = SettingsFile::bytes(plan);
        const QString refused = write(SiteChange::replacePlan(label, planRead, bytes));
        if (!refused.isEmpty())
            return refused;
        planRead = bytes;
        takeOnScreen(label);
    }
    return write(SiteChange::recordStore(label, planRead, serial, today(), true));
}

QString SiteView::noSiteMessage()
{
    return tr("No site is open.");
}

QString SiteView::noEntryMessage()
{
    return tr("The site has no such switch.");
}

QString SiteView::damagedPlanMessage(const QString &label)
{
    return tr("The plan of \"%1\" in the site file is damaged; the plan on screen stays.").arg(label);
}

QString SiteView::replaceQuestion(const QString &label)
{
    return tr("The switch now holds the plan on screen, which differs from the plan of \"%1\" in the "
              "site. Replace the plan of \"%1\" with it and record the switch there?")
        .arg(label);
}
