#include <gtest/gtest.h>

#include "framework/core/Exceptions.h"
#include "framework/ui/ClassRecord.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"

namespace {

using fw::ClassRecord;
using fw::EventShape;

class BaseThing : public fw::Object {
  public:
    void Opened() {}
    bool Pressed(std::int64_t x, std::int64_t y) { return x == y; }
};

class Thing : public BaseThing {
  public:
    bool Typed(const fw::String& key) { return key == "q"; }
};

const ClassRecord& BaseThingRecord() {
    static const ClassRecord record(
        ClassRecord::Builder("Test.BaseThing", nullptr, fw::AllocatorOf<BaseThing>())
            .DeclareEvent("Open", EventShape::Plain)
            .DeclareEvent("KeyDown", EventShape::Key)
            .DeclareEvent("MouseDown", EventShape::Position)
            .Event("Open", &BaseThing::Opened));
    return record;
}

const ClassRecord& ThingRecord() {
    static const ClassRecord record(
        ClassRecord::Builder("Test.Thing", &BaseThingRecord(), fw::AllocatorOf<Thing>())
            .Event("KeyDown", &Thing::Typed)
            .Method("Typed", "(key As String) As Boolean")
            .Property("Count", "Integer")
            .Method("Hidden", "()", "Hidden"));
    return record;
}

TEST(ClassRecords, KnowTheirNameBaseAndAllocateTheirObjects) {
    const ClassRecord& record = ThingRecord();
    EXPECT_EQ(record.Name(), "Test.Thing");
    EXPECT_EQ(record.Base(), &BaseThingRecord());
    EXPECT_EQ(ClassRecord::Find("Test.Thing"), &record);
    EXPECT_EQ(ClassRecord::Find("Test.Nothing"), nullptr);

    fw::Ref<fw::Object> made = record.New();
    EXPECT_NE(fw::Cast<Thing>(made), nullptr);
    EXPECT_THROW(fw::Cast<fw::Window>(made), fw::IllegalCastException);
}

TEST(ClassRecords, KeepTheirReflectionListInDeclarationOrder) {
    const auto& members = ThingRecord().Members();
    ASSERT_EQ(members.size(), 3u);
    EXPECT_EQ(members[0].name, "Typed");
    EXPECT_EQ(members[0].signature, "(key As String) As Boolean");
    EXPECT_EQ(members[1].kind, ClassRecord::Member::Kind::Property);
    EXPECT_EQ(members[1].name, "Count");
    EXPECT_EQ(members[2].attributes, "Hidden");
}

TEST(ClassRecords, AnswerWhetherAClassHandlesAnEventFromItsOwnTableOrItsBases) {
    fw::Ref<fw::Object> thing = ThingRecord().New();
    EXPECT_TRUE(fw::RuntimeIsEventHandled(thing, "Test.Thing", "KeyDown", true));
    EXPECT_FALSE(fw::RuntimeIsEventHandled(thing, "Test.Thing", "Open", true));
    EXPECT_TRUE(fw::RuntimeIsEventHandled(thing, "Test.Thing", "Open", false));
    EXPECT_FALSE(fw::RuntimeIsEventHandled(thing, "Test.Thing", "MouseDown", false));
    EXPECT_FALSE(fw::RuntimeIsEventHandled(thing, "Test.NoSuchClass", "Open", false));

    const fw::EventHandler* handler = ThingRecord().Handler("KeyDown");
    ASSERT_NE(handler, nullptr);
    fw::EventArgs args;
    args.key = "q";
    EXPECT_TRUE(handler->call(*thing, args));
    args.key = "w";
    EXPECT_FALSE(handler->call(*thing, args));
}

TEST(ClassRecords, RefuseEventsTheyDoNotRaiseHandlersOfTheWrongShapeAndTakenNames) {
    EXPECT_THROW(ClassRecord(ClassRecord::Builder("Test.Bad1", &BaseThingRecord())
                                 .Event("Paint", &BaseThing::Opened)),
                 fw::RuntimeException);
    EXPECT_THROW(ClassRecord(ClassRecord::Builder("Test.Bad2", &BaseThingRecord())
                                 .Event("MouseDown", &BaseThing::Opened)),
                 fw::RuntimeException);
    ThingRecord();
    EXPECT_THROW(ClassRecord(ClassRecord::Builder("Test.Thing", nullptr)), fw::RuntimeException);
    // A failed record leaves no trace: the name stays free.
    EXPECT_EQ(ClassRecord::Find("Test.Bad2"), nullptr);
    ClassRecord fine(ClassRecord::Builder("Test.Bad2", &BaseThingRecord())
                         .Event("MouseDown", &BaseThing::Pressed));
    EXPECT_EQ(ClassRecord::Find("Test.Bad2"), &fine);
}

TEST(ClassRecords, WithoutAnAllocatorMakeNoObjects) {
    EXPECT_THROW(fw::RectControl::Record().New(), fw::RuntimeException);
}

}  // namespace
