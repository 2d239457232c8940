#pragma once

// Numbers that windows and tests share: the menu entries in their order and
// the key codes of the terminal and the menus.

// The menu panel's entries, in order from the top, each bringing one task
// window to the front.
namespace menu {
enum Entry : int {
    LocalNetworkSearch = 0, WideNetworkSearch = 1, ProgramReader = 2, ServerConnect = 3,
    ClientConnect = 4,      UdpConnect = 5,        FlashReader = 6,
};
constexpr int EntryCount = 7;
} // namespace menu

// Key codes as the terminal and the keys of the windows know them (the
// virtual-key codes of Windows keyboards).
namespace keycode {
constexpr int Alt = 18;
constexpr int F1 = 112;   // F2 to F12 follow: 113 to 123
constexpr int F2 = 113;
constexpr int F10 = 121;
} // namespace keycode
