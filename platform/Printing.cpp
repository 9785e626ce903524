#include "platform/Printing.h"

#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// A drawing unit is a point: the page receives the pictures at one point per pixel.
std::unique_ptr<Graphics> pageOn(std::unique_ptr<QPrinter> printer) {
    const double scale = printer->resolution() / 72.0;
    auto g = std::make_unique<Graphics>(std::unique_ptr<QPaintDevice>(std::move(printer)), scale);
    if (!g->IsActive()) return nullptr;
    return g;
}

} // namespace

std::unique_ptr<Graphics> OpenPrinterDialog(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return pageOn(std::move(printer));
}

std::unique_ptr<Graphics> OpenPdfPage(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return pageOn(std::move(printer));
}

std::unique_ptr<Graphics> OpenPdfPage(QIODevice& out) {
    auto writer = std::make_unique<QPdfWriter>(&out);
    // As the printer above lays out its PDF page: A4 at its resolution, with its margins.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    writer->setResolution(printer.resolution());
    writer->setPageLayout(printer.pageLayout());
    const double scale = writer->resolution() / 72.0;
    auto g = std::make_unique<Graphics>(std::unique_ptr<QPaintDevice>(std::move(writer)), scale);
    if (!g->IsActive()) return nullptr;
    return g;
}
