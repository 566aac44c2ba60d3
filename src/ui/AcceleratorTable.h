#pragma once

#include <QByteArray>
#include <QHash>
#include <QKeyCombination>
#include <QList>
#include <optional>

class QKeyEvent;

struct Accelerator {
    QKeyCombination key;
    int command = 0;
};

// The accelerator tables by id:
// {"accelerators": {"<id>": [{"key": "Ctrl+N", "command": 57600}, ...]}},
// keys written in QKeySequence's portable text.
class AcceleratorTables {
public:
    static std::optional<AcceleratorTables> Parse(const QByteArray &json);

    bool Contains(int table) const { return tables_.contains(table); }
    QList<Accelerator> Table(int table) const { return tables_.value(table); }

    // The command a key press stands for in the table. Modifiers must match
    // exactly (Ctrl+Shift+N is not Ctrl+N), the keypad's Enter counts as
    // Enter and the keypad's arrows as arrows.
    std::optional<int> Lookup(int table, const QKeyEvent &event) const;
    std::optional<int> Lookup(int table, QKeyCombination key) const;

private:
    QHash<int, QList<Accelerator>> tables_;
};

const AcceleratorTables &AppAccelerators();
