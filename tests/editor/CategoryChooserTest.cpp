#include "editor/CategoryChooser.h"
#include "platform/DialogUnits.h"
#include "editor/FrequentCategories.h"

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
class CategoryChooser : public testing::Test {
protected:
    void SetUp() override
    {
        SetDataDirectory(dir.path());
        QLocale::setDefault(QLocale(QLocale::English));
        auto *layout = new QVBoxLayout(&form);
        layout->addWidget(field);
        form.resize(300, 100);
        form.show();
    }
    void TearDown() override
    {
        SetDataDirectory(QString());
        QLocale::setDefault(QLocale::system());
    }
    ScratchDir dir;
    QWidget form;
    QLineEdit *field = new QLineEdit(&form);
    CCategoryChooser chooser{field, &form};
};

TEST_F(CategoryChooser, ClosingWritesTheTickedCategoriesAndKeepsTheAddedOnes)
{
    field->setText(QStringLiteral("Art;  Music ;"));
    chooser.OpenCategoryPopup();
    ASSERT_NE(chooser.Popup(), nullptr);
    EXPECT_TRUE(chooser.Popup()->isVisible());
    EXPECT_EQ(chooser.Popup()->ListBox()->selectedItems().size(), 2);
    chooser.CloseCategoryPopup();
    EXPECT_EQ(chooser.Popup(), nullptr);
    EXPECT_EQ(field->text(), QStringLiteral("Art; Music"));
    EXPECT_EQ(chooser.FrequentCategories(), QStringList({"Art", "Music"}));
}

TEST_F(CategoryChooser, OpeningTwiceKeepsTheFirstPopupAndAddsNothingTwice)
{
    field->setText(QStringLiteral("New"));
    chooser.OpenCategoryPopup();
    CPopListBox *first = chooser.Popup();
    first->ListBox()->item(0)->setSelected(false);
    chooser.OpenCategoryPopup();
    EXPECT_EQ(chooser.Popup(), first);
    EXPECT_EQ(first->ListBox()->count(), 1);
    EXPECT_TRUE(first->ListBox()->selectedItems().isEmpty());  // the user's ticks stay
    chooser.CloseCategoryPopup();
    EXPECT_EQ(chooser.FrequentCategories(), QStringList({"New"}));
    EXPECT_EQ(field->text(), QString());  // nothing ticked empties the field
}

TEST_F(CategoryChooser, ClicksToggleItems)
{
    chooser.FrequentCategories() = QStringList({"b", "a", "c"});
    field->setText(QStringLiteral("b"));
    chooser.OpenCategoryPopup();
    QListWidget *list = chooser.Popup()->ListBox();
    list->item(2)->setSelected(true);   // c
    list->item(1)->setSelected(false);  // b
    list->item(0)->setSelected(true);   // a
    chooser.CloseCategoryPopup();
    EXPECT_EQ(field->text(), QStringLiteral("a; c"));
}

TEST_F(CategoryChooser, AnEmptyListIsReadFromTheSettingsWhenOpening)
{
    WriteSetting(kFrequentCategorySection, QStringLiteral("CategoryCount"), QStringLiteral("1"));
    WriteSetting(kFrequentCategorySection, QStringLiteral("category1"), QStringLiteral("Artists"));
    field->setText(QStringLiteral("art"));
    chooser.OpenCategoryPopup();
    chooser.CloseCategoryPopup();
    EXPECT_EQ(field->text(), QStringLiteral("Artists"));
    EXPECT_EQ(chooser.FrequentCategories(), QStringList({"Artists"}));
}

TEST_F(CategoryChooser, PopupSitsAtTheFieldsBottomRightCorner)
{
    chooser.OpenCategoryPopup();
    const CPopListBox *popup = chooser.Popup();
    EXPECT_EQ(popup->pos(), field->mapToGlobal(QPoint(field->width(), field->height())));
    EXPECT_EQ(popup->size(), DialogRectToPixels(QRect(0, 0, 93, 130), DialogBaseUnitsOf(QApplication::font())).size());
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(popup->parentWidget(), &form);  // owned: never outlives the form
}

TEST_F(CategoryChooser, ClosedByTheUserWritesTheFieldButNotTheList)
{
    field->setText(QStringLiteral("Solo"));
    chooser.OpenCategoryPopup();
    chooser.Popup()->close();
    EXPECT_EQ(field->text(), QStringLiteral("Solo"));
    EXPECT_TRUE(chooser.FrequentCategories().isEmpty());
    // The closed window does not count as open: closing again does nothing,
    // opening makes a new pop-up.
    CPopListBox *closed = chooser.Popup();
    chooser.CloseCategoryPopup();
    EXPECT_TRUE(chooser.FrequentCategories().isEmpty());
    chooser.OpenCategoryPopup();
    EXPECT_NE(chooser.Popup(), closed);
    chooser.CloseCategoryPopup();
}

TEST_F(CategoryChooser, CloseWithoutPopupDoesNothing)
{
    chooser.FrequentCategories() = QStringList({"x"});
    field->setText(QStringLiteral("typed"));
    chooser.CloseCategoryPopup();
    EXPECT_EQ(field->text(), QStringLiteral("typed"));
    EXPECT_EQ(chooser.FrequentCategories(), QStringList({"x"}));
}

TEST_F(CategoryChooser, OnlyThe255FirstCharactersOfTheFieldAreRead)
{
    field->setMaxLength(1000);
    field->setText(QString(254, QChar(u'x')) + QStringLiteral(";abc"));
    chooser.OpenCategoryPopup();
    chooser.CloseCategoryPopup();
    EXPECT_EQ(chooser.FrequentCategories(), QStringList({QString(254, QChar(u'x'))}));
}
} // namespace
