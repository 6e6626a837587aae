#pragma once

#include <cstdint>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/ClassRecord.h"

namespace fw {

class MenuBar;

// The application object: its menu bar and its version data. The system derives its own class
// from it; the one object is registered with RuntimeRegisterAppObject.
class Application : public Object {
  public:
    static const ClassRecord& Record();

    virtual void Constructor() {}

    // The menu bar that every document window shows.
    Ref<fw::MenuBar> MenuBar() const { return m_menuBar; }
    void SetMenuBar(const Ref<fw::MenuBar>& bar);

    // Sets the eight version properties at once. The application's name and version are given
    // to the platform as well ("Major.Minor.Bug").
    void x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                          std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                          std::int64_t stageCode, const String& longVersion,
                          const String& shortVersion, const String& packageInfo);
    std::int64_t MajorVersion() const { return m_majorVersion; }
    std::int64_t MinorVersion() const { return m_minorVersion; }
    std::int64_t BugVersion() const { return m_bugVersion; }
    std::int64_t NonReleaseVersion() const { return m_nonReleaseVersion; }
    std::int64_t StageCode() const { return m_stageCode; }
    String LongVersion() const { return m_longVersion; }
    String ShortVersion() const { return m_shortVersion; }
    String PackageInfo() const { return m_packageInfo; }

    // Declares that the application draws well on high-resolution displays (it always does
    // here: the platform scales by itself).
    static void SetSupportsHiDPI(bool supports);
    static bool SupportsHiDPI();

  private:
    Ref<fw::MenuBar> m_menuBar;
    std::int64_t m_majorVersion = 0;
    std::int64_t m_minorVersion = 0;
    std::int64_t m_bugVersion = 0;
    std::int64_t m_nonReleaseVersion = 0;
    std::int64_t m_stageCode = 0;
    String m_longVersion;
    String m_shortVersion;
    String m_packageInfo;
};

// The application object: registered once at start-up, held for the life of the process.
void RuntimeRegisterAppObject(const Ref<Application>& app);
// The registered application object, or nil before one is registered.
Ref<Application> GetAppObject();

}  // namespace fw
