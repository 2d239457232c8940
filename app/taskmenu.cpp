#include "taskmenu.h"

#include "twips.h"
#include "uikit.h"

namespace {
struct Entry { const char *caption; const char *objectName; };
//: The menu panel's entries, white on teal: each at most 141 pixels wide.
const Entry Entries[menu::EntryCount] = {
    {QT_TRANSLATE_NOOP("TaskMenu", "Local Network Search"), "localNetworkSearchEntry"},
    {QT_TRANSLATE_NOOP("TaskMenu", "Wide Network Search"), "wideNetworkSearchEntry"},
    {QT_TRANSLATE_NOOP("TaskMenu", "Program Reader"), "programReaderEntry"},
    {QT_TRANSLATE_NOOP("TaskMenu", "Server Connect"), "serverConnectEntry"},
    {QT_TRANSLATE_NOOP("TaskMenu", "Client Connect"), "clientConnectEntry"},
    {QT_TRANSLATE_NOOP("TaskMenu", "Udp Connect"), "udpConnectEntry"},
    {QT_TRANSLATE_NOOP("TaskMenu", "Flash Reader"), "flashReaderEntry"},
};
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);
} // namespace

TaskMenu::TaskMenu(QWidget *mainWindow) : QWidget(mainWindow)
{
    setObjectName(QStringLiteral("taskMenu"));
    ui::setColours(this, ui::Teal);
    for (int i = 0; i < menu::EntryCount; ++i) {
        auto *entry = new ClickLabel(QLatin1String(Entries[i].objectName), tr(Entries[i].caption), this);
        entry->setFont(ui::font(QStringLiteral("Arial"), 9.75, true));
        entry->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ui::setColours(entry, ui::Teal, White);
        place(entry, 180, 360 + 480 * i, 2115, 375);
        connect(entry, &ClickLabel::clicked, this, [this, i] { choose(i); });
        m_entries[size_t(i)] = entry;
    }
}

void TaskMenu::showAllWhite()
{
    for (ClickLabel *entry : m_entries)
        ui::setColours(entry, ui::Teal, White);
}

void TaskMenu::choose(int index)
{
    if (index < 0 || index >= menu::EntryCount)
        return;
    showAllWhite();
    ui::setColours(entry(index), ui::Teal, Yellow);
    emit entryChosen(index);
}

void TaskMenu::handOverToProgramReader(const QString &address, const QString &port)
{
    choose(menu::ProgramReader);
    emit readerHandedOver(address, port);
}
