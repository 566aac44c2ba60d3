#include "app/RecentFilesMenu.h"

#include "ui/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"

#include <QAction>
#include <QMenu>

QString RecentMenuItemText(int number, const QString &path)
{
    // "&" in a path would turn the next letter into a mnemonic.
    QString shown = path;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(shown);
}

void RebuildRecentFilesMenu(QMenu *menu, const QStringList &mostRecentFirst, CommandTable &commands)
{
    if (!menu)
        return;
    // The actions belong to the command table and are reused; only their
    // place in the menu and their texts change.
    menu->clear();
    if (mostRecentFirst.isEmpty()) {
        QAction *empty = commands.MenuAction(kCmdRecentFirst, QString());
        empty->setText(LoadString(kIdsRecentListEmpty));
        empty->setEnabled(false);
        menu->addAction(empty);
        return;
    }
    const int shown = std::min<int>(mostRecentFirst.size(), kCmdRecentLast - kCmdRecentFirst + 1);
    for (int i = 0; i < shown; ++i) {
        QAction *item = commands.MenuAction(kCmdRecentFirst + i, QString());
        item->setText(RecentMenuItemText(i + 1, mostRecentFirst.at(i)));
        item->setEnabled(true);
        menu->addAction(item);
    }
}
