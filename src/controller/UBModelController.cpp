#include "UBModelController.h"

#include "model/PlanCheck.h"
#include "model/UBDataModel.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>
#include <QUrl>

#include <array>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {
constexpr int planSize = 24;
constexpr int lineCount = 4;
constexpr int readAttempts = 3;
// Pinned, so that a settings file reads the same under every Qt version: it
// holds only fixed-size numbers, booleans and strings.
constexpr QDataStream::Version settingsStreamVersion = QDataStream::Qt_5_15;
} // namespace

UBModelController::UBModelController(UBDataModel *model) : UBModelController(model, Environment()) {}

UBModelController::UBModelController(UBDataModel *model, Environment environment)
    : model(model), lnb1MissingMessage(PlanCheck::failureMessage(PlanCheck::Failure::Lnb1Missing)),
      lnb2MissingMessage(PlanCheck::failureMessage(PlanCheck::Failure::Lnb2Missing)),
      staticUnassignedMessage(PlanCheck::failureMessage(PlanCheck::Failure::StaticUnassigned)),
      dbConnectionMessage(tr("Couldn't connect to database. Please check your internet connection and restart "
                             "application."))
{
    createDefaultUBs();
    connect(model, &UBDataModel::dynamicLinesChanged, this, &UBModelController::dynamicLinesChanged);

    sqlHandler = std::make_unique<SqlHandler>(environment.connection, environment.cacheDirectory,
                                              environment.clock);
    connect(sqlHandler.get(), &SqlHandler::savedDataOutdated, this, &UBModelController::dbDataOutdated);

    serialPortHandler = std::make_unique<SerialPortHandler>(sqlHandler.get(), environment.portLister,
                                                            environment.random);
    // The model's serial number must change before the interface hears of
    // the device, so the model's slots are connected first.
    connect(serialPortHandler.get(), &SerialPortHandler::deviceFound, model, &UBDataModel::deviceFound);
    connect(serialPortHandler.get(), &SerialPortHandler::deviceMissing, model, &UBDataModel::deviceMissing);
    connect(serialPortHandler.get(), &SerialPortHandler::deviceFound, this, &UBModelController::deviceFound);
    connect(serialPortHandler.get(), &SerialPortHandler::deviceMissing, this, &UBModelController::deviceMissing);
    connect(serialPortHandler.get(), &SerialPortHandler::errorOccured, this, &UBModelController::errorOccured);
}

UBModelController::~UBModelController()
{
    // The device link points at the database handler: it goes first.
    serialPortHandler.reset();
    sqlHandler.reset();
}

void UBModelController::initialize()
{
    try {
        sqlHandler->connectToDatabase();
    } catch (...) {
        reportNoSatelliteData();
        return;
    }
    serialPortHandler->startDeviceSearch();
}

void UBModelController::reportNoSatelliteData()
{
    emit errorOccured(dbConnectionMessage);
    emit noInternetConnection();
}

QStringList UBModelController::availableSatelites()
{
    try {
        return sqlHandler->availableSatelites();
    } catch (...) {
        reportNoSatelliteData();
        return {};
    }
}

QVariantList UBModelController::itemsForSatelite(const QString &name)
{
    try {
        return sqlHandler->itemsForSatelite(name);
    } catch (...) {
        reportNoSatelliteData();
        return {};
    }
}

void UBModelController::dbDataOutdated()
{
    emit warningOccured(tr("Offline data for satelites older than 1 month. Please restart application with "
                           "internet connection to update offline data."));
}

bool UBModelController::validateData()
{
    const PlanCheck check = PlanCheck::of(model->lnb1(), model->lnb2(), model->ubList());
    switch (check.failure()) {
    case PlanCheck::Failure::Lnb1Missing:
        emit errorOccured(lnb1MissingMessage);
        return false;
    case PlanCheck::Failure::Lnb2Missing:
        emit errorOccured(lnb2MissingMessage);
        return false;
    case PlanCheck::Failure::StaticUnassigned:
        emit errorOccured(staticUnassignedMessage);
        return false;
    case PlanCheck::Failure::None:
        break;
    }
    if (check.localUBTooHigh())
        emit warningOccured(PlanCheck::localUBWarning());
    return true;
}

// ---- Allocation of static and dynamic UBs ----

void UBModelController::createDefaultUBs()
{
    QList<UBRecord> list;
    for (int i = 0; i < planSize; ++i) {
        UBRecord record;
        record.ubNumber = quint32(planSize - 1 - i);
        record.freq = quint32(2125 - 50 * i);
        record.type = UBRecord::dynamicType;
        record.tp = -1;
        list.append(record);
    }
    model->setUBList(list);
    resetDynamicUBs(true);
}

void UBModelController::resetDynamicUBs(bool resetLines)
{
    QList<UBRecord> list = model->ubList();
    while (list.size() > planSize)
        list.removeFirst();

    std::array<quint32, lineCount> lineCounters{};
    quint32 nextLine = 0;
    for (int row = list.size() - 1; row >= 0; --row) {
        UBRecord &record = list[row];
        record.localUBFreq = slotFrequency(record.ubNumber);
        if (record.isStatic())
            continue;
        const quint32 line = resetLines ? nextLine : record.line;
        if (line >= quint32(lineCount)) {
            emit errorOccured(tr("Line for dynamic channel must be smaller than 5"));
            return;
        }
        record.line = line;
        record.localUB = lineCounters[line]++;
        record.freq = record.localUBFreq;
        nextLine = line < lineCount - 1 ? line + 1 : 0;
    }
    model->setUBList(list);
}

void UBModelController::dynamicLinesChanged()
{
    resetDynamicUBs(false);
}

