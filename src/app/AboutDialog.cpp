#include "app/AboutDialog.h"
#include "ui/StringTable.h"
#include "ui/ResourceIds.h"

#include "ui/DialogUnits.h"
#include "ui/FixedDialog.h"
#include "ui/ToolBarResource.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLabel *PlainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget *owner) : QDialog(owner)
{
    setWindowIcon(NamedIcon(QStringLiteral("vellora.svg")));
    setWindowTitle(LoadString(kIdsAboutCaption));
    const DialogBaseUnits base = DialogBaseUnitsOf(font());

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(DialogXToPixels(7, base), DialogYToPixels(7, base), DialogXToPixels(7, base),
                              DialogYToPixels(7, base));
    outer->setSpacing(DialogYToPixels(8, base));

    auto *group = new QGroupBox(LoadString(kIdsAboutProgram), this);
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(DialogXToPixels(9, base), DialogYToPixels(8, base), DialogXToPixels(8, base),
                             DialogYToPixels(8, base));
    grid->setVerticalSpacing(DialogYToPixels(4, base));
    // The second column indents the description and the address under
    // their headings.
    grid->setColumnMinimumWidth(0, DialogXToPixels(12, base));
    grid->setColumnStretch(1, 1);

    grid->addWidget(PlainLabel(LoadString(kIdsAboutName), group), 0, 0, 1, 2);
    grid->addWidget(PlainLabel(LoadString(kIdsAboutDescriptionHeading), group), 1, 0, 1, 2);
    QLabel *description = PlainLabel(LoadString(kIdsAboutDescription), group);
    description->setWordWrap(true);
    grid->addWidget(description, 2, 1, 1, 2);
    grid->addWidget(PlainLabel(LoadString(kIdsAboutContact), group), 3, 0, 1, 2);
    grid->addWidget(PlainLabel(QStringLiteral("support@vellora.example"), group), 4, 1, 1, 2);
    grid->setRowStretch(5, 1);
    // Room under the name, and three lines for the description, as the box
    // always had.
    grid->setRowMinimumHeight(0, DialogYToPixels(16, base));
    grid->setRowMinimumHeight(2, DialogYToPixels(34, base));

    auto *icon = new QLabel(group);
    const int side = std::max(16, std::min(DialogXToPixels(32, base), DialogYToPixels(32, base)));
    icon->setPixmap(NamedIcon(QStringLiteral("vellora.svg")).pixmap(side, side));
    grid->addWidget(icon, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignTop);
    outer->addWidget(group, 1);

    auto *ok = new QPushButton(LoadString(kIdsButtonOk), this);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    ok->setMinimumSize(DialogSizeToPixels(QSize(56, 16), base));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    outer->addLayout(buttons);

    // The box keeps the size it always had in units of its font, and grows
    // only when a larger font needs more.
    SetFixedDialogSize(*this, sizeHint().expandedTo(DialogSizeToPixels(QSize(233, 174), base)));
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *owner = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->window()->frameGeometry().center());
        move(frame.topLeft());
    }
}
