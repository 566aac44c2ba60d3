#include "ui/ReadingParametersLayout.h"

#include "ui/DialogUnits.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

QRect Place(const DialogBaseUnits &base, int x, int y, int width, int height)
{
    return DialogRectToPixels(QRect(x, y, width, height), base);
}

void AddLabel(QWidget &host, const DialogBaseUnits &base, const QString &text, const QRect &units)
{
    auto *label = new QLabel(text, &host);
    label->setGeometry(Place(base, units.x(), units.y(), units.width(), units.height()));
    label->show();
}

NumberEdit *AddNumberEdit(QWidget &host, const DialogBaseUnits &base, int id, int y)
{
    auto *edit = new NumberEdit(&host);
    edit->setObjectName(QStringLiteral("edit%1").arg(id));
    // Template edit boxes are left-aligned; NumberEdit centres for the bars.
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    edit->setGeometry(Place(base, 52, y, 56, 12));
    edit->show();
    return edit;
}

} // namespace

ReadingParametersControls BuildReadingParameters(QWidget &host)
{
    const DialogBaseUnits base = DialogBaseUnitsOf(host.font());
    ReadingParametersControls c;

    AddLabel(host, base, QStringLiteral("跳步页数:"), QRect(9, 9, 40, 8));
    c.step = AddNumberEdit(host, base, kReadingStepEdit, 7);
    AddLabel(host, base, QStringLiteral("页"), QRect(114, 9, 15, 8));
    AddLabel(host, base, QStringLiteral("浏览速率:"), QRect(9, 24, 40, 8));
    c.speed = AddNumberEdit(host, base, kReadingSpeedEdit, 22);
    AddLabel(host, base, QStringLiteral("秒/页"), QRect(114, 24, 24, 8));

    // An etched line one unit high; at least two pixels, or the etch is lost.
    c.line = new QFrame(&host);
    c.line->setFrameShape(QFrame::HLine);
    c.line->setFrameShadow(QFrame::Sunken);
    c.line->setGeometry(Place(base, 7, 40, 186, 1).adjusted(0, 0, 0, 1));
    c.line->show();

    c.border = new QCheckBox(QStringLiteral("显示边框"), &host);
    c.border->setObjectName(QStringLiteral("check%1").arg(kReadingBorderCheck));
    c.border->setGeometry(Place(base, 15, 47, 55, 10));
    c.border->show();
    c.centre = new QCheckBox(QStringLiteral("居中显示"), &host);
    c.centre->setObjectName(QStringLiteral("check%1").arg(kReadingCentreCheck));
    c.centre->setGeometry(Place(base, 91, 47, 54, 10));
    c.centre->show();

    c.ok = new QPushButton(QStringLiteral("确定"), &host);
    c.ok->setGeometry(Place(base, 45, 107, 50, 14));
    c.ok->show();
    c.cancel = new QPushButton(QStringLiteral("取消"), &host);
    c.cancel->setGeometry(Place(base, 104, 107, 50, 14));
    c.cancel->show();
    return c;
}
