#pragma once

#include <QStringList>

class CommandTable;
class QMenu;

// The text of the recent-document item at a position from 1: "&<n> <path>"
// (an empty entry shows its number alone), "&" in the path kept literal.
QString RecentMenuItemText(int number, const QString &path);

// Refills the "最近文件" pop-up: one item per entry (most recent first) with
// ids from 57616 upwards, or the single disabled item 57616 that says the list is empty.
void RebuildRecentFilesMenu(QMenu *menu, const QStringList &mostRecentFirst, CommandTable &commands);
