#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "calc/CalculateAction.h"
#include "calc/CalculateWindow.h"
#include "calc/Tables.h"
#include "framework/core/Exceptions.h"

namespace calc::testing {

// A main window without widgets: the state as activation leaves it, the real table texts, and
// logs, in order, of what the user would hear and see and of the rest. A control named in
// `missing` is not there: reaching it raises, as the window's lookup does.
class FakeCalculateWindow : public CalculateWindow {
  public:
    static constexpr const char* kFooter = "-- footer --";
    static constexpr const char* kEarlier = "an earlier report";

    std::int64_t vars = 0, subs = 0;
    std::string subsText, varsText;
    std::string out;  // the output area; the report is ASCII, so offsets count bytes
    std::size_t selStart = 0;
    std::set<std::string> missing;
    // What the user hears and sees: "Beep", "MsgBox: ...", "Focus: ...".
    std::vector<std::string> seen;
    // The rest: "Hide: ...", "Out.Text", "Out.SelStart", "Out.SelText", "Yield".
    std::vector<std::string> log;

    // The user types into the two fields and presses Calculate; the output area holds a report.
    void Press(const std::string& subsTyped, const std::string& varsTyped) {
        subsText = subsTyped;
        varsText = varsTyped;
        out = kEarlier;
        CalculateBtn_Action(*this);
    }

    std::int64_t Vars() const override { return vars; }
    void SetVars(std::int64_t value) override { vars = value; }
    std::int64_t Subs() const override { return subs; }
    void SetSubs(std::int64_t value) override { subs = value; }
    std::int64_t VarMin() const override { return 5; }
    std::int64_t VarMax() const override { return 100; }
    std::int64_t SubMin() const override { return 100; }
    std::int64_t SubMax() const override { return 2500; }
    fw::String kEOL() const override { return "\r"; }
    fw::String EditFldSubsText() override { return Reach("EditFldSubs", subsText.c_str()); }
    fw::String EditFldVarsText() override { return Reach("EditFldVars", varsText.c_str()); }
    fw::String EigenFldText() override { return Reach("EigenFld", m_eigen); }
    fw::String SerrorFldText() override { return Reach("SerrorFld", m_serror); }
    void HideDisclaimFld() override { Log(log, "DisclaimFld", "Hide: DisclaimFld"); }
    void FocusEditFldSubs() override { Log(seen, "EditFldSubs", "Focus: EditFldSubs"); }
    void FocusEditFldVars() override { Log(seen, "EditFldVars", "Focus: EditFldVars"); }
    fw::String EditFldOutText() override { return Reach("EditFldOut", out.c_str()); }
    void SetEditFldOutText(const fw::String& text) override {
        Log(log, "EditFldOut", "Out.Text");
        out = text.ToStdString();
        selStart = 0;
    }
    void SetEditFldOutSelStart(std::int64_t offset) override {
        Log(log, "EditFldOut", "Out.SelStart");
        selStart = static_cast<std::size_t>(offset);
    }
    void SetEditFldOutSelText(const fw::String& text) override {
        Log(log, "EditFldOut", "Out.SelText");
        out.insert(selStart, text.View());  // past the end raises
        selStart += text.ByteCount();
    }
    void Beep() override { seen.push_back("Beep"); }
    void MsgBox(const fw::String& message) override {
        seen.push_back("MsgBox: " + message.ToStdString());
    }
    void YieldPoint() override { log.push_back("Yield"); }
    fw::String ReportFooter() const override { return kFooter; }

  private:
    fw::String Reach(const std::string& control, const fw::String& text = {}) {
        if (missing.count(control) != 0) {
            throw fw::NilObjectException("no control named " + control);
        }
        return text;
    }
    void Log(std::vector<std::string>& to, const std::string& control, const std::string& entry) {
        Reach(control);
        to.push_back(entry);
    }

    fw::String m_eigen = RandomEigenvalueTableText();
    fw::String m_serror = StandardErrorTableText();
};

}  // namespace calc::testing
