#pragma once
// The SHA-256 of `cellaro-render -o out.png` (the default list, as the
// window shows it after Show): the one place the expected bytes are kept,
// also those of docs/default-list.png. A change here is a change of the
// picture (or of the PNG encoder): render docs/default-list.png anew with it.

inline constexpr char kDefaultListPngSha256[] =
    "2d7dc26fb2194b2a02c5de49e7ca9db40d584f41b5d4ef6e503761ae8104c041";
