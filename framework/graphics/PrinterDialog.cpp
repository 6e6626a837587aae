#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "framework/graphics/Graphics.h"
#include "framework/graphics/PrinterPage.h"
#include "framework/testing/PrintDialogSeam.h"
#include "framework/ui/CentredDialog.h"
#include "framework/ui/DialogOwner.h"
#include "framework/ui/QtConversions.h"

namespace fw {

Ref<Graphics> OpenPrinterDialog() {
    // The printer's own default paper; high resolution so text and pictures print sharply.
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setFullPage(true);
    if (auto answer = testing::PrintDialogSeam::Ask()) {
        if (answer->cancel) {
            return nullptr;
        }
        const String& path = answer->pdfPath;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(ToQString(path));
    } else {
        // No parent window: the dialog is application-modal and returns when dismissed. It opens
        // over the window that asked for it, as every other dialog does.
        CentredDialog<QPrintDialog> dialog(DialogOwner(), printer.get(), nullptr);
        if (dialog.exec() != QDialog::Accepted) {
            return nullptr;
        }
    }
    return std::make_shared<Graphics>(std::make_unique<PrinterPage>(std::move(printer)));
}

}  // namespace fw
