// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/record_summary.h"

#include "common/number_text.h"

namespace tabulon {

std::string RecordSummaryText(const ThermoRecord& record) {
  const Line1Fields fields = record.Fields();
  std::string text =
      fields.composition.empty() ? "no composition" : FormulaText(fields.composition, " ");
  text += "  ";
  const std::optional<double> weight = record.MolecularWeight();
  text += weight ? ShortestNumber(*weight) + " g/mol" : "weight unknown";
  text += "  ";
  const std::string word = PhaseWord(fields.phase);
  // PhaseWord names the four letters of the format and gives any other letter as it stands.
  text += word.empty() ? "no phase" : word.size() == 1 ? "phase " + word : word;
  return text;
}

}  // namespace tabulon
