#include "app/TraceLog.h"

#include "platform/DelphiDate.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "support/QtPrinters.h"

using app::TraceLog;

namespace {

QByteArray readAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(TraceLog, StartsEmptyThenAppendsStampedLines) {
    platform::SetClock([] { return QDateTime(QDate(2009, 12, 25), QTime(14, 3, 22)); });
    QTemporaryDir dir;
    TraceLog log{false, dir.path()};
    EXPECT_TRUE(log.WriteTrace("off"));
    EXPECT_FALSE(QFile::exists(log.FileName()));

    log.TraceOn = true;
    EXPECT_TRUE(log.WriteTrace("lost"));
    EXPECT_EQ(readAll(log.FileName()), "");
    EXPECT_TRUE(log.WriteTrace("HttpExecute : x"));
    EXPECT_TRUE(log.WriteTrace(QString::fromUtf8("contrôle info véhicule 12")));
    EXPECT_EQ(readAll(log.FileName()), "25/12/2009 14:03:22 - HttpExecute : x\r\n"
                                       "25/12/2009 14:03:22 - contr\xF4le info v\xE9hicule 12\r\n");
    EXPECT_TRUE(log.WriteTrace(""));
    EXPECT_EQ(readAll(log.FileName()), "");
    platform::SetClock({});
}

TEST(TraceLog, AnUnwritableFolderIsAnError) {
    QTemporaryDir dir;
    const TraceLog log{true, dir.filePath("missing")};
    EXPECT_FALSE(log.WriteTrace("x"));
}
