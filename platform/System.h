#pragma once

#include <QCursor>

// Small services of the desktop.

// The system beep: the one signal of a search that found nothing.
void Beep();

// Mouse cursors: the standard arrow, the vertical-drag cursor shown over a handle of a
// potential and the cross-hair shown over the potential plot.
QCursor ArrowCursor();
QCursor updown();
QCursor cross();

// Cooperative yield for long loops. Cheap enough to call on every step of an integration: it
// looks at the clock only now and then, and at most every few tens of milliseconds lets the
// framework repaint. It never delivers user input, so no handler runs re-entrantly.
void YieldToFramework();
