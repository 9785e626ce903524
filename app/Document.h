#pragma once

// The document: what a .wellscope file holds, the model's value as a file writes it. A plain
// value; the JSON reader and writer and the file I/O live beside it.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

struct Setup;

struct Document {
    struct Handle {
        int index;    // handle index 0 ... 350 (at x = HandleX(index))
        double value; // eV
        bool operator==(const Handle&) const = default;
    };

    int row = 0;                   // the potential menu's row
    std::vector<int> sliders;      // the values of the sliders the row uses, in order
    bool even = true;              // the parity menu: even (Symmetric) or odd solutions
    std::vector<Handle> handles;   // a reshaped potential's handles; empty when not reshaped
    std::vector<double> potential; // a reshaped potential in eV on the visible grid, 351 points
    QString energy;                // the energy field's text
    double mass = 1.0;             // the particle's, in electron masses

    bool Reshaped() const { return !handles.empty(); }
    bool operator==(const Document&) const = default;
};

// The model's value as a file holds it.
Document CaptureDocument(const Setup& value);

// The value a file holds. The document must have passed ReadDocument's checks (or come from
// CaptureDocument).
Setup SetupOf(const Document& document);

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
