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

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Labels used as buttons can take the keyboard focus; they come after the
    // window's fields and boxes, which keep their own order.
    void moveActionLabelsToEndOfTabChain();
    bool m_tabChainArranged = false;
};
