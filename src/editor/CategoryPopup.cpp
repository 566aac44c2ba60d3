#include "editor/CategoryPopup.h"

#include "document/TextLimits.h"
#include "ui/DialogUnits.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

namespace {
const QRect kWindowUnits(0, 0, 93, 130);
const QRect kListUnits(7, 7, 79, 115);
} // namespace

CategoryPopup::CategoryPopup(QLineEdit *target, const QStringList &categories, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::FramelessWindowHint), target_(target), list_(categories)
{
    setAttribute(Qt::WA_DeleteOnClose);
    const QFont font = QApplication::font();
    setFixedSize(DialogRectToPixels(kWindowUnits, DialogBaseUnitsOf(font)).size());

    listBox_ = new QListWidget(this);
    listBox_->setGeometry(DialogRectToPixels(kListUnits, DialogBaseUnitsOf(font)));
    listBox_->setSelectionMode(QAbstractItemView::MultiSelection);
    listBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    list_.Initialise(target ? target->text().left(kMaxCategoryLength) : QString());
    for (qsizetype i = 0; i < list_.Count(); ++i) {
        auto *item = new QListWidgetItem(list_.Text(i), listBox_);
        item->setSelected(list_.IsSelected(i));
    }
    connect(listBox_, &QListWidget::itemSelectionChanged, this, &CategoryPopup::SyncFromListBox);
}

void CategoryPopup::SyncFromListBox()
{
    for (int i = 0; i < listBox_->count(); ++i)
        list_.SetSelected(i, listBox_->item(i)->isSelected());
}

void CategoryPopup::ShowBesideTarget()
{
    if (target_)
        move(target_->mapToGlobal(QPoint(target_->width(), target_->height())));
    show();
    raise();
    activateWindow();
}

void CategoryPopup::ApplySelection()
{
    if (applied_)
        return;
    applied_ = true;
    if (target_)
        target_->setText(list_.SelectedText());
}

void CategoryPopup::RequestClose() { close(); }

void CategoryPopup::closeEvent(QCloseEvent *event)
{
    ApplySelection();
    // QDialog ends a visible dialog here through reject(), which hides it;
    // the close then goes through and the window is deleted.
    QDialog::closeEvent(event);
}

void CategoryPopup::keyPressEvent(QKeyEvent *event)
{
    // Escape is a close request like any other: the ticks are kept. It must
    // not go through reject() on its own, which would only hide the window.
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CategoryPopup::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // A thin frame instead of a caption: the window manager gives a
    // frameless window none, so the window draws its own.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
