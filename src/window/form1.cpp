// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

#include "entries/default_list.h"
#include "paint/grid_painter.h"
#include "paint/mark_cell.h"
#include "paint/start_up.h"
#include "surface/int16.h"
#include "surface/product.h"
#include "surface/twips.h"
#include "window/control_twips.h"
#include "window/drawing_area.h"
#include "window/form_accessibility.h"
#include "window/form_geometry.h"
#include "window/identity.h"
#include "window/list_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTimer>

#include <utility>

namespace cellaro {

namespace {

// Stored sizes of the controls at creation, in twips.
constexpr float kListBoxWidth = 2415;
constexpr float kShowButtonWidth = 975;
constexpr float kShowButtonHeight = 375;
constexpr float kSchemeSelectorWidth = 735;
constexpr float kLabelWidth = 180;
constexpr float kLabelHeight = 195;
constexpr float kThresholdWidth = 495;
constexpr float kThresholdHeight = 285;

// The shift state of a key or mouse event: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

constexpr int kKeyCodeA = 65;
constexpr int kCtrlOnly = 2;

} // namespace

Form1::Form1(FormServices services, QWidget* parent)
    : QWidget(parent)
    , services_(std::move(services))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(WindowCaption());
    setWindowIcon(WindowIcon());
    CreateControls();
    WireEvents();
    MakeAccessible(*this, *drawingArea_);
}

Form1::~Form1() = default;

