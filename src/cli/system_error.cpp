#include "cli/system_error.h"

#include <cstring>

namespace cellaro::cli {

QString SystemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace cellaro::cli
