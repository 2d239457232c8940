// A reader's result as zavctl writes it in CSV and reads it back from
// standard input (the round trip of "get" into "set -"), with up to eight
// fields of arbitrary text: every field comes back as it was written, and no
// cell starts with = + - @ TAB or CR for a spreadsheet to take as a formula.
#include "csvfields.h"
#include "output.h"
#include "targets.h"

#include <cstdint>

// Last: its check() would clash with a name in the Qt headers.
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Fields are separated by the byte 0x1f.
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> parts = input.split('\x1f').mid(0, 8);
    QStringList columns{QStringLiteral("reader")};
    output::Record record{{QStringLiteral("reader"), QStringLiteral("10.0.0.1")}};
    QList<QPair<QString, QString>> expected;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString column = QStringLiteral("c%1").arg(i);
        const QString field = QString::fromUtf8(parts.at(i));
        columns.append(column);
        record.append({column, field});
        if (!field.isEmpty())
            expected.append({column, field});
    }
    const QByteArray written = output::render(output::Format::Csv, columns, {record});

    QList<targets::Target> list;
    QString refusal;
    check(targets::parseInput(written, &list, &refusal));
    check(list.size() == 1);
    check(list.first().address == u"10.0.0.1");
    check(list.first().columns == expected);

    int unclosedAt = 0;
    const QList<CsvRecord> records = csvRecords(QString::fromUtf8(written), &unclosedAt);
    check(unclosedAt == 0 && records.size() == 2);
    for (const QString &cell : csvRecordFields(records.at(1).text)) {
        if (!cell.isEmpty())
            check(!QStringLiteral("=+-@\t\r").contains(cell.front()));
    }
    return 0;
}