void UBModelController::setStaticUBs(uint numStaticUBs, bool above)
{
    QList<UBRecord> list = model->ubList();
    const int count = list.size();
    // More static UBs than rows cannot be honoured; never touch rows outside.
    const int n = int(qMin<uint>(numStaticUBs, uint(count)));

    QList<UBRecord> previousStatic;
    for (const UBRecord &record : qAsConst(list)) {
        if (record.isStatic())
            previousStatic.append(record);
    }

    const int firstStatic = above ? 0 : count - n;
    const int endStatic = firstStatic + n;
    for (int row = 0; row < count; ++row) {
        UBRecord &record = list[row];
        if (row < firstStatic || row >= endStatic) {
            record.type = UBRecord::dynamicType;
            continue;
        }
        const int k = row - firstStatic;
        record.type = UBRecord::staticType;
        if (k < previousStatic.size()) {
            record.tp = previousStatic.at(k).tp;
            record.freq = previousStatic.at(k).freq;
            record.lnb = previousStatic.at(k).lnb;
        } else {
            record.tp = -1;
            record.freq = 0;
            record.lnb = 0;
        }
    }
    model->setUBList(list);
    resetDynamicUBs(!above);
    emit staticUBsChanged(above);
}

// ---- Transfers to and from the device ----

void UBModelController::runDeviceWrite(const std::function<void()> &write)
{
    try {
        write();
    } catch (const std::exception &e) {
        if (e.what() == sqlHandler->statusMessage)
            reportNoSatelliteData();
        else
            emit errorOccured(QString::fromUtf8(e.what()));
    } catch (...) {
        emit errorOccured(tr("Unknown error"));
    }
}

void UBModelController::writeDataToDevice()
{
    serialPortHandler->writeLteFilter(model->lteFilter());
    serialPortHandler->writeStandBy(model->standBy());
    serialPortHandler->writeTerrestrialPatchActive(model->terrestrialPatchActive());
    serialPortHandler->writeConfiguration(model->ubList(), model->lnb1(), model->lnb2());
}

void UBModelController::sendDataToDevice()
{
    if (!validateData())
        return;
    runDeviceWrite([this] { writeDataToDevice(); });
}

void UBModelController::storeDataInEEPROM()
{
    if (!validateData())
        return;
    runDeviceWrite([this] {
        writeDataToDevice();
        serialPortHandler->storeInEeprom();
    });
}

void UBModelController::readFromDevice()
{
    int failedAttempts = 0;
    for (;;) {
        try {
            // The answer to a query that timed out may still come in; it
            // must not be taken for the answer to the next one.
            if (failedAttempts > 0)
                serialPortHandler->discardStaleInput();
            model->setLteFilter(serialPortHandler->readLteFilter());
            model->setStandBy(serialPortHandler->readStandBy());
            model->setTerrestrialPatchActive(serialPortHandler->readTerrestrialPatchActive());
            QString lnb1 = model->lnb1();
            QString lnb2 = model->lnb2();
            const QList<UBRecord> list = serialPortHandler->readConfiguration(lnb1, lnb2);
            model->setLnb1(lnb1);
            model->setLnb2(lnb2);
            model->setUBList(list);
            resetDynamicUBs(false);
            return;
        } catch (const std::exception &e) {
            // Only a timed-out exchange is worth another attempt.
            if (serialPortHandler->timeoutOccurred() && ++failedAttempts < readAttempts)
                continue;
            emit errorOccured(QString::fromUtf8(e.what()));
            return;
        } catch (...) {
            emit errorOccured(tr("Unknown error"));
            return;
        }
    }
}

// ---- Settings files ----

QString UBModelController::localPathFromUrlText(const QString &fileName)
{
    const QUrl url(fileName);
    if (url.isLocalFile())
        return url.toLocalFile();
    return fileName.mid(8);
}

void UBModelController::saveToFile(const QString &fileName)
{
    try {
        QSaveFile file(localPathFromUrlText(fileName));
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot open the settings file for writing");
        QDataStream stream(&file);
        stream.setVersion(settingsStreamVersion);
        stream << model->versionNumber() << model->ubList() << model->lteFilter() << model->standBy()
               << model->terrestrialPatchActive() << model->lnb1() << model->lnb2();
        if (stream.status() != QDataStream::Ok || !file.commit())
            throw std::runtime_error("cannot write the settings file");
    } catch (...) {
        emit errorOccured(tr("Error while saving"));
    }
}

void UBModelController::readFromFile(const QString &fileName)
{
    try {
        QFile file(localPathFromUrlText(fileName));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot open the settings file");
        QDataStream stream(&file);
        stream.setVersion(settingsStreamVersion);

        QString version;
        stream >> version;
        if (stream.status() != QDataStream::Ok)
            throw std::runtime_error("no settings file");
        std::printf("File from version: %s\n", version.toLocal8Bit().constData());
        std::fflush(stdout);

        QList<UBRecord> list;
        bool lteFilter = false;
        bool standBy = false;
        bool terrestrialPatchActive = false;
        QString lnb1;
        QString lnb2;
        stream >> list >> lteFilter >> standBy >> terrestrialPatchActive >> lnb1 >> lnb2;
        // Only a complete file, and nothing after it, replaces the plan.
        if (stream.status() != QDataStream::Ok || !stream.atEnd())
            throw std::runtime_error("incomplete settings file");

        for (UBRecord &record : list)
            record.localUBFreq = slotFrequency(record.ubNumber);

        model->setLteFilter(lteFilter);
        model->setTerrestrialPatchActive(terrestrialPatchActive);
        model->setStandBy(standBy);
        model->setLnb1(lnb1);
        model->setLnb2(lnb2);
        model->setUBList(list);
    } catch (...) {
        emit errorOccured(tr("Error while saving"));
    }
}
