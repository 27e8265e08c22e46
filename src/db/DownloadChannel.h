#pragma once

#include "DownloadTables.h"
#include "SqlHandler.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// What the download's own process (DownloadChild) and the program that
// started it tell each other. The program writes the connection settings to
// the child's standard input; the child answers on its standard output with
// messages: the moment the connection opened, its log lines (logged here in
// the same categories, so that the support report holds them), every row it
// took as the server sent it, and the outcome. A message is one kind byte, a
// four-byte big-endian byte count, then its fields, each a four-byte
// big-endian length (0xFFFFFFFF: a null field) and its bytes.
//
// The reader is fed the bytes as they come and holds at most one message;
// the rows go through the same limits as in the child, so that the program
// holds no more than a download in its own process would, whatever the
// child sends.
class DownloadChannel
{
    Q_DECLARE_TR_FUNCTIONS(DownloadChannel)

public:
    enum Kind : char
    {
        Settings = 'S',
        Opened = 'O',
        Log = 'L',
        TableListed = 'N',
        TableRows = 'T', // the rows that follow belong to this table
        Row = 'R',
        Outcome = 'E'
    };
    using Fields = QVector<QByteArray>;

    // A row may hold the largest packet the download takes.
    static constexpr int maxMessageBytes = 2 * 1024 * 1024;
    // The child's log lines kept, and their length.
    static constexpr int maxLogLines = 200;
    static constexpr int maxLogBytes = 2000;

    static QByteArray message(Kind kind, const Fields &fields);
    static QByteArray settings(const SqlHandler::Connection &connection);
    // The settings from the whole of the child's standard input; false
    // when it holds anything else.
    static bool readSettings(const QByteArray &bytes, SqlHandler::Connection *connection);
    static QByteArray outcome(const SqlHandler::Download &result);

    explicit DownloadChannel(const SqlHandler::Limits &limits = SqlHandler::Limits());

    // Takes the next bytes of the child's output. Empty, or why the output
    // is refused (too much, or no messages of this form): then nothing more
    // is taken.
    QString feed(const QByteArray &bytes);
    bool opened() const { return connectionOpened; }
    bool ended() const { return outcomeRead; }
    // The download as the child ended it (once ended()); its data are the
    // rows read here.
    SqlHandler::Download download(const SqlHandler::Connection &server) const;

private:
    QString take(char kind, const QByteArray &payload);
    QString takeOutcome(const Fields &fields);

    SqlHandler::Limits limits;
    DownloadTables tables;
    QByteArray pending;
    qint64 bytesTaken = 0;
    QString table;
    int logLines = 0;
    bool connectionOpened = false;
    bool outcomeRead = false;
    bool refused = false;
    SqlHandler::Download result;
};
