#include "surface/default_font.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QResource>
#include <QStringList>
#include <QLibrary>

namespace cellaro {

namespace {

constexpr auto kFontResource = ":/cellaro/fonts/LiberationSans-Regular.ttf";
constexpr auto kFamily = "Liberation Sans";
constexpr qreal kPointSize = 8;

} // namespace

QString DefaultFontResource() { return QString::fromLatin1(kFontResource); }

QByteArray DefaultFontData() { return QResource(DefaultFontResource()).uncompressedData(); }

void KnowOnlyTheDefaultFont()
{
    // The toolkit's font database starts fontconfig only when no
    // configuration is current yet, so it takes this empty one; the
    // built-in font is registered into it as an application font.
    // fontconfig is already loaded with the toolkit: its two functions are
    // looked up rather than linked, since a library linked by the program
    // comes first in the dynamic linker's search at start-up and slows the
    // binding of every other symbol.
    QLibrary fontconfig(QStringLiteral("fontconfig"), 1);
    using Create = void* (*)();
    using SetCurrent = int (*)(void*);
    const auto create = reinterpret_cast<Create>(fontconfig.resolve("FcConfigCreate"));
    const auto setCurrent = reinterpret_cast<SetCurrent>(fontconfig.resolve("FcConfigSetCurrent"));
    if (!create || !setCurrent)
        return;
    // Without a configuration of its own, setting none would load the
    // machine's after all.
    if (void* empty = create())
        setCurrent(empty);
}

void RegisterDefaultFont()
{
    static const bool registered = [] {
        // The font's bytes where the resource keeps them: reading the
        // resource as a file would copy them, and the font engine would
        // read that file again for its own copy.
        const int id = QFontDatabase::addApplicationFontFromData(DefaultFontData());
        if (!QFontDatabase::applicationFontFamilies(id).contains(QString::fromLatin1(kFamily))) {
            qCritical("Cellaro: the built-in font %s could not be registered", kFontResource);
            return false;
        }
        return true;
    }();
    (void)registered;
}

QFont DefaultFont()
{
    QFont font(QString::fromLatin1(kFamily));
    font.setPointSizeF(kPointSize);
    // Whole-pixel advances: ">=" then takes 12 pixels, the width of the
    // label that shows it. The hinting the machine's font configuration
    // asks for (often slight, with the font's own fractional advances)
    // would make it 13.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont UseDefaultFont()
{
    RegisterDefaultFont();
    const QFont font = DefaultFont();
    QGuiApplication::setFont(font);
    return font;
}

} // namespace cellaro
