// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/failure.h"
#include "properties/field_reactions.h"
#include "properties/species_view.h"
#include "thermodb/thermo_file.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

class ReportFailure;
class ReportFile;

// Something a report run made the window tell the user, in the order the run met it: a species
// refused by a detail view's temperature check ("Check temperature"), or a failure of a
// temperature field's reaction (a division by zero is told, the others pass silently).
struct RunEvent {
  enum class Kind { Refused, FieldFailed };
  Kind kind;
  Db db;
  std::optional<FieldFailure> field_failure;  // FieldFailed: which field, and why
};

// One database's detail view as a report run leaves it: the species selected in its list,
// what the view shows for it (the coefficient texts as the run last wrote them) and its
// temperature fields with their boxes.
struct DetailViewEnd {
  std::string selected;
  DetailView view;
  // The record the view shows (null: none), within the files the run read: valid while they are.
  const ThermoRecord* record = nullptr;
  DetailFields fields;
};

// A species' record as a detail view takes it: the record (null: none in the file), how showing
// it ends, and whether a1's box then holds a text (the temperature fields evaluate only then).
// Made once for each species, however often a report selects it.
struct ViewedRecord {
  const ThermoRecord* record = nullptr;
  DetailOutcome outcome = DetailOutcome::NotShown;
  bool a1_filled = false;

  static ViewedRecord Of(const ThermoRecord* record);
  // The species the temperature fields evaluate when a1 is filled: the record's limits and
  // sets, valid while the record is.
  FieldSpecies Species(float r_gas) const;
};

// The records of `names` in the file (ThermoFile::Find), looked up on every hardware thread.
std::vector<const ThermoRecord*> FindRecords(const ThermoFile& file,
                                             std::span<const std::string> names);

// The records of `names` in the two files, as the detail views take them, looked up on every
// hardware thread.
std::vector<std::array<ViewedRecord, 2>> ViewedRecordPairs(const ThermoFile& one,
                                                           const ThermoFile& two,
                                                           std::span<const std::string> names);

// One database's detail view while a report follows species through it, as the window would:
// selecting a species shows its record (or refuses it, or shows nothing) and empties the
// temperature fields, whose reactions run; setting the Cp field runs its reaction, which passes
// the text to H and S. The events go to the run's list, in order.
class DetailViewRun {
 public:
  // `fields` holds the view's temperature fields as they stand when the run starts.
  DetailViewRun(Db db, bool hf_asked, float r_gas, DetailFields fields);

  // Selects `name`, whose record in the view's file is `record`.
  void Select(std::string_view name, const ViewedRecord& record, std::vector<RunEvent>& events);
  // Sets the Cp field's text.
  void SetCpField(std::string_view text, std::vector<RunEvent>& events);
  // Select, then SetCpField, where PlainStep gave `outcomes` for the record's species
  // (ViewedRecord::Species) and the text: nothing is told.
  void TakePlainStep(std::string_view name, const ViewedRecord& record, std::string_view cp_text,
                     PlainOutcomes& outcomes);

  // Whether a species has been selected yet.
  bool Selected() const { return selected_; }
  // The view's boxes for the species selected; the coefficient report pads the texts of those
  // that differ, which then stand so in the boxes.
  DetailView& View();
  const std::string& Result(Property property) const { return fields_[property].result; }
  // The view as the run leaves it.
  DetailViewEnd End() const;

 private:
  void AddFailures(std::vector<FieldFailure>& failures, std::vector<RunEvent>& events) const;
  // Takes the record as the view's: shown in the boxes, its fields evaluate it.
  void ShowRecord(std::string_view name, const ViewedRecord& record);
  // The species the fields evaluate: the record shown, when a1's box holds a text.
  std::optional<FieldSpecies> FieldsSpecies() const;

  Db db_;
  bool hf_asked_;
  float r_gas_;
  bool selected_ = false;
  std::string name_;
  const ThermoRecord* record_ = nullptr;
  // The boxes' texts, made when first asked for: a run that only evaluates needs none of them.
  mutable std::optional<DetailView> view_;
  DetailFields fields_;
  bool species_in_boxes_ = false;  // the fields evaluate the record shown
};

// How a report run went: what the window tells during it, why it ended early (if it did),
// where a property report stopped, and the detail views as the run leaves them (when it
// selected a species at all).
struct ReportRunResult {
  std::vector<RunEvent> events;
  // Why the run ended early: a report line that could not be written, a record that could not
  // be read, a number beyond the double range; or the failure of a species line (stopped_at).
  std::optional<Failure> failure;
  // The failure is the report file's own (its folder, the disk): another folder may take it.
  bool report_file_failed = false;
  // A property report's species line that could not be made: the species and the temperature
  // as the fields hold it ("Comp2.txt stops at CH4 (T = 4000 K)").
  struct StoppedAt {
    std::string species;
    std::string temperature;
  };
  std::optional<StoppedAt> stopped_at;
  std::optional<std::array<DetailViewEnd, 2>> views;  // DB #1, DB #2

  // Records that the report file could not be created or written: `failure` is a file failure
  // with the system's reason ("Permission denied").
  void NotWritten(const ReportFailure& failure);
};

// Runs `write`, which writes a report's lines and follows its species through `views`: a
// failure ends the run where it occurs and is kept in the result (the report file's own as
// NotWritten), with the views as the run left them.
ReportRunResult RunReport(std::array<DetailViewRun, 2>& views,
                          const std::function<void(ReportRunResult&)>& write);

// Closes the report's file after a run that went through: a file that cannot be written out
// then makes it a run that ended early.
void CloseReport(ReportFile& file, ReportRunResult& run);

}  // namespace tabulon
