#include "ui/ReadingParametersLayout.h"
#include "ui/StringTable.h"
#include "ui/ResourceIds.h"

#include "ui/DialogUnits.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

NumberEdit *MakeNumberEdit(QWidget &host, int id)
{
    auto *edit = new NumberEdit(&host);
    edit->setObjectName(QStringLiteral("edit%1").arg(id));
    // These boxes are left-aligned; NumberEdit centres for the bars.
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return edit;
}

QCheckBox *MakeCheck(QWidget &host, const QString &text, int id)
{
    auto *check = new QCheckBox(text, &host);
    check->setObjectName(QStringLiteral("check%1").arg(id));
    return check;
}

} // namespace

ReadingParametersControls BuildReadingParameters(QWidget &host, ReadingParametersButtons buttons)
{
    ReadingParametersControls c;
    c.step = MakeNumberEdit(host, kReadingStepEdit);
    c.speed = MakeNumberEdit(host, kReadingSpeedEdit);
    c.border = MakeCheck(host, LoadString(kIdsReadingBorder), kReadingBorderCheck);
    c.centre = MakeCheck(host, LoadString(kIdsReadingCentre), kReadingCentreCheck);

    const DialogBaseUnits base = DialogBaseUnitsOf(host.font());
    auto *outer = new QVBoxLayout(&host);
    outer->setContentsMargins(DialogXToPixels(7, base), DialogYToPixels(7, base), DialogXToPixels(7, base),
                              DialogYToPixels(7, base));
    outer->setSpacing(DialogYToPixels(4, base));

    auto *rows = new QGridLayout;
    rows->setContentsMargins(DialogXToPixels(2, base), 0, 0, 0);
    rows->setVerticalSpacing(DialogYToPixels(3, base));
    const struct {
        StringId label;
        NumberEdit *edit;
        StringId unit;
    } numberRows[] = {{kIdsReadingStep, c.step, kIdsReadingStepUnit}, {kIdsReadingSpeed, c.speed, kIdsReadingSpeedUnit}};
    int row = 0;
    for (const auto &r : numberRows) {
        auto *label = new QLabel(LoadString(r.label), &host);
        label->setBuddy(r.edit);
        rows->addWidget(label, row, 0);
        // The boxes keep the width they always had, in the font's own units.
        r.edit->setMinimumWidth(DialogXToPixels(56, base));
        rows->addWidget(r.edit, row, 1);
        rows->addWidget(new QLabel(LoadString(r.unit), &host), row, 2);
        ++row;
    }
    rows->setColumnStretch(3, 1);
    outer->addLayout(rows);

    auto *line = new QFrame(&host);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    outer->addWidget(line);

    auto *checks = new QHBoxLayout;
    checks->setContentsMargins(DialogXToPixels(8, base), 0, 0, 0);
    // The second box starts where it always did, a little past the middle of
    // the first number box.
    c.border->setMinimumWidth(DialogXToPixels(76, base));
    checks->addWidget(c.border);
    checks->addWidget(c.centre);
    checks->addStretch(1);
    outer->addLayout(checks);
    outer->addStretch(1);

    if (buttons == ReadingParametersButtons::OkCancel) {
        c.ok = new QPushButton(LoadString(kIdsButtonOk), &host);
        c.cancel = new QPushButton(LoadString(kIdsButtonCancel), &host);
        auto *buttonRow = new QHBoxLayout;
        buttonRow->addStretch(1);
        for (QPushButton *button : {c.ok, c.cancel}) {
            button->setMinimumWidth(DialogXToPixels(50, base));
            buttonRow->addWidget(button);
        }
        buttonRow->addStretch(1);
        outer->addLayout(buttonRow);
    }
    // A page builds its controls while it is already on screen.
    for (QWidget *child : host.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->show();
    return c;
}
