#include "ui/NumberEdit.h"

#include "ui/DialogUnits.h"

#include <QKeyEvent>

NumberEdit::NumberEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
    setFrame(true);
}

bool NumberEdit::AcceptsTypedText(const QString &text)
{
    for (QChar c : text) {
        if (c.isPrint() && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return false;
    }
    return true;
}

void NumberEdit::SetWidthInCharacters(int characters)
{
    // The Latin average, as for dialog units: a CJK font's own average is the
    // width of an ideograph and would make the box twice too wide.
    setFixedWidth(DialogBaseUnitsOf(font()).averageCharWidth * characters);
}

void NumberEdit::keyPressEvent(QKeyEvent *event)
{
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!shortcut && !AcceptsTypedText(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
