// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "count/text_decoder.h"

#include "count/utf8_sequence.h"

#include <QChar>
#include <QList>
#include <QString>

namespace cellaro::count {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Past this many non-ASCII bytes in a row, a piece is cut before a
// character that cannot join the one before it, so memory stays bounded.
constexpr std::size_t kLongRun = 4096;

bool IsMark(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

// Hangul vowel and final jamo compose with the syllable before them.
bool JoinsTheOneBefore(char32_t c) { return IsMark(c) || (c >= 0x1160 && c <= 0x11FF); }

int UnitOf(char32_t c)
{
    if (c < 0x80)
        return kAsciiUnits[c];
    if (c == 0xE7 || c == 0xC7)
        return kUnitCedilla;
    if (c == 0xEB || c == 0xCB)
        return kUnitDiaeresis;
    return kUnitOther;
}

// The unit of a run that is exactly one precomposed ç or ë, or -1.
int PrecomposedUnit(std::string_view run)
{
    if (run.size() != 2 || run[0] != '\xC3')
        return -1;
    switch (run[1]) {
    case '\xA7': case '\x87': return kUnitCedilla;
    case '\xAB': case '\x8B': return kUnitDiaeresis;
    default: return -1;
    }
}

bool IsLeadByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// No letter takes more than a few marks; a character followed by more
// joining characters than this is no letter of any alphabet after NFC.
constexpr std::size_t kLongestJoin = 32;

void AppendNfc(std::u32string_view characters, std::u32string& normal)
{
    const QString nfc = QString::fromUcs4(characters.data(), qsizetype(characters.size()))
                            .normalized(QString::NormalizationForm_C);
    for (const uint c : nfc.toUcs4())
        normal.push_back(char32_t(c));
}

// NFC a segment at a time (a character that joins nothing before it and
// those that join it), as no composition reaches across such a character.
// NFC puts a segment's marks in order at a cost that grows with the square
// of their number; a segment longer than kLongestJoin is kept as it is,
// since NFC could make none of its characters a letter.
void AppendNfcBySegments(std::u32string_view characters, std::u32string& normal)
{
    std::size_t start = 0;
    for (std::size_t i = 1; i <= characters.size(); ++i) {
        if (i < characters.size() && JoinsTheOneBefore(characters[i]))
            continue;
        const std::u32string_view segment = characters.substr(start, i - start);
        if (segment.size() > kLongestJoin)
            normal += segment;
        else
            AppendNfc(segment, normal);
        start = i;
    }
}

bool HasLongJoin(std::u32string_view characters)
{
    std::size_t joined = 0;
    for (const char32_t c : characters) {
        joined = JoinsTheOneBefore(c) ? joined + 1 : 0;
        if (joined >= kLongestJoin)
            return true;
    }
    return false;
}

} // namespace

TextDecoder::TextDecoder(WordTokenizer& tokenizer)
    : tokenizer_(tokenizer)
{
    run_.reserve(kLongRun + 4);
}

void TextDecoder::feed(std::string_view bytes)
{
    if (atInputStart_)
        skipByteOrderMark(bytes);
    feedText(bytes);
}

void TextDecoder::skipByteOrderMark(std::string_view& bytes)
{
    while (!bytes.empty() && byteOrderMarkSeen_ < kByteOrderMark.size()) {
        if (bytes.front() != kByteOrderMark[byteOrderMarkSeen_]) {
            atInputStart_ = false;
            feedText(kByteOrderMark.substr(0, byteOrderMarkSeen_));
            return;
        }
        ++byteOrderMarkSeen_;
        bytes.remove_prefix(1);
    }
    if (byteOrderMarkSeen_ == kByteOrderMark.size())
        atInputStart_ = false;
}

// Stretches of ASCII go straight to the tokenizer but for their last
// character, which opens the next piece: non-ASCII characters after it may
// combine with it.
void TextDecoder::feedText(std::string_view bytes)
{
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        const char* const ascii = at;
        while (at < end && static_cast<unsigned char>(*at) < 0x80)
            ++at;
        if (at > ascii)
            takeAscii(ascii, at);
        const char* const other = at;
        while (at < end && static_cast<unsigned char>(*at) >= 0x80)
            ++at;
        if (at > other)
            takeOther(std::string_view(other, std::size_t(at - other)), at < end);
    }
}

