// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/message_box_seam.h"

#include <QMessageBox>

namespace cellaro {

void ShowModalMessageBox(QWidget* parent, const MessageBoxRequest& request)
{
    QMessageBox box(QMessageBox::NoIcon, request.title, request.text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace cellaro
