#include "cli/version_text.h"

namespace cellaro::cli {

QString VersionText()
{
    return QStringLiteral("Cellaro %1.%2")
        .arg(CELLARO_VERSION_MAJOR)
        .arg(CELLARO_VERSION_MINOR, 2, 10, QLatin1Char('0'));
}

} // namespace cellaro::cli
