#include "csvfields.h"
#include "readerlistfile.h"
#include "sitechanges.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

// The comparison of a search list with an earlier one, and the reading of
// the CSV files it is compared with.
namespace {
const QByteArray WindowHeading = "IP Address,MAC Address,Reader Identification,Control Port\r\n";

ReaderList listFrom(const QByteArray &csv)
{
    ReaderList list;
    QString reason;
    if (!readReaderList(csv, &list, &reason))
        qWarning("refused: %s", qPrintable(reason));
    return list;
}

// A row's cells joined by '|', without the empty cells at the end.
QString rowText(const SiteComparison &comparison, const SiteChange &row)
{
    QStringList cells = siteChangeCells(comparison, row);
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells.join(QLatin1Char('|'));
}
} // namespace

class TestSiteChanges : public QObject
{
    Q_OBJECT
private slots:
    // Each row: the earlier list and the list now (CSV after the window's
    // heading), the rows of the comparison in their order, and its summary.
    void compare_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("now");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("summary");
        QTest::newRow("each kind of change")
            << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n10.0.0.2,0050C2000002,Gate,87\r\n"
                          "10.0.0.3,0050C2000003,Hall,87\r\n10.0.0.4,0050C2000004,Dock,87\r\n"
                          "10.0.0.5,0050C2000005,Yard,87\r\n")
            << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n10.0.0.12,0050C2000002,Gate,87\r\n"
                          "10.0.0.3,0050C2000003,Hall 2,87\r\n10.0.0.4,0050C2000004,Dock,8087\r\n"
                          "10.0.0.6,0050C2000006,Shed,87\r\n")
            << QStringList{"New|10.0.0.6||0050C2000006|Shed||87",
                           "Missing||10.0.0.5|0050C2000005||Yard||87",
                           "Moved|10.0.0.12|10.0.0.2|0050C2000002|Gate||87",
                           "Renamed|10.0.0.3||0050C2000003|Hall 2|Hall|87",
                           "Other control port|10.0.0.4||0050C2000004|Dock||8087|87",
                           "Unchanged|10.0.0.1||0050C2000001|Door||87"}
            << "1 new, 1 missing, 1 moved, 1 renamed, 1 with another control port, 1 unchanged";
        QTest::newRow("moved and renamed at once")
            << QByteArray("10.0.0.2,0050C2000002,Gate,87\r\n") << QByteArray("10.0.0.9,0050C2000002,Back gate,87\r\n")
            << QStringList{"Moved, renamed|10.0.0.9|10.0.0.2|0050C2000002|Back gate|Gate|87"}
            << "1 moved, 1 renamed";
        QTest::newRow("one reader answering twice is one reader")
            << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n")
            << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n10.0.0.1,0050C2000001,Door,87\r\n")
            << QStringList{"Unchanged|10.0.0.1||0050C2000001|Door||87"} << "1 unchanged";
        QTest::newRow("an address now answering with two MACs")
            << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n")
            << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n10.0.0.1,0050C2000009,Spare,87\r\n")
            << QStringList{"Duplicate address|10.0.0.1||0050C2000001|Door||87",
                           "Duplicate address, new|10.0.0.1||0050C2000009|Spare||87"}
            << "2 with a duplicate address, 1 new";
        QTest::newRow("a duplicate address seen before is no change")
            << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n10.0.0.1,0050C2000009,Spare,87\r\n")
            << QByteArray("10.0.0.1,0050C2000009,Spare,87\r\n10.0.0.1,0050C2000001,Door,87\r\n")
            << QStringList{"Unchanged|10.0.0.1||0050C2000001|Door||87", "Unchanged|10.0.0.1||0050C2000009|Spare||87"}
            << "2 unchanged";
        QTest::newRow("one MAC at two addresses")
            << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n")
            << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n10.0.0.7,0050C2000001,Door,87\r\n")
            << QStringList{"Unchanged|10.0.0.1||0050C2000001|Door||87||its MAC also answers at 10.0.0.7"}
            << "1 unchanged";
        QTest::newRow("lines without MAC compared by address")
            << QByteArray("10.0.0.1,,Door,87\r\n10.0.0.9,,Old,87\r\n")
            << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n10.0.0.2,,Kiosk,87\r\n")
            << QStringList{"New|10.0.0.2|||Kiosk||87||no MAC in the list now",
                           "Missing||10.0.0.9|||Old||87|no MAC on line 3 of the earlier list",
                           "Unchanged|10.0.0.1||0050C2000001|Door||87||no MAC on line 2 of the earlier list: "
                           "compared by address"}
            << "1 new, 1 missing, 1 unchanged";
        QTest::newRow("MAC with separators, address with leading zeros")
            << QByteArray("010.0.0.1,00:50:c2:00:00:01,Door,087\r\n") << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n")
            << QStringList{"Unchanged|10.0.0.1||0050C2000001|Door||87"} << "1 unchanged";
        QTest::newRow("addresses in numeric order, other text after them")
            << QByteArray()
            << QByteArray("10.0.0.10,0050C2000010,,87\r\nreader.local,0050C2000011,,87\r\n"
                          "10.0.0.9,0050C2000009,,87\r\n9.0.0.1,0050C2000001,,87\r\n")
            << QStringList{"New|9.0.0.1||0050C2000001|||87", "New|10.0.0.9||0050C2000009|||87",
                           "New|10.0.0.10||0050C2000010|||87", "New|reader.local||0050C2000011|||87"}
            << "4 new";
        QTest::newRow("an empty value is not a change")
            << QByteArray("10.0.0.1,0050C2000001,,\r\n") << QByteArray("10.0.0.1,0050C2000001,Door,87\r\n")
            << QStringList{"Unchanged|10.0.0.1||0050C2000001|Door||87"} << "1 unchanged";
    }
    void compare()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, now);
        // An empty earlier list stands for one whose only reader is far away.
        const ReaderList earlier = before.isEmpty() ? ReaderList() : listFrom(WindowHeading + before);
        const SiteComparison comparison = compareReaderLists(earlier, listFrom(WindowHeading + now));
        QStringList rows;
        for (const SiteChange &row : comparison.rows)
            rows.append(rowText(comparison, row));
        QTEST(rows, "rows");
        QTEST(comparison.summary(), "summary");
        QCOMPARE(comparison.anyChange(), comparison.count(0) < comparison.rows.size());
    }

    // What zavctl writes for the changes of a row.
    void changeWords()
    {
        using namespace sitechanges;
        QCOMPARE(::changeWords(0), QStringList{"unchanged"});
        QCOMPARE(::changeWords(DuplicateAddress | New), (QStringList{"duplicate-address", "new"}));
        QCOMPARE(::changeWords(Moved | OtherControlPort), (QStringList{"moved", "other-control-port"}));
    }

    // The CSV files of the search windows and of zavctl are read alike.
    void readFormats_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("reader");  // address, MAC, identification, control port
        QTest::addColumn<bool>("hasIdentification");
        QTest::newRow("local search window")
            << QByteArray("\xEF\xBB\xBFIP Address,MAC Address,Reader Identification,Control Port,Interface\r\n"
                          "10.0.0.1,0050C2000001,'=Door,87,eth0\r\n")
            << QStringList{"10.0.0.1", "0050C2000001", "=Door", "87"} << true;
        QTest::newRow("zavctl scan")
            << QByteArray("address,mac,identification,control-port,reported-address\r\n"
                          "10.0.0.1,0050C2000001,\"Hall, east\",8087,10.0.0.1\r\n")
            << QStringList{"10.0.0.1", "0050C2000001", "Hall, east", "8087"} << true;
        QTest::newRow("zavctl get: the reader column is the address")
            << QByteArray("reader,ok,mac,identifier,firmware,address,data-port,control-port\r\n"
                          "10.0.0.1,true,0050C2000001,Door,02.10,10.0.0.99,57,87\r\n")
            << QStringList{"10.0.0.1", "0050C2000001", "Door", "87"} << true;
        QTest::newRow("no identification column, blank and comment lines")
            << QByteArray("# kept by hand\naddress,mac\n\n10.0.0.1,0050C2000001\n")
            << QStringList{"10.0.0.1", "0050C2000001", "", ""} << false;
        QTest::newRow("Latin-1 from a spreadsheet, own apostrophe kept")
            << QByteArray("address,mac,identification\r\n10.0.0.1,0050C2000001,''=Caf\xe9\r\n")
            << QStringList{"10.0.0.1", "0050C2000001", QString::fromUtf8("'=Caf\xc3\xa9"), ""} << true;
        QTest::newRow("lines without an address skipped")
            << QByteArray("address,mac\r\n,0050C2000009\r\n10.0.0.1,0050C2000001\r\n")
            << QStringList{"10.0.0.1", "0050C2000001", "", ""} << false;
    }
    void readFormats()
    {
        QFETCH(QByteArray, csv);
        ReaderList list;
        QString reason;
        QVERIFY2(readReaderList(csv, &list, &reason), qPrintable(reason));
        QCOMPARE(list.readers.size(), 1);
        const ListedReader &reader = list.readers.first();
        QTEST((QStringList{reader.address, reader.mac, reader.identification, reader.controlPort}), "reader");
        QTEST(list.hasIdentification, "hasIdentification");
    }

    // A file that is no list of readers is refused with the reason.
    void refused_data()
    {
        QTest::addColumn<QByteArray>("content");   // written to the file
        QTest::addColumn<QString>("path");         // instead: "folder", "missing"
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << "" << "it is empty";
        QTest::newRow("byte order mark and blanks") << QByteArray("\xEF\xBB\xBF \r\n") << "" << "it is empty";
        QTest::newRow("binary") << QByteArray("PK\x03\x04\x00\x00", 6) << ""
                                << "it has no address column (reader, address or IP Address)";
        QTest::newRow("no address column") << QByteArray("name,mac\r\nx,0050C2000001\r\n") << ""
                                           << "it has no address column (reader, address or IP Address)";
        QTest::newRow("one address per line") << QByteArray("10.0.0.1\r\n10.0.0.2\r\n") << ""
                                              << "it has no address column (reader, address or IP Address)";
        QTest::newRow("no MAC column") << QByteArray("address,identification\r\n10.0.0.1,Door\r\n") << ""
                                       << "it has no MAC column (mac or MAC Address)";
        QTest::newRow("quote never closed") << QByteArray("address,mac\r\n10.0.0.1,\"0050\r\n") << ""
                                            << "line 2: a quoted field is not closed";
        QTest::newRow("heading only") << QByteArray("address,mac\r\n") << "" << "it lists no reader";
        QTest::newRow("folder") << QByteArray() << "folder" << "it is not a file";
        QTest::newRow("missing") << QByteArray() << "missing" << "it could not be read (No such file or directory)";
    }
    void refused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, path);
        QTemporaryDir dir;
        QString file = dir.filePath(QStringLiteral("list.csv"));
        if (path == u"folder") {
            file = dir.path();
        } else if (path.isEmpty()) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        ReaderList list;
        QString reason;
        QVERIFY(!readReaderListFile(file, &list, &reason));
        QTEST(reason, "reason");
    }

    // Cells a reader sends (formulas, an apostrophe of its own, quotes,
    // markup, a NUL byte, an address that looks like a comment) come back
    // from the list's CSV as they were, and leave the comparison's CSV safe
    // to open in a spreadsheet.
    void hostileCells()
    {
        const QStringList identifications{"=cmd|' /C calc'!A0", "'=own apostrophe", "''", "+1", "@SUM(1)",
                                          "-5", "Hall, \"east\"", "<b>x</b>", "tab\there", "line\nbreak",
                                          QStringLiteral("nul") + QChar(0) + QStringLiteral("byte")};
        QString csv = csvLine({"IP Address", "MAC Address", "Reader Identification", "Control Port"});
        for (int i = 0; i < identifications.size(); ++i)
            csv += csvLine({i == 0 ? QStringLiteral("#not a comment") : QStringLiteral("10.0.0.%1").arg(i + 1),
                            QStringLiteral("0050C20000%1").arg(i, 2, 10, QLatin1Char('0')),
                            cellWithoutLoss(identifications.at(i)), QStringLiteral("87")});
        const ReaderList list = listFrom(csv.toUtf8());
        QCOMPARE(list.readers.size(), identifications.size());
        QCOMPARE(list.readers.first().address, QStringLiteral("#not a comment"));
        for (int i = 0; i < identifications.size(); ++i)
            QCOMPARE(list.readers.at(i).identification, identifications.at(i));

        ReaderList renamed = list;
        for (ListedReader &reader : renamed.readers)
            reader.identification.prepend(QLatin1Char('='));
        const SiteComparison comparison = compareReaderLists(list, renamed);
        QCOMPARE(comparison.count(sitechanges::Renamed), identifications.size());
        QList<int> all(comparison.rows.size());
        std::iota(all.begin(), all.end(), 0);
        int unclosedAt = 0;
        const QList<CsvRecord> records = csvRecords(siteChangesCsv(comparison, all), &unclosedAt);
        QCOMPARE(unclosedAt, 0);
        QCOMPARE(records.size(), 1 + identifications.size());
        for (const CsvRecord &record : records) {
            for (const QString &cell : csvRecordFields(record.text))
                QVERIFY2(cell.isEmpty() || !QStringLiteral("=+-@\t\r").contains(cell.front()), qPrintable(cell));
        }
        // The address that is no number sorts last.
        const QStringList lastRow = csvRecordFields(records.last().text);
        QCOMPARE(lastRow.size(), siteChangeHeadings().size());
        QCOMPARE(lastRow.at(1), QStringLiteral("#not a comment"));
        QCOMPARE(inertCellText(lastRow.at(4)), QStringLiteral("==cmd|' /C calc'!A0"));
    }
};

QTEST_GUILESS_MAIN(TestSiteChanges)
#include "tst_sitechanges.moc"
