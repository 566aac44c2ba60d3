#include "editor/CoverBox.h"

#include "editor/PictureDialogFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>

CoverBox::CoverBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

bool CoverBox::ChooseCoverPicture()
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = PictureDialogNameFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    if (!LoadCoverPicture(dialog.selectedFiles().first(), contentsRect().size()))
        return false;
    update();
    return true;
}

void CoverBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        ChooseCoverPicture();
    else
        QFrame::mouseDoubleClickEvent(event);
}

void CoverBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    Paint(painter, contentsRect(), palette().color(QPalette::Button));
}
