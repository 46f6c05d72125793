// Reading installation files whole: the size cap is exact. (What is not a
// regular file is covered by the broken installations of tests/badinstall.)
#include "app/regular_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ejteto;

TEST(RegularFile, ReadsUpToTheCapAndRefusesOneByteMore)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const FileRead atCap = readRegularFile(write(QStringLiteral("ten"), QByteArray(10, 'x')), 10);
    ASSERT_TRUE(atCap.bytes.has_value());
    EXPECT_EQ(*atCap.bytes, QByteArray(10, 'x'));
    EXPECT_EQ(readRegularFile(write(QStringLiteral("empty"), QByteArray()), 10).bytes, QByteArray());

    const FileRead over = readRegularFile(write(QStringLiteral("eleven"), QByteArray(11, 'x')), 10);
    EXPECT_FALSE(over.bytes.has_value());
    EXPECT_EQ(over.reason, QStringLiteral("File too large"));
}
