#pragma once
// Every case starts from "no key at all" and leaves none behind.

#include <gtest/gtest.h>

#include "tests/support/settings_value.h"

class PellorinTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveVendorKey(); }
    void TearDown() override { RemoveVendorKey(); }
};
