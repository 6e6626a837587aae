#pragma once

#include <optional>

#include "framework/core/String.h"

namespace fw::testing {

// Answers the print dialog for tests: while an answer is set, OpenPrinterDialog shows no dialog
// and either cancels or prints to the given PDF file.
class PrintDialogSeam {
  public:
    // The dialog is cancelled: OpenPrinterDialog gives nil.
    static void Cancel();
    // The dialog is confirmed with printing to this PDF file.
    static void PrintToPdf(const String& path);
    // The real dialog again; the count of times asked starts at 0 again.
    static void Reset();

    // How often OpenPrinterDialog was called since the last Reset.
    static int TimesAsked();

    // For OpenPrinterDialog: the answer set, if any , counting the call.
    struct Answer {
        bool cancel = false;
        String pdfPath;
    };
    static std::optional<Answer> Ask();
};

}  // namespace fw::testing
