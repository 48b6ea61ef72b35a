#pragma once
// The list box's text as the tool reads it has a carriage return and a line
// feed at every line break, whatever the text widget stores (Qt's text edit
// keeps one "\n" per break). Lengths, selection starts and selection lengths
// count in the tool's text; these functions translate positions between the
// two forms. The widget text marks the join between two pieces of a long
// line with kPieceJoin (window/line_pieces.h); a join is nothing in the
// tool's text.

#include <QString>
#include <QStringView>

namespace cellaro {

// The widget's text with every break ("\n", or the paragraph and line
// separators of its raw text) written as "\r\n" and the joins left out.
QString ToolTextFromWidget(QStringView widgetText);

// Length of ToolTextFromWidget(widgetText), without building it.
int ToolLength(QStringView widgetText);

// The tool position of a widget position (a break counts two, a join none).
int ToolPosition(QStringView widgetText, int widgetPosition);

// The widget position of a tool position, clamped to the text. A position
// between the CR and the LF of a break maps to the start of the break, one
// at a join to the start of the piece after it.
int WidgetPosition(QStringView widgetText, int toolPosition);

} // namespace cellaro
