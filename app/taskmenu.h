#pragma once

#include "controlarray.h"
#include "controlnumbers.h"

#include <QString>
#include <QVector>
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

    // Menu click with an entry index (menu::Entry): one yellow entry, and its
    // window brought to the front.
    void label1Click(int index);
    void all_white();
    // Brings "Program Reader" to the front with the reader's address and
    // control port in its first two fields.
    void do_click3(const QString &address, const QString &port);

    ClickLabel *entry(int index) const { return Label1.at(index); }

signals:
    // The entry whose window the main window brings to the front.
    void entryChosen(int index);
    // do_click3's hand-over, once Program Reader is in front.
    void readerHandedOver(const QString &address, const QString &port);

private:
    ControlArray<ClickLabel> Label1{QStringLiteral("Label1")};  // the menu entries
};
