#pragma once

#include <QString>

namespace helpgen {

// Paints help1.png .. help6.png into folder; returns an error text, empty on success.
QString WriteHelpPages(const QString& folder);

} // namespace helpgen
