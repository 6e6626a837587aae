#include "main_window/CalculateAdapter.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/Alerts.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/Yield.h"
#include "main_window/ControlWnd.h"
#include "main_window/Texts.h"

namespace main_window {

std::int64_t CalculateAdapter::Vars() const {
    return m_window.Vars;
}
void CalculateAdapter::SetVars(std::int64_t value) {
    m_window.Vars = value;
}
std::int64_t CalculateAdapter::Subs() const {
    return m_window.Subs;
}
void CalculateAdapter::SetSubs(std::int64_t value) {
    m_window.Subs = value;
}
std::int64_t CalculateAdapter::VarMin() const {
    return m_window.VarMin;
}
std::int64_t CalculateAdapter::VarMax() const {
    return m_window.VarMax;
}
std::int64_t CalculateAdapter::SubMin() const {
    return m_window.SubMin;
}
std::int64_t CalculateAdapter::SubMax() const {
    return m_window.SubMax;
}
fw::String CalculateAdapter::kEOL() const {
    return m_window.kEOL;
}

fw::String CalculateAdapter::EditFldSubsText() {
    return fw::NotNil(m_window.EditFldSubs())->Text();
}
fw::String CalculateAdapter::EditFldVarsText() {
    return fw::NotNil(m_window.EditFldVars())->Text();
}
fw::String CalculateAdapter::EigenFldText() {
    return fw::NotNil(m_window.EigenFld())->Text();
}
fw::String CalculateAdapter::SerrorFldText() {
    return fw::NotNil(m_window.SerrorFld())->Text();
}

void CalculateAdapter::HideDisclaimFld() {
    fw::NotNil(m_window.DisclaimFld())->SetVisible(false);
}
void CalculateAdapter::FocusEditFldSubs() {
    fw::NotNil(m_window.EditFldSubs())->SetFocus();
}
void CalculateAdapter::FocusEditFldVars() {
    fw::NotNil(m_window.EditFldVars())->SetFocus();
}

fw::String CalculateAdapter::EditFldOutText() {
    return fw::NotNil(m_window.EditFldOut())->Text();
}
void CalculateAdapter::SetEditFldOutText(const fw::String& text) {
    fw::NotNil(m_window.EditFldOut())->SetText(text);
}
void CalculateAdapter::SetEditFldOutSelStart(std::int64_t offset) {
    fw::NotNil(m_window.EditFldOut())->SetSelStart(offset);
}
void CalculateAdapter::SetEditFldOutSelText(const fw::String& text) {
    fw::NotNil(m_window.EditFldOut())->SetSelText(text);
}

void CalculateAdapter::Beep() {
    fw::Beep();
}
void CalculateAdapter::MsgBox(const fw::String& message) {
    fw::MsgBox(message);
}
void CalculateAdapter::YieldPoint() {
    fw::YieldToFramework();
}

fw::String CalculateAdapter::ReportFooter() const {
    return main_window::ReportFooter();
}

}  // namespace main_window
