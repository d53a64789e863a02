// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "detail_window.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::RecordText;
using testing::RunBatch;
using testing::TempDir;

// Lines: header 1, default line 2, then AR at 3, C4H5 at 7 (a blank common temperature), AR
// again at 11.
std::string RecordsFile() {
  const std::vector<std::string> fields(15, "1.00000000E+00");
  const std::string ar = RecordText("AR                120186AR  1               G",
                                    "   300.000  5000.000  1000.000", fields);
  return "THERMO\r\n   300.000  1000.000  5000.000\r\n" + ar +
         RecordText("C4H5              H6W/94C   4H   5    0    0G", "   300.000  3000.000",
                    fields) +
         ar + "END\r\n";
}

TEST(BatchRecords, EveryRecordAsCsvOrAsATable) {
  TempDir dir;
  const std::string db = dir.Write("db.dat", RecordsFile());
  const BatchRun csv = RunBatch({"records", db, "--csv"}, dir);
  EXPECT_EQ(csv.status, 0);
  EXPECT_EQ(csv.err, "");
  // C4H5 weighs 4 x 12.011 + 5 x 1.0080.
  EXPECT_EQ(csv.out,
            "line,name,note,formula,phase,mw,t_low,t_mid,t_high,common_from\n"
            "3,AR,120186,Ar1,G,39.95,300,1000,5000,line\n"
            "7,C4H5,H6W/94,C4H5,G,53.084,300,1000,3000,default\n"
            "11,AR,120186,Ar1,G,39.95,300,1000,5000,line\n");

  const BatchRun table = RunBatch({"records", db}, dir);
  EXPECT_EQ(table.status, 0);
  EXPECT_EQ(table.out,
            "line  name  note    formula  phase      mw  t_low  t_mid  t_high  common_from\n"
            "   3  AR    120186  Ar1      G       39.95    300   1000    5000  line\n"
            "   7  C4H5  H6W/94  C4H5     G      53.084    300   1000    3000  default\n"
            "  11  AR    120186  Ar1      G       39.95    300   1000    5000  line\n");

  const BatchRun missing = RunBatch({"records", dir.File("missing.dat")}, dir);
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_TRUE(missing.err.starts_with("tabulon-batch records: cannot load ")) << missing.err;
}

}  // namespace
}  // namespace tabulon
