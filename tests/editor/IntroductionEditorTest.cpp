#include "editor/IntroductionEditor.h"
#include "editor/IntroTextEdit.h"

#include "Cases.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

struct FormatKey {
    const char *name;
    Qt::Key key;
    bool (*applied)(const QTextCharFormat &);
};

class IntroFormatKeys : public ::testing::TestWithParam<FormatKey> {};

// Typed text formatted by the key goes into the book and comes back from it
// with its format and its paragraphs; the same key again takes the format off.
TEST_P(IntroFormatKeys, FormatTheSelectionAndSurviveAStoreAndALoad)
{
    IntroductionEditor view;
    view.show();
    IntroTextEdit *edit = view.Editor();
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("word"));
    edit->selectAll();
    QTest::keyClick(edit, GetParam().key, Qt::ControlModifier);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_Return);
    edit->insertPlainText(QStringLiteral("第二段"));
    QString intro;
    view.SaveIntro(intro);

    IntroductionEditor other;
    other.LoadIntro(intro);
    QTextDocument *document = other.Editor()->document();
    ASSERT_EQ(document->blockCount(), 2);
    EXPECT_EQ(document->firstBlock().text(), QStringLiteral("word"));
    EXPECT_EQ(document->lastBlock().text(), QStringLiteral("第二段"));
    QTextCursor cursor(document);
    cursor.setPosition(2);
    EXPECT_TRUE(GetParam().applied(cursor.charFormat()));

    edit->selectAll();
    QTest::keyClick(edit, GetParam().key, Qt::ControlModifier);
    cursor = QTextCursor(edit->document());
    cursor.setPosition(2);
    EXPECT_FALSE(GetParam().applied(cursor.charFormat()));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, IntroFormatKeys,
    ::testing::Values(FormatKey{"Bold", Qt::Key_B,
                                [](const QTextCharFormat &f) { return f.fontWeight() == QFont::Bold; }},
                      FormatKey{"Italic", Qt::Key_I, [](const QTextCharFormat &f) { return f.fontItalic(); }},
                      FormatKey{"Underline", Qt::Key_U, [](const QTextCharFormat &f) { return f.fontUnderline(); }}),
    CaseName());

} // namespace
