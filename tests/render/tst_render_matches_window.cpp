// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer draws exactly what the window shows: after the same Shows,
// its picture equals the window's backing image over the drawing area,
// pixel for pixel, both in-process and from the real program.

#include "support/pictures.h"
#include "support/window_fixture.h"

#include "render/rendered_output.h"
#include "render/scheme_choice.h"
#include "window/pixel_image.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace cellaro;
using namespace cellaro::testing;

namespace {

QString NumberedList(int lines)
{
    QString text;
    for (int i = 1; i <= lines; ++i)
        text += QStringLiteral("p%1,%2\n").arg(i).arg((i * 37) % 311 - 5);
    return text;
}

// The real program's PNG for the same inputs.
QImage RenderedByProgram(const QString& listText, const QString& threshold, const QStringList& schemes)
{
    QTemporaryDir folder;
    QFile list(folder.filePath("list.txt"));
    if (!list.open(QIODevice::WriteOnly))
        return {};
    list.write(listText.toUtf8());
    list.close();

    QProcess program;
    program.start(CELLARO_RENDER_PROGRAM,
                  { "--list", list.fileName(), "--threshold", threshold, "--scheme", schemes.last(),
                    "--schemes-before", schemes.mid(0, schemes.size() - 1).join(u','), "-o",
                    folder.filePath("out.png") });
    if (!program.waitForFinished(30000) || program.exitCode() != 0)
        return {};
    return QImage(folder.filePath("out.png")).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestRenderMatchesWindow : public QObject {
    Q_OBJECT

private slots:
    // Each row is a session: the list and threshold typed in, then the
    // schemes picked in the selector in order; an empty list of schemes
    // means Show pressed with the start-up scheme, Gri.
    void sameInputsSamePicture_data()
    {
        QTest::addColumn<QString>("list"); // empty: the default list stays
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QStringList>("schemes");
        QTest::addColumn<bool>("pasted"); // the list pasted into the list box, the renderer reading it as it is

        QTest::newRow("default list, Show pressed") << "" << "0" << QStringList {} << false;
        QTest::newRow("default list, Ngj4 picked") << "" << "0" << QStringList { "Ngj4" } << false;
        QTest::newRow("threshold 100, Kuq picked") << "" << "100" << QStringList { "Kuq" } << false;
        QTest::newRow("101 entries, outlines in the fill")
            << NumberedList(101) << "0" << QStringList { "Blu" } << false;
        QTest::newRow("letter matrix with header letters")
            << NumberedList(1296) << "0" << QStringList { "Ngj3" } << false;
        QTest::newRow("10000 entries") << NumberedList(10000) << "-10" << QStringList { "Gjelber" } << false;
        QTest::newRow("negative counts remember Ngj2")
            << "a,10\nb,-10\n" << "-100" << QStringList { "Ngj2", "Ngj1" } << false;
        QTest::newRow("negative counts after Ngj3 then Ngj2 then Ngj4")
            << "a,254\nb,-1\nc,-40\n" << "-100" << QStringList { "Ngj3", "Ngj2", "Ngj4" } << false;
        QTest::newRow("largest count 0: the empty surface") << "a,0\n" << "0" << QStringList {} << false;
        QTest::newRow("nothing accepted: the empty surface") << "a,5" << "0" << QStringList {} << false;
        // Labels the picture shows nothing of, or reorders: the list box
        // leaves a pasted line or paragraph separator out, and every label
        // draws the same in the window and in the picture.
        QTest::newRow("line and paragraph separators in labels")
            << QStringLiteral("a\u2028b,5\nc\u2029d,3\n") << "0" << QStringList {} << true;
        QTest::newRow("control codes 14 to 31 in a label")
            << QStringLiteral("x\x0e\x1by\x1fz,5\nw,2\n") << "0" << QStringList {} << true;
        QTest::newRow("bidi override and right-to-left labels")
            << QStringLiteral("abc\u202Edef,5\n\u05E9\u05DC\u05D5\u05DD abc,3\nx\u2067y\u2069,1\n") << "0"
            << QStringList { "Kuq" } << true;
    }

    void sameInputsSamePicture()
    {
        QFETCH(QString, list);
        QFETCH(QString, threshold);
        QFETCH(QStringList, schemes);
        QFETCH(bool, pasted);

        WindowFixture session;
        QVERIFY(session.Show());
        Form1& form = *session.form;
        if (pasted)
            session.Paste(list);
        else if (!list.isEmpty())
            form.Text1()->setPlainText(list);
        form.Text2()->setText(threshold);
        if (schemes.isEmpty())
            form.Command1()->click();
        for (const QString& scheme : schemes)
            form.Combo1()->setCurrentIndex(SchemeNames().indexOf(scheme));
        QCoreApplication::processEvents();
        QVERIFY(session.boxes.isEmpty());

        // At a scale factor of 2 both draw twice the pixels, texts at twice
        // the size; the program draws at scale 1 only.
        const QImage& backing = form.backingImage();
        const double scale = backing.devicePixelRatio();
        const int side = int(639 * scale);
        QVERIFY(backing.width() >= side && backing.height() >= side);
        const QImage window = backing.copy(0, 0, side, side).convertToFormat(QImage::Format_RGB32);

        const QStringList shown = schemes.isEmpty() ? QStringList { "Gri" } : schemes;
        const QString listRead = pasted ? list : form.ListText();
        SessionInputs inputs { listRead, threshold, *SchemeFromText(shown.last()), {} };
        for (const QString& scheme : shown.mid(0, shown.size() - 1))
            inputs.schemesBefore.append(*SchemeFromText(scheme));
        Session rendered;
        QVERIFY(!ReadSession(inputs, rendered));
        // The same lines, none split or joined by the list box.
        QCOMPARE(form.state().entries.EntryCount, rendered.form.entries.EntryCount);
        const QString inProcess = PictureDifference(ImageOf(RenderImage(rendered, scale).image), window);
        QVERIFY2(inProcess.isEmpty(), qPrintable(inProcess));
        if (scale == 1.0) {
            const QString program = PictureDifference(RenderedByProgram(listRead, threshold, shown), window);
            QVERIFY2(program.isEmpty(), qPrintable(program));
        }
    }
};

QTEST_MAIN(TestRenderMatchesWindow)
#include "tst_render_matches_window.moc"
