#include "store/GroupSearch.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

std::size_t PlainSearch(const std::string& group, const std::string& shortForm) {
    return group.find("\r\n" + shortForm + "\t");
}

// Where the search found the record: the index of its CR LF, or npos.
std::size_t Found(GroupOrder& order, const std::string& group, const std::string& shortForm) {
    const std::optional<Record> r = FindShortForm(order, group, shortForm);
    return r ? r->start - 2 : std::string::npos;
}

std::string Group(const std::set<std::string>& forms) {
    std::string group;
    for (const std::string& sf : forms) group += "\r\n" + sf + "\t" + sf + "\xA1x";
    return group;
}

// Whatever the group, the answer is the plain search's: found at the same place, or not found.
TEST(GroupSearch, FindsExactlyWhatThePlainSearchFinds) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> letter('a', 'e');
    std::uniform_int_distribution<int> length(1, 4);
    const auto word = [&] {
        std::string w = "t";
        for (int n = length(rng); n > 1; --n) w += static_cast<char>(letter(rng));
        return w;
    };
    for (int round = 0; round < 50; ++round) {
        std::set<std::string> forms;
        for (int n = 1 + round % 40; n > 0; --n) forms.insert(word());
        const std::string group = Group(forms);
        GroupOrder order;
        for (int q = 0; q < 200; ++q) {
            const std::string w = word();
            ASSERT_EQ(Found(order, group, w), PlainSearch(group, w)) << w << group;
        }
        EXPECT_TRUE(order.sorted);
    }
}

TEST(GroupSearch, AGroupOutOfOrderOrWithABrokenRecordIsSearchedThePlainWay) {
    for (const std::string& group : {std::string("\r\ntb\ttb\r\nta\tta\r\ntc\ttc"),
                                     std::string("\r\nta\tta\r\ntb\r\ntc\ttc")}) {
        GroupOrder order;
        for (const char* w : {"ta", "tb", "tc", "td"})
            EXPECT_EQ(Found(order, group, w), PlainSearch(group, w)) << w;
        EXPECT_FALSE(order.sorted);
    }
}

TEST(GroupSearch, AChangedGroupIsLookedAtAgain) {
    std::string group = "\r\nta\tta\r\ntc\ttc";
    GroupOrder order;
    EXPECT_EQ(Found(order, group, "tb"), std::string::npos);
    group.insert(7, "\r\ntb\ttb");
    EXPECT_EQ(Found(order, group, "tb"), 7u);
    group += "\r\nta\tta";
    EXPECT_EQ(Found(order, group, "ta"), 0u);
    EXPECT_FALSE(order.sorted);
}

} // namespace
