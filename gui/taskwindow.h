#pragma once

#include <QWidget>

class QKeyEvent;

// The frame every task window shares: its design size in twips, the light
// grey background, and a key preview that sees each key before any control of
// the window does (also when the window sits inside the main window).
class TaskWindow : public QWidget
{
    Q_OBJECT
public:
    TaskWindow(const QString &name, int widthTwips, int heightTwips, QWidget *parent = nullptr);

    // Called for every key press and release meant for this window, before the
    // focused control sees it. Return true to consume the event.
    virtual bool keyPreview(QKeyEvent *event);

    // Makes sure the key preview of the window's top-level QWindow is in place.
    void installKeyPreview();

    // The task window drawn on top among the visible task windows stacked
    // in 'container' (its direct children), or null when none shows.
    static TaskWindow *frontWindow(const QWidget *container);
    // The keyboard focus to the next (or previous) control of this window in
    // its tab order, wrapping around inside the window; from outside the
    // window, to its first (or last) control. False when no control takes it.
    bool focusNextControl(bool next);
    // The keyboard focus to the window's first control in its tab order.
    bool focusFirstControl();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Labels used as buttons can take the keyboard focus; they come after the
    // window's fields and boxes, which keep their own order.
    void moveActionLabelsToEndOfTabChain();
    // The controls that Tab reaches, in tab order.
    QList<QWidget *> tabControls() const;
    bool m_tabChainArranged = false;
};
