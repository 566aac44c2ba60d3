#pragma once

#include <QStringList>

// The picture dialogs' type list (ui/PictureFileFilters.h) as
// QFileDialog name filters. Qt takes a filter's patterns from its last
// parenthesised group and splits them at blanks only, so each entry becomes
// "<text> (<patterns separated by blanks>)"; the dialog hides that group
// (QFileDialog::HideNameFilterDetails) and shows the text exactly.
QStringList PictureDialogNameFilters();
