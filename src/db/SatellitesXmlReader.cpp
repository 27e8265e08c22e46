#include "SatellitesXmlReader.h"

#include "model/OrbitalPositions.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {
// Frequencies from this on are in Hz (Ku band in kHz stays below it).
constexpr qint64 hertzFrom = 100000000;

qint64 attributeNumber(const QXmlStreamAttributes &attributes, const char *name, bool *ok)
{
    return attributes.value(QLatin1String(name)).toString().trimmed().toLongLong(ok);
}

// A file may declare an encoding (UTF-7, say) that gives half of a surrogate
// pair. No file written in UTF-8 can hold one, so the satellite's name would
// change on its way to the cache: such halves go.
QString withoutHalfPairs(const QString &text)
{
    QString whole;
    whole.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            whole += unit;
            whole += text.at(++i);
        } else if (!unit.isSurrogate()) {
            whole += unit;
        }
    }
    return whole;
}
} // namespace

bool SatellitesXmlReader::looksLikeXml(const QByteArray &text)
{
    QByteArray start = text.left(64);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    return start.trimmed().startsWith('<');
}

QString SatellitesXmlReader::spacecraftName(const QString &name, int tenths)
{
    // "(19.2E)" anywhere, "19.2E " before the name, " 19.2E" after it; a
    // spacecraft's own "13E" stays.
    static const QRegularExpression where(QStringLiteral(
        "\\(\\s*\\d+(?:[.,]\\d+)?\\s*°?\\s*[EW]\\s*\\)|^\\s*\\d+(?:[.,]\\d+)?\\s*°?\\s*[EW]\\b|"
        "\\s\\d+[.,]\\d+\\s*°?\\s*[EW]\\s*$"));
    static const QRegularExpression control(QStringLiteral("[\\x00-\\x1f\\x7f]"));
    const QString rest = withoutHalfPairs(QString(name).remove(where).remove(control)).simplified();
    const QString position = OrbitalPositions::positionText(tenths);
    return rest.isEmpty() ? position : rest + QLatin1Char(' ') + position;
}

QString SatellitesXmlReader::neitherMessage()
{
    return tr("the file is neither a satellites.xml nor a scan table");
}

QString SatellitesXmlReader::read(const QByteArray &text, ImportRows &rows)
{
    QXmlStreamReader xml(text);
    bool inSatellites = false;
    bool inSat = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD)
            return tr("the file declares a document type, which satellites.xml never does");
        if (token == QXmlStreamReader::EntityReference)
            return tr("the file refers to an entity (line %1)").arg(xml.lineNumber());
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("sat"))
            inSat = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (!inSatellites) {
            if (xml.name() != QLatin1String("satellites"))
                return neitherMessage();
            inSatellites = true;
        } else if (xml.name() == QLatin1String("sat")) {
            bool ok = false;
            qint64 tenths = attributeNumber(attributes, "position", &ok);
            // Some receivers count west from 360 degrees east.
            if (ok && tenths > 1800 && tenths <= 3600)
                tenths -= 3600;
            if (!ok || tenths < -1800 || tenths > 1800)
                return tr("a satellite has no position from -1800 to 1800 (line %1)").arg(xml.lineNumber());
            const QString reason =
                rows.begin(spacecraftName(attributes.value(QLatin1String("name")).toString(), int(tenths)));
            if (!reason.isEmpty())
                return reason;
            inSat = true;
        } else if (xml.name() == QLatin1String("transponder") && inSat) {
            bool frequencyOk = false;
            bool polarisationOk = false;
            const qint64 frequency = attributeNumber(attributes, "frequency", &frequencyOk);
            const qint64 polarisation = attributeNumber(attributes, "polarization", &polarisationOk);
            if (!frequencyOk || frequency < 0 || !polarisationOk || polarisation < 0 || polarisation > 3)
                return tr("a transponder has no frequency or polarisation (line %1)").arg(xml.lineNumber());
            static const Polarisation byNumber[] = {Polarisation::H, Polarisation::V, Polarisation::L,
                                                    Polarisation::R};
            const qint64 kHz = frequency >= hertzFrom ? (frequency + 500) / 1000 : frequency;
            const QString reason = rows.add(kHz, byNumber[polarisation]);
            if (!reason.isEmpty())
                return reason;
        }
    }
    if (xml.hasError())
        return tr("the XML is broken at line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    if (!inSatellites)
        return neitherMessage();
    return QString();
}
