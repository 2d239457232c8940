#include "sitechanges.h"

#include "addresschecks.h"
#include "csvfields.h"
#include "typedvalues.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <iterator>
#include <numeric>

using namespace sitechanges;

namespace {
struct ChangeName {
    Change change;
    const char *word;     // in the window's change column and, with '-' for blanks, in zavctl
    const char *summary;  // "%1 new"
};
constexpr ChangeName Names[] = {
    {DuplicateAddress, "duplicate address", "%1 with a duplicate address"},
    {New, "new", "%1 new"},
    {Missing, "missing", "%1 missing"},
    {Moved, "moved", "%1 moved"},
    {Renamed, "renamed", "%1 renamed"},
    {OtherControlPort, "other control port", "%1 with another control port"},
};

// The MAC a line is matched by: without separators, in capitals; empty for none.
QString macKey(const QString &mac)
{
    QString key;
    key.reserve(mac.size());
    for (const QChar c : mac) {
        if (c != QLatin1Char(':') && c != QLatin1Char('-') && c != QLatin1Char('.') && c != QLatin1Char(' '))
            key += c.toUpper();
    }
    return key;
}

// An address as compared: "010.1.1.5" is 10.1.1.5; text that is no address as it is.
QString addressKey(const QString &address)
{
    const std::optional<QHostAddress> typed = readerAddressFromText(address);
    return typed ? typed->toString() : trimBlanks(address);
}

QString portKey(const QString &port)
{
    const std::optional<quint16> typed = portFromText(port);
    return typed ? QString::number(*typed) : trimBlanks(port);
}

// Two values differ when both are known and not the same.
bool differ(const QString &before, const QString &now)
{
    return !before.isEmpty() && !now.isEmpty() && before != now;
}

// The readers of one list: a MAC on several lines is one reader, its first line.
struct Readers {
    QList<int> lines;                   // the first line of each reader
    QHash<QString, int> byMac;          // MAC -> that line
    QHash<int, QStringList> alsoAt;     // that line -> the other addresses its MAC shows with
    QHash<QString, QSet<QString>> macsAt;  // address -> the MACs that answer there
};

Readers readersOf(const ReaderList &list)
{
    Readers readers;
    for (int i = 0; i < list.readers.size(); ++i) {
        const ListedReader &reader = list.readers.at(i);
        const QString mac = macKey(reader.mac);
        if (mac.isEmpty()) {
            readers.lines.append(i);
            continue;
        }
        readers.macsAt[addressKey(reader.address)].insert(mac);
        const auto first = readers.byMac.constFind(mac);
        if (first == readers.byMac.constEnd()) {
            readers.byMac.insert(mac, i);
            readers.lines.append(i);
            continue;
        }
        const QString address = addressKey(reader.address);
        if (address != addressKey(list.readers.at(*first).address) && !readers.alsoAt.value(*first).contains(address))
            readers.alsoAt[*first].append(address);
    }
    return readers;
}

QString whereSaved(const ListedReader &reader)
{
    return reader.line > 0 ? QStringLiteral("on line %1 of the earlier list").arg(reader.line)
                           : QStringLiteral("in the earlier list");
}

// Where rows go: by their first change, then by address (numeric addresses
// in their order, before any other text), then by MAC.
struct SortKey {
    int rank = 0;
    bool numeric = false;
    quint32 address = 0;
    QString text;
    QString mac;
};

bool operator<(const SortKey &a, const SortKey &b)
{
    if (a.rank != b.rank)
        return a.rank < b.rank;
    if (a.numeric != b.numeric)
        return a.numeric;
    if (a.numeric && a.address != b.address)
        return a.address < b.address;
    if (a.text != b.text)
        return a.text < b.text;
    return a.mac < b.mac;
}

SortKey sortKey(const SiteComparison &comparison, const SiteChange &row)
{
    SortKey key;
    key.rank = int(std::size(Order));
    for (int rank = 0; rank < int(std::size(Order)); ++rank) {
        if (row.changes & Order[rank]) {
            key.rank = rank;
            break;
        }
    }
    const ListedReader &reader =
        row.now >= 0 ? comparison.now.readers.at(row.now) : comparison.before.readers.at(row.before);
    const std::optional<QHostAddress> address = readerAddressFromText(reader.address);
    key.numeric = address.has_value();
    key.address = address ? address->toIPv4Address() : 0;
    key.text = reader.address;
    key.mac = macKey(reader.mac);
    return key;
}
} // namespace

