#pragma once

#include <QLineEdit>

// A one-line edit box whose typing is limited to digits, as the zoom box and
// the page box of the bars are: the program itself writes "100%" or "3/12"
// into it, but the user can only type numbers. Pasting is not filtered, and
// editing keys (arrows, Backspace, Delete, shortcuts) work as usual.
class NumberEdit : public QLineEdit {
public:
    explicit NumberEdit(QWidget *parent = nullptr);

    // Whether a key press that would insert this text may do so.
    static bool AcceptsTypedText(const QString &text);

    // Fixes the box's width at a number of the font's average characters.
    void SetWidthInCharacters(int characters);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
