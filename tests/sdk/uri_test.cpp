#include "cobrix.h"
#include <gtest/gtest.h>
TEST(Uri, Smoke) { ostrel_io_uri u; EXPECT_EQ(ostrel_io_uri_from_str(&u, "ostrel:/dev/bus/USB/DEVICE"), 0); }
