#include "document/TextLines.h"

#include <algorithm>

std::optional<CrLine> NextCrLine(QStringView data, qsizetype pos)
{
    if (pos < 0 || pos >= data.size())
        return std::nullopt;
    const qsizetype cr = data.indexOf(QChar(u'\r'), pos);
    if (cr < 0)
        return std::nullopt;
    return CrLine{data.mid(pos, cr - pos), std::min(cr + 2, data.size())};
}

QList<QStringView> SplitCrLines(QStringView data)
{
    QList<QStringView> lines;
    qsizetype pos = 0;
    while (const auto line = NextCrLine(data, pos)) {
        lines.append(line->text);
        pos = line->next;
    }
    return lines;
}
