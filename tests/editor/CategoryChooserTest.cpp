#include "editor/CategoryChooser.h"
#include "editor/FrequentCategories.h"
#include "ui/DialogUnits.h"

#include "document/AppDirectories.h"
#include "settings/store/SettingsStore.h"

#include "TestFiles.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
class CategoryChooserTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDataDirectory(dir_.Path());
        QLocale::setDefault(QLocale(QLocale::English));
        auto *layout = new QVBoxLayout(&form_);
        layout->addWidget(field_);
        form_.resize(300, 100);
        form_.show();
    }
    void TearDown() override
    {
        SetDataDirectory(QString());
        QLocale::setDefault(QLocale::system());
    }
    ScratchDir dir_;
    QWidget form_;
    QLineEdit *field_ = new QLineEdit(&form_);
    CategoryChooser chooser_{field_, &form_};
};

TEST_F(CategoryChooserTest, ClosingWritesTheTickedCategoriesAndKeepsTheAddedOnes)
{
    field_->setText(QStringLiteral("Art;  Music ;"));
    chooser_.OpenCategoryPopup();
    ASSERT_NE(chooser_.Popup(), nullptr);
    EXPECT_TRUE(chooser_.Popup()->isVisible());
    EXPECT_EQ(chooser_.Popup()->ListBox()->selectedItems().size(), 2);
    chooser_.CloseCategoryPopup();
    EXPECT_EQ(chooser_.Popup(), nullptr);
    EXPECT_EQ(field_->text(), QStringLiteral("Art; Music"));
    EXPECT_EQ(chooser_.FrequentCategories(), QStringList({"Art", "Music"}));
}

TEST_F(CategoryChooserTest, OpeningTwiceKeepsTheFirstPopupAndAddsNothingTwice)
{
    field_->setText(QStringLiteral("New"));
    chooser_.OpenCategoryPopup();
    CategoryPopup *first = chooser_.Popup();
    first->ListBox()->item(0)->setSelected(false);
    chooser_.OpenCategoryPopup();
    EXPECT_EQ(chooser_.Popup(), first);
    EXPECT_EQ(first->ListBox()->count(), 1);
    EXPECT_TRUE(first->ListBox()->selectedItems().isEmpty()); // the user's ticks stay
    chooser_.CloseCategoryPopup();
    EXPECT_EQ(chooser_.FrequentCategories(), QStringList({"New"}));
    EXPECT_EQ(field_->text(), QString()); // nothing ticked empties the field
}

TEST_F(CategoryChooserTest, ClicksToggleItems)
{
    chooser_.FrequentCategories() = QStringList({"b", "a", "c"});
    field_->setText(QStringLiteral("b"));
    chooser_.OpenCategoryPopup();
    QListWidget *list = chooser_.Popup()->ListBox();
    list->item(2)->setSelected(true);  // c
    list->item(1)->setSelected(false); // b
    list->item(0)->setSelected(true);  // a
    chooser_.CloseCategoryPopup();
    EXPECT_EQ(field_->text(), QStringLiteral("a; c"));
}

TEST_F(CategoryChooserTest, AnEmptyListIsReadFromTheSettingsWhenOpening)
{
    WriteSetting(kFrequentCategorySection, QStringLiteral("CategoryCount"), QStringLiteral("1"));
    WriteSetting(kFrequentCategorySection, QStringLiteral("category1"), QStringLiteral("Artists"));
    field_->setText(QStringLiteral("art"));
    chooser_.OpenCategoryPopup();
    chooser_.CloseCategoryPopup();
    EXPECT_EQ(field_->text(), QStringLiteral("Artists"));
    EXPECT_EQ(chooser_.FrequentCategories(), QStringList({"Artists"}));
}

TEST_F(CategoryChooserTest, PopupSitsAtTheFieldsBottomRightCorner)
{
    chooser_.OpenCategoryPopup();
    const CategoryPopup *popup = chooser_.Popup();
    EXPECT_EQ(popup->pos(), field_->mapToGlobal(QPoint(field_->width(), field_->height())));
    EXPECT_EQ(popup->size(), DialogRectToPixels(QRect(0, 0, 93, 130), DialogBaseUnitsOf(QApplication::font())).size());
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(popup->parentWidget(), &form_); // owned: never outlives the form
}

TEST_F(CategoryChooserTest, ClosedByTheUserWritesTheFieldButNotTheList)
{
    field_->setText(QStringLiteral("Solo"));
    chooser_.OpenCategoryPopup();
    chooser_.Popup()->close();
    EXPECT_EQ(field_->text(), QStringLiteral("Solo"));
    EXPECT_TRUE(chooser_.FrequentCategories().isEmpty());
    // The closed window does not count as open: closing again does nothing,
    // opening makes a new pop-up.
    CategoryPopup *closed = chooser_.Popup();
    chooser_.CloseCategoryPopup();
    EXPECT_TRUE(chooser_.FrequentCategories().isEmpty());
    chooser_.OpenCategoryPopup();
    EXPECT_NE(chooser_.Popup(), closed);
    chooser_.CloseCategoryPopup();
}

TEST_F(CategoryChooserTest, CloseWithoutPopupDoesNothing)
{
    chooser_.FrequentCategories() = QStringList({"x"});
    field_->setText(QStringLiteral("typed"));
    chooser_.CloseCategoryPopup();
    EXPECT_EQ(field_->text(), QStringLiteral("typed"));
    EXPECT_EQ(chooser_.FrequentCategories(), QStringList({"x"}));
}

TEST_F(CategoryChooserTest, OnlyThe255FirstCharactersOfTheFieldAreRead)
{
    field_->setMaxLength(1000);
    field_->setText(QString(254, QChar(u'x')) + QStringLiteral(";abc"));
    chooser_.OpenCategoryPopup();
    chooser_.CloseCategoryPopup();
    EXPECT_EQ(chooser_.FrequentCategories(), QStringList({QString(254, QChar(u'x'))}));
}
} // namespace
