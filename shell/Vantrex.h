#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/Application.h"
#include "shell/AboutAccessors.h"

namespace shell {

namespace classes {

// The application class. Its one object carries the version data and the menu bar; it handles
// no application event and no menu command of its own.
class Vantrex : public fw::Application {
  public:
    static const fw::ClassRecord& Record();

    void Constructor() override {}

    // Whether this class itself handles the event of that name (it handles none).
    bool IsEventImplemented(const fw::String& eventName);
};

}  // namespace classes

// The registered application object, or nil before start-up has registered it.
fw::Ref<classes::Vantrex> App();

}  // namespace shell
