#include "paint/header_letters.h"

#include <array>

namespace cellaro {

namespace {

struct DigraphCode {
    char16_t code;
    const char16_t* printed;
};

constexpr std::array<DigraphCode, 9> kDigraphs { {
    { u'D', u"dh" }, { u'G', u"gj" }, { u'L', u"ll" }, { u'N', u"nj" }, { u'R', u"rr" },
    { u'S', u"sh" }, { u'T', u"th" }, { u'X', u"xh" }, { u'Z', u"zh" },
} };

} // namespace

QString HeaderLetters() { return QStringLiteral(u"abc\u00e7dDe\u00ebfgGhijklLmnNopqrRsStTuvxXyzZ"); }

QString HeaderLetterText(QChar code)
{
    for (const DigraphCode& digraph : kDigraphs)
        if (code == QChar(digraph.code))
            return QString::fromUtf16(digraph.printed);
    return QString(code);
}

QStringList HeaderTexts()
{
    QStringList texts;
    for (QChar code : HeaderLetters())
        texts.append(HeaderLetterText(code));
    return texts;
}

} // namespace cellaro
