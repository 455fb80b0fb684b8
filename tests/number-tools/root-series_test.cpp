// root-series: per pair n m, the sum of the first m terms n, n^(1/2), n^(1/4), ... with two decimals.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

// The program's own source, its main renamed, so that its sums can be compared bit for bit with the
// literal loop's (two printed decimals would hide a difference in the low bits).
#define main root_series_main
#include "../../number-tools/root-series/main.cpp"
#undef main

namespace {

// The literal loop, in process, for comparing sums bit for bit: every term from its own pow calls,
// added to the sum one after the other. Printed output is compared with the literal binary's.
double literal_sum(int n, int m) {
    double b = 0.0;
    for (int i = 0; i < m; i++) {
        double a = std::pow(2.0, -i);
        double c = std::pow(static_cast<double>(n), a);
        b = b + c;
    }
    return b;
}

std::string literal_case(int n, int m) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2lf\n", literal_sum(n, m));
    return buf;
}

std::uint64_t bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

}  // namespace

const Case kRootSeries[] = {
    {"four terms of 81", "81 4\n", "94.73\n"},
    {"three terms of 16", "16 3\n", "22.00\n"},
    {"one term", "16 1\n", "16.00\n"},
    {"two terms of 100", "100 2\n", "110.00\n"},
    {"two terms of 2", "2 2\n", "3.41\n"},
    {"every term of 1 is 1", "1 5\n", "5.00\n"},
    {"terms of 0", "0 3\n", "0.00\n"},
    {"no term", "5 0\n", "0.00\n"},
    {"negative term count", "5 -5\n", "0.00\n"},
    {"the sum starts again for every case", "16 1 16 3\n", "16.00\n22.00\n"},
    {"a hundred terms approach 1", "2 100\n", "101.78\n"},
    {"no input: nothing", "", ""},
    {"one term of a negative value", "-3 1\n", "-3.00\n"},
    {"pairs split across lines", "16\n3\n\n2", "22.00\n"},
    {"CR LF line ends", "81 4\r\n16\r\n3\r\n\r\n2 2\r\n", "94.73\n22.00\n3.41\n"},
    // The largest term counts. Every term of 1 is 1 and the sum stays exact. Terms of 0 are 0 until
    // the exponent underflows to 0 at i = 1075; pow(0, 0.0) is 1 from there on.
    {"largest m, every term 1", "1 2147483647\n", "2147483647.00\n"},
    {"largest m, terms of 0", "0 2147483647\n", "2147482572.00\n"},
    // Sums from a one-off run of the literal loop (minutes per case): the terms of 2, of 3 and of the
    // largest Integer, followed by about 2^31 additions of 1.0.
    {"largest m, terms of 2", "2 2147483647\n", "2147483648.78\n"},
    {"largest m, terms of 3", "3 2147483647\n", "2147483650.34\n"},
    {"largest n and m", "2147483647 2147483647\n", "4295013865.43\n"},
    {"a last number without its partner is dropped", "16 3 7\n", "22.00\n"},
    {"letters end the run", "16 1 x 16 3\n", "16.00\n"},
};

TEST(RootSeries, Examples) {
    check_cases("root-series", kRootSeries);
}

// Adding 1.0 r times in bulk gives the very double that r rounded additions give: from the sums the
// series really reaches, from values just below a power of two with every fraction bit set, from
// 0, and from 2^53 and above, where the spacing passes 1.
TEST(RootSeries, BulkOnesMatchOneByOneBitForBit) {
    std::mt19937_64 gen(1075);
    std::vector<double> starts = {0.0,
                                  0.5,
                                  1.0,
                                  1.5,
                                  1e-300,
                                  9007199254740991.0,
                                  9007199254740992.0,
                                  9007199254740994.0,
                                  9007199254740996.0,
                                  18014398509481988.0,
                                  1e300,
                                  std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN(),
                                  std::nan("7")};
    for (int n : {0, 2, 3, 7, 81, 1000, 65535, 1000003, 2147483647})
        starts.push_back(literal_sum(n, 1075));
    for (int k = 0; k <= 60; k++)
        for (int j = 1; j <= 3; j++)
            starts.push_back(std::ldexp(1.0, k) - j * std::ldexp(1.0, k - 53));
    for (int t = 0; t < 60; t++)
        starts.push_back(std::ldexp(static_cast<double>(gen() >> 11), -static_cast<int>(gen() % 60)));

    for (std::size_t s = 0; s < starts.size(); s++) {
        for (long long r : {1LL, 2LL, 3LL, 1000LL, static_cast<long long>(gen() % 5000),
                            static_cast<long long>(gen() % 300000)}) {
            double one_by_one = starts[s];
            for (long long k = 0; k < r; k++)
                one_by_one = one_by_one + 1.0;
            ASSERT_EQ(bits(add_ones(starts[s], r)), bits(one_by_one))
                << "start " << starts[s] << " (" << std::hexfloat << starts[s] << std::defaultfloat << "), "
                << r << " additions";
        }
    }
    // A few runs of millions of additions, crossing every power of two up to 2^22.
    for (double start : {0.0, literal_sum(2, 1075), literal_sum(2147483647, 1075), 3.999999}) {
        double one_by_one = start;
        for (int k = 0; k < 4000000; k++)
            one_by_one = one_by_one + 1.0;
        EXPECT_EQ(bits(add_ones(start, 4000000)), bits(one_by_one)) << start;
    }
}

