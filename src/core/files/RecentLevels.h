#pragma once

#include <QString>
#include <QStringList>

namespace quobix {

// The level files last loaded or saved, newest first, kept between runs in the user's settings.
// The list of the session stays in force when the settings cannot be written.
class RecentLevels {
public:
    static constexpr int MaxCount = 8;

    // Reads the list from the settings, without empty entries and without a second entry of the
    // same file.
    RecentLevels();

    const QStringList& List() const { return list; }

    // path goes to the front; an older entry of the same file goes, and the list keeps MaxCount.
    void Remember(const QString& path);
    void Forget(const QString& path);
    void Clear();

private:
    void Store() const;

    QStringList list;
};

} // namespace quobix
