#include "framework/ui/Application.h"

#include <QCoreApplication>
#include <string>

#include "framework/menus/MenuBar.h"
#include "framework/ui/QtConversions.h"
#include "framework/ui/Window.h"

namespace fw {

namespace {

Ref<Application>& Registered() {
    static Ref<Application> app;
    return app;
}

bool g_supportsHiDPI = false;

void RefreshOpenWindows() {
    for (const Ref<Window>& window : OpenWindows()) {
        window->RefreshMenuBar();
    }
}

}  // namespace

const ClassRecord& Application::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("Application", nullptr, AllocatorOf<Application>()));
    return record;
}

void Application::SetMenuBar(const Ref<fw::MenuBar>& bar) {
    m_menuBar = bar;
    if (Registered().get() == this) {
        RefreshOpenWindows();
    }
}

void Application::x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                                   std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                                   std::int64_t stageCode, const String& longVersion,
                                   const String& shortVersion, const String& packageInfo) {
    m_majorVersion = majorVersion;
    m_minorVersion = minorVersion;
    m_bugVersion = bugVersion;
    m_nonReleaseVersion = nonReleaseVersion;
    m_stageCode = stageCode;
    m_longVersion = longVersion;
    m_shortVersion = shortVersion;
    m_packageInfo = packageInfo;
    const std::string version = std::to_string(majorVersion) + "." + std::to_string(minorVersion) +
                                "." + std::to_string(bugVersion);
    QCoreApplication::setApplicationVersion(QString::fromStdString(version));
    QCoreApplication::setApplicationName(ToQString(shortVersion));
}

void Application::SetSupportsHiDPI(bool supports) {
    g_supportsHiDPI = supports;
}

bool Application::SupportsHiDPI() {
    return g_supportsHiDPI;
}

void RuntimeRegisterAppObject(const Ref<Application>& app) {
    Registered() = app;
    RefreshOpenWindows();
}

Ref<Application> GetAppObject() {
    return Registered();
}

}  // namespace fw
