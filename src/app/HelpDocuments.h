#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// The help documents beside the executable, opened with the desktop's
// associated program.

// The document a help command opens (application directory + name); empty
// for any other command.
QString HelpDocumentPath(int commandId);

using DocumentOpener = std::function<bool(const QUrl &)>;

// Opens the command's document. A missing document is skipped quietly: the
// desktop's opener would otherwise pop up an error of its own for a file
// this program was meant to carry. Returns whether the opener was asked.
bool OpenHelpDocument(int commandId, const DocumentOpener &open);
bool OpenHelpDocument(int commandId);