void TextDecoder::takeAscii(const char* begin, const char* end)
{
    if (!run_.empty())
        closePiece();
    else if (base_ >= 0)
        tokenizer_.take(kAsciiUnits[std::size_t(base_)]);
    for (const char* at = begin; at + 1 < end; ++at)
        tokenizer_.take(kAsciiUnits[static_cast<unsigned char>(*at)]);
    base_ = static_cast<unsigned char>(end[-1]);
}

// `closed`: an ASCII character follows in the same chunk, so the piece ends here.
void TextDecoder::takeOther(std::string_view bytes, bool closed)
{
    if (closed && run_.empty()) {
        if (const int unit = PrecomposedUnit(bytes); unit >= 0) {
            if (base_ >= 0)
                tokenizer_.take(kAsciiUnits[std::size_t(base_)]);
            tokenizer_.take(unit);
            base_ = -1;
            return;
        }
    }
    for (const char byte : bytes) {
        run_.push_back(byte);
        if (run_.size() > kLongRun)
            cutLongRun();
    }
}

void TextDecoder::finish()
{
    if (atInputStart_)
        feedText(kByteOrderMark.substr(0, byteOrderMarkSeen_));
    if (!run_.empty())
        closePiece();
    else if (base_ >= 0)
        tokenizer_.take(kAsciiUnits[std::size_t(base_)]);
    base_ = -1;
    tokenizer_.endWord();
    byteOrderMarkSeen_ = 0;
    atInputStart_ = true;
}

void TextDecoder::closePiece()
{
    if (const int unit = PrecomposedUnit(run_); unit >= 0) {
        if (base_ >= 0)
            tokenizer_.take(kAsciiUnits[std::size_t(base_)]);
        tokenizer_.take(unit);
    } else {
        normalisePiece(run_);
    }
    base_ = -1;
    run_.clear();
}

void TextDecoder::normalisePiece(std::string_view run)
{
    std::u32string characters;
    characters.reserve(run.size() + 1);
    if (base_ >= 0)
        characters.push_back(char32_t(base_));
    while (!run.empty()) {
        const Utf8Sequence sequence = DecodeUtf8(run);
        if (sequence.length == 0) {
            ++invalidBytes_;
            characters.push_back(U'\uFFFD'); // no letter, and joins nothing
            run.remove_prefix(1);
        } else {
            characters.push_back(sequence.codePoint);
            run.remove_prefix(sequence.length);
        }
    }
    std::u32string normal;
    if (HasLongJoin(characters))
        AppendNfcBySegments(characters, normal);
    else
        AppendNfc(characters, normal);
    for (std::size_t i = 0; i < normal.size(); ++i) {
        const bool marked = i + 1 < normal.size() && IsMark(normal[i + 1]);
        tokenizer_.take(marked ? kUnitOther : UnitOf(normal[i]));
    }
}

// Cuts before the last complete character that joins nothing before it. A
// run with no such character is a base followed by thousands of marks,
// which is no letter of the alphabet whatever the cut; it is cut before its
// last character so that a sequence split by the chunk stays whole.
void TextDecoder::cutLongRun()
{
    std::size_t cut = 0;
    for (std::size_t i = run_.size(); i-- > 1;) {
        if (!IsLeadByte(run_[i]))
            continue;
        if (cut == 0)
            cut = i;
        const Utf8Sequence sequence = DecodeUtf8(std::string_view(run_).substr(i));
        if (sequence.length != 0 && !JoinsTheOneBefore(sequence.codePoint)) {
            cut = i;
            break;
        }
    }
    if (cut == 0)
        cut = run_.size();
    normalisePiece(std::string_view(run_).substr(0, cut));
    base_ = -1;
    run_.erase(0, cut);
}

} // namespace cellaro::count
