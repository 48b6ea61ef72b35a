// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real window on the offscreen platform, driven with key and mouse
// events: start-up, layout, keys, schemes, the marker, repaints and errors,
// and the grid's table that assistive technology reads.

#include "support/core_test_support.h"
#include "support/window_fixture.h"

#include "entries/default_list.h"
#include "entries/list_parser.h"
#include "paint/grid_painter.h"
#include "surface/image_surface.h"
#include "surface/twips.h"
#include "window/control_twips.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QExposeEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace cellaro;
using namespace cellaro::testing;

namespace {

// Cell (column, row) of the 36-entry grid: a pixel inside its box, near the
// bottom-right corner, away from the texts at its top-left. The box runs
// from 225 + (c - 1) * 1500 + 75 to 225 + c * 1500 + 60 twips.
QPoint InsideCell(int column, int row)
{
    return QPoint((225 + column * 1500 + 60) / 15 - 4, (225 + row * 1500 + 60) / 15 - 4);
}

// Cells of the default list: a (1,1), b (2,1), e-umlaut (2,2), v (1,6).
const QPoint kCellA = InsideCell(1, 1);
const QPoint kCellB = InsideCell(2, 1);
const QPoint kCellEUmlaut = InsideCell(2, 2);
const QPoint kCellV = InsideCell(1, 6);

QRgb Rgb(int red, int green, int blue) { return qRgb(red, green, blue); }

// The room a control has for its caption: the label's contents, the
// button's contents inside its frame and margins, the selector's field
// beside its arrow.
QSize CaptionRoom(QWidget& control)
{
    QStyle* style = control.style();
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
    }
    if (auto* selector = qobject_cast<QComboBox*>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(selector);
        option.editable = false;
        return style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, selector)
            .size();
    }
    return control.contentsRect().size();
}

// Whether the line edit shows all of `text` at once: its end lies as far
// from its start as the text is wide, with no scrolling in between.
bool ShowsWhole(QLineEdit& edit, const QString& text)
{
    const auto cursorX = [&edit] { return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(); };
    edit.setText(text);
    edit.setCursorPosition(0);
    const int start = cursorX();
    edit.setCursorPosition(int(text.size()));
    return cursorX() - start == edit.fontMetrics().horizontalAdvance(text);
}

// Where a text printed in a box leaves ink on an image of the window's
// ratio, in device pixels from the box's top-left corner; empty when it
// leaves none. Box corners lie on whole pixels, so a text lands on the same
// pixels relative to its box wherever the box is.
QRect InkInBox(const DrawOp& print, const DrawOp& box, qreal ratio)
{
    const float left = std::min(box.x1, box.x2);
    const float top = std::min(box.y1, box.y2);
    ImageSurface surface(160, 160, RGB(255, 255, 255), ratio);
    surface.SetForeColor(RGB(0, 0, 0));
    surface.SetCurrentX(print.x1 - left);
    surface.SetCurrentY(print.y1 - top);
    surface.Print(print.text);
    const PixelBuffer& image = surface.pixels();
    QRect ink;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.at(x, y) != OpaquePixel(RGB(255, 255, 255)))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The drawing area's table, as assistive technology reads it.
