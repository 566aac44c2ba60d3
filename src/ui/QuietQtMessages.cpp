#include "ui/QuietQtMessages.h"

#include <QtGlobal>

namespace {
void Discard(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

void SilenceQtMessages() { qInstallMessageHandler(Discard); }
