#include "discovery/model_table_text.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(ModelTableTextTest, KeepsBlanksAndEmptyFieldsAndSkipsComments) {
    const ModelTableText table =
        parseModelTableText("# header\nVC-100\tUnKnown \t\r\n#\t\t\n\t\tLV-200W", "t.tsv", 2, 3);
    const ModelTableText expected = {{"VC-100", "UnKnown ", ""}, {"", "", "LV-200W"}};
    EXPECT_EQ(table, expected);
}

struct MalformedCase {
    const char* text;
    std::size_t rows;
    std::size_t columns;
    const char* message;
};

TEST(ModelTableTextDeathTest, MalformedFilesAbortWithTheFileAndProblem) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const MalformedCase cases[] = {
        {"a\tb\tc\n# note\na\tb\n", 2, 3, "bad.tsv: line 3 has 2 fields, expected 3"},
        {"a\tb\tc\ta\n", 1, 3, "bad.tsv: line 1 has 4 fields, expected 3"},
        {"a\tb\tc\n", 2, 3, "bad.tsv: 1 rows, expected 2"},
        {"a\na\n\n", 2, 1, "bad.tsv: 3 rows, expected 2"},
        {"", 1, 1, "bad.tsv: 0 rows, expected 1"},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_DEATH(parseModelTableText(c.text, "bad.tsv", c.rows, c.columns), c.message);
    }
}

} // namespace
} // namespace vistrel
