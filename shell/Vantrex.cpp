#include "shell/Vantrex.h"

#include "framework/menus/AppleMenuItem.h"
#include "framework/menus/MenuBar.h"

namespace shell {

namespace classes {

namespace {
constexpr const char* kClassName = "Vantrex";
}  // namespace

const fw::ClassRecord& Vantrex::Record() {
    static const fw::ClassRecord record(
        fw::ClassRecord::Builder(kClassName, &fw::Application::Record(), fw::AllocatorOf<Vantrex>())
            .Method("Constructor", "()")
            .Method("IsEventImplemented", "( String ) as Boolean"));
    return record;
}

bool Vantrex::IsEventImplemented(const fw::String& eventName) {
    return fw::RuntimeIsEventHandled(shared_from_this(), kClassName, eventName, true);
}

}  // namespace classes

fw::Ref<classes::Vantrex> App() {
    return fw::Cast<classes::Vantrex>(fw::GetAppObject());
}

fw::Ref<fw::AppleMenuItem> AboutVantrex() {
    fw::Ref<fw::MenuBar> bar = fw::NotNil(App())->MenuBar();
    return fw::Cast<fw::AppleMenuItem>(fw::NotNil(bar)->Lookup("AboutVantrex"));
}

}  // namespace shell
