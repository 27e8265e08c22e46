#include "UiTestHelper.h"
#include "app/FenzoApplication.h"
#include "app/ViewModels.h"
#include "controller/SatelliteFilter.h"
#include "controller/SatelliteListModel.h"
#include "controller/UBModelController.h"
#include "io/ProgramIdentity.h"
#include "model/BandPlan.h"
#include "controller/UBDataModel.h"
#include "report/SupportReportSaver.h"
#include "sheet/InstallationSheet.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QVariantMap>
#include <QtQuickTest>

#include <memory>

// Gives every test engine the program's real model and controller, fed from
// an offline cache written for the run (its server host name fails at once), and the
// satellite list as the program fills it at start-up.
class UiTestSetup : public QObject
{
    Q_OBJECT

public:
    UiTestSetup() = default;

public slots:
    void applicationAvailable()
    {
        // As the program does: the file dialogs keep their state in QSettings.
        QCoreApplication::setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));

        // The language runs install the catalogues first, Qt's included, as
        // the program does.
        language = qEnvironmentVariable("FENZO_TEST_LANGUAGE");
        if (!language.isEmpty() &&
            !ProgramIdentity::installTranslator(QStringLiteral("fenzo_setup_") + language))
            qFatal("no catalogue for %s", qPrintable(language));

        helper = std::make_unique<UiTestHelper>(directory.path());
        if (!helper->writeSatelliteCache())
            qFatal("cannot write the satellite cache to %s", qPrintable(directory.path()));

        model = std::make_unique<UBDataModel>();
        controller = std::make_unique<UBModelController>(model.get(), helper->offlineEnvironment());
        controller->initialize();

        const QStringList satellites = controller->availableSatelites();
        lnbModel.setStringList(satellites);
        if (!satellites.isEmpty())
            model->setLnb1(satellites.at(0));
        if (satellites.size() >= 2)
            model->setLnb2(satellites.at(1));

        InstallationSheet::registerTypes();
        SatelliteFilter::registerType();
        // The sheet names the switch the window shows, as the program's does.
        sheet = std::make_unique<InstallationSheet>(
            [this] { return controller->catalogue(); }, &QDate::currentDate, nullptr,
            InstallationSheet::OwnSource(), [this] { return controller->deviceStatus()->connectedSwitch(); });
        connect(controller->deviceStatus(), &DeviceStatus::serialNumberChanged, sheet.get(),
                &InstallationSheet::changed);
        // The sheet follows the plan as the program's does.
        sheet->setPlan(plan());
        const auto planChanged = [this] { sheet->setPlan(plan()); };
        connect(model.get(), &UBDataModel::dataChanged, sheet.get(), planChanged);
        connect(model.get(), &UBDataModel::listChanged, sheet.get(), planChanged);
        connect(model.get(), &UBDataModel::lnb1Changed, sheet.get(), planChanged);
        connect(model.get(), &UBDataModel::lnb2Changed, sheet.get(), planChanged);
        connect(model.get(), &UBDataModel::lteFilterChanged, sheet.get(), planChanged);
        connect(model.get(), &UBDataModel::terrestrialPatchActiveChanged, sheet.get(), planChanged);
        connect(model.get(), &UBDataModel::standByChanged, sheet.get(), planChanged);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        FenzoApplication::prepareEngine(engine);
        const ViewModels parts{model.get(), controller.get(), controller->deviceStatus(),
                               &lnbModel,   sheet.get(),      &supportReport};
        parts.exposeTo(*engine);
        engine->rootContext()->setContextProperty(QStringLiteral("testHelper"), helper.get());
        engine->rootContext()->setContextProperty(QStringLiteral("testLanguage"), language);
        // The role numbers for tests that read or write single fields.
        const QVariantMap roles{{QStringLiteral("ubNumber"), UBDataModel::UbNumberRole},
                                {QStringLiteral("line"), UBDataModel::LineRole},
                                {QStringLiteral("localUB"), UBDataModel::LocalUBRole},
                                {QStringLiteral("freq"), UBDataModel::FreqRole},
                                {QStringLiteral("localUBFreq"), UBDataModel::LocalUBFreqRole},
                                {QStringLiteral("type"), UBDataModel::TypeRole},
                                {QStringLiteral("lnb"), UBDataModel::LnbRole},
                                {QStringLiteral("tp"), UBDataModel::TpRole}};
        engine->rootContext()->setContextProperty(QStringLiteral("modelRoles"), roles);
    }

private:
    BandPlan plan() const { return model->editor()->plan(); }

    QString language;
    QTemporaryDir directory;
    std::unique_ptr<UiTestHelper> helper;
    std::unique_ptr<UBDataModel> model;
    std::unique_ptr<UBModelController> controller;
    std::unique_ptr<InstallationSheet> sheet;
    SatelliteListModel lnbModel{[this] { return controller ? controller->catalogue() : nullptr; }};
    SupportReportSaver supportReport{[this] {
        SupportReport::Facts facts = SupportReport::running();
        facts.hasPlan = true;
        facts.plan = plan();
        return facts;
    }};
};

QUICK_TEST_MAIN_WITH_SETUP(tst_ui, UiTestSetup)

#include "tst_ui.moc"
