#include <gtest/gtest.h>
TEST(Shell, Builds) { SUCCEED(); }
