// Any bytes as the CSV file a search list is compared with: the reader never
// fails on them; a list it accepts has readers, each with an address; the
// list compared with itself is unchanged throughout; written again as a
// search window writes its list, it reads back the same; and the CSV of the
// comparison closes every quote and starts no cell with = + - @ TAB or CR.
#include "csvfields.h"
#include "readerlistfile.h"
#include "sitechanges.h"

#include <cstdint>
#include <numeric>

// Last: its check() would clash with a name in the Qt headers.
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ReaderList list;
    QString reason;
    if (!readReaderList(bytes, &list, &reason)) {
        check(!reason.isEmpty());
        return 0;
    }
    check(!list.readers.isEmpty() && list.readers.size() <= readerlistfile::MaxReaders);
    for (const ListedReader &reader : list.readers)
        check(!reader.address.isEmpty());

    const SiteComparison same = compareReaderLists(list, list);
    check(!same.anyChange());
    check(same.count(0) == same.rows.size());
    check(!same.summary().isEmpty());

    QString written = csvLine({QStringLiteral("IP Address"), QStringLiteral("MAC Address"),
                               QStringLiteral("Reader Identification"), QStringLiteral("Control Port")});
    for (const ListedReader &reader : list.readers)
        written += csvLine({cellWithoutLoss(reader.address), cellWithoutLoss(reader.mac),
                            cellWithoutLoss(reader.identification), cellWithoutLoss(reader.controlPort)});
    ReaderList again;
    check(readReaderList(written.toUtf8(), &again, &reason));
    check(again.readers.size() == list.readers.size());
    for (qsizetype i = 0; i < list.readers.size(); ++i) {
        const ListedReader &a = list.readers.at(i);
        const ListedReader &b = again.readers.at(i);
        check(a.address == b.address && a.mac == b.mac);
        check(!list.hasIdentification || a.identification == b.identification);
        check(!list.hasControlPort || a.controlPort == b.controlPort);
    }

    const SiteComparison changed = compareReaderLists(ReaderList(), list);
    QList<int> rows(changed.rows.size());
    std::iota(rows.begin(), rows.end(), 0);
    int unclosedAt = 0;
    const QList<CsvRecord> records = csvRecords(siteChangesCsv(changed, rows), &unclosedAt);
    check(unclosedAt == 0);
    check(records.size() == 1 + changed.rows.size());
    for (const CsvRecord &record : records) {
        for (const QString &cell : csvRecordFields(record.text))
            check(cell.isEmpty() || !QStringLiteral("=+-@\t\r").contains(cell.front()));
    }
    return 0;
}
