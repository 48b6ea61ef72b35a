#pragma once
// The version every Cellaro tool prints for --version.

#include <QString>

namespace cellaro::cli {

// "Cellaro 1.00": the project's major and minor version, minor in two digits.
QString VersionText();

} // namespace cellaro::cli
