// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Counting a text: which letters a text is read as (two-unit letters taken
// greedily, case and NFD folded, words ended by anything else), the pairs
// inside words, invalid bytes, and counts that do not depend on where the
// text is cut into chunks.

#include "count/count_scale.h"
#include "count/text_counter.h"
#include "paint/header_letters.h"

#include <QTest>

using namespace cellaro::count;

namespace {

const QStringList kAlphabet { "a", "b", "c", "ç", "d", "dh", "e", "ë", "f", "g", "gj", "h",
                              "i", "j", "k", "l", "ll", "m", "n", "nj", "o", "p", "q", "r",
                              "rr", "s", "sh", "t", "th", "u", "v", "x", "xh", "y", "z", "zh" };

// Counts written out: "sh:1 t:2 / sh-t:1", zeros left out.
QString Describe(const LetterCounts& counts)
{
    QStringList letters;
    QStringList pairs;
    for (int i = 0; i < kLetters; ++i)
        if (counts.letters[std::size_t(i)] != 0)
            letters.append(kAlphabet[i] + u':' + QString::number(counts.letters[std::size_t(i)]));
    for (int i = 0; i < kPairs; ++i)
        if (counts.pairs[std::size_t(i)] != 0)
            pairs.append(kAlphabet[i / kLetters] + u'-' + kAlphabet[i % kLetters] + u':'
                         + QString::number(counts.pairs[std::size_t(i)]));
    return letters.join(u' ') + QStringLiteral(" / ") + pairs.join(u' ');
}

// The counts of words written letter by letter: "sh t ë | p i".
LetterCounts CountsOfWords(const QString& words)
{
    LetterCounts counts;
    for (const QString& word : words.split(QStringLiteral(" | "), Qt::SkipEmptyParts)) {
        int previous = -1;
        for (const QString& label : word.split(u' ', Qt::SkipEmptyParts)) {
            const int letter = int(kAlphabet.indexOf(label));
            if (letter < 0)
                return {};
            ++counts.letters[std::size_t(letter)];
            if (previous >= 0)
                ++counts.pairs[std::size_t(previous * kLetters + letter)];
            previous = letter;
        }
    }
    return counts;
}

std::string_view View(const QByteArray& bytes) { return { bytes.constData(), std::size_t(bytes.size()) }; }

QString Repeated(const QString& word, int times)
{
    QStringList words;
    for (int i = 0; i < times; ++i)
        words.append(word);
    return words.join(QStringLiteral(" | "));
}

} // namespace

