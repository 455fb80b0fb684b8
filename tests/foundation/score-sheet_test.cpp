// score-sheet: GBK prompts, then the table ranked by total, descending and stable.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iconv.h>
#include <string>
#include <vector>

namespace {

// The expected texts are written here in UTF-8 and turned into GBK by the C library's converter, so
// the program's hand-written bytes are checked against an independent encoder.
std::string gbk(const std::string &utf8) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "score-sheet_test: no UTF-8 to GBK converter\n");
        std::abort();
    }
    std::string in = utf8;
    std::string out(in.size() * 2 + 1, '\0');
    char *ip = in.data(), *op = out.data();
    std::size_t il = in.size(), ol = out.size();
    std::size_t r = iconv(cd, &ip, &il, &op, &ol);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1) || il != 0) {
        std::fprintf(stderr, "score-sheet_test: cannot convert to GBK: %s\n", utf8.c_str());
        std::abort();
    }
    out.resize(out.size() - ol);
    return out;
}

const std::string kAskClass = "请输入班级总人数：";
const std::string kAskSubjects = "请输入学科总数：";

std::string ask_subject(int k) {
    return "请输入第" + std::to_string(k) + "科学科名称:";
}

std::string ask_name(int s) {
    return "请输入第" + std::to_string(s) + "个学生姓名：";
}

std::string ask_score(const std::string &name, const std::string &subject) {
    return "请输入" + name + "同学" + subject + "学科成绩：";
}

std::string header(const std::vector<std::string> &subjects) {
    std::string h = "姓名\t";
    for (const std::string &s : subjects)
        h += s + "\t";
    return h + "总分\n";
}

// The prompts of one run: the counts, the subjects, then each student's name and score prompts.
std::string prompts(const std::vector<std::string> &subjects, const std::vector<std::string> &students) {
    std::string p = kAskClass + kAskSubjects;
    for (std::size_t k = 0; k < subjects.size(); k++)
        p += ask_subject(static_cast<int>(k + 1));
    for (std::size_t s = 0; s < students.size(); s++) {
        p += ask_name(static_cast<int>(s + 1));
        for (const std::string &subject : subjects)
            p += ask_score(students[s], subject);
    }
    return p;
}

// Every prompt and heading appears here written out in full, so this row alone checks all their bytes.
const std::string kWorkedOutput =
    "请输入班级总人数：请输入学科总数：请输入第1科学科名称:请输入第2科学科名称:"
    "请输入第1个学生姓名：请输入Li同学math学科成绩：请输入Li同学art学科成绩："
    "请输入第2个学生姓名：请输入Wang同学math学科成绩：请输入Wang同学art学科成绩："
    "请输入第3个学生姓名：请输入Zhao同学math学科成绩：请输入Zhao同学art学科成绩："
    "姓名\tmath\tart\t总分\n"
    "Wang\t95\t85\t180\t\n"
    "Li\t80\t90\t170\t\n"
    "Zhao\t90\t80\t170\t\n";

const std::vector<std::string> kABC = {"A", "B", "C"};
const std::string k39(39, 'n');

