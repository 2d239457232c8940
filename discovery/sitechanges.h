#pragma once

#include "readerlistfile.h"

#include <QList>
#include <QString>
#include <QStringList>

// What changed on a site between an earlier list of readers and the list
// now: one row per reader, matched by MAC address. A reader whose MAC shows
// on several lines of one list (one reader answering twice) is one reader.
// Lines without a MAC are matched by address instead, and say so.
namespace sitechanges {
enum Change : unsigned {
    DuplicateAddress = 0x01,  // its address now answers with two MACs, and did not before
    New = 0x02,
    Missing = 0x04,
    Moved = 0x08,             // another address
    Renamed = 0x10,           // another identification
    OtherControlPort = 0x20,
};
// The changes in the order rows sort by; a row without any (unchanged) comes last.
inline constexpr Change Order[] = {DuplicateAddress, New, Missing, Moved, Renamed, OtherControlPort};
} // namespace sitechanges

struct SiteChange
{
    unsigned changes = 0;  // sitechanges::Change flags; 0: unchanged
    int now = -1;          // the reader in the list now; -1 for a missing one
    int before = -1;       // the reader in the earlier list; -1 for a new one
    QString note;          // how it was matched when not by MAC, a MAC at two addresses
};

struct SiteComparison
{
    ReaderList before;
    ReaderList now;
    QList<SiteChange> rows;  // by change, then address, then MAC

    // Rows with that change; with 0, the unchanged ones.
    int count(unsigned change) const;
    // True when any row is not unchanged.
    bool anyChange() const;
    // "3 new, 1 missing, 2 moved, 40 unchanged": each change that occurs, in
    // the order rows sort by, in the language of the windows.
    QString summary() const;
};

SiteComparison compareReaderLists(const ReaderList &before, const ReaderList &now);

// A row's changes as the window shows them ("Moved, renamed", "Unchanged"):
// in English for files and copies, or translated for the screen; and as
// words for zavctl ("moved", "renamed", "other-control-port", ...).
enum class Words { English, Translated };
QString changeText(unsigned changes, Words words = Words::English);
QStringList changeWords(unsigned changes);

// A row's values: the reader now (the MAC also for a missing one), and the
// earlier values that differ from them (all of them for a missing reader).
struct SiteChangeValues
{
    QString address;
    QString mac;
    QString identification;
    QString controlPort;
    QString oldAddress;
    QString oldIdentification;
    QString oldControlPort;
};
SiteChangeValues siteChangeValues(const SiteComparison &comparison, const SiteChange &row);

// The columns of a row in the window, in a copy and in its CSV: English
// headings (the window shows them translated in the context "SiteChanges"),
// and the notes of the row in the language of the windows.
QStringList siteChangeHeadings();
QStringList siteChangeCells(const SiteComparison &comparison, const SiteChange &row);
// The given rows as CSV under the headings, safe to open in a spreadsheet.
QString siteChangesCsv(const SiteComparison &comparison, const QList<int> &rows);
