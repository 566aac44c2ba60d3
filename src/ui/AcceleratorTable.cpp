#include "ui/AcceleratorTable.h"

#include "ui/JsonResource.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QKeyEvent>
#include <QKeySequence>

namespace {

constexpr Qt::KeyboardModifiers kSignificantModifiers =
    Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier;

QKeyCombination Normalised(QKeyCombination key)
{
    Qt::Key k = key.key();
    if (k == Qt::Key_Enter)
        k = Qt::Key_Return;
    return QKeyCombination(key.keyboardModifiers() & kSignificantModifiers, k);
}

} // namespace

std::optional<AcceleratorTables> AcceleratorTables::Parse(const QByteArray &json)
{
    const std::optional<QJsonObject> root = ParseJsonObject(json);
    if (!root || !root->value(QLatin1String("accelerators")).isObject())
        return std::nullopt;
    AcceleratorTables result;
    const QJsonObject tables = root->value(QLatin1String("accelerators")).toObject();
    for (auto it = tables.begin(); it != tables.end(); ++it) {
        const std::optional<int> id = ParseResourceId(it.key());
        if (!id || !it.value().isArray())
            return std::nullopt;
        QList<Accelerator> entries;
        for (const QJsonValue &value : it.value().toArray()) {
            const QJsonObject entry = value.toObject();
            const QKeySequence sequence =
                QKeySequence::fromString(entry.value(QLatin1String("key")).toString(), QKeySequence::PortableText);
            const int command = entry.value(QLatin1String("command")).toInt(-1);
            // One key per accelerator; a chord or an unknown key name is a
            // broken table.
            if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown || command <= 0)
                return std::nullopt;
            entries.append({Normalised(sequence[0]), command});
        }
        result.tables_.insert(*id, entries);
    }
    return result;
}

std::optional<int> AcceleratorTables::Lookup(int table, QKeyCombination key) const
{
    const auto it = tables_.constFind(table);
    if (it == tables_.constEnd())
        return std::nullopt;
    const QKeyCombination wanted = Normalised(key);
    for (const Accelerator &accelerator : *it) {
        if (accelerator.key == wanted)
            return accelerator.command;
    }
    return std::nullopt;
}

std::optional<int> AcceleratorTables::Lookup(int table, const QKeyEvent &event) const
{
    return Lookup(table, event.keyCombination());
}

const AcceleratorTables &AppAccelerators()
{
    static const AcceleratorTables tables =
        AcceleratorTables::Parse(ReadResourceBytes(QStringLiteral("accelerators.json"))).value_or(AcceleratorTables{});
    return tables;
}
