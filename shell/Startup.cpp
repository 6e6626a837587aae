#include "shell/Startup.h"

#include "framework/ui/Application.h"
#include "framework/ui/ExceptionHandling.h"
#include "framework/ui/Initializers.h"
#include "framework/ui/Runtime.h"
#include "main_window/ControlWnd.h"
#include "shell/AboutWnd.h"
#include "shell/Menu.h"
#include "shell/Vantrex.h"

namespace shell {

void AddInitializers() {
    fw::AddInitializer([] {
        // The class records, the timer's before the About window's and that before the main
        // window's; then the shared menu bar, which no bar is made for yet.
        classes::AboutWnd::wrapper_Timer1::Record();
        classes::AboutWnd::Record();
        main_window::ControlWnd::Record();
        classes::Menu::Record();
        classes::Vantrex::Record();
        classes::Menu::implicitInstance = nullptr;
    });
}

void Main(std::exception_ptr pending) {
    if (!pending) {
        try {
            fw::RuntimeSetExceptionHelper(&fw::CallFunctionWithExceptionHandling);
            EarlyStartup();
            fw::RunFrameworkInitialization(&LateStartup);
            fw::RuntimeRun();
            return;
        } catch (...) {
            pending = std::current_exception();
        }
    }
    try {
        fw::UnhandledException(pending);
    } catch (...) {
        // Nothing is left to handle it: the finalisers and the exit step still run.
    }
}

void EarlyStartup() {
    fw::Application::SetSupportsHiDPI(true);
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void NewAppInstance() {
    auto app = fw::Cast<classes::Vantrex>(classes::Vantrex::Record().New());
    app->Constructor();
    app->x_SetVersionData(2, 0, 0, 0, 3, kLongVersion, "Vantrex", "Vantrex");
    app->SetMenuBar(Menu());
    fw::RuntimeRegisterAppObject(app);
}

// Two steps with nothing to do here: the program opens no documents, so it declares no file
// types, and its application object binds no menu command (the windows bind their own).
void InitFileTypes() {}
void ApplicationAddMenuHandlers() {}

void LateStartup() {
    MakeDefaultView();
}

void MakeDefaultView() {
    // The About window is the first window; the main window waits for its hand-off.
    AboutWnd();
}

}  // namespace shell
