// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box of the window goes through one function, so tests can
// answer the box and read its title and text instead of a person.

#include <QString>

#include <functional>

class QWidget;

namespace cellaro {

struct MessageBoxRequest {
    QString title;
    QString text;
};

// Shows the box and returns once it is closed.
using MessageBoxSeam = std::function<void(QWidget* parent, const MessageBoxRequest& request)>;

// A modal box with an OK button only, no icon, over `parent`.
void ShowModalMessageBox(QWidget* parent, const MessageBoxRequest& request);

} // namespace cellaro