void Form1::CreateControls()
{
    // Created first, so every control stands in front of it.
    drawingArea_ = new DrawingArea(this);

    text1_ = new ListBox(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setTabChangesFocus(true);
    text1_->setPlainText(DefaultListText());
    ControlTwips(*text1_).SetWidth(kListBoxWidth);

    command1_ = new QPushButton(QStringLiteral("&Shfaq"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    ControlTwips(*command1_).SetWidth(kShowButtonWidth);
    ControlTwips(*command1_).SetHeight(kShowButtonHeight);

    // Not editable: the user picks an item and cannot type. Its height is
    // the box's own.
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    ControlTwips(*combo1_).SetWidth(kSchemeSelectorWidth);
    combo1_->resize(combo1_->width(), combo1_->sizeHint().height());

    label1_ = new QLabel(QStringLiteral(">="), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ControlTwips(*label1_).SetWidth(kLabelWidth);
    ControlTwips(*label1_).SetHeight(kLabelHeight);

    text2_ = new QLineEdit(QStringLiteral("0"), this);
    text2_->setObjectName(QStringLiteral("Text2"));
    ControlTwips(*text2_).SetWidth(kThresholdWidth);
    ControlTwips(*text2_).SetHeight(kThresholdHeight);

    setTabOrder(text1_, command1_);
    setTabOrder(command1_, combo1_);
    setTabOrder(combo1_, text2_);
    text1_->setFocus();
}

void Form1::WireEvents()
{
    connect(command1_, &QPushButton::clicked, this, &Form1::ShowListAction);
    constexpr int kPressedLookMs = 100;
    showPressedLook_.setSingleShot(true);
    showPressedLook_.setInterval(kPressedLookMs);
    connect(&showPressedLook_, &QTimer::timeout, command1_, [this] { command1_->setDown(false); });
    // Fires synchronously, also when the tool itself sets the index.
    connect(combo1_, &QComboBox::currentIndexChanged, this, &Form1::ShowListAction);
    text1_->installEventFilter(this);
    // The Show button is the window's cancel button: Escape presses it.
    // Enter is left to the list box, which inserts a new line.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, command1_, &QPushButton::click);
    combo1_->view()->installEventFilter(this);
    command1_->installEventFilter(this);
    connect(drawingArea_, &DrawingArea::mouseReleased, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y) {
                MarkCellAction(button, ShiftState(modifiers), x, y);
            });
    drawingArea_->setRepaint([this](FormSurface& surface) { PaintGridAction(surface); });
    connect(drawingArea_, &DrawingArea::painted, this, &Form1::surfacePainted);
}

// Escape with the scheme selector's list open only closes the list, as a
// drop-down list does. The list closes on the key's shortcut override,
// before the window's shortcuts are tried; taking the override keeps the
// key from pressing the cancel button as well.
bool Form1::HandleSchemeListKey(QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!key->matches(QKeySequence::Cancel) || !combo1_->view()->isVisible())
        return false;
    key->accept();
    combo1_->hidePopup();
    return true;
}

// Alt+S clicks the Show button at once. Qt's own handling of an access key
// shows the button pressed and clicks only 100 ms later; a key that presses
// a button should act when it is pressed. The button still shows itself
// pressed for those 100 ms, after Show. An ambiguous key is left to Qt,
// which moves the focus instead.
bool Form1::HandleShowAccessKey(QEvent* event)
{
    if (event->type() != QEvent::Shortcut || static_cast<QShortcutEvent*>(event)->isAmbiguous())
        return false;
    command1_->click();
    command1_->setDown(true);
    showPressedLook_.start(); // a key held down restarts it, so the look stays
    return true;
}

void Form1::setVisible(bool visible)
{
    if (visible && !loaded_)
        Load();
    QWidget::setVisible(visible);
}

void Form1::Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    // The native window exists from here on, so the platform can report the
    // frame (where it knows it before showing) when the window is sized.
    winId();
    InitWindow();
}

void Form1::FillSchemeSelector()
{
    // Qt selects the first item by itself when it is added; the selector
    // stands without a current item until the tool sets one.
    const QSignalBlocker quiet(combo1_);
    combo1_->clear();
    for (const QString& item : SchemeNames())
        combo1_->addItem(item);
    combo1_->setCurrentIndex(-1);
}

QSizeF Form1::ScreenTwips() const
{
    QSize pixels;
    if (services_.screenPixels)
        pixels = services_.screenPixels();
    else if (const QScreen* s = screen())
        pixels = s->geometry().size();
    return QSizeF(PixelsToTwips(pixels.width()), PixelsToTwips(pixels.height()));
}

void Form1::InitWindow()
{
    EntryTable& table = state_.entries;
    GridGeometry& grid = state_.grid;

    table.EntryCount = 0;
    table.MaxValue = 0;
    table.TotalValue = 0;
    FillSchemeSelector();
    combo1_->setCurrentIndex(0); // raises Click: ShowList runs here, nested

    SetStartUpGeometry(grid);

    ControlTwips command(*command1_), list(*text1_), selector(*combo1_), label(*label1_),
        threshold(*text2_);
    command.SetTop(kButtonRowTop);
    // The layout's 16-bit arithmetic cannot overflow with the start-up
    // geometry, as the start-up constants assert at compile time.
    command.SetLeft(float(ControlColumnLeft(grid.CellWidth, grid.MarginX)));
    list.SetLeft(command.Left());
    list.SetTop(command.Top() + command.Height());
    selector.SetTop(command.Top());
    selector.SetLeft(command.Left() + command.Width());
    label.SetLeft(selector.Left() + selector.Width());
    label.SetTop(command.Top());
    threshold.SetTop(command.Top());
    threshold.SetLeft(label.Left() + label.Width());

    SetOuterHeight(float(StartUpGridSpan(grid.CellHeight) + kWindowHeightBeyondGrid));
    const float listWidth = list.Width();
    SetOuterWidth(float(StartUpGridSpan(grid.CellWidth) + kWindowWidthBeyondGrid) + listWidth
                  + float(grid.MarginX));
    list.SetHeight(Height() - list.Top() - kListBoxBottomGap);

    const QSizeF screenTwips = ScreenTwips();
    WindowTwips window(*this);
    window.SetLeft(CentredPosition(float(screenTwips.width()), Width()));
    window.SetTop(CentredPosition(float(screenTwips.height()), Height()));

    table.MaxValue = 0;
    for (int i = 1; i <= kEntriesClearedAtStartUp; ++i) {
        table.EntryNames[std::size_t(i)].clear();
        table.EntryValues[std::size_t(i)] = 0;
    }
}

void Form1::SetOuterWidth(float twips)
{
    outerWidthTwips_ = twips;
    WindowTwips(*this).SetWidth(twips);
    clientSizeSet_ = size();
    frameApplied_ = FrameMargins(*this);
}

void Form1::SetOuterHeight(float twips)
{
    outerHeightTwips_ = twips;
    WindowTwips(*this).SetHeight(twips);
    clientSizeSet_ = size();
    frameApplied_ = FrameMargins(*this);
}

// Some platforms report the frame only once the window is on the screen.
// The outer size is then applied again, unless the window was resized since.
void Form1::ApplyOuterSizeToFrame()
{
    if (!loaded_ || outerWidthTwips_ <= 0 || outerHeightTwips_ <= 0)
        return;
    const QMargins frame = FrameMargins(*this);
    if (frame == frameApplied_ || size() != clientSizeSet_)
        return;
    frameApplied_ = frame;
    resize(ClientPixelsFor(outerWidthTwips_, outerHeightTwips_, frame));
    clientSizeSet_ = size();
}

float Form1::Left() const { return OuterLeftTwips(*this); }
float Form1::Top() const { return OuterTopTwips(*this); }
float Form1::Width() const { return OuterWidthTwips(*this); }
float Form1::Height() const { return OuterHeightTwips(*this); }

QString Form1::ListText() const { return text1_->Text(); }
int Form1::SelStart() const { return text1_->SelStart(); }
int Form1::SelLength() const { return text1_->SelLength(); }

Int16 Form1::SchemeIndex() const { return Int16(combo1_->currentIndex()); }

void Form1::ShowMessage(const QString& text)
{
    services_.messageBox(this, MessageBoxRequest { QString::fromUtf8(kProductName), text });
}

void Form1::ShowListAction()
{
    const QString listText = ListText();
    const QString thresholdText = text2_->text();
    const auto error = ShowList(state_, ShowInputs { listText, thresholdText }, SchemeIndex(),
                                drawingArea_->surface());
    if (!error && ShowClearsAndPaints(state_.entries))
        drawingArea_->showAllDrawn();
    if (error)
        ShowMessage(DescribeShowError(*error));
    emit listShown();
}

void Form1::PaintGridAction(FormSurface& surface) { PaintGrid(state_, SchemeIndex(), surface); }

const QImage& Form1::backingImage() const { return drawingArea_->screenImage(); }

void Form1::MarkCellAction(Qt::MouseButton button, int shift, float x, float y)
{
    (void)button, (void)shift; // the marker looks at the position only
    const auto box = MarkCell(state_, x, y, drawingArea_->surface(),
                              [this](const QString& text) { ShowMessage(text); });
    if (box) {
        const QRect pixels(QPoint(TwipsToPixels(box->first.x), TwipsToPixels(box->first.y)),
                           QPoint(TwipsToPixels(box->second.x), TwipsToPixels(box->second.y)));
        drawingArea_->showDrawn(QRegion(pixels));
    }
}

void Form1::SelectAllList(int keyCode, int shift)
{
    if (keyCode != kKeyCodeA || shift != kCtrlOnly)
        return;
    // SelStart 0 and SelLength the length of the text: the whole document,
    // the text cursor at its end.
    QTextCursor cursor = text1_->textCursor();
    cursor.select(QTextCursor::Document);
    text1_->setTextCursor(cursor);
}

bool Form1::HandleListBoxKey(QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // The list box selects all on the release of Ctrl+A, through
    // SelectAllList; the text edit's own select-all on the press is held back.
    if (type != QEvent::KeyRelease)
        return key->matches(QKeySequence::SelectAll);
    if (!key->isAutoRepeat())
        SelectAllList(key->key(), ShiftState(key->modifiers()));
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == text1_)
        return HandleListBoxKey(event);
    if (watched == combo1_->view())
        return HandleSchemeListKey(event);
    if (watched == command1_)
        return HandleShowAccessKey(event);
    return QWidget::eventFilter(watched, event);
}

bool Form1::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        ApplyOuterSizeToFrame();
    return handled;
}

// The drawing area covers the whole client area, behind the controls.
void Form1::resizeEvent(QResizeEvent* event)
{
    drawingArea_->resize(size());
    QWidget::resizeEvent(event);
}

} // namespace cellaro
