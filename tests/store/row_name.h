#pragma once
// Names each row of a parameterised table after its `name` member.
#include <gtest/gtest.h>

#include <string>

struct RowName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};
