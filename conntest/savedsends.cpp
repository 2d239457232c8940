#include "savedsends.h"

#include "senddata.h"

#include <QSettings>

namespace {
constexpr int PreviewLength = 24;

QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zav-utility"),
                     QStringLiteral("zav-utility"));
}

const QString ListKey = QStringLiteral("savedSends");
} // namespace

QList<SavedSends::Entry> SavedSends::load()
{
    QSettings store = settings();
    const int size = qMin(store.beginReadArray(ListKey), int(MaxEntries));
    QList<Entry> entries;
    for (int i = 0; i < size; ++i) {
        store.setArrayIndex(i);
        entries.append({store.value(QStringLiteral("name")).toString(), store.value(QStringLiteral("data")).toString()});
    }
    store.endArray();
    return entries;
}

void SavedSends::save() const
{
    QSettings store = settings();
    store.remove(ListKey);
    store.beginWriteArray(ListKey, int(m_entries.size()));
    for (int i = 0; i < m_entries.size(); ++i) {
        store.setArrayIndex(i);
        store.setValue(QStringLiteral("name"), m_entries.at(i).name);
        store.setValue(QStringLiteral("data"), m_entries.at(i).data);
    }
    store.endArray();
}

QString SavedSends::refusalOf(const Entry &entry)
{
    if (entry.name.trimmed().isEmpty())
        return tr("A saved send needs a name");
    const senddata::Parsed parsed = senddata::parse(entry.data);
    return parsed.ok ? QString() : parsed.error;
}

QString SavedSends::menuText(const Entry &entry, int index)
{
    QString preview = entry.data;
    if (preview.size() > PreviewLength)
        preview = preview.left(PreviewLength - 3) + QStringLiteral("...");
    // An "&" of the technician's own is shown as it is, not as a mnemonic;
    // a tab would start the shortcut's column.
    QString text = QStringLiteral("%1: %2")
                       .arg(entry.name, preview)
                       .replace(QLatin1Char('&'), QLatin1String("&&"))
                       .replace(QLatin1Char('\t'), QLatin1Char(' '));
    if (index < 9)
        text = QStringLiteral("&%1 %2\tCtrl+%1").arg(index + 1).arg(text);
    return text;
}

SavedSends::SavedSends(QObject *parent) : QAbstractTableModel(parent), m_entries(load())
{
}

bool SavedSends::add(const Entry &entry, QString *refusal)
{
    QString why = refusalOf(entry);
    if (why.isEmpty() && m_entries.size() >= MaxEntries)
        why = tr("The list is full: at most %1 saved sends").arg(MaxEntries);
    if (!why.isEmpty()) {
        if (refusal)
            *refusal = why;
        return false;
    }
    const int row = int(m_entries.size());
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(entry);
    endInsertRows();
    save();
    return true;
}

void SavedSends::remove(int row)
{
    if (row < 0 || row >= m_entries.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_entries.removeAt(row);
    endRemoveRows();
    save();
}

bool SavedSends::move(int row, int step)
{
    const int to = row + step;
    if (row < 0 || row >= m_entries.size() || to < 0 || to >= m_entries.size() || step == 0)
        return false;
    // Qt's row move names the row before which the moved one lands.
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), step > 0 ? to + 1 : to);
    m_entries.move(row, to);
    endMoveRows();
    save();
    return true;
}

int SavedSends::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int SavedSends::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SavedSends::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Entry &entry = m_entries.at(index.row());
    return index.column() == NameColumn ? entry.name : entry.data;
}

bool SavedSends::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_entries.size() || role != Qt::EditRole)
        return false;
    Entry entry = m_entries.at(index.row());
    (index.column() == NameColumn ? entry.name : entry.data) = value.toString();
    m_lastRefusal = refusalOf(entry);
    if (!m_lastRefusal.isEmpty())
        return false;
    m_entries[index.row()] = entry;
    emit dataChanged(index, index);
    save();
    return true;
}

Qt::ItemFlags SavedSends::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant SavedSends::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == NameColumn ? tr("Name") : tr("Data");
}
