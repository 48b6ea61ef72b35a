#include "window/list_box_text.h"

#include "window/line_pieces.h"

#include <algorithm>

namespace cellaro {

namespace {

// The text edit keeps a break as "\n" in its plain text and as a paragraph
// or line separator in its raw text.
bool IsBreak(QChar c)
{
    return c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

int ToolWidth(QChar c) { return IsBreak(c) ? 2 : c == kPieceJoin ? 0 : 1; }

} // namespace

QString ToolTextFromWidget(QStringView widgetText)
{
    QString text;
    text.reserve(ToolLength(widgetText));
    // Whole runs between breaks and joins are copied at once: a 5 MB list
    // copied a character at a time takes a good part of Show's time.
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < widgetText.size(); ++i) {
        const QChar c = widgetText[i];
        if (!IsBreak(c) && c != kPieceJoin)
            continue;
        text += widgetText.sliced(runStart, i - runStart);
        if (IsBreak(c))
            text += QStringLiteral("\r\n");
        runStart = i + 1;
    }
    text += widgetText.sliced(runStart);
    return text;
}

int ToolLength(QStringView widgetText) { return ToolPosition(widgetText, int(widgetText.size())); }

int ToolPosition(QStringView widgetText, int widgetPosition)
{
    const int end = std::clamp(widgetPosition, 0, int(widgetText.size()));
    int tool = 0;
    for (int i = 0; i < end; ++i)
        tool += ToolWidth(widgetText[i]);
    return tool;
}

int WidgetPosition(QStringView widgetText, int toolPosition)
{
    int tool = 0;
    int widget = 0;
    while (widget < widgetText.size()) {
        const int next = tool + ToolWidth(widgetText[widget]);
        if (next > toolPosition)
            break;
        tool = next;
        ++widget;
    }
    return widget;
}

} // namespace cellaro
