#pragma once

class Menu;

// Makes the Edit items act on the focused text control (the energy field, the About page) and
// enables each item only when that control can do it.
void WireEditCommands(Menu& menu);