const Case kScoreSheet[] = {
    {"worked example: every prompt and heading, ties keep input order",
     "3\n2\nmath\nart\nLi\n80\n90\nWang\n95\n85\nZhao\n90\n80\n", gbk(kWorkedOutput)},
    {"class 0 and subjects 0: the header alone", "0 0\n", gbk(kAskClass + kAskSubjects + "姓名\t总分\n")},
    {"class 0 still asks for the subjects", "0 2 math art\n",
     gbk(prompts({"math", "art"}, {}) + header({"math", "art"}))},
    {"negative class size asks for no students", "-3 2 math art\n",
     gbk(prompts({"math", "art"}, {}) + header({"math", "art"}))},
    {"no subjects: names only, totals 0, input order", "3 0 A B C\n",
     gbk(prompts({}, kABC) + header({}) + "A\t0\t\nB\t0\t\nC\t0\t\n")},
    {"one student", "1 2 m a Solo 7 -2\n",
     gbk(prompts({"m", "a"}, {"Solo"}) + header({"m", "a"}) + "Solo\t7\t-2\t5\t\n")},
    {"ascending totals come out reversed", "3 1 s A 1 B 2 C 3\n",
     gbk(prompts({"s"}, kABC) + header({"s"}) + "C\t3\t3\t\nB\t2\t2\t\nA\t1\t1\t\n")},
    {"descending totals are not moved", "3 1 s A 3 B 2 C 1\n",
     gbk(prompts({"s"}, kABC) + header({"s"}) + "A\t3\t3\t\nB\t2\t2\t\nC\t1\t1\t\n")},
    {"scores move with their student", "3 2 x y A 1 1 B 9 0 C 0 5\n",
     gbk(prompts({"x", "y"}, kABC) + header({"x", "y"}) + "B\t9\t0\t9\t\nC\t0\t5\t5\t\nA\t1\t1\t2\t\n")},
    {"negative scores rank lower", "3 2 x y A -5 1 B 0 0 C 3 -10\n",
     gbk(prompts({"x", "y"}, kABC) + header({"x", "y"}) + "B\t0\t0\t0\t\nA\t-5\t1\t-4\t\nC\t3\t-10\t-7\t\n")},
    {"names of 39 bytes are kept whole", "1 1 " + k39 + " " + k39 + " 4\n",
     gbk(prompts({k39}, {k39}) + header({k39}) + k39 + "\t4\t4\t\n")},
    {"tokens may be split over any white space", "2\t1\n\ns\n\nA  1\n\tB\n2",
     gbk(prompts({"s"}, {"A", "B"}) + header({"s"}) + "B\t2\t2\t\nA\t1\t1\t\n")},
    // Out-of-form input: the documented safe behaviour.
    {"totals beyond 32 bits are exact", "1 2 m a X 2147483647 2147483647\n",
     gbk(prompts({"m", "a"}, {"X"}) + header({"m", "a"}) + "X\t2147483647\t2147483647\t4294967294\t\n")},
    {"class size not a number: no subject count asked", "x 1 s\n", gbk(kAskClass + "姓名\t总分\n")},
    {"subject count not a number: no students", "2 x\n", gbk(kAskClass + kAskSubjects + "姓名\t总分\n")},
    {"negative subject count with students counts as 0", "2 -3 A B\n",
     gbk(prompts({}, {"A", "B"}) + header({}) + "A\t0\t\nB\t0\t\n")},
    {"subject count above 9: only 9 subjects are asked for", "1 12 a b c d e f g h i X 1 2 3 4 5 6 7 8 9\n",
     gbk(prompts({"a", "b", "c", "d", "e", "f", "g", "h", "i"}, {"X"}) +
         header({"a", "b", "c", "d", "e", "f", "g", "h", "i"}) + "X\t1\t2\t3\t4\t5\t6\t7\t8\t9\t45\t\n")},
    {"a name over 39 bytes keeps its first 39 and skips the rest", "1 1 s " + k39 + "EXTRA 6\n",
     gbk(prompts({"s"}, {k39}) + header({"s"}) + k39 + "\t6\t6\t\n")},
    {"a score that is not a number counts 0 and ends the input", "3 2 m a A 4 x B 1 1\n",
     gbk(prompts({"m", "a"}, {"A"}) + header({"m", "a"}) + "A\t4\t0\t4\t\n")},
    {"input ending inside the scores", "2 2 m a A 4\n",
     gbk(prompts({"m", "a"}, {"A"}) + header({"m", "a"}) + "A\t4\t0\t4\t\n")},
    {"input ending before a name keeps the students read", "3 1 m A 5 B 6\n",
     gbk(prompts({"m"}, {"A", "B"}) + ask_name(3) + header({"m"}) + "B\t6\t6\t\nA\t5\t5\t\n")},
    {"input ending inside the subject names", "2 3 m a\n",
     gbk(kAskClass + kAskSubjects + ask_subject(1) + ask_subject(2) + ask_subject(3) + header({"m", "a"}))},
    {"no input at all", "", gbk(kAskClass + "姓名\t总分\n")},
};

// 100 students with 9 subjects, every name 39 bytes. Student s scores (s + 1) / 2 in every subject, so
// each total is shared by two neighbours: descending order with each pair in input order.
Case full_class(int students) {
    std::vector<std::string> subjects, names;
    std::string in = std::to_string(students) + "\n9\n";
    for (int k = 1; k <= 9; k++) {
        subjects.push_back(std::string(38, 'S') + std::to_string(k));
        in += subjects.back() + "\n";
    }
    for (int s = 1; s <= 100; s++) {
        char tag[4];
        std::snprintf(tag, sizeof tag, "%03d", s);
        names.push_back(std::string(36, 'N') + tag);
    }
    for (int s = 1; s <= students; s++) {
        in += (s <= 100 ? names[s - 1] : "Extra" + std::to_string(s)) + "\n";
        for (int k = 0; k < 9; k++)
            in += std::to_string((s + 1) / 2) + " ";
        in += "\n";
    }
    std::string rows;
    for (int t = 50; t >= 1; t--)
        for (int s = 2 * t - 1; s <= 2 * t; s++) {
            rows += names[s - 1] + "\t";
            for (int k = 0; k < 9; k++)
                rows += std::to_string(t) + "\t";
            rows += std::to_string(9 * t) + "\t\n";
        }
    return {"class of " + std::to_string(students), in,
            gbk(prompts(subjects, names) + header(subjects) + rows)};
}

}  // namespace

TOUR("score-sheet", kScoreSheet[0]);

TEST(ScoreSheet, Examples) {
    check_cases("score-sheet", kScoreSheet);
}

// A full class fills every table; a class size above 100 is cut to the 100 the tables hold.
TEST(ScoreSheet, Capacity) {
    const Case rows[] = {full_class(100), full_class(130)};
    check_cases("score-sheet", rows);
}

TEST(ScoreSheet, HostileInput) {
    check_survives("score-sheet", hostile_inputs());
    const Case own[] = {
        {"huge counts with no data", "2147483647 2147483647\n", ""},
        {"smallest counts", "-2147483648 -2147483648\n", ""},
        {"counts then endless letters", "100 9 " + std::string(50000, 'q') + "\n", ""},
        {"names of 100000 bytes", "2 1 " + std::string(100000, 's') + " " + std::string(100000, 'n') + " 5\n",
         ""},
        {"bytes 128 to 255 in names", "1 1 \xB5\xDA\xFF \x80\xA3 3\n", ""},
    };
    check_survives("score-sheet", own);
}

TEST(ScoreSheet, CrLfSameAsLf) {
    const Case rows[] = {kScoreSheet[0], kScoreSheet[4], kScoreSheet[19]};
    check_crlf_same("score-sheet", rows);
}
