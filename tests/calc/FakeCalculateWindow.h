#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "calc/CalculateWindow.h"
#include "calc/Tables.h"
#include "framework/core/Exceptions.h"

namespace calc::testing {

// A main window without widgets: the state as activation leaves it, the real table texts, and a
// log of everything the user would see or hear, in order.
class FakeCalculateWindow : public CalculateWindow {
  public:
    static constexpr const char* kFooter = "-- footer --";

    std::int64_t vars = 0;
    std::int64_t subs = 0;
    std::string subsText;
    std::string varsText;
    std::string out;                // EditFldOut's text, UTF-8
    std::int64_t selStart = 0;      // in characters
    std::set<std::string> missing;  // controls that are not there: their use raises
    // "Beep", "MsgBox: ...", "Focus: ...", "Hide: ...", "Yield", and the output area's
    // "Out.Text", "Out.SelStart", "Out.SelText".
    std::vector<std::string> log;
    int eigenReads = 0;
    int serrorReads = 0;

    // Only what reaches the user's senses: beeps, messages and focus changes.
    std::vector<std::string> Interactions() const {
        std::vector<std::string> seen;
        for (const std::string& entry : log) {
            if (entry == "Beep" || entry.starts_with("MsgBox") || entry.starts_with("Focus")) {
                seen.push_back(entry);
            }
        }
        return seen;
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

    fw::String EditFldSubsText() override {
        Reach("EditFldSubs");
        return fw::String(subsText);
    }
    fw::String EditFldVarsText() override {
        Reach("EditFldVars");
        return fw::String(varsText);
    }
    fw::String EigenFldText() override {
        Reach("EigenFld");
        ++eigenReads;
        return m_eigen;
    }
    fw::String SerrorFldText() override {
        Reach("SerrorFld");
        ++serrorReads;
        return m_serror;
    }

    void HideDisclaimFld() override {
        Reach("DisclaimFld");
        log.push_back("Hide: DisclaimFld");
    }
    void FocusEditFldSubs() override {
        Reach("EditFldSubs");
        log.push_back("Focus: EditFldSubs");
    }
    void FocusEditFldVars() override {
        Reach("EditFldVars");
        log.push_back("Focus: EditFldVars");
    }

    fw::String EditFldOutText() override {
        Reach("EditFldOut");
        return fw::String(out);
    }
    void SetEditFldOutText(const fw::String& text) override {
        Reach("EditFldOut");
        log.push_back("Out.Text");
        out = text.ToStdString();
        selStart = 0;
    }
    void SetEditFldOutSelStart(std::int64_t offset) override {
        Reach("EditFldOut");
        log.push_back("Out.SelStart");
        selStart = offset;
    }
    void SetEditFldOutSelText(const fw::String& text) override {
        Reach("EditFldOut");
        log.push_back("Out.SelText");
        const std::size_t at = ByteOffset(selStart);
        out.insert(at, text.View());
        selStart += CharCount(text.View());
    }

    void Beep() override { log.push_back("Beep"); }
    void MsgBox(const fw::String& message) override {
        log.push_back("MsgBox: " + message.ToStdString());
    }
    void YieldPoint() override { log.push_back("Yield"); }
    fw::String ReportFooter() const override { return kFooter; }

  private:
    void Reach(const std::string& control) const {
        if (missing.count(control) != 0) {
            throw fw::NilObjectException("no control named " + control);
        }
    }

    static std::int64_t CharCount(std::string_view utf8) {
        std::int64_t count = 0;
        for (unsigned char c : utf8) {
            count += (c & 0xC0) != 0x80 ? 1 : 0;
        }
        return count;
    }

    // The byte where character offset chars begins; past the end clamps to the end.
    std::size_t ByteOffset(std::int64_t chars) const {
        std::int64_t seen = 0;
        for (std::size_t i = 0; i < out.size(); ++i) {
            if ((static_cast<unsigned char>(out[i]) & 0xC0) != 0x80) {
                if (seen == chars) {
                    return i;
                }
                ++seen;
            }
        }
        return out.size();
    }

    fw::String m_eigen = RandomEigenvalueTableText();
    fw::String m_serror = StandardErrorTableText();
};

}  // namespace calc::testing
