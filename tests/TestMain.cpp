// The main() of every doctest suite: compiled once into bazelot_test_main.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>
