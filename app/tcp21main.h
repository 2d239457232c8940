#pragma once

#include <QPointer>
#include <QWidget>

#include <array>

class Dialogs;
class MenuForm;
class WideProgram;
#include "controlnumbers.h"
#include "taskwindow.h"

// The main window: holds the menu panel and the seven task windows, one
// instance of each, created the first time anything refers to it.
class Tcp21Main : public QWidget
{
    Q_OBJECT
public:
    explicit Tcp21Main(Dialogs &dialogs, QWidget *parent = nullptr);

    MenuForm *menuform() const { return m_menuform; }
    // The task window of a menu entry, created (not shown) on first reference.
    TaskWindow *taskWindow(int index);
    TaskWindow *existingTaskWindow(int index) const { return m_windows.at(size_t(index)); }
    // The Program Reader window, created (not shown) on first reference.
    WideProgram *programReader();
    // Performs the menu click for "Server Connect".
    void startclick();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    TaskWindow *createTaskWindow(int index);
    // The window of a menu entry placed at 2501, 0, shown and raised.
    void bringToFront(int index);

    Dialogs &m_dialogs;
    MenuForm *m_menuform = nullptr;
    std::array<QPointer<TaskWindow>, menu::EntryCount> m_windows;
};

// The start-up sequence: sizes and shows the main window, docks the menu panel
// and gives Program Reader its default reader address and control port.
Tcp21Main *Main(Dialogs &dialogs);
