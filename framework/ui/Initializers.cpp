#include "framework/ui/Initializers.h"

#include <vector>

namespace fw {

namespace {

struct Registry {
    std::vector<std::function<void()>> initializers;
    std::vector<std::function<void()>> finalizers;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

void AddInitializer(std::function<void()> initializer) {
    TheRegistry().initializers.push_back(std::move(initializer));
}

void AddFinalizer(std::function<void()> finalizer) {
    TheRegistry().finalizers.push_back(std::move(finalizer));
}

std::exception_ptr RunInitializers() {
    // Taken out first: an initialiser that adds another does not disturb the walk.
    auto initializers = std::move(TheRegistry().initializers);
    TheRegistry().initializers.clear();
    for (auto& initializer : initializers) {
        try {
            initializer();
        } catch (...) {
            return std::current_exception();
        }
    }
    return nullptr;
}

std::exception_ptr RunFinalizers() {
    auto finalizers = std::move(TheRegistry().finalizers);
    TheRegistry().finalizers.clear();
    std::exception_ptr first;
    for (auto it = finalizers.rbegin(); it != finalizers.rend(); ++it) {
        try {
            (*it)();
        } catch (...) {
            if (!first) {
                first = std::current_exception();
            }
        }
    }
    return first;
}

}  // namespace fw
