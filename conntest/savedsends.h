#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// The saved sends: named data that a connection window sends with one key
// (Ctrl+1 to Ctrl+9) or from its menu, kept in the program's settings and
// shared by the three connection windows. The data is kept as typed, in the
// form of Send Repeatedly: text with escapes, or hex pairs after "hex:".
//
// As a table model (Name, Data) it is the list an editor changes: every
// change is checked (a name that is not blank, data that parses) and saved
// at once; a change that fails the check is refused and the entry stays as
// it was.
class SavedSends : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { NameColumn, DataColumn, ColumnCount };
    static constexpr int MaxEntries = 100;

    struct Entry {
        QString name;
        QString data;
    };

    // The list as saved now (at most MaxEntries).
    static QList<Entry> load();
    // Why the entry cannot be saved, or nothing when it can.
    static QString refusalOf(const Entry &entry);
    // "&3 Ping: ping\r" with "Ctrl+3" as its shortcut for the first nine: the
    // text of the entry's menu item.
    static QString menuText(const Entry &entry, int index);

    // Loads the saved list.
    explicit SavedSends(QObject *parent = nullptr);

    const QList<Entry> &entries() const { return m_entries; }
    // Adds an entry at the end; false with 'refusal' when it fails the check
    // or the list is full.
    bool add(const Entry &entry, QString *refusal);
    void remove(int row);
    // Moves a row one place up (-1) or down (+1); false at either end.
    bool move(int row, int step);
    // Why the last change through setData() was refused.
    QString lastRefusal() const { return m_lastRefusal; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void save() const;

    QList<Entry> m_entries;
    QString m_lastRefusal;
};
