#pragma once
// The SHA-256 of `cellaro-render -o out.png` (the default list, as the
// window shows it after Show): the one place the expected bytes are kept,
// also those of docs/default-list.png. A change here is a change of the
// picture (or of the PNG encoder): render docs/default-list.png anew with it.

inline constexpr char kDefaultListPngSha256[] =
    "9c674f31e73590c70dc197945a4297160e1a73311bf03f8e1145a460ed9c4fc3";
