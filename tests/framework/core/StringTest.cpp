#include <gtest/gtest.h>

#include "framework/core/Object.h"
#include "framework/core/String.h"

namespace {

TEST(String, CopiesShareTheBytesAndConcatenationBuildsANewText) {
    fw::String a("Random ");
    fw::String copy = a;
    EXPECT_TRUE(copy.SharesBytesWith(a));
    fw::String joined = a + fw::String("Eigenvalue");
    EXPECT_EQ(joined.View(), "Random Eigenvalue");
    EXPECT_FALSE(joined.SharesBytesWith(a));
    EXPECT_EQ(a.View(), "Random ");
    EXPECT_TRUE(fw::String().IsEmpty());
    EXPECT_TRUE((fw::String() + a).SharesBytesWith(a));
}

struct Base : fw::Object {};
struct Derived : Base {};
struct Other : fw::Object {};

TEST(Cast, NilStaysNilAndAWrongClassRaises) {
    fw::Ref<fw::Object> nil;
    EXPECT_EQ(fw::Cast<Base>(nil), nullptr);
    fw::Ref<fw::Object> derived = std::make_shared<Derived>();
    EXPECT_EQ(fw::Cast<Base>(derived), derived);
    fw::Ref<fw::Object> other = std::make_shared<Other>();
    EXPECT_THROW(fw::Cast<Base>(other), fw::IllegalCastException);
    try {
        fw::Cast<Base>(other);
    } catch (const fw::RuntimeException& e) {
        EXPECT_EQ(e.ClassName(), fw::String("IllegalCastException"));
    }
    EXPECT_THROW(fw::NotNil(nil), fw::NilObjectException);
}

}  // namespace
