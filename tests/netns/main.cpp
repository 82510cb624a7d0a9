// These tests broadcast. They refuse to start anywhere but on the fake LAN that
// run-discovery.sh builds inside its own network namespace.

#include "FakeLan.h"

#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (auto problem = glowdeck::testing::FakeLan::problem()) {
        std::fprintf(stderr, "refusing to run: %s (start these tests with run-discovery.sh)\n",
                     problem->c_str());
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
