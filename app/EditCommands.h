#pragma once

class Menu;
class Model;

// Makes the Edit items act on the focused text control (the energy field, the About page) and
// enables each item only when that control can do it. Undo and Redo act on the model's changes
// when no text control has the focus.
void WireEditCommands(Menu& menu, Model& model);
