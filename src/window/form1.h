// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Cellaro window: the list box, the Show button, the scheme selector,
// the ">=" label and the threshold box in a column on the right, and the
// drawing area with the colour grid behind them on the left.
//
// The window owns all state (entry table, palette, cell size, margins) and
// wires the controls' events to the tool's actions; the drawing area holds
// the surface the actions draw on.

#include "paint/form_state.h"
#include "window/list_box.h"
#include "window/message_box_seam.h"

#include <QImage>
#include <QMargins>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cellaro {

class DrawingArea;
class FormSurface;

struct FormServices {
    // Shows every message box of the window.
    MessageBoxSeam messageBox = ShowModalMessageBox;
    // The screen size in pixels used for centring; empty: the window's screen.
    std::function<QSize()> screenPixels;
};

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(FormServices services = {}, QWidget* parent = nullptr);
    ~Form1() override;

    // Showing the window the first time loads it first (runs InitWindow).
    void setVisible(bool visible) override;
    void Load();
    bool IsLoaded() const { return loaded_; }

    // The window's outer geometry in twips, frame included.
    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;

    // The list box's text as the tool reads it (CR LF line breaks) and its
    // selection, counted in that text.
    QString ListText() const;
    int SelStart() const;
    int SelLength() const;

    const FormState& state() const { return state_; }
    // What the window's drawing area shows, one image pixel per device
    // pixel, at the screen's device pixel ratio.
    const QImage& backingImage() const;

    ListBox* Text1() const { return text1_; }
    QPushButton* Command1() const { return command1_; }
    QComboBox* Combo1() const { return combo1_; }
    QLabel* Label1() const { return label1_; }
    QLineEdit* Text2() const { return text2_; }

    // The actions the events run; public so the program reads as a table of
    // events and handlers.
    void InitWindow();
    void ShowListAction();
    void PaintGridAction(FormSurface& surface);
    void MarkCellAction(Qt::MouseButton button, int shift, float x, float y);
    void SelectAllList(int keyCode, int shift);

signals:
    // ShowList has run (whether or not it accepted anything).
    void listShown();
    // A paint event has put the drawing area on the screen.
    void surfacePainted();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void WireEvents();
    void FillSchemeSelector();
    Int16 SchemeIndex() const;
    bool HandleSchemeListKey(QEvent* event);
    bool HandleShowAccessKey(QEvent* event);
    void SetOuterWidth(float twips);
    void SetOuterHeight(float twips);
    void ApplyOuterSizeToFrame();
    QSizeF ScreenTwips() const;
    void ShowMessage(const QString& text);
    bool HandleListBoxKey(QEvent* event);

    FormServices services_;
    FormState state_;
    bool loaded_ = false;

    // The outer size InitWindow asked for, kept so it can be applied again
    // when the platform reports the frame only after the window is shown.
    float outerWidthTwips_ = 0;
    float outerHeightTwips_ = 0;
    QSize clientSizeSet_;
    QMargins frameApplied_;

    // How long Show keeps its pressed look after Alt+S has clicked it.
    QTimer showPressedLook_;

    DrawingArea* drawingArea_ = nullptr;
    ListBox* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* text2_ = nullptr;
};

} // namespace cellaro
