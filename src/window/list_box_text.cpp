#include "window/list_box_text.h"

#include <algorithm>

namespace cellaro {

namespace {

// The text edit keeps a break as "\n" in its plain text and as a paragraph
// or line separator in its raw text.
bool IsBreak(QChar c)
{
    return c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

int ToolWidth(QChar c) { return IsBreak(c) ? 2 : 1; }

} // namespace

QString ToolTextFromWidget(QStringView widgetText)
{
    QString text;
    text.reserve(ToolLength(widgetText));
    for (QChar c : widgetText) {
        if (IsBreak(c))
            text += QStringLiteral("\r\n");
        else
            text += c;
    }
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