SiteComparison compareReaderLists(const ReaderList &before, const ReaderList &now)
{
    SiteComparison comparison;
    comparison.before = before;
    comparison.now = now;
    const Readers was = readersOf(before);
    const Readers is = readersOf(now);
    QList<int> partnerOfNow(now.readers.size(), -1);
    QList<int> partnerOfBefore(before.readers.size(), -1);
    QSet<int> byAddress;  // lines of the list now matched by address

    for (const int i : is.lines) {
        const QString mac = macKey(now.readers.at(i).mac);
        const int j = mac.isEmpty() ? -1 : was.byMac.value(mac, -1);
        if (j >= 0) {
            partnerOfNow[i] = j;
            partnerOfBefore[j] = i;
        }
    }
    // Lines without a MAC, on either side, meet the unmatched readers of the
    // other list at the same address, in the order of the lists.
    const auto unmatchedByAddress = [](const ReaderList &list, const Readers &readers, const QList<int> &partners) {
        QHash<QString, QList<int>> lines;
        for (const int i : readers.lines) {
            if (partners.at(i) < 0)
                lines[addressKey(list.readers.at(i).address)].append(i);
        }
        return lines;
    };
    QHash<QString, QList<int>> unmatchedBefore = unmatchedByAddress(before, was, partnerOfBefore);
    for (const int i : is.lines) {
        if (!macKey(now.readers.at(i).mac).isEmpty())
            continue;
        QList<int> &candidates = unmatchedBefore[addressKey(now.readers.at(i).address)];
        if (!candidates.isEmpty()) {
            partnerOfNow[i] = candidates.takeFirst();
            partnerOfBefore[partnerOfNow[i]] = i;
            byAddress.insert(i);
        }
    }
    QHash<QString, QList<int>> unmatchedNow = unmatchedByAddress(now, is, partnerOfNow);
    for (const int j : was.lines) {
        if (partnerOfBefore.at(j) >= 0 || !macKey(before.readers.at(j).mac).isEmpty())
            continue;
        QList<int> &candidates = unmatchedNow[addressKey(before.readers.at(j).address)];
        if (!candidates.isEmpty()) {
            partnerOfBefore[j] = candidates.takeFirst();
            partnerOfNow[partnerOfBefore[j]] = j;
            byAddress.insert(partnerOfBefore[j]);
        }
    }

    const auto addRow = [&](int i, int j) {
        SiteChange row;
        row.now = i;
        row.before = j;
        QStringList notes;
        const ListedReader *reader = i >= 0 ? &now.readers.at(i) : nullptr;
        const ListedReader *kept = j >= 0 ? &before.readers.at(j) : nullptr;
        if (!reader) {
            row.changes = Missing;
        } else if (!kept) {
            row.changes = New;
        } else {
            if (addressKey(kept->address) != addressKey(reader->address))
                row.changes |= Moved;
            if (before.hasIdentification && now.hasIdentification
                && differ(trimBlanks(kept->identification), trimBlanks(reader->identification)))
                row.changes |= Renamed;
            if (before.hasControlPort && now.hasControlPort
                && differ(portKey(kept->controlPort), portKey(reader->controlPort)))
                row.changes |= OtherControlPort;
        }
        if (reader) {
            const QString address = addressKey(reader->address);
            if (is.macsAt.value(address).size() >= 2 && was.macsAt.value(address).size() < 2)
                row.changes |= DuplicateAddress;
        }
        const bool matchedByAddress = i >= 0 && byAddress.contains(i);
        if (reader && macKey(reader->mac).isEmpty())
            notes.append(matchedByAddress ? QStringLiteral("no MAC in the list now: compared by address")
                                          : QStringLiteral("no MAC in the list now"));
        if (kept && macKey(kept->mac).isEmpty())
            notes.append(matchedByAddress
                             ? QStringLiteral("no MAC %1: compared by address").arg(whereSaved(*kept))
                             : QStringLiteral("no MAC %1").arg(whereSaved(*kept)));
        if (i >= 0 && is.alsoAt.contains(i))
            notes.append(QStringLiteral("its MAC also answers at %1").arg(is.alsoAt.value(i).join(QLatin1String(", "))));
        if (j >= 0 && was.alsoAt.contains(j))
            notes.append(QStringLiteral("its MAC was also at %1 in the earlier list").arg(was.alsoAt.value(j).join(QLatin1String(", "))));
        row.note = notes.join(QLatin1String("; "));
        comparison.rows.append(row);
    };
    for (const int i : is.lines)
        addRow(i, partnerOfNow.at(i));
    for (const int j : was.lines) {
        if (partnerOfBefore.at(j) < 0)
            addRow(-1, j);
    }

    QList<SortKey> keys;
    keys.reserve(comparison.rows.size());
    for (const SiteChange &row : std::as_const(comparison.rows))
        keys.append(sortKey(comparison, row));
    QList<int> order(comparison.rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys.at(a) < keys.at(b); });
    QList<SiteChange> sorted;
    sorted.reserve(order.size());
    for (const int index : std::as_const(order))
        sorted.append(comparison.rows.at(index));
    comparison.rows = sorted;
    return comparison;
}