class TestTextCounter : public QObject {
    Q_OBJECT

private slots:
    void words_data()
    {
        QTest::addColumn<QByteArray>("text"); // UTF-8
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("invalidBytes");

        const auto row = [](const char* name, const QByteArray& text, const QString& words, int invalid = 0) {
            QTest::newRow(name) << text << words << invalid;
        };
        row("dhe", "dhe", "dh e");
        row("gjysh", "gjysh", "gj y sh");
        row("mollë", "mollë", "m o ll ë");
        row("shtrat", "shtrat", "sh t r a t");
        row("xhaxhai", "xhaxhai", "xh a xh a i");
        row("zhurmë", "zhurmë", "zh u r m ë");
        row("shtëpi", "shtëpi", "sh t ë p i");
        row("llogari", "llogari", "ll o g a r i");
        row("nga: n g, no ng", "nga", "n g a");
        row("ngjitur: n then gj", "ngjitur", "n gj i t u r");
        row("një", "një", "nj ë");
        row("three l: ll then l", "lll", "ll l");
        row("rrr", "rrr", "rr r");
        row("shh: sh then h", "shh", "sh h");
        row("dhdh", "dhdh", "dh dh");
        row("s before dh", "sdh", "s dh");
        row("waiting s at the end", "hs", "h s");
        row("upper case", "SHTËPI", "sh t ë p i");
        row("mixed case digraphs", "Sh sH", "sh | sh");
        row("upper case cedilla", "ÇAJ", "ç a j");
        row("NFD e + diaeresis", "e\xCC\x88", "ë");
        row("NFD upper E + diaeresis", "E\xCC\x88", "ë");
        row("NFD c + cedilla", "c\xCC\xA7" "aj", "ç a j");
        row("NFD inside a word", "Shte\xCC\x88pi", "sh t ë p i");
        row("precomposed after a letter", "eë", "e ë");
        row("a + acute is no a", "a\xCC\x81" "b", "b");
        row("q + acute, nothing precomposed, is no q", "q\xCC\x81" "e", "e");
        row("ç + acute is no ç", "\xC3\xA7\xCC\x81", "");
        row("c + cedilla + acute is no ç", "c\xCC\xA7\xCC\x81", "");
        row("ë + acute is no ë", "e\xCC\x88\xCC\x81" "a", "a");
        row("s + acute breaks sh", "s\xCC\x81h", "h");
        // Past 32 joining characters in a row, segments are normalised one
        // by one; letters around them count as always.
        const QByteArray marks = QByteArray("\xCC\x88\xCC\xA3").repeated(20);
        row("ë, then 40 marks, then NFD ç", "sh" "e\xCC\x88" + marks + "c\xCC\xA7" "aj", "sh | ç a j");
        row("40 marks, then ë + acute", "a" + marks + "e\xCC\x88\xCC\x81" "b", "b");
        row("40 marks with an invalid byte among them", "dh" + marks + "\xFF" + marks + "e\xCC\x88",
            "d | ë", 1);
        row("Kelvin sign is K after NFC", "\xE2\x84\xAAo", "k o");
        row("hyphen", "sh-t", "sh | t");
        row("digit", "a1b", "a | b");
        row("space inside a digraph", "d h", "d | h");
        row("apostrophe", "dh'e", "dh | e");
        row("w ends a word", "awb", "a | b");
        row("no-break space", "n\xC2\xA0j", "n | j");
        row("Cyrillic", "\xD1\x88\xD1\x85", "");
        row("full-width a", "\xEF\xBD\x81", "");
        row("byte-order mark dropped", "\xEF\xBB\xBFshi", "sh i");
        row("byte-order mark inside ends a word", "a\xEF\xBB\xBF" "b", "a | b");
        row("broken byte-order mark", "\xEF\xBB" "a", "a", 2);
        row("invalid byte inside a digraph", "s\xFFh", "s | h", 1);
        row("lone lead byte", "\xC3", "", 1);
        row("truncated combining mark", "e\xCC", "e", 1);
        row("surrogate", "\xED\xA0\x80" "a", "a", 3);
        row("overlong slash", "\xC0\xAF", "", 2);
        row("above U+10FFFF", "\xF4\x90\x80\x80", "", 4);
        row("CR LF", "sh\r\nt", "sh | t");
        // Long runs without ASCII are cut to bound memory, never inside a
        // letter and its marks.
        row("long Cyrillic run with ç inside", QString("жç").repeated(3000).toUtf8(), Repeated("ç", 3000));
        row("long run of ç + acute", QString("жç\u0301").repeated(2000).toUtf8(), "");
        row("e and 5000 diaeresis marks", "e" + QByteArray("\xCC\x88").repeated(5000) + " a", "a");
        row("ë then a long run", "e\xCC\x88" + QByteArray("\xD0\xB6").repeated(5000) + "a", "ë | a");
    }

