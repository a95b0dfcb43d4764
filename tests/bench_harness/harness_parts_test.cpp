// The harness's plumbing: the result line a child sends back, the printed
// tables, the timing summary and the scratch folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "bench/measurement.h"
#include "bench/result_table.h"
#include "bench/scratch_folder.h"
#include "bench/timing_samples.h"

namespace bench {
namespace {

TEST(Measurement, RoundTripsExactValuesThroughItsLine) {
  Measurement sent;
  sent.Set("layout_ms", 0.1 + 0.2);
  sent.Set("pdf_bytes", 1027083);
  sent.Set("records", 1e5);
  EXPECT_EQ(sent.Line(), "measured layout_ms=0.30000000000000004 pdf_bytes=1027083 records=100000");

  const auto received = Measurement::Find("Qt says hello\n" + sent.Line() + "\ntrailing\n");
  ASSERT_TRUE(received);
  EXPECT_EQ(received->Get("layout_ms"), 0.1 + 0.2);
  EXPECT_EQ(received->Get("pdf_bytes"), 1027083);
  EXPECT_EQ(received->Get("records"), 100000);
  EXPECT_EQ(received->Line(), sent.Line());
}

TEST(Measurement, RefusesLinesThatAreNotKeyNumberPairs) {
  EXPECT_FALSE(Measurement::Find(""));
  EXPECT_FALSE(Measurement::Find("measuredx a=1\n"));
  EXPECT_FALSE(Measurement::Find("measured a=1 b\n"));
  EXPECT_FALSE(Measurement::Find("measured a=12ms\n"));
  EXPECT_FALSE(Measurement::Find("measured a=\n"));
  EXPECT_FALSE(Measurement::Find("measured =3\n"));
  EXPECT_FALSE(Measurement::Find("measured a=1 a=2\n"));
  const auto empty = Measurement::Find("measured\n");
  ASSERT_TRUE(empty);
  EXPECT_FALSE(empty->Has("a"));
}

TEST(Measurement, MissingAndBadKeysThrow) {
  Measurement m;
  EXPECT_THROW(m.Get("pages"), std::out_of_range);
  EXPECT_THROW(m.Set("two words", 1), std::invalid_argument);
  EXPECT_THROW(m.Set("a=b", 1), std::invalid_argument);
  EXPECT_THROW(m.Set("", 1), std::invalid_argument);
}

TEST(ResultTable, AlignsColumnsUnderARule) {
  ResultTable table({"records", "pages", "ms"});
  table.AddRow({"1000", "20", "3.5"});
  table.AddRow({"100000", "2000"});
  EXPECT_EQ(table.Text(),
            "records  pages   ms\n"
            "-------  -----  ---\n"
            "1000        20  3.5\n"
            "100000    2000\n");
  EXPECT_THROW(table.AddRow({"a", "b", "c", "d"}), std::invalid_argument);
}

TEST(ResultTable, FixedDecimals) {
  EXPECT_EQ(Fixed(12.345, 1), "12.3");
  EXPECT_EQ(Fixed(0.125, 2), "0.12");
  EXPECT_EQ(Fixed(1999.6, 0), "2000");
  EXPECT_EQ(Fixed(-1.5, 1), "-1.5");
}

TEST(TimingSamples, MedianAndMaximum) {
  TimingSamples none;
  EXPECT_EQ(none.Median(), 0);
  EXPECT_EQ(none.Max(), 0);

  TimingSamples odd;
  for (double ms : {9.0, 1.0, 5.0}) odd.Add(ms);
  EXPECT_EQ(odd.Median(), 5.0);
  EXPECT_EQ(odd.Max(), 9.0);

  TimingSamples even;
  for (double ms : {4.0, 1.0, 3.0, 100.0}) even.Add(ms);
  EXPECT_EQ(even.Median(), 3.5);
  EXPECT_EQ(even.Max(), 100.0);
  EXPECT_EQ(even.Count(), 4u);
}

TEST(ScratchFolder, EachIsNewAndGoesWithItsContents) {
  std::filesystem::path kept;
  {
    ScratchFolder first("tessel-harness-test");
    ScratchFolder second("tessel-harness-test");
    EXPECT_NE(first.Path(), second.Path());
    EXPECT_TRUE(std::filesystem::is_directory(first.Path()));
    std::filesystem::create_directory(first.Path() / "inner");
    std::ofstream(first.Path() / "inner" / "file.txt") << "x";
    kept = first.Path();
  }
  EXPECT_FALSE(std::filesystem::exists(kept));
}

}  // namespace
}  // namespace bench
