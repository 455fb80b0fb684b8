// temperature: whole degrees Fahrenheit to whole degrees Celsius, cut toward zero.
#include "harness.hpp"

#include <gtest/gtest.h>

const Case kTemperature[] = {
    {"boiling point", "212\n", "Celsius = 100\n"},
    {"freezing point", "32\n", "Celsius = 0\n"},
    {"scales meet", "-40\n", "Celsius = -40\n"},
    {"37.8 cut to 37", "100\n", "Celsius = 37\n"},
    {"36.7 cut to 36", "98\n", "Celsius = 36\n"},
    {"-17.8 cut toward zero", "0\n", "Celsius = -17\n"},
    {"-5.6 cut toward zero", "22\n", "Celsius = -5\n"},
    {"just below freezing", "31\n", "Celsius = 0\n"},
    {"just above freezing", "33\n", "Celsius = 0\n"},
    {"number without a line end", "212", "Celsius = 100\n"},
    // 5 * (f - 32) beyond the Integer range: the exact truncated value.
    {"product just past the largest Integer", "429496762\n", "Celsius = 238609294\n"},
    {"product just past the smallest Integer", "-429496698\n", "Celsius = -238609294\n"},
    {"largest Integer", "2147483647\n", "Celsius = 1193046452\n"},
    {"smallest Integer", "-2147483648\n", "Celsius = -1193046488\n"},
    {"no number: no answer", "", ""},
    {"letters for the number: no answer", "hot\n", ""},
};

TEST(Temperature, Examples) {
    check_cases("temperature", kTemperature);
}

TEST(Temperature, HostileInput) {
    check_survives("temperature", hostile_inputs());
}

TOUR("temperature", kTemperature[0]);
