#pragma once

#include <QString>
#include <QWidget>

class IntroTextEdit;

// The introduction page of the book form: a rich-text editor whose content
// travels to and from the book as Base64 text of its RTF.
//
// An introduction read from a book is kept together with the very text it
// came from, and that text is what goes back into the book until the user
// edits it: opening and saving a book never rewrites its introduction, and a
// book just opened does not count as changed.
class IntroductionEditor : public QWidget {
public:
    explicit IntroductionEditor(QWidget *parent = nullptr);

    // Replaces the editor's content by the introduction in `intro` (Base64 of
    // RTF); what does not decode is read as far as it goes.
    void LoadIntro(const QString &intro);
    // The book has no introduction: empties the editor and forgets the text
    // it was loaded from.
    void ClearIntro();
    // Untouched since loading: the loaded text; edited: Base64 of the RTF of
    // the content. An editor that never held text leaves `intro` alone.
    void SaveIntro(QString &intro) const;

    bool IsModified() const;
    IntroTextEdit *Editor() const { return edit_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    IntroTextEdit *edit_ = nullptr;
    QString loadedText_;
};
