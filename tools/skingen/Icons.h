#pragma once

#include <QString>

namespace skingen {

// Paints the displace dialog's buttons and the program icon into their places under the
// source tree's root. Returns an error text, empty on success.
QString WriteIcons(const QString& sourceRoot);

} // namespace skingen
