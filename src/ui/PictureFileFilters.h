#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of a file dialog's type list: the text the user sees and the
// patterns it stands for, separated by ";".
struct FileDialogFilter {
    QString text;
    QString pattern;
};

// The type list of every dialog that picks a picture (the picture sequence
// and the cover box), first entry preselected: all pictures (its text names
// the seven classic types, its patterns every type the program reads), then
// one entry per classic type, then all files.
const QList<FileDialogFilter> &PictureDialogFilters();

// A pattern list such as "*.bmp;*.jpg" as single patterns for matching file
// names ("*.*" matches every name).
QStringList FilterPatterns(const FileDialogFilter &filter);
