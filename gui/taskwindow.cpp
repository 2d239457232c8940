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
// (or to the top-most visible task window when no control has it). Of task
// windows stacked in one container only the one in front takes keys: should
// the focus sit in a covered one, it moves to the front window first.
class KeyPreviewFilter : public QObject
{
public:
    KeyPreviewFilter(QWidget *topLevel, QObject *parent) : QObject(parent), m_top(topLevel) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return QObject::eventFilter(watched, event);
        TaskWindow *target = findTarget();
        if (target && holdsFocusElsewhere(target) && !target->focusFirstControl())
            QApplication::focusWidget()->clearFocus();
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
            if (auto *task = qobject_cast<TaskWindow *>(w)) {
                TaskWindow *front = task->parentWidget() ? TaskWindow::frontWindow(task->parentWidget()) : nullptr;
                return front ? front : task;
            }
        }
        return TaskWindow::frontWindow(m_top);
    }

    // True when the focus is in another task window of the same top level.
    bool holdsFocusElsewhere(const TaskWindow *target) const
    {
        for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget()) {
            if (auto *task = qobject_cast<TaskWindow *>(w))
                return task != target && task->window() == target->window();
        }
        return false;
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

TaskWindow *TaskWindow::frontWindow(const QWidget *container)
{
    if (!container)
        return nullptr;
    TaskWindow *front = nullptr;
    // Sibling order is stacking order: the last visible one is on top.
    for (QObject *child : container->children()) {
        auto *task = qobject_cast<TaskWindow *>(child);
        if (task && !task->isWindow() && task->isVisibleTo(container))
            front = task;
    }
    return front;
}

QList<QWidget *> TaskWindow::tabControls() const
{
    QList<QWidget *> controls;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy()
            && w->isVisibleTo(this) && w->isEnabled())
            controls.append(w);
    }
    return controls;
}

bool TaskWindow::focusNextControl(bool next)
{
    const QList<QWidget *> controls = tabControls();
    if (controls.isEmpty())
        return false;
    const qsizetype at = controls.indexOf(QApplication::focusWidget());
    qsizetype to = 0;
    if (at < 0)
        to = next ? 0 : controls.size() - 1;
    else
        to = (at + (next ? 1 : controls.size() - 1)) % controls.size();
    controls.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool TaskWindow::focusFirstControl()
{
    const QList<QWidget *> controls = tabControls();
    if (controls.isEmpty())
        return false;
    controls.constFirst()->setFocus(Qt::OtherFocusReason);
    return true;
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
