#include "files/RecentLevels.h"

#include <QDir>
#include <QSettings>
#include <memory>

namespace quobix::RecentLevels {

namespace {
    const QString Key = QStringLiteral("recentLevels");

    // An INI file under the user's configuration folder (quobix/quobix-editor.ini).
    std::unique_ptr<QSettings> Settings()
    {
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
            QStringLiteral("quobix"), QStringLiteral("quobix-editor"));
    }

    void Store(const QStringList& list) { Settings()->setValue(Key, list); }
}

QStringList List() { return Settings()->value(Key).toStringList().mid(0, MaxCount); }

void Remember(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    QStringList list = List();
    list.removeAll(clean);
    list.prepend(clean);
    Store(list.mid(0, MaxCount));
}

void Forget(const QString& path)
{
    QStringList list = List();
    list.removeAll(QDir::cleanPath(path));
    Store(list);
}

void Clear() { Store({}); }

} // namespace quobix::RecentLevels
