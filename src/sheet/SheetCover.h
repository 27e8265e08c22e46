#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The first page of a site's sheet: the site's name, its note, and a table
// with one row per switch. Every text is plain: it is drawn as it stands.
struct SheetCover
{
    QString title;
    QString note;
    QStringList header;
    QVector<QStringList> rows;
};
