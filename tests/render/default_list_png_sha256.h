#pragma once
// The SHA-256 of `cellaro-render -o out.png` (the default list, as the
// window shows it after Show): the one place the expected bytes are kept,
// also those of docs/default-list.png. A change here is a change of the
// picture (or of the PNG encoder): render docs/default-list.png anew with it.

inline constexpr char kDefaultListPngSha256[] =
    "18078fceedeb5066ff6e096071ee087e821588c5b38534f7fdc89113151726cf";
