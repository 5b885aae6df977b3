#pragma once

#include <QSettings>
#include <memory>

namespace quobix {

// The user's settings of the editor: an INI file under the user's configuration folder
// (quobix/quobix-editor.ini), read and written by the recent levels and the solver's limits.
std::unique_ptr<QSettings> UserSettings();

} // namespace quobix
