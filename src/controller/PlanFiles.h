#pragma once

#include "PlanEditor.h"
#include "io/DiagnosticLines.h"

#include <QObject>
#include <QString>

class SatelliteDataView;

// The settings files of the window: the editor's plan saved whole, a file's
// plan loaded whole (or nothing changes), then checked against the data
// view's satellite data.
class PlanFiles : public QObject
{
    Q_OBJECT

public:
    // `output` takes the line "File from version: …" that scripts read.
    PlanFiles(PlanEditor &editor, SatelliteDataView &data, DiagnosticLines output = DiagnosticLines(),
              QObject *parent = nullptr);

public slots:
    // A URL as the file dialog gives it, or a path.
    void saveToFile(const QString &fileName);
    void readFromFile(const QString &fileName);

signals:
    void errorOccured(const QString &error);

private:
    PlanEditor &editor;
    SatelliteDataView &data;
    DiagnosticLines output;
};
