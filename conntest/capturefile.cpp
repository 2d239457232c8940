#include "capturefile.h"

#include "byteescape.h"
#include "csvfields.h"

#include <QTimer>

namespace {
constexpr int FlushIntervalMs = 1000;

} // namespace

CaptureFile::CaptureFile(QObject *parent) : QObject(parent), m_flushTimer(new QTimer(this))
{
    m_flushTimer->setInterval(FlushIntervalMs);
    connect(m_flushTimer, &QTimer::timeout, this, &CaptureFile::flushNow);
}

CaptureFile::~CaptureFile()
{
    stop();
}

//: File type in the file dialog: keep the pattern in brackets as it is.
const QStringList CaptureFile::FileTypes{QStringLiteral(QT_TRANSLATE_NOOP("CaptureFile", "CSV Files (*.csv)")),
                                         //: File type in the file dialog: keep the pattern in brackets as it is.
                                         QStringLiteral(QT_TRANSLATE_NOOP("CaptureFile", "Raw Data (*.*)")),
                                         //: File type in the file dialog: keep the pattern in brackets as it is.
                                         QStringLiteral(QT_TRANSLATE_NOOP("CaptureFile", "Wireshark Capture (*.pcapng)"))};

CaptureFile::Format CaptureFile::formatFor(const QString &path)
{
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return Csv;
    if (path.endsWith(QLatin1String(".pcapng"), Qt::CaseInsensitive))
        return Pcapng;
    return Raw;
}

QByteArray CaptureFile::csvHeader()
{
    return ::csvLine(QStringList{QStringLiteral("time"), QStringLiteral("direction"), QStringLiteral("peer"),
                    QStringLiteral("length"), QStringLiteral("hex"), QStringLiteral("text")})
        .toLatin1();
}

bool CaptureFile::mostlyPrintable(const QByteArray &bytes)
{
    qsizetype printable = 0;
    for (const char c : bytes)
        printable += (quint8(c) >= 32 && quint8(c) <= 126) ? 1 : 0;
    return printable * 4 >= bytes.size() * 3;
}

QByteArray CaptureFile::csvLine(const TrafficChunk &chunk)
{
    // Every cell is ASCII: the text cell escapes whatever is not.
    const bool asText = mostlyPrintable(chunk.bytes);
    QByteArray line = ::csvLine(QStringList{traffic::isoTime(chunk.msecsSinceEpoch()),
                                            traffic::directionText(chunk.direction), chunk.peer,
                                            QString::number(chunk.bytes.size())})
                          .toLatin1();
    line.chop(2);
    line += ',';
    if (!asText)
        line += chunk.bytes.toHex().toUpper();
    line += ',';
    if (asText)
        line += ::csvField(escapedBytes(chunk.bytes)).toLatin1();
    line += "\r\n";
    return line;
}

bool CaptureFile::start(const QString &path)
{
    stop();
    m_error.clear();
    m_format = formatFor(path);
    m_pcapng = PcapngWriter();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_error = m_file.errorString();
        return false;
    }
    if (m_format == Csv)
        write(csvHeader());
    else if (m_format == Pcapng)
        write(PcapngWriter::header());
    if (m_file.isOpen())
        m_flushTimer->start();
    return m_file.isOpen();
}

void CaptureFile::record(const TrafficChunk &chunk)
{
    if (!m_file.isOpen())
        return;
    if (m_format == Csv)
        write(csvLine(chunk));
    else if (m_format == Pcapng)
        write(m_pcapng.packets(chunk));
    else if (chunk.direction == TrafficChunk::Received)
        write(chunk.bytes);
}

void CaptureFile::write(const QByteArray &bytes)
{
    if (m_file.write(bytes) != bytes.size())
        fail();
}

void CaptureFile::flushNow()
{
    if (m_file.isOpen() && !m_file.flush())
        fail();
}

void CaptureFile::stop()
{
    m_flushTimer->stop();
    if (!m_file.isOpen())
        return;
    const bool flushed = m_file.flush();
    const QString reason = m_file.errorString();
    m_file.close();
    if (!flushed) {
        m_error = reason;
        emit failed(m_error);
    }
}

void CaptureFile::fail()
{
    m_error = m_file.errorString();
    m_flushTimer->stop();
    // What is buffered cannot be written either.
    m_file.close();
    emit failed(m_error);
}
