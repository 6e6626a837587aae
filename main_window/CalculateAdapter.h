#pragma once

#include "calc/CalculateWindow.h"

namespace main_window {

class ControlWnd;

// The Calculate action's view of the main window: the window's state, and its controls looked
// up through the window's accessors at every use. A control that is not there raises
// fw::NilObjectException when it is used.
class CalculateAdapter : public calc::CalculateWindow {
  public:
    explicit CalculateAdapter(ControlWnd& window) : m_window(window) {}

    std::int64_t Vars() const override;
    void SetVars(std::int64_t value) override;
    std::int64_t Subs() const override;
    void SetSubs(std::int64_t value) override;
    std::int64_t VarMin() const override;
    std::int64_t VarMax() const override;
    std::int64_t SubMin() const override;
    std::int64_t SubMax() const override;
    fw::String kEOL() const override;

    fw::String EditFldSubsText() override;
    fw::String EditFldVarsText() override;
    fw::String EigenFldText() override;
    fw::String SerrorFldText() override;

    void HideDisclaimFld() override;
    void FocusEditFldSubs() override;
    void FocusEditFldVars() override;

    fw::String EditFldOutText() override;
    void SetEditFldOutText(const fw::String& text) override;
    void SetEditFldOutSelStart(std::int64_t offset) override;
    void SetEditFldOutSelText(const fw::String& text) override;

    void Beep() override;
    void MsgBox(const fw::String& message) override;
    void YieldPoint() override;

    fw::String ReportFooter() const override;

  private:
    ControlWnd& m_window;
};

}  // namespace main_window
