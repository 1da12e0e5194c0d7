// Reading parameter values that arrive as text.
#include "app/Parameters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Parameters, ZeroPrefixedInteger) {
    const struct {
        QString value;
        std::optional<int> read;
    } cases[] = {{"", 0},
                 {"3", 3},
                 {"007", 7},
                 {"-1", std::nullopt},
                 {" 1", std::nullopt},
                 {"1 ", std::nullopt},
                 {"abc", std::nullopt},
                 {"x1", std::nullopt},
                 {"2147483647", 2147483647},
                 {"2147483648", std::nullopt},
                 {"99999999999", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(app::ZeroPrefixedInteger(c.value), c.read) << c.value.toStdString();
}

TEST(Parameters, InstalledVersionStaysInItsFolder) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("components"));
    for (const QString& name :
         {dir.filePath("components/AxGarvex.ocx.version"), dir.filePath("secret.version")}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1.0.2.45\r\nsecond line\r\n");
    }
    const QString folder = dir.filePath("components");
    EXPECT_EQ(app::InstalledVersionOf(folder, "AxGarvex.ocx"), "1,0,2,45");
    EXPECT_EQ(app::InstalledVersionOf(folder, "../secret"), "");
    EXPECT_EQ(app::InstalledVersionOf(folder, ""), "");
}
