#include "ui/StringTable.h"

#include "ui/JsonResource.h"

#include <QJsonObject>

std::optional<StringTable> StringTable::Parse(const QByteArray &json)
{
    const std::optional<QJsonObject> root = ParseJsonObject(json);
    if (!root || !root->value(QLatin1String("strings")).isObject())
        return std::nullopt;
    StringTable table;
    const QJsonObject strings = root->value(QLatin1String("strings")).toObject();
    for (auto it = strings.begin(); it != strings.end(); ++it) {
        const std::optional<int> id = ParseResourceId(it.key());
        if (!id || !it.value().isString())
            return std::nullopt;
        table.texts_.insert(*id, it.value().toString());
    }
    return table;
}

const StringTable &AppStrings()
{
    static const StringTable table =
        StringTable::Parse(ReadResourceBytes(QStringLiteral("strings.json"))).value_or(StringTable{});
    return table;
}

QString LoadString(int id) { return AppStrings().Text(id); }

CommandPrompt SplitCommandPrompt(const QString &text)
{
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    if (newline < 0)
        return {text, QString()};
    return {text.left(newline), text.mid(newline + 1)};
}
