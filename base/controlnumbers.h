#pragma once

// Numbers that windows and tests share: the menu entries in their order.

// The menu panel's entries, in order from the top, each bringing one task
// window to the front.
namespace menu {
enum Entry : int {
    LocalNetworkSearch = 0, WideNetworkSearch = 1, ProgramReader = 2, ServerConnect = 3,
    ClientConnect = 4,      UdpConnect = 5,        FlashReader = 6,
};
constexpr int EntryCount = 7;
} // namespace menu
