// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The SVG picture: one <rect> per box and one <text> per printed text, at
// the twips the painter hands over, in the painter's colours.

#include "entries/default_list.h"
#include "render/rendered_output.h"
#include "render/svg_surface.h"
#include "window/control_font.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

using namespace cellaro;

Q_DECLARE_METATYPE(cellaro::BoxFill)

namespace {

// An SVG element with the presentation attributes in force on it: its own,
// else those of the nearest enclosing group that sets them.
struct SvgElement {
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
    QString attribute(const QString& key) const { return attributes.value(key).toString(); }
    double number(const QString& key) const { return attribute(key).toDouble(); }
};

struct SvgDocument {
    QXmlStreamAttributes root;
    QList<SvgElement> rects;
    QList<SvgElement> texts;
    QString title;           // of the document
    QString description;
    QStringList cellTitles;  // of the groups, in order
    QList<int> textsInCells; // how many texts each group holds
    QString error;
};

QXmlStreamAttributes Inherit(const QXmlStreamAttributes& outer, const QXmlStreamAttributes& own)
{
    QXmlStreamAttributes merged = own;
    for (const QXmlStreamAttribute& attribute : outer)
        if (!own.hasAttribute(attribute.qualifiedName().toString()))
            merged.append(attribute);
    return merged;
}

SvgDocument ReadSvg(const QByteArray& bytes)
{
    SvgDocument document;
    QXmlStreamReader reader(bytes);
    QList<QXmlStreamAttributes> groups { {} };
    QStringList open; // the elements around the one read
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QXmlStreamAttributes inherited = Inherit(groups.last(), reader.attributes());
            const QString name = reader.name().toString();
            const bool inCell = open.contains(u"g");
            if (name == u"svg")
                document.root = reader.attributes();
            if (name == u"rect")
                document.rects.append({ name, inherited, {} });
            if (name == u"text") {
                document.texts.append({ name, inherited, reader.readElementText() });
                if (inCell)
                    ++document.textsInCells.last();
            } else if (name == u"title" || name == u"desc") {
                const QString text = reader.readElementText();
                if (inCell) {
                    document.cellTitles.append(text);
                    document.textsInCells.append(0);
                } else {
                    (name == u"title" ? document.title : document.description) = text;
                }
            } else {
                groups.append(inherited);
                open.append(name);
            }
        } else if (reader.isEndElement()) {
            groups.removeLast();
            open.removeLast();
        }
    }
    if (reader.hasError())
        document.error = reader.errorString();
    return document;
}

SvgDocument RenderSvgOf(const QString& listText, Int16 scheme)
{
    Session session;
    if (ReadSession(SessionInputs { listText, QStringLiteral("0"), scheme, {} }, session))
        return {};
    return ReadSvg(RenderPicture(session, PictureFormat::Svg).bytes);
}

// Draws on a fresh surface of the picture's size and returns the SVG.
template <typename Draw>
SvgDocument DrawSvg(Draw draw)
{
    SvgSurface surface(kPictureTwips, kPictureTwips, RGB(1, 2, 3));
    draw(surface);
    return ReadSvg(surface.Finish());
}

// The box of column c, row r with 100-pixel cells and margins of 225:
// from (225 + (c - 1) * 1500 + 75, ...) to (225 + (c - 1) * 1500 + 1560, ...).
QRectF DefaultListBox(int column, int row)
{
    const double x0 = 225 + (column - 1) * 1500;
    const double y0 = 225 + (row - 1) * 1500;
    return QRectF(QPointF(x0 + 75, y0 + 75), QPointF(x0 + 1560, y0 + 1560));
}

// A box's corners as the painter gave them: its outline's stroke, a pixel
// (15 twips) wide, is centred half a pixel inside them, so it covers the
// box's edge pixels as the window's outline does.
QRectF BoxOf(const SvgElement& rect)
{
    return QRectF(rect.number("x") - 7.5, rect.number("y") - 7.5, rect.number("width"), rect.number("height"));
}

