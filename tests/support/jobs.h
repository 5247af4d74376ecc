#pragma once
// A job's entry made as `korvel job FILE add` makes it, for the tests of jobs
// and of what is made from them (cut lists, nesting).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/job.h"

namespace korvel {

inline JobEntry entry(const std::string& fitting, std::vector<NamedInput> inputs, std::vector<NamedInput> choices,
                      int quantity, const std::string& mark) {
    EntryMaking made = makeEntry(fitting, inputs, choices);
    EXPECT_EQ(made.error, "") << fitting;
    made.entry.quantity = quantity;
    made.entry.mark = mark;
    return made.entry;
}

}  // namespace korvel