    void words()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, words);
        TextCounter counter;
        counter.feed(View(text));
        counter.finishText();
        QCOMPARE(Describe(counter.counts()), Describe(CountsOfWords(words)));
        QTEST(int(counter.invalidBytes()), "invalidBytes");
    }

    // Every chunk size gives the counts of the whole text at once.
    void chunkBoundaries_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("digraphs, NFD, punctuation")
            << QByteArray("Shte\xCC\x88pia e xhaxhait, c\xCC\xA7" "aji dhe gjella; zhurm\xC3\xAB ll rr nj.");
        QTest::newRow("byte-order mark, invalid and mixed forms")
            << QByteArray("\xEF\xBB\xBFsh\xFF\xC3\xAB" "e\xCC\x88\xE2\x82\xAC\xF0\x9F\x98\x80th");
        QTest::newRow("upper case and marks")
            << QByteArray("SH\xC3\x8B" "C\xCC\xA7\xCC\x81 Dh\xC3\x87");
        QTest::newRow("long run with ç inside") << (QString("жç").repeated(2100) + "e\u0308").toUtf8();
    }

    void chunkBoundaries()
    {
        QFETCH(QByteArray, text);
        const QString whole = Describe(CountText(View(text), std::size_t(text.size())));
        QVERIFY(whole != Describe(LetterCounts {}));
        for (std::size_t chunk = 1; chunk <= 64; ++chunk)
            QCOMPARE(Describe(CountText(View(text), chunk)), whole);
    }

    // The texts of different inputs never join into one word.
    void textsStayApart()
    {
        TextCounter counter;
        counter.feed("as");
        counter.finishText();
        counter.feed("\xEF\xBB\xBFh");
        counter.finishText();
        QCOMPARE(Describe(counter.counts()), Describe(CountsOfWords("a s | h")));
    }

    // The alphabet is the order of the default list and of the matrix's
    // header letters, as the painter prints them.
    void alphabet_data()
    {
        QTest::addColumn<int>("letter");
        for (int letter = 0; letter < kLetters; ++letter)
            QTest::addRow("%d %s", letter + 1, qPrintable(kAlphabet[letter])) << letter;
    }

    void alphabet()
    {
        QFETCH(int, letter);
        const std::string_view label = LetterLabel(letter);
        const QString text = QString::fromUtf8(label.data(), qsizetype(label.size()));
        QCOMPARE(text, kAlphabet[letter]);
        QCOMPARE(cellaro::HeaderTexts().size(), kLetters);
        QCOMPARE(text, cellaro::HeaderTexts()[letter]);
    }

    void scale_data()
    {
        QTest::addColumn<QList<quint64>>("counts");
        QTest::addColumn<quint64>("divisor");
        QTest::addColumn<QList<quint64>>("scaled");

        QTest::newRow("all fit") << QList<quint64> { 32767, 5 } << quint64(1) << QList<quint64> { 32767, 5 };
        QTest::newRow("nothing counted") << QList<quint64> { 0, 0 } << quint64(1) << QList<quint64> { 0, 0 };
        QTest::newRow("32768") << QList<quint64> { 32768, 5 } << quint64(10) << QList<quint64> { 3277, 0 };
        QTest::newRow("halves to even") << QList<quint64> { 40000, 15, 25, 35 } << quint64(10)
                                        << QList<quint64> { 4000, 2, 2, 4 };
        QTest::newRow("32766.5 rounds down to fit") << QList<quint64> { 327665 } << quint64(10)
                                                    << QList<quint64> { 32766 };
        QTest::newRow("32767.5 rounds up past 32767") << QList<quint64> { 327675, 150 } << quint64(100)
                                                      << QList<quint64> { 3277, 2 };
        QTest::newRow("10^12") << QList<quint64> { 1000000000000ull } << quint64(100000000)
                               << QList<quint64> { 10000 };
    }

    void scale()
    {
        QFETCH(QList<quint64>, counts);
        QFETCH(QList<quint64>, scaled);
        const std::vector<std::uint64_t> values(counts.begin(), counts.end());
        const std::uint64_t divisor = ScaleDivisor(values);
        QTEST(quint64(divisor), "divisor");
        const std::vector<std::uint64_t> result = Scaled(values, divisor);
        QCOMPARE(QList<quint64>(result.begin(), result.end()), scaled);
        QCOMPARE(FirstTooLarge(result), std::nullopt);
    }
};

QTEST_MAIN(TestTextCounter)
#include "tst_text_counter.moc"
