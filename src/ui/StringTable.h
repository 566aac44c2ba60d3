#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The program's string table: every user-visible text by its id. A command's
// string holds the status-bar help and, after "\n", the tool tip.
class StringTable {
public:
    // {"strings": {"<id>": "<text>", ...}}; nothing when the text is not such
    // a table.
    static std::optional<StringTable> Parse(const QByteArray &json);

    // Empty for an id without a string.
    QString Text(int id) const { return texts_.value(id); }
    bool Contains(int id) const { return texts_.contains(id); }
    QList<int> Ids() const { return texts_.keys(); }

private:
    QHash<int, QString> texts_;
};

// The table compiled into the program, read once.
const StringTable &AppStrings();

// Shorthand for AppStrings().Text(id).
QString LoadString(int id);

struct CommandPrompt {
    QString statusHelp; // the part before the first "\n"
    QString toolTip;    // the part after it; empty when there is none
};
CommandPrompt SplitCommandPrompt(const QString &text);
