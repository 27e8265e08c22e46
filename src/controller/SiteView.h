#pragma once

#include "PlanEditor.h"
#include "SiteEntryListModel.h"
#include "site/Site.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class DeviceStatus;
class SiteChange;
class SwitchView;

// The open site as the window's "Site…" dialog shows it: the site read from
// its file, its entries, the entry of the connected switch, and the actions
// on them. Each change is written through the site file's merge, so that an
// entry another program changed meanwhile is refused, not overwritten. The
// plan on screen is replaced only when asked to; the dialog asks the user
// first. Actions answer with the reason they failed (translated), empty when
// done.
class SiteView : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isOpen READ isOpen NOTIFY siteChanged)
    Q_PROPERTY(QString path READ path NOTIFY siteChanged)
    Q_PROPERTY(QString name READ name NOTIFY siteChanged)
    Q_PROPERTY(QString note READ note NOTIFY siteChanged)
    Q_PROPERTY(SiteEntryListModel *entries READ entries CONSTANT)
    // The label of the connected switch's entry; empty when the open site
    // does not know the switch.
    Q_PROPERTY(QString connectedLabel READ connectedLabel NOTIFY connectedChanged)
    Q_PROPERTY(int connectedRow READ connectedRow NOTIFY connectedChanged)

public:
    using Today = std::function<QDate()>;

    SiteView(PlanEditor &editor, SwitchView &switchView, Today today = &QDate::currentDate,
             QObject *parent = nullptr);

    bool isOpen() const { return !sitePath.isEmpty(); }
    QString path() const { return sitePath; }
    QString name() const { return site.name; }
    QString note() const { return site.note; }
    SiteEntryListModel *entries() const { return list; }
    QString connectedLabel() const;
    int connectedRow() const;
    const Site &value() const { return site; }
    // The label of the entry the plan on screen came from (put on screen,
    // added or replaced); empty when none.
    QString onScreenLabel() const { return onScreen; }
    // Where the connected switch hangs, for the backups of its plan and the
    // support report: its entry's label when the site knows the switch,
    // else the entry the plan on screen came from; empty when neither.
    QString placeLabel() const;

    // A URL as the file dialog gives it, or a path.
    Q_INVOKABLE QString openSite(const QString &fileName);
    // A new, empty site named after its file.
    Q_INVOKABLE QString createSite(const QString &fileName);
    Q_INVOKABLE void closeSite();

    // Whether the plan on screen is that entry's already: then putting it on
    // screen loses nothing and needs no question.
    Q_INVOKABLE bool screenShows(int row) const;
    // The entry's label; empty outside the list.
    Q_INVOKABLE QString labelAt(int row) const;
    Q_INVOKABLE QString putOnScreen(int row);
    Q_INVOKABLE QString addPlanOnScreen(const QString &label);
    Q_INVOKABLE QString replaceWithPlanOnScreen(int row);
    Q_INVOKABLE QString rename(int row, const QString &label);
    Q_INVOKABLE QString remove(int row);
    Q_INVOKABLE QString setName(const QString &name);
    Q_INVOKABLE QString setNote(const QString &note);
    // The answer to replaceAsked(): with `replace`, the entry takes the
    // plan stored and records the switch; without, nothing is recorded.
    Q_INVOKABLE QString answerReplace(bool replace);

    static QString noSiteMessage();
    // For the dialog's file line.
    Q_INVOKABLE QString noSiteText() const { return noSiteMessage(); }
    static QString noEntryMessage();
    static QString damagedPlanMessage(const QString &label);
    static QString replaceQuestion(const QString &label);

signals:
    void siteChanged();
    void connectedChanged();
    // The site file, the site's name or placeLabel() changed.
    void placeChanged();
    // A store failed to be recorded: shown in the window's error box.
    void errorOccured(const QString &error);
    // The switch was stored with a plan other than its entry's: the window
    // asks replaceQuestion() and answers with answerReplace().
    void replaceAsked(const QString &label, const QString &question);

private:
    struct Pending
    {
        QString label;
        BandPlan plan;
        QString serial;
    };

    // Writes `change` into the file as it is now; the reason when refused.
    QString write(const SiteChange &change);
    void takeOnScreen(const QString &label);
    void show(const Site &value, const QString &path);
    void refreshList();
    std::optional<BandPlan> planOf(int row) const;
    void switchStored(const BandPlan &plan, const QString &serial);
    QString record(const QString &label, const BandPlan &plan, const QString &serial, bool takePlan);

    PlanEditor &editor;
    DeviceStatus &status;
    Today today;
    SiteEntryListModel *list; // owned as a child
    Site site;
    QString sitePath;
    QString onScreen;
    std::optional<Pending> pending;
    // As last told by placeChanged().
    QStringList place;
};
