#include "common/TestRegistry.h"

#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

using namespace quobix::FileSystem;

// The error a failed file operation records is seen in the load and save messages (tst_files).
class TestFileSystem : public QObject {
    Q_OBJECT
private slots:
    void foldersEndInTheSeparator()
    {
        const QString folder = QDir::toNativeSeparators("/a/b/");
        QCOMPARE(WithSeparator("/a/b"), folder);
        QCOMPARE(WithSeparator("/a/b/"), folder);
        // A build folder is writable and no installed bin/ folder: the program starts there.
        QCOMPARE(StartFolder(), WithSeparator(QCoreApplication::applicationDirPath()));
    }

    void drivesStartWithTheRoot()
    {
        const QStringList drives = Drives();
        QVERIFY(!drives.isEmpty());
#ifndef Q_OS_WIN
        QCOMPARE(drives.first(), "/");
        QVERIFY(drives.contains(DriveOf(QDir::tempPath())));
#endif
        QCOMPARE(QStringList(drives).removeDuplicates(), 0);
    }
};

QUOBIX_TEST(TestFileSystem)
#include "tst_fileSystem.moc"
