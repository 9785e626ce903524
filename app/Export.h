#pragma once

// What File > Export writes: the plots' data as CSV, and a picture of both plots.

#include <QByteArray>
#include <QString>

struct Setup;
class Window1;

// x in nm, V in eV and psi as the plots show them for the setting, one row per grid point of
// the visible window; where the plot has no point (psi off its scale, the nucleus's infinite
// potential) the cell is empty. `extra`, when not empty, follows after a blank line (the
// Levels window's table).
QByteArray DataCsv(const Setup& value, const QString& extra = {});

// The Levels window's table as CSV while that window is open; empty otherwise.
QString OpenLevelsTableCsv(Window1& window);

// Both plots, the potential above the wave function as the printed page has them: an SVG
// drawn with vector lines and text, or a PNG at the plots' resolution.
QByteArray PictureSvg(Window1& window);
QByteArray PicturePng(Window1& window);
