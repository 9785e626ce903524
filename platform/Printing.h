#pragma once

#include "platform/Graphics.h"

#include <QString>

#include <memory>

class QIODevice;
class QWidget;

// Shows the print dialog; returns a drawing context on the chosen printer's page, or nullptr
// when the user cancels. One drawing unit is one point; the page is sent when the context is
// destroyed.
std::unique_ptr<Graphics> OpenPrinterDialog(QWidget* parent = nullptr);

// The same page written to a PDF file, without a dialog (nullptr when the file cannot be
// written).
std::unique_ptr<Graphics> OpenPdfPage(const QString& path);

// The same page as a PDF written into `out` (open for writing, and outliving the context),
// complete when the context is destroyed: the caller saves it and can say why that failed.
std::unique_ptr<Graphics> OpenPdfPage(QIODevice& out);
