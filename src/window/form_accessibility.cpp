// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form_accessibility.h"

#include "window/accessible_grid.h"
#include "window/drawing_area.h"
#include "window/form1.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace cellaro {

namespace {

// The drawing area of a Cellaro window is the table of its window's grid.
QAccessibleInterface* GridOfDrawingArea(const QString& className, QObject* object)
{
    auto* area = qobject_cast<DrawingArea*>(object);
    auto* form = area ? qobject_cast<Form1*>(area->parentWidget()) : nullptr;
    if (!form || className != QLatin1String(DrawingArea::staticMetaObject.className()))
        return nullptr;
    return new AccessibleGrid(area, form->state());
}

} // namespace

void MakeAccessible(Form1& form, QWidget& drawingArea)
{
    QAccessible::installFactory(GridOfDrawingArea); // once: Qt keeps each factory once

    // "Lista", "Një rresht për çdo qelizë: emërtim,numër"
    form.Text1()->setAccessibleName(QStringLiteral("Lista"));
    form.Text1()->setAccessibleDescription(
        QStringLiteral(u"Nj\u00eb rresht p\u00ebr \u00e7do qeliz\u00eb: em\u00ebrtim,num\u00ebr"));
    // ">=" stands for the threshold box, "Pragu": "Numri më i vogël që pranohet"
    form.Label1()->setBuddy(form.Text2());
    form.Text2()->setAccessibleName(QStringLiteral("Pragu"));
    form.Text2()->setAccessibleDescription(QStringLiteral(u"Numri m\u00eb i vog\u00ebl q\u00eb pranohet"));
    // On Linux the toolkit names a combo box by its current item and takes
    // what it is from a label tied to it; this label is never shown.
    const QString schemes = QStringLiteral("Skema e ngjyrave");
    form.Combo1()->setAccessibleName(schemes);
    auto* schemesLabel = new QLabel(schemes, &form);
    schemesLabel->setObjectName(QStringLiteral("SchemeSelectorName"));
    schemesLabel->hide();
    schemesLabel->setBuddy(form.Combo1());
    drawingArea.setAccessibleName(QStringLiteral("Rrjeta e ngjyrave"));

    QObject::connect(&form, &Form1::listShown, &drawingArea, [&drawingArea] {
        if (AccessibleGrid* grid = AccessibleGrid::Of(&drawingArea))
            grid->Changed();
    });
}

} // namespace cellaro