QRectF RectOf(const SvgElement& rect)
{
    return QRectF(rect.number("x"), rect.number("y"), rect.number("width"), rect.number("height"));
}

// The font's ascent in twips, as the toolkit measures the built-in font at
// the picture's 11 pixels: the baseline lies this far below a text's top.
double AscentTwips()
{
    QFont font = DefaultFont();
    font.setPixelSize(11);
    return QFontMetricsF(font).ascent() * 15;
}

} // namespace

class TestSvgSurface : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void defaultListIsWellFormed()
    {
        const SvgDocument svg = RenderSvgOf(DefaultListText(), 0);
        QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
        QCOMPARE(svg.root.value("viewBox").toString(), QStringLiteral("0 0 9585 9585"));
        // 639 pixels at 96 dots per inch.
        QCOMPARE(svg.root.value("width").toString(), QStringLiteral("169.069mm"));
    }

    void backgroundThenOneRectPerBox()
    {
        const SvgDocument svg = RenderSvgOf(DefaultListText(), 0);
        QCOMPARE(svg.rects.size(), 1 + 36);
        const SvgElement& background = svg.rects.first();
        QCOMPARE(RectOf(background), QRectF(0, 0, 9585, 9585));
        QCOMPARE(background.attribute("fill"), QStringLiteral("#efefef"));
        for (int o = 1; o <= 36; ++o) {
            const SvgElement& box = svg.rects[o];
            QCOMPARE(BoxOf(box), DefaultListBox((o - 1) % 6 + 1, (o - 1) / 6 + 1));
            QCOMPARE(box.attribute("stroke"), QStringLiteral("#004040"));
            QCOMPARE(box.number("stroke-width"), 15.0);
        }
    }

    void workedExampleBoxes_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QRectF>("corners");
        QTest::addColumn<QString>("fill");

        const auto corners = [](double x1, double y1, double x2, double y2) {
            return QRectF(QPointF(x1, y1), QPointF(x2, y2));
        };
        // Grey shades: a 175, b 254, e 178, ë 0, zh 255.
        QTest::newRow("a, grey") << 0 << 1 << corners(300, 300, 1785, 1785) << "#afafaf";
        QTest::newRow("b, grey") << 0 << 2 << corners(1800, 300, 3285, 1785) << "#fefefe";
        QTest::newRow("e, grey") << 0 << 7 << corners(300, 1800, 1785, 3285) << "#b2b2b2";
        QTest::newRow("ë, grey") << 0 << 8 << corners(1800, 1800, 3285, 3285) << "#000000";
        QTest::newRow("zh, grey") << 0 << 36 << corners(7800, 7800, 9285, 9285) << "#ffffff";
        QTest::newRow("a, red shade") << 1 << 1 << corners(300, 300, 1785, 1785) << "#ffafaf";
        QTest::newRow("a, Ngj1 entry 11") << 4 << 1 << corners(300, 300, 1785, 1785) << "#00ff80";
        QTest::newRow("b, Ngj2 entry 100") << 5 << 2 << corners(1800, 300, 3285, 1785) << "#000fff";
        QTest::newRow("e, Ngj3 entry 178") << 6 << 7 << corners(300, 1800, 1785, 3285) << "#ffff62";
        QTest::newRow("a, Ngj4 entry 175") << 7 << 1 << corners(300, 300, 1785, 1785) << "#ffae00";
    }

    void workedExampleBoxes()
    {
        QFETCH(int, scheme);
        QFETCH(int, entry);
        const SvgDocument svg = RenderSvgOf(DefaultListText(), Int16(scheme));
        QCOMPARE(svg.rects.size(), 37);
        QTEST(BoxOf(svg.rects[entry]), "corners");
        QTEST(svg.rects[entry].attribute("fill"), "fill");
    }

    void workedExampleTexts_data()
    {
        QTest::addColumn<int>("index"); // among the 108 texts, three per cell
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPointF>("topLeft");
        QTest::addColumn<QString>("colour");

        QTest::newRow("a label") << 0 << "a" << QPointF(330, 330) << "#ffff00";
        QTest::newRow("a count") << 1 << "433" << QPointF(330, 510) << "#ff8000";
        QTest::newRow("a share") << 2 << "9.08%" << QPointF(330, 690) << "#ff8000";
        QTest::newRow("b share") << 5 << "0.13%" << QPointF(1830, 690) << "#ff8000";
        QTest::newRow("e count") << 19 << "414" << QPointF(330, 2010) << "#ff8000";
        QTest::newRow("ë label") << 21 << QString::fromUtf8("ë") << QPointF(1830, 1830) << "#ffff00";
        QTest::newRow("ë share") << 23 << "28.86%" << QPointF(1830, 2190) << "#ff8000";
        QTest::newRow("zh share") << 107 << "0.00%" << QPointF(7830, 8190) << "#ff8000";
    }

    void workedExampleTexts()
    {
        QFETCH(int, index);
        QFETCH(QPointF, topLeft);
        const SvgDocument svg = RenderSvgOf(DefaultListText(), 0);
        QCOMPARE(svg.texts.size(), 108);
        const SvgElement& text = svg.texts[index];
        QTEST(text.text, "text");
        QTEST(text.attribute("fill"), "colour");
        QCOMPARE(text.number("x"), topLeft.x());
        // The default font at the window's 11 pixels, in twips.
        QCOMPARE(text.attribute("font-family"), QStringLiteral("Liberation Sans"));
        QCOMPARE(text.number("font-size"), 165.0);
        // SVG places a text by its baseline, one ascent below the top.
        QVERIFY2(qAbs(text.number("y") - (topLeft.y() + AscentTwips())) < 1,
                 qPrintable(text.attribute("y")));
    }

    // Each cell is a group titled as the window's grid names it to a screen
    // reader, holding its box and its texts; the document says what it shows.
    void cellsSayWhatTheyShow_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QString>("firstTitle");
        QTest::addColumn<QString>("lastTitle");
        QTest::addColumn<int>("textsPerCell");
        QTest::addColumn<QString>("description");

        QTest::newRow("the default list") << DefaultListText() << 36 << "a, 433, 9.08%" << "zh, 0, 0.00%" << 3
                                          << "36 qeliza, 6 rreshta, 6 shtylla; skema Gri; pragu 0";
        QString matrix;
        for (int i = 1; i <= 1296; ++i)
            matrix += QStringLiteral("p%1,%2\n").arg(i).arg(i % 50);
        QTest::newRow("the letter matrix") << matrix << 1296 << "p1, 1" << "p1296, 46" << 0
                                           << "1296 qeliza, 36 rreshta, 36 shtylla; skema Gri; pragu 0";
        QTest::newRow("one cell") << "<x>,5\n" << 1 << "<x>, 5, 100.00%" << "<x>, 5, 100.00%" << 3
                                  << QString::fromUtf8("1 qelizë, 1 rresht, 1 shtyllë; skema Gri; pragu 0");
        QTest::newRow("nothing drawn") << "a,0\n" << 0 << "" << "" << 0 << "Bosh; skema Gri; pragu 0";
    }

    void cellsSayWhatTheyShow()
    {
        QFETCH(QString, list);
        QFETCH(int, cells);
        QFETCH(int, textsPerCell);
        const SvgDocument svg = RenderSvgOf(list, 0);
        QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
        QCOMPARE(svg.title, QStringLiteral("Cellaro"));
        QTEST(svg.description, "description");
        QCOMPARE(svg.cellTitles.size(), cells);
        QCOMPARE(svg.rects.size(), 1 + cells);
        if (cells == 0)
            return;
        QTEST(svg.cellTitles.first(), "firstTitle");
        QTEST(svg.cellTitles.last(), "lastTitle");
        QVERIFY(std::all_of(svg.textsInCells.begin(), svg.textsInCells.end(), [&](int n) { return n == textsPerCell; }));
        // The header letters stand outside the cells.
        QCOMPARE(svg.texts.size() - cells * textsPerCell, cells == 1296 ? 72 : 0);
    }

    void fillStyle_data()
    {
        QTest::addColumn<BoxFill>("style");
        QTest::addColumn<QString>("fill");
        QTest::newRow("solid takes the fill colour") << BoxFill::Solid << "#102030";
        QTest::newRow("transparent leaves the inside") << BoxFill::Transparent << "none";
    }

    void fillStyle()
    {
        QFETCH(BoxFill, style);
        const SvgDocument svg = DrawSvg([&](SvgSurface& surface) {
            surface.SetFillColor(RGB(0x10, 0x20, 0x30));
            surface.SetFillStyle(style);
            surface.LineBox(1800, 300, 300, 1785, RGB(1, 2, 3)); // corners in any order
        });
        QCOMPARE(svg.rects.size(), 2);
        QCOMPARE(BoxOf(svg.rects[1]), QRectF(QPointF(300, 300), QPointF(1800, 1785)));
        QTEST(svg.rects[1].attribute("fill"), "fill");
        QCOMPARE(svg.rects[1].attribute("stroke"), QStringLiteral("#010203"));
    }

    void clearCoversOnlyWhatWasDrawn_data()
    {
        QTest::addColumn<bool>("drawBefore");
        QTest::addColumn<int>("rects");
        QTest::newRow("clearing a blank surface adds nothing") << false << 1;
        QTest::newRow("clearing a drawing lays the background again") << true << 3;
    }

    void clearCoversOnlyWhatWasDrawn()
    {
        QFETCH(bool, drawBefore);
        const SvgDocument svg = DrawSvg([&](SvgSurface& surface) {
            if (drawBefore)
                surface.LineBox(300, 300, 600, 600, 0);
            surface.Cls();
            surface.Cls();
        });
        QTEST(int(svg.rects.size()), "rects");
        QCOMPARE(RectOf(svg.rects.last()), QRectF(0, 0, 9585, 9585));
        QCOMPARE(svg.rects.last().attribute("fill"), QStringLiteral("#010203"));
    }

    void labelsStayWellFormed_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        QTest::newRow("markup characters") << "<a & b>" << "<a & b>";
        QTest::newRow("quotes") << "\"q'" << "\"q'";
        // What the picture shows nothing for is left out.
        QTest::newRow("escape character") << QStringLiteral("a\x1b") << QStringLiteral("a");
        QTest::newRow("codes 14 and 31") << QStringLiteral("\x0e\x1fz") << QStringLiteral("z");
        QTest::newRow("DEL and a C1 control") << QStringLiteral("a\x7f\u009bb") << QStringLiteral("ab");
        QTest::newRow("line and paragraph separators") << QStringLiteral("a\u2028b\u2029c") << QStringLiteral("abc");
        // Bidi controls order the text in a viewer as in the picture.
        QTest::newRow("bidi override kept") << QStringLiteral("x\u202Eabc") << QStringLiteral("\u2068x\u202Eabc\u2069");
        QTest::newRow("right to left, isolated by its first strong character")
            << QStringLiteral("\u05E9\u05DC abc") << QStringLiteral("\u2068\u05E9\u05DC abc\u2069");
        QTest::newRow("non-character U+FFFF") << QStringLiteral("x\uFFFF") << QStringLiteral("x\uFFFD");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QStringLiteral("\uFFFD");
        QTest::newRow("letter outside the basic plane")
            << QString::fromUcs4(U"\U0001D11E") << QString::fromUcs4(U"\U0001D11E");
    }

    void labelsStayWellFormed()
    {
        QFETCH(QString, label);
        const SvgDocument svg = RenderSvgOf(label + QStringLiteral(",5\n"), 0);
        QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
        QCOMPARE(svg.texts.size(), 3);
        QTEST(svg.texts.first().text, "shown");
    }
};

QTEST_MAIN(TestSvgSurface)
#include "tst_svg_surface.moc"
