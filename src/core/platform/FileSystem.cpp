#include "platform/FileSystem.h"

#include "platform/RunTimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quobix::FileSystem {

QString WithSeparator(const QString& folder)
{
    QString native = QDir::toNativeSeparators(folder);
    if (!native.endsWith(QDir::separator()))
        native += QDir::separator();
    return native;
}

QString StartFolder()
{
    const QString own = QCoreApplication::applicationDirPath();
    // An installed program (bin/ beside share/quobix-editor/) starts at home even where its
    // folder is writable, as it is for root.
    const bool installed = QFileInfo(own).fileName() == QLatin1String("bin")
        && QFileInfo::exists(own + QStringLiteral("/../share/quobix-editor"));
    if (!own.isEmpty() && !installed && QFileInfo(own).isWritable())
        return WithSeparator(own);
    return WithSeparator(QDir::homePath());
}

QString DriveOf(const QString& folder)
{
#ifdef Q_OS_WIN
    return folder.left(1).toUpper() + QLatin1Char(':');
#else
    const QString root = QStorageInfo(folder).rootPath();
    return WithSeparator(root.isEmpty() ? QDir::rootPath() : root);
#endif
}

QStringList Drives()
{
    QStringList drives;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives())
        drives << drive.absolutePath().left(1).toUpper() + QLatin1Char(':');
#else
    drives << WithSeparator(QDir::rootPath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = WithSeparator(volume.rootPath());
        if (!drives.contains(root))
            drives << root;
    }
#endif
    return drives;
}

bool SetCurrentFolder(const QString& folder) { return QDir::setCurrent(folder); }

namespace {
    RunTimeError SpecialFileError(bool folder)
    {
        return folder ? SystemError(EISDIR)
                      : SystemError(EINVAL, QStringLiteral("not a regular file"));
    }
}

#ifdef Q_OS_UNIX
bool OpenRegularFile(QFile& file, const QString& path, qint64& size, RunTimeError& error)
{
    // Opened without blocking and checked on the descriptor itself, so nothing can be put in
    // the file's place between the check and the read.
    const int fd
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = SystemError(errno);
        return false;
    }
    struct stat status;
    if (fstat(fd, &status) != 0) {
        const int number = errno;
        ::close(fd);
        error = SystemError(number);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        error = SpecialFileError(S_ISDIR(status.st_mode));
        return false;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = FileError(file, 0);
        return false;
    }
    size = status.st_size;
    return true;
}

qint64 CurrentSize(const QFile& file)
{
    struct stat status;
    return fstat(file.handle(), &status) == 0 ? status.st_size : -1;
}

bool MayReplace(const QString& path, RunTimeError& error)
{
    struct stat status;
    if (stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return true;
    error = SpecialFileError(S_ISDIR(status.st_mode));
    return false;
}
#else
bool OpenRegularFile(QFile& file, const QString& path, qint64& size, RunTimeError& error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        error = SpecialFileError(info.isDir());
        return false;
    }
    file.setFileName(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        error = FileError(file, errno);
        return false;
    }
    size = file.size();
    return true;
}

qint64 CurrentSize(const QFile& file) { return QFileInfo(file.fileName()).size(); }

bool MayReplace(const QString& path, RunTimeError& error)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return true;
    error = SpecialFileError(info.isDir());
    return false;
}
#endif

bool ReplaceFile(const QString& path, const QByteArray& content, RunTimeError& error)
{
    if (!MayReplace(path, error))
        return false;
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        error = FileError(file, errno);
        return false;
    }
    // write() only fills Qt's buffer: the real write happens in flush(), whose failure (a full
    // disk) commit() would not report, so it is checked here before anything is renamed.
    errno = 0;
    if (file.write(content) != content.size() || !file.flush()) {
        error = FileError(file, errno);
        file.cancelWriting();
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        error = FileError(file, errno);
        return false;
    }
    return true;
}

} // namespace quobix::FileSystem
