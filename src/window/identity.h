#pragma once
// Who the window says it is: the product name that titles the window and
// its message boxes, the caption, the version text and the icon.

#include <QIcon>
#include <QString>

namespace cellaro {

inline constexpr const char* kProductName = "Cellaro";

// "Cellaro - " followed by the publisher notice.
QString WindowCaption();

// A version as the application shows it: the major number, a point and the
// minor number in two digits (1.0.0.0 shows as "1.00").
QString VersionText(int major, int minor);

// The version of this build, taken from the project version.
QString ApplicationVersionText();

// The 32 x 32, 16-colour window icon.
QIcon WindowIcon();

} // namespace cellaro
