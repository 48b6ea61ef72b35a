// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start of an input, kept to tell a text in UTF-16 or UTF-32 by its
// byte-order mark: the tools read UTF-8 only, and such a text would
// otherwise be refused for its NUL bytes or read as other characters
// without a word about why.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace cellaro::cli {

class InputStart {
public:
    // Takes the input's next chunk; only its first four bytes are kept.
    void see(std::string_view chunk);

    // "UTF-16LE", "UTF-16BE", "UTF-32LE" or "UTF-32BE" when the input starts
    // with that encoding's byte-order mark.
    std::optional<QString> foreignEncoding() const;

private:
    std::string head_;
};

} // namespace cellaro::cli
