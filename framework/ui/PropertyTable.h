#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "framework/core/String.h"
#include "framework/ui/PropertyList.h"

namespace fw {

class PropertyTarget;

// The names a class's property lists may hold, each with what its value does to an object of the
// class. A class builds its table once, on a copy of its base class's, one line a property:
//
//     static const PropertyTable table =
//         PropertyTable::For<Label>(WithFont(CommonProperties()))
//             .Text("Value", [](Label& label, const String& text) { label.SetText(text); })
//             .Ignored({"Selectable", "DataSource", "DataField"});
//
// A name entered again replaces its base's entry (what Transparent means is each class's own).
class PropertyTable {
  public:
    using Action = std::function<void(PropertyTarget& target, const PropertyValue& value)>;
    template <class T>
    class For;

    bool Knows(std::string_view name) const { return m_actions.find(name) != m_actions.end(); }
    // Applies the entry to the target, an object of the table's class.
    void Apply(PropertyTarget& target, const PropertyEntry& entry) const;

  private:
    // Raises RuntimeException when the name's values are not of that kind: a table written wrong.
    void Add(std::string_view name, PropertyKind kind, Action action);
    void AddIgnored(std::string_view name) { m_actions[std::string(name)] = nullptr; }

    std::map<std::string, Action, std::less<>> m_actions;  // nil: taken and left alone
};

// Adds the entries of class T: each action is given the object as a T and the value as the type
// its name gives it.
template <class T>
class PropertyTable::For {
  public:
    explicit For(PropertyTable base = PropertyTable()) : m_table(std::move(base)) {}

    // Each set is called with the object as a T and the value as its type: const String&,
    // std::int64_t, float, fw::Color or bool.
    template <class Set>
    For& Text(std::string_view name, Set set) {
        return Add<String>(name, PropertyKind::Text, std::move(set));
    }
    template <class Set>
    For& Integer(std::string_view name, Set set) {
        return Add<std::int64_t>(name, PropertyKind::Integer, std::move(set));
    }
    template <class Set>
    For& Single(std::string_view name, Set set) {
        return Add<float>(name, PropertyKind::Single, std::move(set));
    }
    template <class Set>
    For& Color(std::string_view name, Set set) {
        return Add<fw::Color>(name, PropertyKind::Color, std::move(set));
    }
    template <class Set>
    For& Boolean(std::string_view name, Set set) {
        return Add<bool>(name, PropertyKind::Boolean, std::move(set));
    }
    // Names the class's lists hold that mean nothing here: taken, and left alone.
    For& Ignored(std::initializer_list<std::string_view> names) {
        for (std::string_view name : names) {
            m_table.AddIgnored(name);
        }
        return *this;
    }

    operator PropertyTable() const { return m_table; }

  private:
    template <class V, class Set>
    For& Add(std::string_view name, PropertyKind kind, Set set) {
        m_table.Add(name, kind, [set](PropertyTarget& target, const PropertyValue& value) {
            set(static_cast<T&>(target), std::get<V>(value));
        });
        return *this;
    }

    PropertyTable m_table;
};

// The action of a property that is kept in a member of the object and, where a method is given,
// shown by that method:
//     .Integer("Width", Store(&Window::m_width))
//     .Color("TextColor", Store(&Label::m_textColor, &Label::ApplyLook))
template <class T, class M>
auto Store(M T::*member, void (T::*show)() = nullptr) {
    return [member, show](T& object, const auto& value) {
        object.*member = value;
        if (show != nullptr) {
            (object.*show)();
        }
    };
}

}  // namespace fw
