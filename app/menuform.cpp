#include "menuform.h"

#include "tcp21main.h"
#include "taskwindow.h"
#include "twips.h"
#include "uikit.h"

#include <QApplication>
#include <QMetaObject>

namespace {
const char *const Captions[MenuForm::EntryCount] = {
    "Local Network Search", "Wide Network Search", "Program Reader", "Server Connect",
    "Client Connect",       "Udp Connect",         "Flash Reader",
};
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);
} // namespace

MenuForm::MenuForm(Tcp21Main *mainWindow) : QWidget(mainWindow), m_main(mainWindow)
{
    setObjectName(QStringLiteral("menuform"));
    ui::setColours(this, ui::Teal);
    for (int i = 0; i < EntryCount; ++i) {
        auto *entry = new ClickLabel(QStringLiteral("Label1(%1)").arg(i), QLatin1String(Captions[i]), this);
        entry->setFont(ui::font(QStringLiteral("Arial"), 9.75, true));
        entry->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ui::setColours(entry, ui::Teal, White);
        place(entry, 180, 360 + 480 * i, 2115, 375);
        connect(entry, &ClickLabel::clicked, this, [this, i] { label1Click(i); });
        m_label1.append(entry);
    }
}

void MenuForm::all_white()
{
    for (ClickLabel *entry : std::as_const(m_label1))
        ui::setColours(entry, ui::Teal, White);
}

void MenuForm::label1Click(int index)
{
    if (index < 0 || index >= EntryCount)
        return;
    all_white();
    ui::setColours(m_label1.at(index), ui::Teal, Yellow);
    TaskWindow *window = m_main->taskWindow(index);
    window->move(twips(2501), 0);
    window->show();
    window->raise();
    // The keyboard follows the window brought to the front.
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !window->isAncestorOf(focus))
        window->focusFirstControl();
}

void MenuForm::do_click3(const QString &address, const QString &port)
{
    label1Click(ProgramReader);
    QMetaObject::invokeMethod(m_main->taskWindow(ProgramReader), "setup",
                              Q_ARG(QString, address), Q_ARG(QString, port));
}
