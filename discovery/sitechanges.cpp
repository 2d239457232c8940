#include "sitechanges.h"

#include "addresschecks.h"
#include "csvfields.h"
#include "typedvalues.h"

#include <QCoreApplication>
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
// The words are also zavctl's keys: only the window's texts are translated.
constexpr ChangeName Names[] = {
    {DuplicateAddress, QT_TRANSLATE_NOOP("SiteChanges", "duplicate address"),
     QT_TRANSLATE_NOOP("SiteChanges", "%1 with a duplicate address")},
    {New, QT_TRANSLATE_NOOP("SiteChanges", "new"), QT_TRANSLATE_NOOP("SiteChanges", "%1 new")},
    {Missing, QT_TRANSLATE_NOOP("SiteChanges", "missing"), QT_TRANSLATE_NOOP("SiteChanges", "%1 missing")},
    {Moved, QT_TRANSLATE_NOOP("SiteChanges", "moved"), QT_TRANSLATE_NOOP("SiteChanges", "%1 moved")},
    {Renamed, QT_TRANSLATE_NOOP("SiteChanges", "renamed"), QT_TRANSLATE_NOOP("SiteChanges", "%1 renamed")},
    {OtherControlPort, QT_TRANSLATE_NOOP("SiteChanges", "other control port"),
     QT_TRANSLATE_NOOP("SiteChanges", "%1 with another control port")},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("SiteChanges", text);
}

// The MAC a line is matched by: without separators, in capitals; empty for none.
QString macKey(const QString &mac)
{
    const auto separator = [](QChar c) {
        return c == QLatin1Char(':') || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(' ');
    };
    // Most MACs are written so already: shared, not copied.
    if (std::none_of(mac.cbegin(), mac.cend(), [&](QChar c) { return separator(c) || c != c.toUpper(); }))
        return mac;
    QString key;
    key.reserve(mac.size());
    for (const QChar c : mac) {
        if (!separator(c))
            key += c.toUpper();
    }
    return key;
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

// What a line is matched and sorted by, worked out once per line.
struct LineKey {
    QString mac;           // without separators, in capitals; empty for none
    quint64 address = 0;   // "010.1.1.5" and "10.1.1.5" alike: the number; text that is no address numbered above
    bool numeric = false;  // the address is a number
};

// Addresses as keys: an address is its number; any other text gets a key
// of its own above all numbers, the same in both lists.
class AddressKeys
{
public:
    quint64 key(const QString &address, bool *numeric)
    {
        const std::optional<QHostAddress> typed = readerAddressFromText(address);
        *numeric = typed.has_value();
        if (typed)
            return typed->toIPv4Address();
        const QString text = trimBlanks(address);
        auto known = m_text.constFind(text);
        if (known == m_text.constEnd())
            known = m_text.insert(text, (quint64(1) << 32) + quint64(m_text.size()));
        return *known;
    }

private:
    QHash<QString, quint64> m_text;
};

// The readers of one list: a MAC on several lines is one reader, its first line.
struct Readers {
    QList<LineKey> keys;                   // of every line
    QList<int> lines;                      // the first line of each reader
    QHash<QString, int> byMac;             // MAC -> that line
    QHash<int, QStringList> alsoAt;        // that line -> the other addresses its MAC shows with
    QHash<quint64, QString> firstMacAt;    // address -> the first MAC that answers there
    QSet<quint64> severalMacsAt;           // addresses where two MACs or more answer
};

Readers readersOf(const ReaderList &list, AddressKeys &addresses)
{
    Readers readers;
    readers.keys.reserve(list.readers.size());
    for (const ListedReader &reader : list.readers) {
        LineKey key;
        key.mac = macKey(reader.mac);
        key.address = addresses.key(reader.address, &key.numeric);
        readers.keys.append(key);
    }
    readers.byMac.reserve(list.readers.size());
    for (int i = 0; i < list.readers.size(); ++i) {
        const LineKey &key = readers.keys.at(i);
        if (key.mac.isEmpty()) {
            readers.lines.append(i);
            continue;
        }
        const auto heard = readers.firstMacAt.constFind(key.address);
        if (heard == readers.firstMacAt.constEnd())
            readers.firstMacAt.insert(key.address, key.mac);
        else if (*heard != key.mac)
            readers.severalMacsAt.insert(key.address);
        const auto first = readers.byMac.constFind(key.mac);
        if (first == readers.byMac.constEnd()) {
            readers.byMac.insert(key.mac, i);
            readers.lines.append(i);
            continue;
        }
        if (key.address == readers.keys.at(*first).address)
            continue;
        const QString address = trimBlanks(list.readers.at(i).address);
        if (!readers.alsoAt.value(*first).contains(address))
            readers.alsoAt[*first].append(address);
    }
    return readers;
}

QString whereSaved(const ListedReader &reader)
{
    return reader.line > 0 ? translated(QT_TRANSLATE_NOOP("SiteChanges", "on line %1 of the earlier list")).arg(reader.line)
                           : translated(QT_TRANSLATE_NOOP("SiteChanges", "in the earlier list"));
}

// Where rows go: by their first change, then by address (numeric addresses
// in their order, before any other text), then by MAC.
struct SortKey {
    int rank = 0;
    const LineKey *line = nullptr;
    const QString *text = nullptr;
};

bool operator<(const SortKey &a, const SortKey &b)
{
    if (a.rank != b.rank)
        return a.rank < b.rank;
    if (a.line->numeric != b.line->numeric)
        return a.line->numeric;
    if (a.line->numeric && a.line->address != b.line->address)
        return a.line->address < b.line->address;
    if (!a.line->numeric && *a.text != *b.text)
        return *a.text < *b.text;
    return a.line->mac < b.line->mac;
}

int rankOf(unsigned changes)
{
    for (int rank = 0; rank < int(std::size(Order)); ++rank) {
        if (changes & Order[rank])
            return rank;
    }
    return int(std::size(Order));
}
} // namespace

