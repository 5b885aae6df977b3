#include "common/TestRegistry.h"

#include "platform/FileSystem.h"
#include "platform/RunTimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

using namespace quobix;

class TestFileSystem : public QObject {
    Q_OBJECT
private slots:
    void foldersEndInTheSeparator()
    {
        const QString sep = QDir::separator();
        QCOMPARE(FileSystem::WithSeparator(QStringLiteral("/a/b")),
            QDir::toNativeSeparators(QStringLiteral("/a/b")) + sep);
        QCOMPARE(FileSystem::WithSeparator(QStringLiteral("/a/b/")),
            QDir::toNativeSeparators(QStringLiteral("/a/b/")));
        // A build folder is writable and no installed bin/ folder: the program starts there.
        QCOMPARE(FileSystem::StartFolder(),
            FileSystem::WithSeparator(QCoreApplication::applicationDirPath()));
    }

    void drivesStartWithTheRoot()
    {
        const QStringList drives = FileSystem::Drives();
        QVERIFY(!drives.isEmpty());
#ifndef Q_OS_WIN
        QCOMPARE(drives.first(), QStringLiteral("/"));
        QVERIFY(drives.contains(FileSystem::DriveOf(QDir::tempPath())));
#endif
        QCOMPARE(QStringList(drives).removeDuplicates(), 0);
    }

    void failedOpenRecordsTheSystemError()
    {
        QTemporaryDir dir;
        QFile missing(dir.path() + QStringLiteral("/missing.qbx"));
        errno = 0;
        QVERIFY(!missing.open(QIODevice::ReadOnly));
        RecordFileError(missing, errno);
        QCOMPARE(Err.Number, ENOENT);
        QVERIFY(!Err.Description.isEmpty());
    }
};

QUOBIX_TEST(TestFileSystem)
#include "tst_fileSystem.moc"