// The literal loop against the program's own sum, bit for bit, and the literal algorithm's printed
// output against the program's, all cases in one run; m up to three million. Every kind of n (0, 1, small,
// large, negative, where the sum is NaN from the second term on), term counts around the exponent's
// underflow, and values of n whose sum crosses a large power of two while 1.0 is added.
TEST(RootSeries, MatchesTheLiteralLoop) {
    std::mt19937 gen(4012);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    auto any_n = [&] {
        switch (pick(0, 5)) {
        case 0:
            return pick(-1, 1);
        case 1:
            return pick(2, 100);
        case 2:
            return pick(-2000, -2);
        case 3:
            return pick(101, 1000000);
        default:
            return pick(1000000, INT_MAX);
        }
    };
    std::vector<std::pair<int, int>> cases;
    for (int t = 0; t < 200; t++)
        cases.push_back({any_n(), pick(-3, 3000)});
    for (int t = 0; t < 40; t++)
        cases.push_back({any_n(), pick(1070, 1080)});
    for (int t = 0; t < 30; t++)
        cases.push_back({any_n(), pick(3000, 100000)});
    for (int t = 0; t < 20; t++) {
        int k = pick(17, 31);
        long long top = 1LL << k;
        cases.push_back({static_cast<int>(top - pick(1, 100000)), pick(100000, 250000)});
    }
    for (int t = 0; t < 4; t++)
        cases.push_back({t < 2 ? pick(2, 1000) : pick(1000000, INT_MAX - 4000000), pick(1000000, 3000000)});
    // n just below 2^31: the sum passes 2^31 and the spacing of its doubles doubles.
    cases.push_back({INT_MAX - 50000, 1000000});
    cases.push_back({INT_MIN, 3});

    double exps[1100];
    int len = exponents(exps, 1100);
    std::string input;
    for (auto [n, m] : cases) {
        EXPECT_EQ(bits(series(n, m, exps, len)), bits(literal_sum(n, m))) << "n " << n << ", m " << m;
        input += std::to_string(n) + " " + std::to_string(m) + "\n";
    }
    Outcome literal = run_literal("root-series", input);
    ASSERT_EQ(literal.status, 0) << describe(literal);
    const Case batch[] = {{"all cases in one run", input, literal.out}};
    check_cases("root-series", batch);
}

// Negative n: from the second term the sum is NaN, and it stays that NaN however many ones follow.
TEST(RootSeries, NegativeValueStaysNotANumber) {
    const std::string nan_line = literal_case(-5, 5000);
    const Case cases[] = {
        {"two terms", "-5 2\n", literal_case(-5, 2)},
        {"largest m", "-5 2147483647\n", nan_line},
        {"smallest n, largest m", "-2147483648 2147483647\n", nan_line},
    };
    check_cases("root-series", cases);
}

TEST(RootSeries, HostileInput) {
    check_survives("root-series", hostile_inputs());
    std::string many;
    for (int t = 0; t < 3000; t++)
        many += t % 2 ? "2147483647 2147483647\n" : "-2147483648 2147483647\n";
    const Case own[] = {
        {"3000 cases of the largest m", many, ""},
        {"a minus sign for m", "16 -\n", ""},
        {"a numeral beyond 64 bits for m", "2 99999999999999999999999\n", ""},
    };
    check_survives("root-series", own);
}

TOUR("root-series", kRootSeries[0]);
