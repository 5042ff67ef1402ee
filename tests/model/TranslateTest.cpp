#include "model/Translate.h"

#include <gtest/gtest.h>

TEST(Translate, UnboundLookupReturnsKey) { EXPECT_EQ(fup::tx("Ungueltige Zykluszeit"), "Ungueltige Zykluszeit"); }
