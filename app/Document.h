#pragma once

// The window's document: what a .wellscope file holds, enough to restore the window exactly.
// A plain value; the JSON reader and writer and the file I/O live beside it.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class Window1;

struct Document {
    struct Handle {
        int index;    // handle index 0 ... 350 (x = (index - 175) / 100 nm)
        double value; // eV
        bool operator==(const Handle&) const = default;
    };

    int row = 0;                   // the potential menu's row
    std::vector<int> sliders;      // the values of the sliders the row uses, in order
    bool even = true;              // the parity menu: even (Symmetric) or odd solutions
    std::vector<Handle> handles;   // a reshaped potential's handles; empty when not reshaped
    std::vector<double> potential; // a reshaped potential in eV on the visible grid, 351 points
    QString energy;                // the energy field's text

    bool Reshaped() const { return !handles.empty(); }
    bool operator==(const Document&) const = default;
};

// What the window shows now.
Document CaptureDocument(const Window1& window);

// Sets the window up as a user would: chooses the row, moves the sliders, sets the parity,
// then restores the handles, rebuilds the potential from them, types the energy and presses
// Draw. The document must have passed ReadDocument's checks (or come from CaptureDocument).
void ApplyDocument(const Document& document, Window1& window);

// The file's text: JSON with the format's name and version.
QByteArray WriteDocument(const Document& document);

// Reads and checks a file's text. On failure, nullopt and `error` says what is wrong, in words
// a user can act on ("the width slider's value 400 is out of range (0 to 350)").
std::optional<Document> ReadDocument(const QByteArray& text, QString& error);

// The file at `path`, read and checked (at most 1 MiB), or nullopt with `error` saying what is
// wrong with it.
std::optional<Document> LoadDocument(const QString& path, QString& error);
// Writes the file safely: a failed save leaves the old file as it was.
bool SaveDocument(const Document& document, const QString& path, QString& error);
