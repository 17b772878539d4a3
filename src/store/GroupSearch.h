#pragma once

#include "store/Records.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The short-form look-up runs after every letter typed, so it must not read a whole letter group
// each time. The records of a group stand in ascending order of short form; while a group is
// known to be in that order a binary search finds exactly what the plain search for CR LF +
// short form + TAB would find. Whether a group is in order is checked once and remembered for as
// long as the group's text stays where it is with the same length: every change the program
// makes to a group keeps the order anyway, and a group read out of order from the file is
// searched the plain way.
struct GroupOrder {
    const char* data = nullptr;
    std::size_t size = 0;
    bool sorted = false;
};
using GroupOrders = std::array<GroupOrder, 26>;

// The record of the short form in the group, found as FindInGroup finds it.
std::optional<Record> FindShortForm(GroupOrder& order, const std::string& group,
                                    std::string_view shortForm);
