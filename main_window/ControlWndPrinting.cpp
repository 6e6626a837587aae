// The Print button: the banner, the byline and the output area's text on paper.
#include "calc/CalculateAction.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/StyledTextPrinter.h"
#include "framework/ui/Alerts.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "main_window/CalculateAdapter.h"
#include "main_window/ControlWnd.h"
#include "main_window/Texts.h"

namespace main_window {

namespace {

// The text block of every page: its top-left corner, its width and its height, in points.
constexpr std::int64_t kBlockLeft = 20;
constexpr std::int64_t kBlockTop = 175;
constexpr std::int64_t kBlockWidth = 540;
constexpr std::int64_t kBlockHeight = 720;

}  // namespace

void ControlWnd::PrintBrn_Action(const fw::Ref<fw::PushButton>&) {
    // Only an accepted calculation since the last activation is printed.
    if (!calc::HoldsAcceptedCalculation(CalculateAdapter(*this))) {
        fw::Beep();
        fw::MsgBox("Nothing to print.");
        return;
    }
    fw::Ref<fw::Graphics> g = fw::OpenPrinterDialog();
    if (!g) {
        return;  // cancelled: nothing printed, nothing said
    }
    // Without a banner picture the page still carries the rest.
    g->DrawPicture(fw::NotNil(Canvas1())->Backdrop(), 70.0, 20.0);  // whole, at its own size
    g->SetTextFont("Courier");
    g->SetTextSize(9.0f);
    g->DrawString(PrintedByline(), 220.0, 75.0);  // one line, neither wrapped nor condensed

    // A long report (55 variables and more) does not fit in one block: the rest goes on further
    // pages, in the same block, rather than being lost. The banner and the byline stay on the
    // first page.
    fw::Ref<fw::StyledTextPrinter> printer =
        fw::NotNil(EditFldOut())->StyledTextPrinter(g, kBlockWidth);
    printer->DrawBlock(kBlockLeft, kBlockTop, kBlockHeight);
    while (!printer->AllDrawn()) {
        const std::int64_t before = printer->LinesDrawn();
        g->NextPage();
        printer->DrawBlock(kBlockLeft, kBlockTop, kBlockHeight);
        if (printer->LinesDrawn() == before) {
            break;  // a line taller than the block would never fit: no endless run of pages
        }
    }
}

}  // namespace main_window
