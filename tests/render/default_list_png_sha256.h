#pragma once
// The SHA-256 of `cellaro-render -o out.png` (the default list, as the
// window shows it after Show): the one place the expected bytes are kept,
// also those of docs/default-list.png. A change here is a change of the
// picture (or of the PNG encoder): render docs/default-list.png anew with it.

inline constexpr char kDefaultListPngSha256[] =
    "900249f396454cbe5bac3158424dd5fedafa051325b71ef0a09cfafa130cbea5";
