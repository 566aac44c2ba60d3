#include "editor/IntroductionEditor.h"
#include "editor/IntroTextEdit.h"

#include "document/Base64Text.h"
#include "formats/rtf/RtfWriter.h"

#include "TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// An introduction as a book made by us holds it: two paragraphs, the first
// word bold.
QString FormattedIntro()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("小猫"), bold);
    cursor.insertText(QStringLiteral(" goes fishing."), QTextCharFormat());
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("第二段"));
    return EncodeBase64Text(WriteRtf(document));
}

class IntroductionEditorTest : public ::testing::Test {
protected:
    QString Saved()
    {
        QString intro;
        view_.SaveIntro(intro);
        return intro;
    }
    void Type(const QString &text)
    {
        view_.Editor()->setFocus();
        QTest::keyClicks(view_.Editor(), text);
    }

    IntroductionEditor view_;
};

TEST_F(IntroductionEditorTest, NothingTypedGivesAnEmptyFieldTypingGivesRtf)
{
    EXPECT_TRUE(Saved().isEmpty());
    Type(QStringLiteral("Hello"));
    const QString saved = Saved();
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_TRUE(DecodeBase64Text(saved).startsWith("{\\rtf"));
    EXPECT_TRUE(DecodeBase64Text(saved).contains("Hello"));
}

TEST_F(IntroductionEditorTest, LoadedAndUntouchedComesBackByteIdentical)
{
    // Base64 with other line breaks than ours: only an untouched copy gives
    // exactly these characters back.
    QString intro = FormattedIntro();
    intro.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    view_.LoadIntro(intro);
    EXPECT_FALSE(view_.IsModified());
    EXPECT_EQ(Saved(), intro);
}

TEST_F(IntroductionEditorTest, BoldAndParagraphsSurviveAStoreAndALoad)
{
    view_.LoadIntro(FormattedIntro());
    Type(QStringLiteral("!"));
    const QString stored = Saved();
    ASSERT_NE(stored, FormattedIntro());

    IntroductionEditor other;
    other.LoadIntro(stored);
    QTextDocument *document = other.Editor()->document();
    ASSERT_EQ(document->blockCount(), 2);
    EXPECT_EQ(document->firstBlock().text(), QStringLiteral("!小猫 goes fishing."));
    EXPECT_EQ(document->lastBlock().text(), QStringLiteral("第二段"));
    QTextCursor cursor(document);
    cursor.setPosition(2);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(5);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(IntroductionEditorTest, ClearingForgetsBothTextAndLoadedIntro)
{
    view_.LoadIntro(FormattedIntro());
    view_.ClearIntro();
    EXPECT_TRUE(view_.Editor()->toPlainText().isEmpty());
    EXPECT_TRUE(Saved().isEmpty());

    // Typed, then a new book: nothing of the typing comes back.
    Type(QStringLiteral("draft"));
    view_.ClearIntro();
    EXPECT_TRUE(Saved().isEmpty());
}

TEST_F(IntroductionEditorTest, UndecodableIntroLeavesTheEditorEmptyAndComesBackUnchanged)
{
    const QString damaged = QStringLiteral("not rtf at all");
    view_.LoadIntro(damaged);
    EXPECT_TRUE(view_.Editor()->toPlainText().isEmpty());
    EXPECT_EQ(Saved(), damaged);
}

TEST_F(IntroductionEditorTest, EditorStandsTenPixelsInsideThePage)
{
    view_.show();
    for (const QSize size : {QSize(300, 200), QSize(640, 180)}) {
        view_.resize(size);
        EXPECT_EQ(view_.Editor()->geometry(), QRect(10, 10, size.width() - 20, size.height() - 20));
    }
}

struct FormatKey {
    const char *name;
    Qt::Key key;
    bool (*applied)(const QTextCharFormat &);
};

class IntroFormatKeys : public ::testing::TestWithParam<FormatKey> {};

TEST_P(IntroFormatKeys, ToggleTheFormatOfTheSelection)
{
    IntroductionEditor view;
    view.show();
    view.Editor()->setFocus();
    QTest::keyClicks(view.Editor(), QStringLiteral("word"));
    view.Editor()->selectAll();
    QTest::keyClick(view.Editor(), GetParam().key, Qt::ControlModifier);
    QTextCursor cursor(view.Editor()->document());
    cursor.setPosition(2);
    EXPECT_TRUE(GetParam().applied(cursor.charFormat()));
    view.Editor()->selectAll();
    QTest::keyClick(view.Editor(), GetParam().key, Qt::ControlModifier);
    cursor.setPosition(2);
    EXPECT_FALSE(GetParam().applied(cursor.charFormat()));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, IntroFormatKeys,
    ::testing::Values(FormatKey{"Bold", Qt::Key_B,
                                [](const QTextCharFormat &f) { return f.fontWeight() == QFont::Bold; }},
                      FormatKey{"Italic", Qt::Key_I, [](const QTextCharFormat &f) { return f.fontItalic(); }},
                      FormatKey{"Underline", Qt::Key_U, [](const QTextCharFormat &f) { return f.fontUnderline(); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(IntroPaste, RichTextFromAnotherProgramKeepsItsBold)
{
    IntroductionEditor view;
    auto *mime = new QMimeData;
    mime->setHtml(QStringLiteral("<p>plain <b>strong</b></p>"));
    mime->setText(QStringLiteral("plain strong"));
    QApplication::clipboard()->setMimeData(mime);
    view.Editor()->paste();
    QString intro;
    view.SaveIntro(intro);
    IntroductionEditor other;
    other.LoadIntro(intro);
    QTextCursor cursor(other.Editor()->document());
    cursor.setPosition(8);
    EXPECT_EQ(other.Editor()->toPlainText(), QStringLiteral("plain strong"));
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
}

} // namespace
