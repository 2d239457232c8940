#pragma once

#include "controlnumbers.h"

#include <QString>
#include <array>
#include <QWidget>

class ClickLabel;

// The teal menu panel docked at the main window's left edge. Each entry
// brings one task window to the front (the main window does, told by
// entryChosen); the entry chosen last is yellow.
class TaskMenu : public QWidget
{
    Q_OBJECT
public:
    explicit TaskMenu(QWidget *mainWindow);

    // Chooses an entry (menu::Entry) as a click does: it alone turns yellow,
    // and its window is brought to the front.
    void choose(int index);
    // Brings "Program Reader" to the front with the reader's address and
    // control port in its first two fields.
    void handOverToProgramReader(const QString &address, const QString &port);

    ClickLabel *entry(int index) const { return m_entries.at(size_t(index)); }

signals:
    // The entry whose window the main window brings to the front.
    void entryChosen(int index);
    // handOverToProgramReader's reader, once Program Reader is in front.
    void readerHandedOver(const QString &address, const QString &port);

private:
    void showAllWhite();

    std::array<ClickLabel *, menu::EntryCount> m_entries{};
};
