#include "compare/property_report.h"

#include "app/model/vivuve_rava.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "common/message_text.h"
#include "common/number_text.h"
#include "compare/ratio_text.h"
#include "compare/report_file.h"
#include "compare/report_not_written.h"

namespace tabulon {

namespace {

constexpr int kTemperatureLineTabs = 9;

void WriteHeading(const std::string& path, const CommonValue& common) {
  ReportFile file(path, ReportFile::Mode::Replace, {common.DB1Path, common.DB2Path});
  file.WriteLine("DB #1: " + common.DB1Path);
  file.WriteLine("DB #2: " + common.DB2Path);
  file.WriteLine("Cp (cal/mol/K), S (cal/mol/K), H (kcal/mol)");
  file.WriteLine("");
  file.Close();
}

// The species line: the name, then Cp, H and S of both databases, each pair with its ratio.
std::string SpeciesLine(const VivuveRava& w, const std::string& name) {
  std::string line = name;
  for (const auto& [one, two] : {std::pair{&w.TXT1CP, &w.TXT2CP}, std::pair{&w.TXT1H, &w.TXT2H},
                                 std::pair{&w.TXT1S, &w.TXT2S}}) {
    const std::string ratio = RatioText(one->Text(), two->Text());
    line += '\t' + one->Text() + '\t' + two->Text() + '\t' + ratio;
  }
  return line;
}

// A species line that could not be made (a result that is no number, a zero ratio): where the
// report stops, and why.
class StoppedAtSpecies : public Failure {
 public:
  StoppedAtSpecies(const Failure& cause, const std::string& name, const std::string& t_text)
      : Failure(cause.Kind(), cause.Detail()),
        status_("Comp2.txt stops at " + name + " (T = " + t_text + " K)") {}
  const std::string& Status() const { return status_; }

 private:
  std::string status_;
};

// One block: the temperature line, the column line and a line per common species. The file
// is opened for this block alone, so a failure leaves every line written before it on disk.
void WriteBlock(const std::string& path, VivuveRava& window, double t) {
  ReportFile file(path, ReportFile::Mode::Append, {window.common.DB1Path, window.common.DB2Path});
  file.WriteLine("T (K) = " + NumberText(t) + std::string(kTemperatureLineTabs, '\t'));
  file.WriteLine("Species\tCp1\tCp2\tCp1/Cp2\tH1\tH2\tH1/H2\tS1\tS2\tS1/S2");
  const std::string field_text = TemperatureFieldText(t);
  const int common_count = window.common.CommonCount;
  for (int i = 0; i < common_count; ++i) {
    const std::string name = window.LOS3.Item(i);
    window.LOS1.SelectByName(name);
    window.LOS2.SelectByName(name);
    window.TXT1K.SetText(field_text);
    window.TXT2K.SetText(field_text);
    std::string line;
    try {
      line = SpeciesLine(window, name);
    } catch (const Failure& failure) {
      throw StoppedAtSpecies(failure, name, field_text);
    }
    file.WriteLine(line);
  }
  file.Close();
}

void WriteBlockSeparator(const std::string& path, const CommonValue& common) {
  ReportFile file(path, ReportFile::Mode::Append, {common.DB1Path, common.DB2Path});
  file.WriteLine(" ");
  file.WriteLine(" ");
  file.Close();
}

void ShowMissingInformation(VivuveRava& window, const Failure& failure) {
  window.platform.ShowMessage(
      {ErrorMessageText(failure.Description(),
                        {"Some information is missing in your database.",
                         "Please check your database content (see temperatures etc.)",
                         "Please, Close Tabulon first."},
                        window.common.NewLine),
       "Missing information...", MessageIcon::Error});
}

}  // namespace

std::string TemperatureFieldText(double t) {
  std::string text = NumberText(t);
  if (text.starts_with(' ')) text.erase(0, 1);
  return text;
}

void WritePropertyReport(VivuveRava& window) {
  if (window.common.CommonCount == 0) return;
  try {
    window.THERMIMG.SetVisible(false);
    window.msglbl2.SetCaption("");
    const std::string path = window.common.DB1Dir + "Comp2.txt";
    const double t1 = LeadingNumber(window.Ktxt.Text());
    WriteHeading(path, window.common);
    WriteBlock(path, window, t1);
    WriteBlockSeparator(path, window.common);
    const double t2 = LeadingNumber(window.Ktxt2.Text());
    WriteBlock(path, window, t2);
    WriteBlockSeparator(path, window.common);
    const double t3 = LeadingNumber(window.Ktxt3.Text());
    WriteBlock(path, window, t3);
    window.msglbl2.SetCaption(kPropertyReportDone);
  } catch (const ReportFailure& failure) {
    window.THERMIMG.SetVisible(true);
    ShowReportNotWritten(window, "Compare Common Species", "Comp2.txt", failure);
  } catch (const StoppedAtSpecies& failure) {
    window.THERMIMG.SetVisible(true);
    if (failure.Kind() == FailureKind::DivisionByZero) {
      ShowMissingInformation(window, failure);
    } else {
      window.platform.NoteSilentFailure(kPropertyReportCommand, failure);
    }
    window.msglbl2.SetCaption(failure.Status());
  } catch (const Failure& failure) {
    window.THERMIMG.SetVisible(true);
    window.platform.NoteSilentFailure(kPropertyReportCommand, failure);
  }
}

}  // namespace tabulon