SiteComparison compareReaderLists(const ReaderList &before, const ReaderList &now)
{
    SiteComparison comparison;
    comparison.before = before;
    comparison.now = now;
    AddressKeys addresses;
    const Readers was = readersOf(before, addresses);
    const Readers is = readersOf(now, addresses);
    QList<int> partnerOfNow(now.readers.size(), -1);
    QList<int> partnerOfBefore(before.readers.size(), -1);
    QSet<int> byAddress;  // lines of the list now matched by address

    for (const int i : is.lines) {
        const QString &mac = is.keys.at(i).mac;
        const int j = mac.isEmpty() ? -1 : was.byMac.value(mac, -1);
        if (j >= 0) {
            partnerOfNow[i] = j;
            partnerOfBefore[j] = i;
        }
    }
    // Lines without a MAC, on either side, meet the unmatched readers of the
    // other list at the same address, in the order of the lists.
    const auto unmatchedByAddress = [](const Readers &readers, const QList<int> &partners) {
        QHash<quint64, QList<int>> lines;
        for (const int i : readers.lines) {
            if (partners.at(i) < 0)
                lines[readers.keys.at(i).address].append(i);
        }
        return lines;
    };
    QHash<quint64, QList<int>> unmatchedBefore = unmatchedByAddress(was, partnerOfBefore);
    for (const int i : is.lines) {
        if (!is.keys.at(i).mac.isEmpty())
            continue;
        const auto candidates = unmatchedBefore.find(is.keys.at(i).address);
        if (candidates != unmatchedBefore.end() && !candidates->isEmpty()) {
            partnerOfNow[i] = candidates->takeFirst();
            partnerOfBefore[partnerOfNow[i]] = i;
            byAddress.insert(i);
        }
    }
    QHash<quint64, QList<int>> unmatchedNow = unmatchedByAddress(is, partnerOfNow);
    for (const int j : was.lines) {
        if (partnerOfBefore.at(j) >= 0 || !was.keys.at(j).mac.isEmpty())
            continue;
        const auto candidates = unmatchedNow.find(was.keys.at(j).address);
        if (candidates != unmatchedNow.end() && !candidates->isEmpty()) {
            partnerOfBefore[j] = candidates->takeFirst();
            partnerOfNow[partnerOfBefore[j]] = j;
            byAddress.insert(partnerOfBefore[j]);
        }
    }

    QList<SortKey> keys;
    keys.reserve(is.lines.size() + was.lines.size());
    comparison.rows.reserve(keys.capacity());
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
            if (was.keys.at(j).address != is.keys.at(i).address)
                row.changes |= Moved;
            if (before.hasIdentification && now.hasIdentification
                && differ(trimBlanks(kept->identification), trimBlanks(reader->identification)))
                row.changes |= Renamed;
            if (before.hasControlPort && now.hasControlPort
                && differ(portKey(kept->controlPort), portKey(reader->controlPort)))
                row.changes |= OtherControlPort;
        }
        if (reader) {
            const quint64 address = is.keys.at(i).address;
            if (is.severalMacsAt.contains(address) && !was.severalMacsAt.contains(address))
                row.changes |= DuplicateAddress;
        }
        const bool matchedByAddress = i >= 0 && byAddress.contains(i);
        if (reader && is.keys.at(i).mac.isEmpty())
            notes.append(matchedByAddress
                             ? translated(QT_TRANSLATE_NOOP("SiteChanges", "no MAC in the list now: compared by address"))
                             : translated(QT_TRANSLATE_NOOP("SiteChanges", "no MAC in the list now")));
        if (kept && was.keys.at(j).mac.isEmpty())
            notes.append(matchedByAddress
                             //: %1 is "on line 4 of the earlier list" or "in the earlier list".
                             ? translated(QT_TRANSLATE_NOOP("SiteChanges", "no MAC %1: compared by address")).arg(whereSaved(*kept))
                             : translated(QT_TRANSLATE_NOOP("SiteChanges", "no MAC %1")).arg(whereSaved(*kept)));
        if (i >= 0 && is.alsoAt.contains(i))
            notes.append(translated(QT_TRANSLATE_NOOP("SiteChanges", "its MAC also answers at %1"))
                             .arg(is.alsoAt.value(i).join(QLatin1String(", "))));
        if (j >= 0 && was.alsoAt.contains(j))
            notes.append(translated(QT_TRANSLATE_NOOP("SiteChanges", "its MAC was also at %1 in the earlier list"))
                             .arg(was.alsoAt.value(j).join(QLatin1String(", "))));
        row.note = notes.join(QLatin1String("; "));
        comparison.rows.append(row);
        keys.append({rankOf(row.changes), i >= 0 ? &is.keys.at(i) : &was.keys.at(j),
                     i >= 0 ? &reader->address : &kept->address});
    };
    for (const int i : is.lines)
        addRow(i, partnerOfNow.at(i));
    for (const int j : was.lines) {
        if (partnerOfBefore.at(j) < 0)
            addRow(-1, j);
    }

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
            parts.append(translated(name.summary).arg(n));
    }
    if (const int unchanged = count(0))
        parts.append(translated(QT_TRANSLATE_NOOP("SiteChanges", "%1 unchanged")).arg(unchanged));
    return parts.isEmpty() ? translated(QT_TRANSLATE_NOOP("SiteChanges", "no readers"))
                           //: Between the parts of the summary and between the changes of a row.
                           : parts.join(translated(QT_TRANSLATE_NOOP("SiteChanges", ", ")));
}

