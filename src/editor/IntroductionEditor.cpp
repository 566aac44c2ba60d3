#include "editor/IntroductionEditor.h"

#include "document/Base64Text.h"
#include "editor/IntroTextEdit.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"
#include "ui/DialogUnits.h"

#include <QResizeEvent>
#include <QTextCursor>
#include <QTextDocument>

namespace {
constexpr QSize kTemplateSize(187, 100);
constexpr int kEditorInset = 10;
} // namespace

IntroductionEditor::IntroductionEditor(QWidget *parent) : QWidget(parent), edit_(new IntroTextEdit(this))
{
    edit_->setObjectName(QStringLiteral("introEditor"));
    resize(DialogSizeToPixels(kTemplateSize, DialogBaseUnitsOf(font())));
    setFocusProxy(edit_);
}

void IntroductionEditor::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const QSize size = event->size();
    edit_->setGeometry(kEditorInset, kEditorInset, std::max(0, size.width() - 2 * kEditorInset),
                       std::max(0, size.height() - 2 * kEditorInset));
}

void IntroductionEditor::LoadIntro(const QString &intro)
{
    QTextDocument *document = edit_->document();
    const QByteArray rtf = DecodeBase64Text(intro);
    if (!ReadRtf(rtf, *document))
        document->clear();
    document->clearUndoRedoStacks();
    document->setModified(false);
    // The reader of a new introduction starts at its top.
    edit_->moveCursor(QTextCursor::Start);
    loadedText_ = intro;
}

void IntroductionEditor::ClearIntro()
{
    edit_->clear();
    // A fresh character format too, so the next book does not start in the
    // last book's bold.
    edit_->setCurrentCharFormat(QTextCharFormat());
    edit_->document()->clearUndoRedoStacks();
    edit_->document()->setModified(false);
    loadedText_.clear();
}

bool IntroductionEditor::IsModified() const { return edit_->document()->isModified(); }

void IntroductionEditor::SaveIntro(QString &intro) const
{
    if (!IsModified()) {
        if (!loadedText_.isEmpty())
            intro = loadedText_;
        return;
    }
    intro = EncodeBase64Text(WriteRtf(*edit_->document()));
}
