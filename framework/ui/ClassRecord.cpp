#include "framework/ui/ClassRecord.h"

#include <algorithm>

#include "framework/core/Exceptions.h"

namespace fw {

namespace {

std::vector<const ClassRecord*>& LiveRecords() {
    static std::vector<const ClassRecord*> records;
    return records;
}

const char* ShapeText(EventShape shape) {
    switch (shape) {
        case EventShape::Plain:
            return "()";
        case EventShape::Query:
            return "() as Boolean";
        case EventShape::Sender:
            return "(sender)";
        case EventShape::Key:
            return "(key) as Boolean";
        case EventShape::Position:
            return "(x, y) as Boolean";
        case EventShape::SenderKey:
            return "(sender, key) as Boolean";
        case EventShape::SenderPosition:
            return "(sender, x, y) as Boolean";
    }
    return "?";
}

}  // namespace

ClassRecord::Builder::Builder(String name, const ClassRecord* base, Allocator allocate)
    : m_name(std::move(name)), m_base(base), m_allocate(std::move(allocate)) {}

ClassRecord::Builder& ClassRecord::Builder::DeclareEvent(std::string name, EventShape shape) {
    m_declared[std::move(name)] = shape;
    return *this;
}

ClassRecord::Builder& ClassRecord::Builder::Event(std::string name, EventHandler handler) {
    m_events[std::move(name)] = std::move(handler);
    return *this;
}

ClassRecord::Builder& ClassRecord::Builder::Method(String name, String signature,
                                                   String attributes) {
    m_members.push_back(
        {Member::Kind::Method, std::move(name), std::move(signature), std::move(attributes)});
    return *this;
}

ClassRecord::Builder& ClassRecord::Builder::Property(String name, String type) {
    m_members.push_back({Member::Kind::Property, std::move(name), std::move(type), String()});
    return *this;
}

ClassRecord::ClassRecord(Builder builder) : m_class(std::move(builder)) {
    const std::string name = Name().ToStdString();
    if (Find(Name().View()) != nullptr) {
        throw RuntimeException(String("A class named " + name + " is already registered."));
    }
    for (const auto& [event, handler] : m_class.m_events) {
        const EventShape* shape = DeclaredShape(event);
        if (shape == nullptr) {
            throw RuntimeException(
                String("Class " + name + " handles " + event + ", which is no event of it."));
        }
        if (*shape != handler.shape || !handler.call) {
            throw RuntimeException(String("The handler of " + event + " in class " + name +
                                          " does not take " + ShapeText(*shape) + "."));
        }
    }
    LiveRecords().push_back(this);
}

ClassRecord::~ClassRecord() {
    auto& records = LiveRecords();
    records.erase(std::remove(records.begin(), records.end(), this), records.end());
}

Ref<Object> ClassRecord::New() const {
    if (!m_class.m_allocate) {
        throw RuntimeException(
            String("Objects of class " + Name().ToStdString() + " cannot be made on their own."));
    }
    return m_class.m_allocate(*this);
}

const EventHandler* ClassRecord::OwnHandler(std::string_view event) const {
    auto found = m_class.m_events.find(event);
    return found == m_class.m_events.end() ? nullptr : &found->second;
}

const EventHandler* ClassRecord::Handler(std::string_view event) const {
    for (const ClassRecord* record = this; record != nullptr; record = record->Base()) {
        if (const EventHandler* handler = record->OwnHandler(event)) {
            return handler;
        }
    }
    return nullptr;
}

const EventShape* ClassRecord::DeclaredShape(std::string_view event) const {
    for (const ClassRecord* record = this; record != nullptr; record = record->Base()) {
        auto found = record->m_class.m_declared.find(event);
        if (found != record->m_class.m_declared.end()) {
            return &found->second;
        }
    }
    return nullptr;
}

const ClassRecord* ClassRecord::Find(std::string_view name) {
    for (const ClassRecord* record : LiveRecords()) {
        if (record->Name().View() == name) {
            return record;
        }
    }
    return nullptr;
}

bool RuntimeIsEventHandled(const Ref<Object>& /*object*/, const String& className,
                           const String& eventName, bool ownClassOnly) {
    const ClassRecord* record = ClassRecord::Find(className.View());
    if (record == nullptr) {
        return false;
    }
    return ownClassOnly ? record->OwnHandler(eventName.View()) != nullptr
                        : record->Handler(eventName.View()) != nullptr;
}

}  // namespace fw