int SiteComparison::count(unsigned change) const
{
    return int(std::count_if(rows.cbegin(), rows.cend(), [change](const SiteChange &row) {
        return change == 0 ? row.changes == 0 : (row.changes & change) != 0;
    }));
}

bool SiteComparison::anyChange() const
{
    return std::any_of(rows.cbegin(), rows.cend(), [](const SiteChange &row) { return row.changes != 0; });
}

QString SiteComparison::summary() const
{
    QStringList parts;
    for (const ChangeName &name : Names) {
        if (const int n = count(name.change))
            parts.append(QString::fromLatin1(name.summary).arg(n));
    }
    if (const int unchanged = count(0))
        parts.append(QStringLiteral("%1 unchanged").arg(unchanged));
    return parts.isEmpty() ? QStringLiteral("no readers") : parts.join(QLatin1String(", "));
}

QString changeText(unsigned changes)
{
    QStringList words;
    for (const ChangeName &name : Names) {
        if (changes & name.change)
            words.append(QString::fromLatin1(name.word));
    }
    QString text = words.isEmpty() ? QStringLiteral("unchanged") : words.join(QLatin1String(", "));
    text[0] = text.at(0).toUpper();
    return text;
}

QStringList changeWords(unsigned changes)
{
    QStringList words;
    for (const ChangeName &name : Names) {
        if (changes & name.change)
            words.append(QString::fromLatin1(name.word).replace(QLatin1Char(' '), QLatin1Char('-')));
    }
    return words.isEmpty() ? QStringList{QStringLiteral("unchanged")} : words;
}

SiteChangeValues siteChangeValues(const SiteComparison &comparison, const SiteChange &row)
{
    SiteChangeValues values;
    if (row.now >= 0) {
        const ListedReader &reader = comparison.now.readers.at(row.now);
        values.address = reader.address;
        values.mac = reader.mac;
        values.identification = reader.identification;
        values.controlPort = reader.controlPort;
    }
    if (row.before >= 0) {
        const ListedReader &kept = comparison.before.readers.at(row.before);
        if (values.mac.isEmpty())
            values.mac = kept.mac;
        if (row.changes & (Missing | Moved))
            values.oldAddress = kept.address;
        if (row.changes & (Missing | Renamed))
            values.oldIdentification = kept.identification;
        if (row.changes & (Missing | OtherControlPort))
            values.oldControlPort = kept.controlPort;
    }
    return values;
}

QStringList siteChangeHeadings()
{
    return {QStringLiteral("Change"),
            QStringLiteral("IP Address"),
            QStringLiteral("Old IP Address"),
            QStringLiteral("MAC Address"),
            QStringLiteral("Reader Identification"),
            QStringLiteral("Old Reader Identification"),
            QStringLiteral("Control Port"),
            QStringLiteral("Old Control Port"),
            QStringLiteral("Note")};
}

QStringList siteChangeCells(const SiteComparison &comparison, const SiteChange &row)
{
    const SiteChangeValues values = siteChangeValues(comparison, row);
    return {changeText(row.changes), values.address,        values.oldAddress,
            values.mac,              values.identification, values.oldIdentification,
            values.controlPort,      values.oldControlPort, row.note};
}

QString siteChangesCsv(const SiteComparison &comparison, const QList<int> &rows)
{
    QString text = csvLine(siteChangeHeadings());
    for (const int row : rows) {
        QStringList cells = siteChangeCells(comparison, comparison.rows.at(row));
        for (QString &cell : cells)
            cell = cellWithoutLoss(cell);
        text += csvLine(cells);
    }
    return text;
}
