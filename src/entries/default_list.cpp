#include "entries/default_list.h"

#include <QStringList>

namespace cellaro {

QString DefaultListText()
{
    static const QStringList lines = {
        u"a,433"_qs,  u"b,6"_qs,     u"c,1"_qs,    u"\u00e7,16"_qs, u"d,7"_qs,    u"dh,5"_qs,
        u"e,414"_qs,  u"\u00eb,1377"_qs, u"f,1"_qs, u"g,1"_qs,     u"gj,1"_qs,   u"h,107"_qs,
        u"i,555"_qs,  u"j,158"_qs,   u"k,28"_qs,   u"l,41"_qs,     u"ll,25"_qs,  u"m,94"_qs,
        u"n,406"_qs,  u"nj,37"_qs,   u"o,45"_qs,   u"p,22"_qs,     u"q,18"_qs,   u"r,273"_qs,
        u"rr,10"_qs,  u"s,72"_qs,    u"sh,62"_qs,  u"t,447"_qs,    u"th,19"_qs,  u"u,77"_qs,
        u"v,0"_qs,    u"x,0"_qs,     u"xh,0"_qs,   u"y,10"_qs,     u"z,3"_qs,    u"zh,0"_qs,
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace cellaro
