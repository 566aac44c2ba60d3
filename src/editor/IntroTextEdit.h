#pragma once

#include <QTextEdit>

class QAction;

// The introduction's rich-text editor: no word wrap, Enter starts a new
// paragraph, and the formats a reader of the introduction sees are at hand:
// Ctrl+B, Ctrl+I and Ctrl+U toggle bold, italic and underline, and the
// context menu adds those with font, size, colour and alignment.
class IntroTextEdit : public QTextEdit {
public:
    explicit IntroTextEdit(QWidget *parent = nullptr);

    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();
    void SetAlignment(Qt::Alignment alignment);

    // The format actions, for the context menu and for tests.
    QAction *BoldAction() const { return bold_; }
    QAction *ItalicAction() const { return italic_; }
    QAction *UnderlineAction() const { return underline_; }

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void MergeFormat(const QTextCharFormat &format);
    void ChooseFont();
    void ChooseColour();

    QAction *bold_ = nullptr;
    QAction *italic_ = nullptr;
    QAction *underline_ = nullptr;
};
