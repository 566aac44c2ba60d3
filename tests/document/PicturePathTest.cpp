#include "document/PicturePath.h"

#include <gtest/gtest.h>

namespace {
// Only a leading application directory, in its exact letter case, becomes
// the placeholder, with backslashes after it; and back.
TEST(PicturePath, ContractsAndExpandsOnlyTheLeadingApplicationDirectory)
{
    const QString kApp = QStringLiteral("/opt/Vellora/lib/");
    const QString stored = QStringLiteral("[安装目录]\\x\\opt\\Vellora\\lib\\y.gif");
    EXPECT_EQ(ContractPicturePath(QStringLiteral("/opt/Vellora/lib/x/opt/Vellora/lib/y.gif"), kApp), stored);
    EXPECT_EQ(ExpandPicturePath(stored, kApp), QStringLiteral("/opt/Vellora/lib/x/opt/Vellora/lib/y.gif"));
    for (const char *kept : {"/opt/vellora/lib/a.bmp", "/opt/Vellora/libx/a.bmp"})
        EXPECT_EQ(ContractPicturePath(QString::fromUtf8(kept), kApp), QString::fromUtf8(kept));
    for (const char *kept : {"c:\\pics\\[安装目录]\\a.bmp", "[安装目录]a.bmp"})
        EXPECT_EQ(ExpandPicturePath(QString::fromUtf8(kept), kApp), QString::fromUtf8(kept));
}
} // namespace
