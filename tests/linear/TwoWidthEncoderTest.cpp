// Filled in with the encoders.
#include <gtest/gtest.h>
