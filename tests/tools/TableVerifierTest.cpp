#include "tools/tablegen/TableVerifier.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "calc/Grid.h"

namespace {

using calc::FieldNumber;
using tablegen::FirstTableFault;

std::string ReadCommitted(const char* name) {
    std::ifstream in(std::string(VANTREX_TABLES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Where field f begins and how long it is.
std::pair<std::size_t, std::size_t> FieldSpan(const std::string& text, std::int64_t f) {
    std::size_t begin = 0;
    for (std::int64_t k = 1; k < f; ++k) {
        begin = text.find('\r', begin) + 1;
    }
    const std::size_t end = text.find('\r', begin);
    return {begin, (end == std::string::npos ? text.size() : end) - begin};
}

std::string Field(const std::string& text, std::int64_t f) {
    const auto [begin, length] = FieldSpan(text, f);
    return text.substr(begin, length);
}

void SetField(std::string& text, std::int64_t f, const std::string& entry) {
    const auto [begin, length] = FieldSpan(text, f);
    text.replace(begin, length, entry);
}

class CommittedTables : public ::testing::Test {
  protected:
    std::string eigen = ReadCommitted("random_eigenvalues.txt");
    std::string errors = ReadCommitted("standard_errors.txt");

    // The fault found after a change, which must name the given field.
    void ExpectFaultAt(std::int64_t f) {
        const auto fault = FirstTableFault(eigen, errors);
        ASSERT_TRUE(fault.has_value()) << "no fault found at field " << f;
        EXPECT_NE(fault->find("field " + std::to_string(f) + " "), std::string::npos) << *fault;
    }
};

TEST_F(CommittedTables, KeepEveryRule) {
    EXPECT_EQ(eigen.size(), 80836u);
    EXPECT_EQ(errors.size(), 69299u);
    const auto fault = FirstTableFault(eigen, errors);
    EXPECT_FALSE(fault.has_value()) << *fault;
}

TEST_F(CommittedTables, KnownEntriesAtTheEndsAndSeams) {
    EXPECT_EQ(Field(eigen, 1), "1.2808");
    EXPECT_EQ(Field(errors, 1), ".0074");
    EXPECT_EQ(Field(eigen, 55), "0.9423");
    EXPECT_EQ(Field(eigen, 56), "1.5270");
    EXPECT_EQ(Field(eigen, 3091), "1.208");
    EXPECT_EQ(Field(eigen, 11550), "0.6506");
    EXPECT_EQ(Field(errors, 11550), ".0009");
    EXPECT_NE(eigen.back(), '\r');
    EXPECT_NE(errors.back(), '\r');
}

TEST_F(CommittedTables, AFaultInTheFormIsNamed) {
    errors += '\r';
    ASSERT_TRUE(FirstTableFault(eigen, errors).has_value());

    errors.pop_back();
    eigen[FieldSpan(eigen, 200).first] = ' ';
    ExpectFaultAt(200);
}

TEST_F(CommittedTables, ShortEntriesBelongExactlyWhereTheyAre) {
    std::string saved = eigen;
    SetField(eigen, 5830, Field(eigen, 5830) + "0");  // a short entry written long
    ExpectFaultAt(5830);

    eigen = saved;
    SetField(eigen, 5831, Field(eigen, 5831).substr(0, 5));  // a long entry cut short
    ExpectFaultAt(5831);
}

TEST_F(CommittedTables, TheReferenceEntriesStayAsTheyAre) {
    const std::int64_t f = FieldNumber(10, 2, 0);
    SetField(eigen, f, "1.3588");
    ExpectFaultAt(f);

    SetField(eigen, f, "1.3587");
    const std::int64_t g = FieldNumber(55, 50, 8);
    SetField(errors, g, ".0010");
    ExpectFaultAt(g);
}

TEST_F(CommittedTables, EigenvaluesFallStrictlyWithinAColumn) {
    // Swapping two neighbours keeps the column sum.
    const std::int64_t upper = FieldNumber(30, 10, 3);
    const std::int64_t lower = upper + 11;
    const std::string a = Field(eigen, upper);
    SetField(eigen, upper, Field(eigen, lower));
    SetField(eigen, lower, a);
    ExpectFaultAt(lower);
}

TEST_F(CommittedTables, EveryColumnSumsToTheNumberOfVariables) {
    // A middle entry raised by 0.0020 still lies between its neighbours, and the sum, at most
    // 0.0009 off before, is now more than 0.0009 off.
    const std::int64_t f = FieldNumber(40, 20, 5);
    const double value = std::stod(Field(eigen, f)) + 0.0020;
    char text[16];
    std::snprintf(text, sizeof text, "%.4f", value);
    SetField(eigen, f, text);
    ExpectFaultAt(FieldNumber(40, 40, 5));
}

TEST_F(CommittedTables, TheFirstEigenvalueNeverRisesWithMoreSubjects) {
    // Two whole columns of p = 20 change places: each still falls and sums to 20.
    for (std::int64_t i = 1; i <= 20; ++i) {
        const std::int64_t f = FieldNumber(20, i, 3);
        const std::string a = Field(eigen, f);
        SetField(eigen, f, Field(eigen, f + 1));
        SetField(eigen, f + 1, a);
    }
    ExpectFaultAt(FieldNumber(20, 1, 4));
}

TEST_F(CommittedTables, TheExtremesStayWhereTheyAre) {
    std::string saved = errors;
    SetField(errors, FieldNumber(95, 1, 0), ".0144");
    ExpectFaultAt(FieldNumber(95, 1, 0));

    errors = saved;
    SetField(errors, FieldNumber(100, 98, 0), ".0001");
    ExpectFaultAt(FieldNumber(100, 98, 0));
}

}  // namespace
