#pragma once
// A row of a test's table that carries a name: gtest prints the row as its name, and the test a
// row makes (INSTANTIATE_TEST_SUITE_P with CaseName) is named after it.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace testdriver {

struct NamedCase {
    const char* name;
};

inline std::ostream& operator<<(std::ostream& out, const NamedCase& row) {
    return out << row.name;
}

struct CaseName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

} // namespace testdriver
