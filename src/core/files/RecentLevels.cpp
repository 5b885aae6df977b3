#include "files/RecentLevels.h"

#include "platform/UserSettings.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace quobix {

namespace {
    const QString Key = QStringLiteral("recentLevels");

    // Two names of one file compare equal: through links and "..", once it exists.
    QString Identity(const QString& path)
    {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath())
                                   : canonical;
    }

    void RemoveFile(QStringList& list, const QString& path)
    {
        const QString identity = Identity(path);
        list.erase(std::remove_if(list.begin(), list.end(),
                       [&](const QString& entry) { return Identity(entry) == identity; }),
            list.end());
    }
}

RecentLevels::RecentLevels()
{
    // The file may have been edited by hand.
    for (const QString& entry : UserSettings()->value(Key).toStringList()) {
        if (entry.trimmed().isEmpty() || list.size() == MaxCount)
            continue;
        const QString clean = QDir::cleanPath(entry);
        const QString identity = Identity(clean);
        if (std::none_of(list.begin(), list.end(),
                [&](const QString& kept) { return Identity(kept) == identity; }))
            list << clean;
    }
}

void RecentLevels::Remember(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    RemoveFile(list, clean);
    list.prepend(clean);
    list = list.mid(0, MaxCount);
    Store();
}

void RecentLevels::Forget(const QString& path)
{
    RemoveFile(list, path);
    Store();
}

void RecentLevels::Clear()
{
    list.clear();
    Store();
}

void RecentLevels::Store() const
{
    // An empty list as an empty entry: Qt writes an empty string list as "@Invalid()".
    if (list.isEmpty())
        UserSettings()->setValue(Key, QString());
    else
        UserSettings()->setValue(Key, list);
}

} // namespace quobix
