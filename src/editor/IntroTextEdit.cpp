#include "editor/IntroTextEdit.h"

#include "ui/ResourceIds.h"
#include "ui/StringTable.h"

#include <QAction>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QFontDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QTextCursor>

IntroTextEdit::IntroTextEdit(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabChangesFocus(false);

    const auto makeAction = [this](const QString &text, const QKeySequence &keys, void (IntroTextEdit::*slot)()) {
        // The keys themselves are handled in keyPressEvent, so they work
        // exactly while the editor has the focus; the actions show them in
        // the context menu.
        auto *action = new QAction(text, this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    bold_ = makeAction(LoadString(kIdsIntroBold), QKeySequence(Qt::CTRL | Qt::Key_B), &IntroTextEdit::ToggleBold);
    italic_ = makeAction(LoadString(kIdsIntroItalic), QKeySequence(Qt::CTRL | Qt::Key_I), &IntroTextEdit::ToggleItalic);
    underline_ =
        makeAction(LoadString(kIdsIntroUnderline), QKeySequence(Qt::CTRL | Qt::Key_U), &IntroTextEdit::ToggleUnderline);
}

void IntroTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_B:
            ToggleBold();
            event->accept();
            return;
        case Qt::Key_I:
            ToggleItalic();
            event->accept();
            return;
        case Qt::Key_U:
            ToggleUnderline();
            event->accept();
            return;
        default: break;
        }
    }
    QTextEdit::keyPressEvent(event);
}

void IntroTextEdit::MergeFormat(const QTextCharFormat &format)
{
    QTextCursor cursor = textCursor();
    cursor.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
}

void IntroTextEdit::ToggleBold()
{
    QTextCharFormat format;
    format.setFontWeight(currentCharFormat().fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
    MergeFormat(format);
}

void IntroTextEdit::ToggleItalic()
{
    QTextCharFormat format;
    format.setFontItalic(!currentCharFormat().fontItalic());
    MergeFormat(format);
}

void IntroTextEdit::ToggleUnderline()
{
    QTextCharFormat format;
    format.setFontUnderline(!currentCharFormat().fontUnderline());
    MergeFormat(format);
}

void IntroTextEdit::SetAlignment(Qt::Alignment alignment) { setAlignment(alignment); }

void IntroTextEdit::ChooseFont()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, currentCharFormat().font(), this);
    if (!chosen)
        return;
    QTextCharFormat format;
    format.setFont(font, QTextCharFormat::FontPropertiesSpecifiedOnly);
    MergeFormat(format);
}

void IntroTextEdit::ChooseColour()
{
    const QColor colour = QColorDialog::getColor(currentCharFormat().foreground().color(), this);
    if (!colour.isValid())
        return;
    QTextCharFormat format;
    format.setForeground(colour);
    MergeFormat(format);
}

void IntroTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu(event->pos());
    menu->addSeparator();
    bold_->setCheckable(true);
    bold_->setChecked(currentCharFormat().fontWeight() > QFont::Normal);
    italic_->setCheckable(true);
    italic_->setChecked(currentCharFormat().fontItalic());
    underline_->setCheckable(true);
    underline_->setChecked(currentCharFormat().fontUnderline());
    menu->addAction(bold_);
    menu->addAction(italic_);
    menu->addAction(underline_);
    menu->addAction(LoadString(kIdsIntroFont), this, [this] { ChooseFont(); });
    menu->addAction(LoadString(kIdsIntroColour), this, [this] { ChooseColour(); });
    QMenu *align = menu->addMenu(LoadString(kIdsIntroAlign));
    align->addAction(LoadString(kIdsIntroAlignLeft), this, [this] { SetAlignment(Qt::AlignLeft | Qt::AlignAbsolute); });
    align->addAction(LoadString(kIdsIntroAlignCentre), this, [this] { SetAlignment(Qt::AlignHCenter); });
    align->addAction(LoadString(kIdsIntroAlignRight), this, [this] { SetAlignment(Qt::AlignRight | Qt::AlignAbsolute); });
    menu->exec(event->globalPos());
    delete menu;
}
