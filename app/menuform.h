#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

class ClickLabel;
class Tcp21Main;

// The teal menu panel docked at the main window's left edge. Each entry
// brings one task window to the front; the entry chosen last is yellow.
class MenuForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int EntryCount = 7;
    static constexpr int ProgramReader = 2;
    static constexpr int ServerConnect = 3;

    explicit MenuForm(Tcp21Main *mainWindow);

    // Menu click with an entry index: one yellow entry, its window placed at
    // 2501, 0, shown and raised.
    void label1Click(int index);
    void all_white();
    // Brings "Program Reader" to the front with the reader's address and
    // control port in its first two fields.
    void do_click3(const QString &address, const QString &port);

    ClickLabel *entry(int index) const { return m_label1.value(index); }

private:
    Tcp21Main *m_main;
    QVector<ClickLabel *> m_label1;  // Label1(0..6): the menu entries
};
