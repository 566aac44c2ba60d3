#include "app/HelpDocuments.h"

#include "document/AppDirectories.h"
#include "document/FileIo.h"
#include "ui/CommandIds.h"

#include <QDesktopServices>

QString HelpDocumentPath(int commandId)
{
    switch (commandId) {
    case kCmdHelpManual: return ApplicationDirectory() + QStringLiteral("User Manual.rtf");
    case kCmdHelpFaq: return ApplicationDirectory() + QStringLiteral("faq.txt");
    case kCmdHelpSupport: return ApplicationDirectory() + QStringLiteral("readme.txt");
    default: return {};
    }
}

bool OpenHelpDocument(int commandId, const DocumentOpener &open)
{
    const QString path = HelpDocumentPath(commandId);
    if (path.isEmpty() || !IsRegularFile(path) || !open)
        return false;
    open(QUrl::fromLocalFile(path));
    return true;
}

bool OpenHelpDocument(int commandId)
{
    return OpenHelpDocument(commandId, [](const QUrl &url) { return QDesktopServices::openUrl(url); });
}
