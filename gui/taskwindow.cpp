#include "taskwindow.h"

#include "twips.h"
#include "uikit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

namespace {
// One filter per top-level QWindow: it sees each key once, before the widget
// that has the focus, and hands it to the task window that holds the focus
// (or to the top-most visible task window when no control has it).
class KeyPreviewFilter : public QObject
{
public:
    KeyPreviewFilter(QWidget *topLevel, QObject *parent) : QObject(parent), m_top(topLevel) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return QObject::eventFilter(watched, event);
        TaskWindow *target = findTarget();
        if (target && target->isEnabled())
            return target->keyPreview(static_cast<QKeyEvent *>(event));
        return false;
    }

private:
    TaskWindow *findTarget() const
    {
        if (!m_top)
            return nullptr;
        QWidget *w = QApplication::focusWidget();
        if (!w || w->window() != m_top)
            w = m_top;
        for (; w; w = w->parentWidget()) {
            if (auto *task = qobject_cast<TaskWindow *>(w))
                return task;
        }
        TaskWindow *topMost = nullptr;
        const auto children = m_top->findChildren<TaskWindow *>();
        // Sibling order is stacking order: the last visible one is on top.
        for (TaskWindow *task : children) {
            if (task->isVisible() && (!topMost || task->parentWidget() == topMost->parentWidget()))
                topMost = task;
        }
        return topMost;
    }

    QPointer<QWidget> m_top;
};
} // namespace

TaskWindow::TaskWindow(const QString &name, int widthTwips, int heightTwips, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(twips(widthTwips), twips(heightTwips));
    ui::setColours(this, ui::Grey);
    setFont(ui::arialBold());
}

bool TaskWindow::keyPreview(QKeyEvent *)
{
    return false;
}

void TaskWindow::installKeyPreview()
{
    QWidget *top = window();
    top->winId();
    QWindow *handle = top->windowHandle();
    if (!handle || handle->property("zavKeyPreview").toBool())
        return;
    handle->setProperty("zavKeyPreview", true);
    handle->installEventFilter(new KeyPreviewFilter(top, handle));
}

void TaskWindow::moveActionLabelsToEndOfTabChain()
{
    const QList<ClickLabel *> labels = findChildren<ClickLabel *>();
    QWidget *last = nullptr;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !labels.contains(w))
            last = w;
    }
    for (ClickLabel *label : labels) {
        if (!(label->focusPolicy() & Qt::TabFocus))
            continue;
        if (last)
            setTabOrder(last, label);
        last = label;
    }
}

void TaskWindow::showEvent(QShowEvent *event)
{
    if (!m_tabChainArranged) {
        m_tabChainArranged = true;
        moveActionLabelsToEndOfTabChain();
    }
    installKeyPreview();
    QWidget::showEvent(event);
}
