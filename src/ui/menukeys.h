// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard access to the menus: a mnemonic for every item, and a menu
// opened from the keyboard that waits for the user's choice.
#pragma once

class QMenu;

namespace qbrx {

// Gives each item of `menu` without a mnemonic one of its own: the first
// letter of one of its words that no other item of the menu uses, else
// another of its letters.
void giveMnemonics(QMenu* menu);

// Enter in a menu that was just opened from the keyboard (Alt+F) does not
// run the item the menu happens to highlight first; an item the user has
// moved to or pointed at runs as usual.
void guardKeyboardOpening(QMenu* menu);

}  // namespace qbrx
