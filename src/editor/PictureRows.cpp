#include "editor/PictureRows.h"

#include "document/PicturePath.h"
#include "editor/FileSizeText.h"

#include <QFile>
#include <QSet>

#include <sys/stat.h>

void RenumberRows(PictureRows &rows)
{
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i].number = QString::number(i);
}

namespace {

// A moved row takes the place of its neighbour and the row it passes slides
// the other way: for adjacent rows, taking one out and putting it back one
// place over is a swap, which keeps a move of thousands of rows linear.
// Numbers are written again by the renumbering.
void SwapWithNeighbour(PictureRows &rows, qsizetype from, qsizetype to)
{
    rows[from].number.clear();
    std::swap(rows[from], rows[to]);
}

} // namespace

bool MoveSelectedRowsUp(PictureRows &rows)
{
    if (rows.isEmpty() || rows.first().selected)
        return false;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        if (rows.at(i).selected)
            SwapWithNeighbour(rows, i, i - 1);
    }
    RenumberRows(rows);
    return true;
}

bool MoveSelectedRowsDown(PictureRows &rows)
{
    if (rows.isEmpty() || rows.last().selected)
        return false;
    for (qsizetype n = rows.size() - 2; n >= 0; --n) {
        if (rows.at(n).selected)
            SwapWithNeighbour(rows, n, n + 1);
    }
    RenumberRows(rows);
    return true;
}

void DeleteSelectedRows(PictureRows &rows)
{
    rows.removeIf([](const PictureRow &row) { return row.selected; });
    RenumberRows(rows);
}

qsizetype TakeAddAnchor(PictureRows &rows, AddMode mode)
{
    qsizetype anchor = -1;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (!rows.at(i).selected)
            continue;
        rows[i].selected = false;
        if (mode == AddMode::Append || anchor < 0)
            anchor = i;
    }
    if (anchor < 0)
        anchor = mode == AddMode::Insert ? 0 : rows.size();
    return anchor;
}

bool PathFitsBookFile(const QString &path)
{
    return !path.isEmpty() && !path.contains(QLatin1Char('\r')) && !path.contains(QLatin1Char('\n'))
           && !path.contains(QLatin1Char('>'));
}

qsizetype AddPictureRows(PictureRows &rows, qsizetype anchor, const QStringList &paths, const QString &compileTime,
                         const FileLookUp &lookUp)
{
    anchor = std::clamp<qsizetype>(anchor, 0, rows.size());
    for (PictureRow &row : rows)
        row.selected = false;
    QSet<QString> present;
    present.reserve(rows.size() + paths.size());
    for (const PictureRow &row : rows)
        present.insert(row.path);

    qsizetype count = 0;
    for (const QString &path : paths) {
        if (path.size() > kMaxPathLength)
            break;
        if (present.contains(path) || !PathFitsBookFile(path))
            continue;
        const std::optional<std::uint64_t> size = lookUp(path);
        if (!size)
            continue;
        PictureRow row;
        row.path = path;
        row.size = FormatFileSize(*size);
        row.compileTime = compileTime;
        row.selected = true;
        rows.insert(anchor, row);
        present.insert(path);
        ++count;
    }
    RenumberRows(rows);
    return count;
}

std::optional<std::uint64_t> LookUpPictureFile(const QString &storedPath)
{
    const QString path = ExpandPicturePath(storedPath);
    if (path.isEmpty() || path.size() > kMaxPathLength)
        return std::nullopt;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}
