#pragma once

#include <QList>
#include <QStringView>
#include <optional>

// The line rule of the program's own text files: a line runs from its start
// up to the next CR; the CR and the one code unit after it (taken to be the
// LF, never checked) are skipped. Text after the last CR is not a line.
struct CrLine {
    QStringView text;
    qsizetype next = 0; // where the following line starts, never past the end
};

// The line that starts at pos, or nothing when no CR follows pos.
std::optional<CrLine> NextCrLine(QStringView data, qsizetype pos);

// Every line of the data.
QList<QStringView> SplitCrLines(QStringView data);
