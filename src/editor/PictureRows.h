#pragma once

#include "formats/PictureHolder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

// One row of the picture sequence list: the four column texts and whether
// the row is selected. The list widget shows these; the operations below
// work on them without a window, so every rule about order and selection is
// plain arithmetic on a list.
struct PictureRow {
    QString number;      // column 0, written by RenumberRows
    QString path;        // column 1, exactly as stored or as the dialog gave it
    QString size;        // column 2, display only
    QString compileTime; // column 3
    bool selected = false;

    bool operator==(const PictureRow &) const = default;
};

using PictureRows = QList<PictureRow>;

// Column 0 of every row: its position from 0.
void RenumberRows(PictureRows &rows);

// Moves every selected row one place up (a block of adjacent ones as a
// block); refused, returning false, when row 0 is selected. The moved rows
// stay selected.
bool MoveSelectedRowsUp(PictureRows &rows);
// The mirror image: refused when the last row is selected.
bool MoveSelectedRowsDown(PictureRows &rows);
// Removes every selected row and renumbers the rest.
void DeleteSelectedRows(PictureRows &rows);

// Where new rows go, clearing every selection on the way: insert takes the
// first selected row (0 without one), append the last selected row (the row
// count without one).
enum class AddMode { Insert, Append };
qsizetype TakeAddAnchor(PictureRows &rows, AddMode mode);

// Whether a book file can carry the path on one line of its own: line breaks
// would split the line and ">" ends the path field.
bool PathFitsBookFile(const QString &path);

// Adds the chosen files at the anchor, each one in turn at that same
// position (so files A, B, C stand as C, B, A), skipping paths that already
// stand in column 1 (compared with case: two such paths are two files here),
// paths a book cannot carry and files `lookUp` does not find. The first path
// longer than kMaxPathLength ends the enumeration. Renumbers, and
// leaves exactly the new rows selected. Returns how many were added.
using FileLookUp = std::function<std::optional<std::uint64_t>(const QString &path)>;
qsizetype AddPictureRows(PictureRows &rows, qsizetype anchor, const QStringList &paths, const QString &compileTime,
                         const FileLookUp &lookUp);

// The size of the file the stored path names (placeholder expanded), or
// nothing when there is no such entry on disk or the path is too long.
std::optional<std::uint64_t> LookUpPictureFile(const QString &storedPath);
