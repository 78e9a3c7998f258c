#include "app/core/ConfigurationName.h"

#include <gtest/gtest.h>

TEST(ConfigurationNameTest, OnlyNamesThatStayInsideProjectsAndShowAllTheirCharacters) {
    struct Case {
        std::string Name;
        bool Valid;
    };
    const Case cases[] = {
        {"Plant A", true},    {"caf\xC3\xA9 #2 (copy)", true},
        {"...", true}, // a plain folder name, not a step up
        {"..x", true},        {"", false},
        {".", false},         {"..", false},
        {"../x", false},      {"a/../../b", false},
        {"/etc", false},      {"a\\b", false},
        {"tab\there", false}, {"line\nbreak", false},
        {"del\x7F", false},   {std::string("nul\0x", 5), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Is_Valid_Configuration_Name(c.Name), c.Valid) << c.Name;
}