QAccessibleInterface* Grid(Form1& form)
{
    return QAccessible::queryAccessibleInterface(form.findChild<QWidget*>(QStringLiteral("DrawingArea")));
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void startUpState()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        Form1& form = *window.form;

        QStringList items;
        for (int i = 0; i < form.Combo1()->count(); ++i)
            items.append(form.Combo1()->itemText(i));
        QCOMPARE(items, (QStringList { "Gri", "Kuq", "Gjelber", "Blu", "Ngj1", "Ngj2", "Ngj3", "Ngj4" }));
        QCOMPARE(form.Combo1()->currentIndex(), 0);
        QCOMPARE(form.Combo1()->currentText(), QStringLiteral("Gri"));
        QVERIFY(!form.Combo1()->isEditable());
        QCOMPARE(form.Text2()->text(), QStringLiteral("0"));
        QCOMPARE(form.ListText(), DefaultListText());
        QCOMPARE(form.ListText().size(), 223);
        QCOMPARE(form.Command1()->text(), QStringLiteral("&Shfaq"));
        QCOMPARE(form.Label1()->text(), QStringLiteral(">="));

        const EntryTable& table = form.state().entries;
        QCOMPARE(table.MaxValue, Int16(0));
        QCOMPARE(table.EntryCount, Int16(36));
        QCOMPARE(table.TotalValue, 4771);
        for (int i = 1; i <= 100; ++i) {
            QVERIFY(table.EntryNames[std::size_t(i)].isEmpty());
            QCOMPARE(table.EntryValues[std::size_t(i)], Int16(0));
        }
        const GridGeometry& grid = form.state().grid;
        QCOMPARE(grid.CellWidth, Int16(100));
        QCOMPARE(grid.CellHeight, Int16(100));
        QCOMPARE(grid.MarginX, Int16(225));
        QCOMPARE(grid.MarginY, Int16(225));
        QVERIFY(form.windowTitle().startsWith(QStringLiteral("Cellaro - ")));
        QVERIFY(!form.windowIcon().isNull());
        QTRY_COMPARE(QApplication::focusWidget(), form.Text1());
    }

    void startUpRunsShowOnceNested()
    {
        WindowFixture window;
        QList<Int16> marginsDuringShow;
        QList<Int16> countsDuringShow;
        QObject::connect(window.form.get(), &Form1::listShown, [&] {
            marginsDuringShow.append(window.form->state().grid.MarginX);
            countsDuringShow.append(window.form->state().entries.EntryCount);
        });
        QVERIFY(!window.form->IsLoaded());
        QVERIFY(window.Show());
        QVERIFY(window.form->IsLoaded());
        // Once, inside step 3: the margins are still 0, the list is parsed.
        QCOMPARE(marginsDuringShow, QList<Int16> { 0 });
        QCOMPARE(countsDuringShow, QList<Int16> { 36 });
        window.form->hide();
        window.form->show();
        QCOMPARE(marginsDuringShow.size(), 1);
    }

    void startUpShowsAnEmptyDrawingArea()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(GridAreaIsBlank(window.form->backingImage()));
        QCOMPARE(Grid(*window.form)->childCount(), 0);
        QVERIFY(!Grid(*window.form)->tableInterface()->cellAt(0, 0));
        QVERIFY(window.Expose());
        QVERIFY(GridAreaIsBlank(window.form->backingImage()));
        window.ReleaseMouseAt(QPoint(200, 133));
        QVERIFY(window.boxes.isEmpty());
        QVERIFY(GridAreaIsBlank(window.form->backingImage()));
    }

    void layout_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRectF>("twips"); // left, top, width, height; height -1: the control's own
        QTest::newRow("Command1") << "Command1" << QRectF(9585, 75, 975, 375);
        QTest::newRow("Combo1") << "Combo1" << QRectF(10560, 75, 735, -1);
        QTest::newRow("Label1") << "Label1" << QRectF(11295, 75, 180, 195);
        QTest::newRow("Text2") << "Text2" << QRectF(11475, 75, 495, 285);
        QTest::newRow("Text1") << "Text1" << QRectF(9585, 450, 2415, 9000);
    }
    void layout()
    {
        QFETCH(QString, control);
        QFETCH(QRectF, twips);
        WindowFixture window;
        QVERIFY(window.Show());
        auto* widget = window.form->findChild<QWidget*>(control);
        QVERIFY(widget);
        const ControlTwips geometry(*widget);
        QCOMPARE(geometry.Left(), float(twips.left()));
        QCOMPARE(geometry.Top(), float(twips.top()));
        QCOMPARE(geometry.Width(), float(twips.width()));
        if (twips.height() >= 0)
            QCOMPARE(geometry.Height(), float(twips.height()));
    }

    // The stored sizes were made for the default font: each caption fits
    // its control whole, in the font the control draws it in.
    void captionFits_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("the label's >=") << "Label1" << ">=";
        QTest::newRow("the button's Shfaq") << "Command1" << "&Shfaq";
        QTest::newRow("the selector's first scheme") << "Combo1" << "Gri";
        QTest::newRow("threshold 0") << "Text2" << "0";
        QTest::newRow("a four-digit threshold") << "Text2" << "-100";
    }
    void captionFits()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        WindowFixture window;
        QVERIFY(window.Show());
        auto* widget = window.form->findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            QVERIFY(ShowsWhole(*edit, caption));
            return;
        }
        const QFontMetrics metrics = widget->fontMetrics();
        const QSize room = CaptionRoom(*widget);
        const QString shown = QString(caption).remove(u'&');
        QVERIFY2(metrics.horizontalAdvance(shown) <= room.width(),
                 qPrintable(QStringLiteral("%1 pixels wide, room for %2").arg(metrics.horizontalAdvance(shown)).arg(room.width())));
        QVERIFY2(metrics.height() <= room.height(),
                 qPrintable(QStringLiteral("%1 pixels high, room for %2").arg(metrics.height()).arg(room.height())));
    }

    // The selector is narrower than its longer names; its list shows them whole.
    void selectorListShowsWholeNames()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QComboBox* selector = window.form->Combo1();
        const int widest = selector->fontMetrics().horizontalAdvance(QStringLiteral("Gjelber"));
        QVERIFY(CaptionRoom(*selector).width() < widest);
        selector->showPopup();
        QTRY_VERIFY(selector->view()->isVisible());
        QVERIFY(selector->view()->viewport()->width() >= widest);
        selector->hidePopup();
    }

    // A cell's label, count and share stay left of its right edge and above
    // its bottom edge, on the screen's pixels (ratio 2 in the HiDPI run).
    void textsStayInsideTheirCells_data()
    {
        QTest::addColumn<QList<int>>("counts");
        using namespace cellaro::testing;
        QList<int> allInOne = Repeated(kMaxEntriesWithTexts, 0);
        allInOne[0] = 32767;
        QTest::newRow("121 rising counts") << RisingCounts(kMaxEntriesWithTexts);
        QTest::newRow("121 five-digit counts") << Repeated(kMaxEntriesWithTexts, 32767);
        QTest::newRow("121 entries, one holds 100.00%") << allInOne;
        QTest::newRow("120 of them -32768") << Repeated(kMaxEntriesWithTexts - 1, -32768) + QList<int> { 1 };
    }
    void textsStayInsideTheirCells()
    {
        QFETCH(QList<int>, counts);
        WindowFixture window;
        QVERIFY(window.Show());
        const qreal ratio = window.form->devicePixelRatioF();
        FormState form = cellaro::testing::FormWithCounts(counts);
        RecordingSurface recording;
        PaintGrid(form, 0, recording);
        QCOMPARE(recording.texts().size(), 3 * kMaxEntriesWithTexts);
        DrawOp box;
        for (const DrawOp& op : recording.ops()) {
            if (op.kind == DrawOp::Box)
                box = op;
            if (op.kind != DrawOp::Print)
                continue;
            const QRect ink = InkInBox(op, box, ratio);
            QVERIFY2(!ink.isEmpty(), qPrintable(op.text));
            // The box's right and bottom outlines, in device pixels.
            const int right = int(std::round(std::abs(box.x2 - box.x1) / kTwipsPerPixel * ratio));
            const int bottom = int(std::round(std::abs(box.y2 - box.y1) / kTwipsPerPixel * ratio));
            QVERIFY2(ink.right() < right && ink.bottom() < bottom,
                     qPrintable(QStringLiteral("\"%1\" inked to (%2,%3), the box's edges at (%4,%5)")
                                    .arg(op.text).arg(ink.right()).arg(ink.bottom()).arg(right).arg(bottom)));
        }
    }

    void windowSize()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QCOMPARE(window.form->Width(), 12030.0f);
        QCOMPARE(window.form->Height(), 10050.0f);
    }

    void centring_data()
    {
        QTest::addColumn<QSize>("screenPixels");
        QTest::addColumn<QPointF>("position");
        QTest::newRow("28800 x 16200 twips") << QSize(1920, 1080) << QPointF(8385, 3075);
        QTest::newRow("smaller than the window") << QSize(800, 600) << QPointF(-15, -525);
    }
    void centring()
    {
        QFETCH(QSize, screenPixels);
        QFETCH(QPointF, position);
        WindowFixture window(screenPixels);
        window.form->Load();
        QCOMPARE(window.form->Left(), float(position.x()));
        QCOMPARE(window.form->Top(), float(position.y()));
    }

    void resizingMovesNothing()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(window.PressShow());
        const QImage shown = window.Image();
        const QRect listBox = window.form->Text1()->geometry();
        const QRect button = window.form->Command1()->geometry();
        const int before = window.paints;
        window.form->resize(window.form->size() + QSize(120, 90));
        QTRY_VERIFY(window.paints > before);
        QCOMPARE(window.form->Text1()->geometry(), listBox);
        QCOMPARE(window.form->Command1()->geometry(), button);
        const QImage grown = window.Image();
        QCOMPARE(grown.copy(QRect(QPoint(0, 0), shown.size())), shown);
    }

    void selectAll_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("selectsAll");
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+Shift+A") << int(Qt::Key_A)
                                      << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << false;
        QTest::newRow("Ctrl+Alt+A") << int(Qt::Key_A)
                                    << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier) << false;
        QTest::newRow("A alone") << int(Qt::Key_A) << Qt::KeyboardModifiers() << false;
        QTest::newRow("Ctrl+B") << int(Qt::Key_B) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    }
    void selectAll()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, selectsAll);
        WindowFixture window;
        QVERIFY(window.Show());
        QPlainTextEdit* list = window.form->Text1();
        QTextCursor cursor = list->textCursor();
        cursor.setPosition(7); // inside line 2, no selection
        list->setTextCursor(cursor);

        QTest::keyPress(list, Qt::Key(key), modifiers);
        QCOMPARE(window.form->SelLength(), 0); // acts on the release only
        QTest::keyRelease(list, Qt::Key(key), modifiers);
        if (selectsAll) {
            QCOMPARE(window.form->SelStart(), 0);
            QCOMPARE(window.form->SelLength(), int(window.form->ListText().size()));
            QCOMPARE(window.form->SelLength(), 223);
        } else {
            QCOMPARE(window.form->SelLength(), 0);
        }
    }

    void selectAllOnlyInTheListBox()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QTest::keyClick(window.form->Text2(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(window.form->SelLength(), 0);
    }

    void showKeys_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("shows");
        QTest::newRow("Alt+S in the list box") << "Text1" << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::AltModifier) << true;
        QTest::newRow("Alt+S in the threshold box") << "Text2" << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::AltModifier) << true;
        QTest::newRow("Escape in the list box") << "Text1" << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << true;
        QTest::newRow("Escape in the threshold box") << "Text2" << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << true;
        QTest::newRow("Space on the button") << "Command1" << int(Qt::Key_Space) << Qt::KeyboardModifiers() << true;
        QTest::newRow("Enter in the list box") << "Text1" << int(Qt::Key_Return) << Qt::KeyboardModifiers() << false;
        QTest::newRow("S alone") << "Text1" << int(Qt::Key_S) << Qt::KeyboardModifiers() << false;
    }
    void showKeys()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, shows);
        WindowFixture window;
        QVERIFY(window.Show());
        QSignalSpy shown(window.form.get(), &Form1::listShown);
        auto* widget = window.form->findChild<QWidget*>(from);
        QVERIFY(widget);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key(key), modifiers);
        // Show has run by the time the key is handled, the access key
        // included, which leaves the button looking pressed for a moment;
        // nothing comes later.
        QCOMPARE(shown.size(), shows ? 1 : 0);
        QCOMPARE(window.form->Command1()->isDown(), modifiers == Qt::AltModifier && shows);
        QTest::qWait(300);
        QCOMPARE(shown.size(), shows ? 1 : 0);
        QVERIFY(!window.form->Command1()->isDown());
        QCOMPARE(GridAreaIsBlank(window.form->backingImage()), !shows);
        if (shows)
            QCOMPARE(PixelAt(window.form->backingImage(), kCellEUmlaut).rgb(), Rgb(0, 0, 0));
        if (key == Qt::Key_Return) // a new line in the list text
            QCOMPARE(window.form->ListText().size(), 225);
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("list box to Show") << "Text1" << "Command1";
        QTest::newRow("Show to selector") << "Command1" << "Combo1";
        QTest::newRow("selector to threshold") << "Combo1" << "Text2";
    }
    void tabOrder()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
        auto* start = window.form->findChild<QWidget*>(from);
        start->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), start);
        const QString listBefore = window.form->ListText();
        QTest::keyClick(start, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.form->findChild<QWidget*>(to));
        QCOMPARE(window.form->ListText(), listBefore); // no tab character inserted
    }

    void pickScheme_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QRgb>("hottest"); // e-umlaut, 1377 = MaxValue
        QTest::addColumn<QRgb>("coldest"); // v, 0
        QTest::newRow("Gri") << 0 << Rgb(0, 0, 0) << Rgb(255, 255, 255);
        QTest::newRow("Kuq") << 1 << Rgb(255, 0, 0) << Rgb(255, 255, 255);
        QTest::newRow("Gjelber") << 2 << Rgb(0, 255, 0) << Rgb(255, 255, 255);
        QTest::newRow("Blu") << 3 << Rgb(0, 0, 255) << Rgb(255, 255, 255);
        QTest::newRow("Ngj1") << 4 << Rgb(255, 0, 0) << Rgb(0, 0, 255);
        QTest::newRow("Ngj2") << 5 << Rgb(255, 0, 0) << Rgb(0, 5, 255);
        QTest::newRow("Ngj3") << 6 << Rgb(255, 0, 0) << Rgb(255, 255, 220);
        QTest::newRow("Ngj4") << 7 << Rgb(255, 0, 0) << Rgb(255, 255, 220);
    }
    void pickScheme()
    {
        QFETCH(int, scheme);
        QFETCH(QRgb, hottest);
        QFETCH(QRgb, coldest);
        WindowFixture window;
        QVERIFY(window.Show());
        QSignalSpy shown(window.form.get(), &Form1::listShown);
        QComboBox* selector = window.form->Combo1();
        selector->setFocus();
        if (scheme == 0) {
            QTest::keyClick(selector, Qt::Key_Down); // away and back: two picks
            QTest::keyClick(selector, Qt::Key_Up);
        }
        for (int i = 0; i < scheme; ++i)
            QTest::keyClick(selector, Qt::Key_Down);
        QCOMPARE(selector->currentIndex(), scheme);
        QCOMPARE(shown.size(), scheme == 0 ? 2 : scheme); // each pick shows once
        const QImage image = window.form->backingImage();
        QCOMPARE(PixelAt(image, kCellEUmlaut).rgb(), hottest);
        QCOMPARE(PixelAt(image, kCellV).rgb(), coldest);
    }

    void cellAIsGreyInSchemeZero()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(window.PressShow());
        // a, 433: shade 175.
        QCOMPARE(PixelAt(window.form->backingImage(), kCellA).rgb(), Rgb(175, 175, 175));
        // The teal outline on the box's left edge (x 300 twips, pixel 20).
        QCOMPARE(PixelAt(window.form->backingImage(), QPoint(20, 60)).rgb(), Rgb(0, 64, 64));
    }

    void markerAfterShow()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(window.PressShow());
        const QImage shown = window.Image();

        // Pixel (200, 46): twips (3000, 690), cell b at column 2, row 1.
        window.ReleaseMouseAt(QPoint(200, 46));
        QCOMPARE(window.boxes.size(), 1);
        QCOMPARE(window.boxes.first().title, QStringLiteral("Cellaro"));
        QCOMPARE(window.boxes.first().text, QStringLiteral("1350"));

        // b's box, pixels (120, 20) to (219, 119): the outline turns black,
        // the near-white interior stays. Its table cell covers the same box.
        QWidget* area = window.form->findChild<QWidget*>(QStringLiteral("DrawingArea"));
        QAccessibleInterface* b = Grid(*window.form)->childAt(area->mapToGlobal(QPoint(200, 46)).x(),
                                                              area->mapToGlobal(QPoint(200, 46)).y());
        QVERIFY(b && b->text(QAccessible::Name).startsWith(QStringLiteral("b, 6, ")));
        QCOMPARE(b->rect(), QRect(area->mapToGlobal(QPoint(120, 20)), QSize(100, 100)));
        QCOMPARE(b, Grid(*window.form)->tableInterface()->cellAt(0, 1));
        const QImage marked = window.Image();
        QCOMPARE(PixelAt(marked, QPoint(120, 60)).rgb(), Rgb(0, 0, 0));
        QCOMPARE(PixelAt(marked, QPoint(219, 60)).rgb(), Rgb(0, 0, 0));
        QCOMPARE(PixelAt(marked, QPoint(170, 20)).rgb(), Rgb(0, 0, 0));
        QCOMPARE(PixelAt(marked, QPoint(170, 119)).rgb(), Rgb(0, 0, 0));
        QCOMPARE(PixelAt(marked, kCellB), PixelAt(shown, kCellB));
        QCOMPARE(PixelAt(shown, QPoint(120, 60)).rgb(), Rgb(0, 64, 64));

        // A repaint the window system asks for paints the grid over it.
        QVERIFY(window.Expose());
        QCOMPARE(window.Image(), shown);
    }

    void repaintShowsOnlyTheAskedForRegion()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(window.PressShow());
        const QImage shown = window.Image();
        window.ReleaseMouseAt(QPoint(200, 46)); // outlines b, pixels (120, 20) to (219, 119)
        const QPoint leftEdge(120, 60);
        const QPoint rightEdge(219, 60);
        QCOMPARE(PixelAt(window.Image(), leftEdge).rgb(), Rgb(0, 0, 0));

        // Uncovering an area away from b leaves the outline.
        QVERIFY(window.Expose(QRect(300, 0, 339, 639)));
        QCOMPARE(PixelAt(window.Image(), leftEdge).rgb(), Rgb(0, 0, 0));
        QCOMPARE(PixelAt(window.Image(), rightEdge).rgb(), Rgb(0, 0, 0));

        // Uncovering b's left half repaints the grid there only.
        QVERIFY(window.Expose(QRect(0, 0, 170, 639)));
        QCOMPARE(PixelAt(window.Image(), leftEdge).rgb(), Rgb(0, 64, 64));
        QCOMPARE(PixelAt(window.Image(), rightEdge).rgb(), Rgb(0, 0, 0));

        // Show clears the surface: nothing of the outline is left.
        QVERIFY(window.PressShow());
        QCOMPARE(window.Image(), shown);
    }

    void markerShowsTheMessageOffTheGrid()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(window.PressShow());
        const QImage shown = window.Image();
        window.ReleaseMouseAt(QPoint(5, 5)); // x 75 twips: left of the margin
        QCOMPARE(window.boxes.size(), 1);
        QCOMPARE(window.boxes.first().text, QStringLiteral("-1575"));
        QCOMPARE(window.Image(), shown);
    }

    void mouseRoutes_data()
    {
        QTest::addColumn<QString>("pressOn"); // "", "surface" or "label"
        QTest::addColumn<QString>("releaseOver");
        QTest::addColumn<bool>("marks");
        QTest::newRow("surface to surface") << "surface" << "surface" << true;
        QTest::newRow("surface to label") << "surface" << "label" << true;
        QTest::newRow("label to label") << "label" << "label" << false;
        QTest::newRow("label to surface") << "label" << "surface" << false;
        QTest::newRow("release alone on surface") << "" << "surface" << true;
        QTest::newRow("release alone on label") << "" << "label" << false;
    }
    void mouseRoutes()
    {
        QFETCH(QString, pressOn);
        QFETCH(QString, releaseOver);
        QFETCH(bool, marks);
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(window.PressShow());
        QLabel* label = window.form->Label1();
        const QPoint surface(200, 46);
        if (pressOn == QLatin1String("surface"))
            window.PressMouseAt(surface);
        else if (pressOn == QLatin1String("label"))
            window.PressMouseAt(label->geometry().center());
        if (releaseOver == QLatin1String("surface"))
            window.ReleaseMouseAt(surface);
        else
            window.ReleaseMouseAt(label->geometry().center());
        QCOMPARE(window.boxes.size(), marks ? 1 : 0);
    }

    // A repaint the window system asks for draws from the table, over a
    // cleared region: a grid Show left on the surface without storing it
    // does not come back.
    void exposeRedrawsFromTheTable_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<bool>("gridStays");
        QTest::newRow("entries shown") << DefaultListText() << "0" << true;
        QTest::newRow("nothing accepted: no line feed") << "a,5" << "0" << false;
        QTest::newRow("nothing accepted: all below the threshold") << DefaultListText() << "5000" << false;
    }
    void exposeRedrawsFromTheTable()
    {
        QFETCH(QString, list);
        QFETCH(QString, threshold);
        QFETCH(bool, gridStays);
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(window.PressShow());
        const QImage grid = window.Image();
        QAccessibleTableInterface* table = Grid(*window.form)->tableInterface();
        QVERIFY(table->cellAt(5, 5)->text(QAccessible::Name).startsWith(QStringLiteral("zh, 0, ")));
        const QAccessible::Id shownBefore = QAccessible::uniqueId(table->cellAt(0, 0));
        window.Type(list);
        window.form->Text2()->setText(threshold);
        QVERIFY(window.PressShow());
        QCOMPARE(window.Image(), grid); // what Show did not clear stays
        // The table follows the entries, not the pixels left behind; the
        // cells read before are gone.
        QCOMPARE(table->rowCount(), gridStays ? 6 : 0);
        QCOMPARE(table->cellAt(0, 0) != nullptr, gridStays);
        QVERIFY(!QAccessible::accessibleInterface(shownBefore));

        // Uncovering the left half (cells a and e-umlaut) repaints it only.
        QVERIFY(window.Expose(QRect(0, 0, 170, 639)));
        const QImage exposed = window.Image();
        QCOMPARE(PixelAt(exposed, kCellA) == PixelAt(grid, kCellA), gridStays);
        QCOMPARE(PixelAt(exposed, kCellEUmlaut), PixelAt(grid, kCellEUmlaut));
        if (!gridStays)
            QCOMPARE(PixelAt(exposed, kCellA), WindowBackground());
    }

    // Escape presses Show, except while the scheme selector's list is open:
    // then it only closes the list.
    void escapeClosesTheSchemeListFirst()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QSignalSpy shown(window.form.get(), &Form1::listShown);
        QComboBox* selector = window.form->Combo1();
        selector->setFocus();
        selector->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        QCOMPARE(shown.size(), 0);
        QCOMPARE(selector->currentIndex(), 0);
        QVERIFY(GridAreaIsBlank(window.form->backingImage()));

        // With the list closed, Escape presses Show again. (The offscreen
        // platform leaves the closed list's window active; a desktop gives
        // the activation back.)
        window.form->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window.form.get());
        QTest::keyClick(window.form->windowHandle(), Qt::Key_Escape);
        QCOMPARE(shown.size(), 1);
    }

    void repaintAfterShowIsIdentical()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(window.PressShow());
        const QImage shown = window.Image();
        QVERIFY(!GridAreaIsBlank(shown));
        QVERIFY(window.Expose());
        QCOMPARE(window.Image(), shown);
        QVERIFY(window.Expose());
        QCOMPARE(window.Image(), shown);
    }

    void hiddenDrawingLeavesNothing()
    {
        WindowFixture window;
        window.form->Load(); // the nested Show draws with margins 0 while hidden
        QVERIFY(window.Show());
        QVERIFY(GridAreaIsBlank(window.form->backingImage()));
    }

    void rejectedList_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("line");
        QTest::newRow("count overflows") << QStringLiteral("a,1\nb,40000\nc,2\n") << int(ShowError::Overflow) << 2;
        QTest::newRow("rounds past 32767") << QStringLiteral("a,32767.5\n") << int(ShowError::Overflow) << 1;
        QTest::newRow("10001 entries") << QStringLiteral("x,1\n").repeated(10001)
                                       << int(ShowError::TooManyEntries) << 10001;
    }
    void rejectedList()
    {
        QFETCH(QString, list);
        QFETCH(int, kind);
        QFETCH(int, line);
        WindowFixture window;
        QVERIFY(window.Show());
        QVERIFY(window.PressShow());
        const QImage shown = window.Image();
        window.form->Text1()->setPlainText(list);
        const QString listText = window.form->ListText();

        QVERIFY(window.PressShow());
        QCOMPARE(window.boxes.size(), 1);
        QCOMPARE(window.boxes.first().title, QStringLiteral("Cellaro"));
        QCOMPARE(window.boxes.first().text, DescribeShowError(ShowError { ShowError::Kind(kind), line }));
        QVERIFY(window.boxes.first().text.contains(QString::number(line)));
        // The table, the picture and the list text are as before.
        QCOMPARE(window.form->state().entries.EntryCount, Int16(36));
        QCOMPARE(window.form->state().entries.MaxValue, Int16(1377));
        QCOMPARE(window.form->state().entries.TotalValue, 4771);
        QCOMPARE(window.Image(), shown);
        QCOMPARE(window.form->ListText(), listText);
        QVERIFY(window.form->isVisible());
    }

    void backingImageCarriesTheScreenRatio()
    {
        WindowFixture window;
        QVERIFY(window.Show());
        const QImage& image = window.form->backingImage();
        const qreal ratio = window.form->devicePixelRatioF();
        QCOMPARE(image.devicePixelRatio(), ratio);
        QVERIFY(image.width() >= qRound(window.form->width() * ratio));
        QVERIFY(image.height() >= qRound(window.form->height() * ratio));
        QCOMPARE(ratio, qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                     ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
