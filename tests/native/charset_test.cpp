#include <gtest/gtest.h>

#include <string>

// Program texts are CP1251 bytes; a build without -fexec-charset=CP1251 would store UTF-8.
TEST(Charset, LiteralsAreCp1251) {
    const std::string a = "А";
    const std::string numero = "№";
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(static_cast<unsigned char>(a[0]), 0xC0);
    ASSERT_EQ(numero.size(), 1u);
    EXPECT_EQ(static_cast<unsigned char>(numero[0]), 0xB9);
    EXPECT_EQ(std::string("Моя машина").size(), 10u);
}
