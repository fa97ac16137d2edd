// Menus whose items are as wide as they are drawn. A style measures a menu item's text without
// its mnemonic marker ("후보 비교(&C)..." as "후보 비교(C)...") but fits the text it draws, marker
// included, into that room, and elides the longest item in the middle ("후보 비교…C)..."): the
// style below gives each such item the marker's width back.
#pragma once

class QMenu;

namespace brivane::ui {

// The form's font (FormFont) and the room for its item texts, for a menu of the window.
void SetUpMenu(QMenu* menu);

}  // namespace brivane::ui
