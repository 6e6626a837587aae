#include "framework/ui/Yield.h"

#include <QApplication>
#include <QElapsedTimer>

#include "framework/ui/TextLayouts.h"

namespace fw {

namespace {

// A long action shows its progress at about this pace; repainting at every yield would cost
// more than the action itself (a window repaint is a third of a millisecond, and a report
// yields once a row).
constexpr qint64 kRepaintIntervalMs = 40;
// Yields further apart than this belong to different actions.
constexpr qint64 kNewActionGapMs = 100;

}  // namespace

void YieldToFramework() {
    if (QApplication::instance() == nullptr) {
        return;
    }
    static QElapsedTimer sinceRepaint;
    static QElapsedTimer sinceYield;
    if (!sinceYield.isValid() || sinceYield.elapsed() > kNewActionGapMs) {
        sinceRepaint.restart();  // a new action: its first frame is due after one interval
    }
    sinceYield.restart();
    if (sinceRepaint.elapsed() >= kRepaintIntervalMs) {
        // Only the pending repaints: input and timers arrive through other queues.
        FlushTextLayouts();
        QApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        sinceRepaint.restart();
    }
}

}  // namespace fw
