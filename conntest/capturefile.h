#pragma once

#include "pcapng.h"
#include "trafficlog.h"

#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>

class QTimer;

// Writes the chunks of a data link to a file as they happen, until stopped:
// CSV (a name ending in ".csv") with one line per chunk, a Wireshark capture
// (".pcapng", see PcapngWriter), or raw (any other name): the received bytes
// only, exactly as they arrived. The file is flushed at least once a second
// and on stop. A write that fails ends the capture with failed(reason); the
// caller's connection is not affected.
class CaptureFile : public QObject
{
    Q_OBJECT
public:
    enum Format { Csv, Raw, Pcapng };
    // The three types as a file dialog offers them, CSV first.
    static const QStringList FileTypes;

    explicit CaptureFile(QObject *parent = nullptr);
    ~CaptureFile() override;

    static Format formatFor(const QString &path);
    // The CSV header line and the line of one chunk, "\r\n" ended: time (ISO
    // 8601 with milliseconds and the offset from UTC), direction, peer,
    // length, hex, text, each cell safe to open in a spreadsheet. A line holds
    // the chunk's bytes once and whole, in the shorter of two forms: as text
    // (C escapes for bytes outside 32..126) when at least three quarters of
    // them are printable, else as hex (two digits a byte, no separators). So
    // a capture stays within about twice the size of the data.
    static bool mostlyPrintable(const QByteArray &bytes);
    static QByteArray csvHeader();
    static QByteArray csvLine(const TrafficChunk &chunk);

    // Creates or empties the file; false with errorText() when it cannot.
    bool start(const QString &path);
    void record(const TrafficChunk &chunk);
    // Flushes and closes; nothing after it is written.
    void stop();

    bool isCapturing() const { return m_file.isOpen(); }
    Format format() const { return m_format; }
    QString path() const { return m_file.fileName(); }
    QString errorText() const { return m_error; }

signals:
    void failed(const QString &reason);

private:
    void write(const QByteArray &bytes);
    void flushNow();
    void fail();

    QFile m_file;
    Format m_format = Raw;
    PcapngWriter m_pcapng;
    QTimer *m_flushTimer;
    QString m_error;
};
