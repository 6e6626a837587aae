#pragma once

#include <cstdint>

#include "framework/core/String.h"

namespace calc {

// What the Calculate action needs of the main window, and nothing more. The main window
// implements it over its controls and properties; tests implement it with a recording fake.
//
// Every text-area operation reaches its control afresh: an implementation looks the control up
// by name at each call and raises fw::NilObjectException when none is registered under it. The
// action never holds on to a control or a text between calls.
class CalculateWindow {
  public:
    virtual ~CalculateWindow() = default;

    // The window's state: the accepted numbers, the inclusive limits, the head lines' line end.
    virtual std::int64_t Vars() const = 0;
    virtual void SetVars(std::int64_t value) = 0;
    virtual std::int64_t Subs() const = 0;
    virtual void SetSubs(std::int64_t value) = 0;
    virtual std::int64_t VarMin() const = 0;
    virtual std::int64_t VarMax() const = 0;
    virtual std::int64_t SubMin() const = 0;
    virtual std::int64_t SubMax() const = 0;
    virtual fw::String kEOL() const = 0;

    // The input fields and the two hidden tables: their whole current text.
    virtual fw::String EditFldSubsText() = 0;
    virtual fw::String EditFldVarsText() = 0;
    virtual fw::String EigenFldText() = 0;
    virtual fw::String SerrorFldText() = 0;

    virtual void HideDisclaimFld() = 0;
    virtual void FocusEditFldSubs() = 0;
    virtual void FocusEditFldVars() = 0;

    // The output area. SelStart counts characters; SelText inserts at the insertion point and
    // leaves the insertion point just after what it inserted, with nothing selected.
    virtual fw::String EditFldOutText() = 0;
    virtual void SetEditFldOutText(const fw::String& text) = 0;
    virtual void SetEditFldOutSelStart(std::int64_t offset) = 0;
    virtual void SetEditFldOutSelText(const fw::String& text) = 0;

    // The services of the widget layer, which calc cannot reach on its own.
    virtual void Beep() = 0;
    virtual void MsgBox(const fw::String& message) = 0;  // modal: returns once dismissed
    virtual void YieldPoint() = 0;                       // the cooperative yield

    // The ownership notice on the report's last line.
    virtual fw::String ReportFooter() const = 0;
};

}  // namespace calc
