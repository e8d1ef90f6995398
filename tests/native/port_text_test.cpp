#include <gtest/gtest.h>

#include "monitor/core/port_text.h"

using namespace velmorant;

TEST(PortText, NumberAfterFirstCom) {
    struct Case { const char* box; const char* number; };
    const Case cases[] = {{"COM12", "12"}, {"xCOM3", "3"}, {"COM", ""}, {"", ""},
                          {"COM1COM2", "1COM2"}, {"com4", ""}, {"COM 5", " 5"}};
    for (const Case& c : cases) EXPECT_EQ(PortNumberText(c.box), c.number) << c.box;
}

TEST(PortText, FileNameOfPath) {
    struct Case { const char* path; const char* name; };
    const Case cases[] = {{"C:\\Cars\\Моя машина.vmr", "Моя машина.vmr"},
                          {"record.vmr", "record.vmr"}, {"", ""}, {"C:\\dir\\", ""}};
    for (const Case& c : cases) EXPECT_EQ(FileNameOfPath(c.path), c.name) << c.path;
}
