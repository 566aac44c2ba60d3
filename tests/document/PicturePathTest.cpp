#include "document/PicturePath.h"

#include <gtest/gtest.h>

namespace {
const QString kApp = QStringLiteral("/opt/Vellora/lib/");
}

struct PathCase {
    const char *in;
    const char *out;
};

class ContractPath : public testing::TestWithParam<PathCase> {};

TEST_P(ContractPath, ReplacesOnlyTheLeadingApplicationDirectory)
{
    EXPECT_EQ(ContractPicturePath(QString::fromUtf8(GetParam().in), kApp).toStdString(), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ContractPath,
    testing::Values(PathCase{"/opt/Vellora/lib/samples/p1.jpg", "[安装目录]\\samples\\p1.jpg"},
                    // Case-sensitive: another folder on this system.
                    PathCase{"/opt/vellora/lib/a.bmp", "/opt/vellora/lib/a.bmp"},
                    // The directory appearing again later stays as it is.
                    PathCase{"/opt/Vellora/lib/x/opt/Vellora/lib/y.gif", "[安装目录]\\x\\opt\\Vellora\\lib\\y.gif"},
                    PathCase{"/home/u/Pictures/猫.JPG", "/home/u/Pictures/猫.JPG"},
                    PathCase{"/opt/Vellora/libx/a.bmp", "/opt/Vellora/libx/a.bmp"}, PathCase{"", ""}));

class ExpandPath : public testing::TestWithParam<PathCase> {};

TEST_P(ExpandPath, ReplacesTheLeadingPlaceholderAndBackslashesAfterIt)
{
    EXPECT_EQ(ExpandPicturePath(QString::fromUtf8(GetParam().in), kApp).toStdString(), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Paths, ExpandPath,
                         testing::Values(PathCase{"[安装目录]\\samples\\p1.jpg", "/opt/Vellora/lib/samples/p1.jpg"},
                                         PathCase{"c:\\pics\\[安装目录]\\a.bmp", "c:\\pics\\[安装目录]\\a.bmp"},
                                         PathCase{"/home/u/a\\b.jpg", "/home/u/a\\b.jpg"},
                                         PathCase{"[安装目录]a.bmp", "[安装目录]a.bmp"}, PathCase{"", ""}));

TEST(PicturePath, AnEmptyApplicationDirectoryContractsNothing)
{
    EXPECT_EQ(ContractPicturePath(QStringLiteral("/a/b.jpg"), QString()), QStringLiteral("/a/b.jpg"));
}
