#pragma once

// What a screen reader hears of a plot: its accessible name, and its owner's summary of what it
// shows (the Graph's Summary event) as the description.

// Makes every Graph answer with that interface; once is enough, more calls do nothing.
void InstallGraphAccessibility();
