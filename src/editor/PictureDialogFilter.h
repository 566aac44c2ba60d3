#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The file types the cover's picture dialog offers, first entry selected:
// what the user reads, and the patterns it stands for.
struct PictureDialogFilterEntry {
    QString description;
    QString patterns;  // separated by ";"
};

const QList<PictureDialogFilterEntry> &PictureDialogFilter();

// The entries as QFileDialog name filters. Qt takes a filter's patterns from
// its last parenthesised group and splits them at blanks only, so each entry
// becomes "<description> (<patterns separated by blanks>)"; the dialog hides
// that group (QFileDialog::HideNameFilterDetails) and shows the description
// exactly. "*.*" becomes "*": file names here need not have an extension.
QStringList PictureDialogNameFilters();
