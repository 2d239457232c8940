#pragma once

#include <QPointer>
#include <QWidget>

#include <array>

class Dialogs;
class TaskMenu;
class ProgramReaderWindow;
#include "controlnumbers.h"
#include "taskwindow.h"

// The main window: holds the menu panel and the seven task windows, one
// instance of each, created the first time anything refers to it.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(Dialogs &dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    TaskMenu *taskMenu() const { return m_taskMenu; }
    // The task window of a menu entry, created (not shown) on first reference.
    TaskWindow *taskWindow(int index);
    TaskWindow *existingTaskWindow(int index) const { return m_windows.at(size_t(index)); }
    // The Program Reader window, created (not shown) on first reference.
    ProgramReaderWindow *programReader();
    // The folder where the search windows keep the list of their last
    // search, for the next run of the program (empty: while it runs only).
    void keepLastSearchesIn(const QString &folder);
    // Sizes the window so that its outer size, frame and title bar included,
    // is 'outer'. Until the platform reports a frame the inside gets that
    // size; the first time a frame is known the inside shrinks by it, once.
    void setOuterSize(const QSize &outer);

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    // Tab and Shift+Tab walk the controls of the task window in front only.
    bool focusNextPrevChild(bool next) override;

private:
    TaskWindow *createTaskWindow(int index);
    // The window of a menu entry placed at 2501, 0, shown and raised.
    void bringToFront(int index);
    void applyOuterSize();
    // Keys go only to the window in front: a focus that lands in a covered
    // task window (by a click on a part of it that shows) goes back.
    void keepFocusInFront(QWidget *old, QWidget *now);

    Dialogs &m_dialogs;
    TaskMenu *m_taskMenu = nullptr;
    std::array<QPointer<TaskWindow>, menu::EntryCount> m_windows;
    QSize m_outerSize;  // the outer size still to be given once the frame is known
    QString m_lastSearchFolder;
};

// Names the program to the desktop: its name, its desktop entry (which gives
// the name and icon a launcher shows) and its window icon. It sets no
// display name, which Qt would append to the title of every window.
void setApplicationIdentity();

// The start-up sequence: sizes and shows the main window, docks the menu panel
// and gives Program Reader its default reader address and control port.
MainWindow *showMainWindow(Dialogs &dialogs);
