// record-list: two (number, value) records; the head-linked build prints them newest first with "%f",
// the tail-linked build in input order with "%.2f". The value is a float before it is printed.
#include "harness.hpp"

#include <gtest/gtest.h>

namespace {

const Case kHead[] = {
    {"two records, newest first", "1 2.5 2 3.14\n", "2,3.140000\n1,2.500000\n"},
    {"single precision shows in six decimals", "1 123.456 2 99.99\n", "2,99.989998\n1,123.456001\n"},
    {"0.005 as a float", "1 0.005 2 1\n", "2,1.000000\n1,0.005000\n"},
    {"negative number and value", "-7 -1.5 8 0\n", "8,0.000000\n-7,-1.500000\n"},
    {"value without a decimal point", "3 4 5 6\n", "5,6.000000\n3,4.000000\n"},
    {"any white space separates", "1\n2.5\n\n2\t3.14", "2,3.140000\n1,2.500000\n"},
    {"what follows the second record is ignored", "1 2.5 2 3.14 9 9.9 junk\n", "2,3.140000\n1,2.500000\n"},
    {"Integer range ends", "2147483647 0.25 -2147483648 -0.75\n",
     "-2147483648,-0.750000\n2147483647,0.250000\n"},
    // Out-of-form input: a record that cannot be read in full is not linked, and reading stops.
    {"one record then the end", "3 4\n", "3,4.000000\n"},
    {"second value missing", "3 4 5\n", "3,4.000000\n"},
    {"second value not a number", "3 4 5 x\n", "3,4.000000\n"},
    {"first value not a number", "1 x 2 3\n", ""},
    {"no input at all", "", ""},
};

const Case kTail[] = {
    {"two records, input order", "1 2.5 2 3.14\n", "1,2.50\n2,3.14\n"},
    {"single precision rounds to two decimals", "1 123.456 2 99.99\n", "1,123.46\n2,99.99\n"},
    {"0.005 as a float lies below the half", "1 0.005 2 1\n", "1,0.00\n2,1.00\n"},
    {"negative number and value", "-7 -1.5 8 0\n", "-7,-1.50\n8,0.00\n"},
    {"value without a decimal point", "3 4 5 6\n", "3,4.00\n5,6.00\n"},
    {"any white space separates", "1\n2.5\n\n2\t3.14", "1,2.50\n2,3.14\n"},
    {"what follows the second record is ignored", "1 2.5 2 3.14 9 9.9 junk\n", "1,2.50\n2,3.14\n"},
    {"Integer range ends", "2147483647 0.25 -2147483648 -0.75\n", "2147483647,0.25\n-2147483648,-0.75\n"},
    {"one record then the end", "3 4\n", "3,4.00\n"},
    {"second value missing", "3 4 5\n", "3,4.00\n"},
    {"second value not a number", "3 4 5 x\n", "3,4.00\n"},
    {"first value not a number", "1 x 2 3\n", ""},
    {"no input at all", "", ""},
};

const Case kOwnHostile[] = {
    {"huge exponent", "1 1e999 2 -1e999\n", ""},
    {"value of 100000 digits", "1 " + std::string(100000, '9') + " 2 3\n", ""},
    {"number of 100000 digits", std::string(100000, '9') + " 1 2 3\n", ""},
};

}  // namespace

TOUR("record-list-head", kHead[0]);
TOUR("record-list-tail", kTail[0]);

TEST(RecordList, HeadLinked) {
    check_cases("record-list-head", kHead);
}

TEST(RecordList, TailLinked) {
    check_cases("record-list-tail", kTail);
}

TEST(RecordList, HostileInput) {
    for (const char *variant : {"record-list-head", "record-list-tail"}) {
        check_survives(variant, hostile_inputs());
        check_survives(variant, kOwnHostile);
    }
}

TEST(RecordList, CrLfSameAsLf) {
    // The worked example, the row split over several lines, and a record cut short by the end.
    const Case head[] = {kHead[0], kHead[5], kHead[9]};
    const Case tail[] = {kTail[0], kTail[5], kTail[9]};
    check_crlf_same("record-list-head", head);
    check_crlf_same("record-list-tail", tail);
}
