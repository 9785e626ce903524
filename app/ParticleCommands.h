#pragma once

class Menu;
class Model;

// View > Particle: the presets and a custom mass, each a change of the model; the item of the
// model's particle is checked.
void WireParticleCommands(Menu& menu, Model& model);