QString changeText(unsigned changes, Words language)
{
    const auto shown = [language](const char *text) {
        return language == Words::Translated ? translated(text) : QString::fromLatin1(text);
    };
    QStringList words;
    for (const ChangeName &name : Names) {
        if (changes & name.change)
            words.append(shown(name.word));
    }
    QString text = words.isEmpty() ? shown(QT_TRANSLATE_NOOP("SiteChanges", "unchanged"))
                                   : words.join(shown(QT_TRANSLATE_NOOP("SiteChanges", ", ")));
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
    return {QStringLiteral(QT_TRANSLATE_NOOP("SiteChanges", "Change")),
            QStringLiteral(QT_TRANSLATE_NOOP("SiteChanges", "IP Address")),
            QStringLiteral(QT_TRANSLATE_NOOP("SiteChanges", "Old IP Address")),
            QStringLiteral(QT_TRANSLATE_NOOP("SiteChanges", "MAC Address")),
            QStringLiteral(QT_TRANSLATE_NOOP("SiteChanges", "Reader Identification")),
            QStringLiteral(QT_TRANSLATE_NOOP("SiteChanges", "Old Reader Identification")),
            QStringLiteral(QT_TRANSLATE_NOOP("SiteChanges", "Control Port")),
            QStringLiteral(QT_TRANSLATE_NOOP("SiteChanges", "Old Control Port")),
            QStringLiteral(QT_TRANSLATE_NOOP("SiteChanges", "Note"))};
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
