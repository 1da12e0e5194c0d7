// The instance lock: held by a live process it keeps others out, left by a dead one it is taken.
#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::SingleInstance;

TEST(SingleInstance, SecondClaimFailsWhileTheFirstHoldsTheLock) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("ProjGarvex.lock");
    SingleInstance first("ProjGarvexTest", lock);
    ASSERT_TRUE(first.Claim());
    SingleInstance second("ProjGarvexTest", lock);
    EXPECT_FALSE(second.Claim());
}

TEST(SingleInstance, LockLeftByADeadProcessIsTaken) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("ProjGarvex.lock");
    QFile f(lock);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // The format QLockFile writes: pid, application name, host name. No process has pid 2^22+1.
    f.write("4194305\ngarvex\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    f.close();
    SingleInstance again("ProjGarvexTest", lock);
    EXPECT_TRUE(again.Claim());
}

TEST(SingleInstance, UnwritableLockPlaceLetsTheProgramRunAlone) {
    QTemporaryDir dir;
    QFile file(dir.filePath("not-a-folder"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SingleInstance alone("ProjGarvexTest", dir.filePath("not-a-folder/ProjGarvex.lock"));
    EXPECT_TRUE(alone.Claim());
}
