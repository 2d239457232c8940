#include "taskmenu.h"

#include "twips.h"
#include "uikit.h"

namespace {
const char *const Captions[menu::EntryCount] = {
    "Local Network Search", "Wide Network Search", "Program Reader", "Server Connect",
    "Client Connect",       "Udp Connect",         "Flash Reader",
};
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);
} // namespace

TaskMenu::TaskMenu(QWidget *mainWindow) : QWidget(mainWindow)
{
    setObjectName(QStringLiteral("taskMenu"));
    ui::setColours(this, ui::Teal);
    for (int i = 0; i < menu::EntryCount; ++i) {
        auto *entry = new ClickLabel(Label1.elementName(i), QLatin1String(Captions[i]), this);
        entry->setFont(ui::font(QStringLiteral("Arial"), 9.75, true));
        entry->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ui::setColours(entry, ui::Teal, White);
        place(entry, 180, 360 + 480 * i, 2115, 375);
        connect(entry, &ClickLabel::clicked, this, [this, i] { label1Click(i); });
        Label1[i] = entry;
    }
}

void TaskMenu::all_white()
{
    for (ClickLabel *entry : Label1)
        ui::setColours(entry, ui::Teal, White);
}

void TaskMenu::label1Click(int index)
{
    if (index < 0 || index >= menu::EntryCount)
        return;
    all_white();
    ui::setColours(Label1.at(index), ui::Teal, Yellow);
    emit entryChosen(index);
}

void TaskMenu::do_click3(const QString &address, const QString &port)
{
    label1Click(menu::ProgramReader);
    emit readerHandedOver(address, port);
}
