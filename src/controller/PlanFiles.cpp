#include "PlanFiles.h"

#include "SatelliteDataView.h"
#include "io/LocalPath.h"
#include "io/LogCategories.h"
#include "io/PrintableText.h"
#include "io/WholeFile.h"
#include "model/SettingsFile.h"

#include <exception>
#include <new>
#include <utility>

PlanFiles::PlanFiles(PlanEditor &editor, SatelliteDataView &data, DiagnosticLines output, QObject *parent)
    : QObject(parent), editor(editor), data(data), output(std::move(output))
{
}

void PlanFiles::saveToFile(const QString &fileName)
{
    try {
        SettingsFile::write(LocalPath::fromUrlText(fileName), editor.plan());
    } catch (const std::exception &error) {
        // The file and the system's reason on a second line.
        emit errorOccured(tr("Error while saving") + QLatin1Char('\n') +
                          QString::fromStdString(error.what()));
    } catch (...) {
        emit errorOccured(tr("Error while saving"));
    }
}

void PlanFiles::readFromFile(const QString &fileName)
{
    const QString path = LocalPath::fromUrlText(fileName);
    try {
        // Written as soon as the version is read, for a damaged file too.
        const BandPlan plan = SettingsFile::read(path, [this](const QString &version) {
            const QString line = QStringLiteral("File from version: ") + PrintableText::escaped(version);
            qCDebug(fileLog).noquote() << line;
            output.write(line);
        });
        editor.replace(plan);
        // The plan stays as loaded; what the data lack is marked and said.
        if (!data.catalogue()->isEmpty())
            data.setNotice(editor.checkAgainstData().trimmed());
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
