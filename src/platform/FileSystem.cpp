#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

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

} // namespace quobix::FileSystem
