// SPDX-License-Identifier: GPL-3.0-or-later
// make_thermo_db: writes synthetic but well-formed NASA-7 thermo databases for the benchmarks.
//
//   make_thermo_db one N OUT [--seed S] [--crlf] [--jumps J]
//       N species with unique names; with --jumps, J of them do not join at their common
//       temperature (every other one a Cp jump, the others an H and S jump).
//   make_thermo_db pair N COMMON DIFFERING OUT1 OUT2 [--seed S] [--crlf]
//       Two databases of N species each, COMMON of them in both; DIFFERING of the common ones
//       have slightly different coefficients in OUT2.
//
// The same arguments always give the same bytes: the random numbers come from mt19937_64, whose
// sequence the C++ standard fixes, mapped to numbers by hand because the standard distributions
// differ between library implementations.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Set = std::array<double, 7>;  // a1..a7

struct Species {
  std::string name;
  int carbon = 0, hydrogen = 0, oxygen = 0;
  double t_low = 0, t_high = 0, t_mid = 0;
  Set high{}, low{};
};

// Building blocks: the records of examples/therm_a.dat (fitted to NIST-JANAF tables). A weighted
// sum of them has a positive, smooth Cp and stays continuous at 1000 K, like a real molecule
// estimated by group additivity.
struct Template {
  Set high, low;
};
constexpr std::array<Template, 6> kTemplates = {{
    {{3.04252342E+00, 6.19310632E-04, -1.28241996E-08, -1.89464342E-11, 2.35106307E-15,
      -8.58898871E+02, -1.63523304E+00},
     {2.61706220E+00, 5.45020695E-03, -1.17075560E-05, 1.05796732E-08, -3.30697183E-12,
      -9.38432187E+02, -3.85323876E-01}},  // H2
    {{3.65959642E+00, 6.73303866E-04, -1.58446440E-07, 2.50845655E-11, -1.72067500E-15,
      -1.21697290E+03, 3.41606514E+00},
     {3.68184416E+00, -2.06950512E-03, 6.95534227E-06, -6.06305683E-09, 1.69319327E-12,
      -1.05602648E+03, 4.05394982E+00}},  // O2
    {{2.90069099E+00, 1.52835012E-03, -5.90276811E-07, 1.05837893E-10, -7.13821926E-15,
      -9.11291400E+02, 6.13921145E+00},
     {3.56183882E+00, -4.15408148E-04, 3.91593694E-07, 1.32878035E-09, -9.29340745E-13,
      -1.04914538E+03, 2.84789017E+00}},  // N2
    {{2.59547801E+00, 3.17275324E-03, -9.34644178E-07, 1.33650038E-10, -7.45005446E-15,
      -2.98612205E+04, 7.31375646E+00},
     {4.23979901E+00, -2.41687479E-03, 7.69627470E-06, -6.93658763E-09, 2.37717577E-12,
      -3.02970662E+04, -1.01005261E+00}},  // H2O
    {{4.46703064E+00, 3.12184552E-03, -1.27000763E-06, 2.37757830E-10, -1.65739826E-14,
      -4.89709998E+04, -1.02714811E+00},
     {2.18200615E+00, 1.06247339E-02, -1.22115105E-05, 8.75219652E-09, -2.80737364E-12,
      -4.83607016E+04, 1.05846586E+01}},  // CO2
    {{1.36132173E+00, 1.07376004E-02, -4.14345134E-06, 7.38203027E-10, -4.97348721E-14,
      -9.93058412E+03, 1.14763604E+01},
     {4.62855246E+00, -8.90692985E-03, 3.46922373E-05, -3.10685064E-08, 9.29858543E-12,
      -1.02387660E+04, -2.60102757E+00}},  // CH4
}};

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  // Uniform in [lo, hi).
  double Uniform(double lo, double hi) {
    return lo + (hi - lo) * static_cast<double>(engine_() >> 11) * 0x1.0p-53;
  }
  // Uniform in [0, n).
  std::size_t Index(std::size_t n) { return static_cast<std::size_t>(engine_() % n); }

 private:
  std::mt19937_64 engine_;
};

Species MakeSpecies(Random& rng, std::size_t id) {
  Species s;
  // All ranges cover the report temperatures 300, 1000 and 2000 K.
  const bool wide = rng.Uniform(0, 1) < 0.7;
  s.t_low = wide ? 200.0 : 300.0;
  s.t_high = wide ? 5000.0 : 3500.0;
  s.t_mid = 1000.0;
  const int groups = 1 + static_cast<int>(rng.Index(6));
  for (int g = 0; g < groups; ++g) {
    const Template& t = kTemplates[rng.Index(kTemplates.size())];
    const double w = rng.Uniform(0.2, 2.0);
    for (int k = 0; k < 7; ++k) {
      s.high[k] += w * t.high[k];
      s.low[k] += w * t.low[k];
    }
  }
  // Shifting a6 (or a7) of both sets alike changes the heat of formation (or the entropy) and
  // keeps H (or S) continuous at the common temperature.
  const double a6_shift = rng.Uniform(-3.0e4, 3.0e4);
  const double a7_shift = rng.Uniform(-5.0, 20.0);
  s.high[5] += a6_shift;
  s.low[5] += a6_shift;
  s.high[6] += a7_shift;
  s.low[6] += a7_shift;

  s.carbon = 1 + static_cast<int>(rng.Index(16));
  s.hydrogen = 1 + static_cast<int>(rng.Index(34));
  s.oxygen = static_cast<int>(rng.Index(4));
  char name[32];
  if (s.oxygen > 0) {
    std::snprintf(name, sizeof name, "C%dH%dO%d-%06zu", s.carbon, s.hydrogen, s.oxygen, id);
  } else {
    std::snprintf(name, sizeof name, "C%dH%d-%06zu", s.carbon, s.hydrogen, id);
  }
  s.name = name;
  return s;
}

// A jump at the common temperature: Cp (a1 of the high set) or H and S (its a6 and a7), small
// enough that the repair's refit changes Cp by well under 1 cal/mol/K.
Species WithJump(Species s, std::size_t k) {
  if (k % 2 == 0) {
    s.high[0] += 0.05;
  } else {
    s.high[5] += 200;
    s.high[6] += 0.1;
  }
  return s;
}

// A small change of a1 and a'1 together: Cp, H and S move a little and stay continuous.
Species Perturbed(Species s, Random& rng) {
  const double delta = rng.Uniform(-1.0e-3, 1.0e-3);
  s.high[0] += delta;
  s.low[0] += delta;
  return s;
}

void AppendRecord(std::string& out, const Species& s, const char* eol) {
  char elements[32];
  if (s.oxygen > 0) {
    std::snprintf(elements, sizeof elements, "C%4dH%4dO%4d", s.carbon, s.hydrogen, s.oxygen);
  } else {
    std::snprintf(elements, sizeof elements, "C%4dH%4d", s.carbon, s.hydrogen);
  }
  char line[128];
  std::snprintf(line, sizeof line, "%-18s%-6s%-20sG%10.3f%10.3f%8.2f      1%s", s.name.c_str(),
                "BENCH", elements, s.t_low, s.t_high, s.t_mid, eol);
  out += line;
  const std::array<double, 15> fields = {s.high[0], s.high[1], s.high[2], s.high[3], s.high[4],
                                         s.high[5], s.high[6], s.low[0],  s.low[1],  s.low[2],
                                         s.low[3],  s.low[4],  s.low[5],  s.low[6],  0.0};
  for (int row = 0; row < 3; ++row) {
    for (int k = 0; k < 5; ++k) {
      std::snprintf(line, sizeof line, "%15.8E", fields[row * 5 + k]);
      out += line;
    }
    std::snprintf(line, sizeof line, "    %d%s", row + 2, eol);
    out += line;
  }
}

// Writes the species in a shuffled order, as real databases are not sorted by name.
bool WriteDatabase(const std::string& path, std::vector<Species> species, Random& rng,
                   const char* eol) {
  for (std::size_t i = species.size(); i > 1; --i) std::swap(species[i - 1], species[rng.Index(i)]);
  std::string out = std::string("THERMO") + eol + "   300.000  1000.000  5000.000" + eol;
  out.reserve(species.size() * 330);
  for (const Species& s : species) AppendRecord(out, s, eol);
  out += std::string("END") + eol;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

std::optional<std::size_t> Count(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return {};
  if (text.size() > 7) return {};
  return std::stoul(text);
}

int Usage() {
  std::cerr << "usage: make_thermo_db one N OUT [--seed S] [--crlf] [--jumps J]\n"
               "       make_thermo_db pair N COMMON DIFFERING OUT1 OUT2 [--seed S] [--crlf]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args;
  std::uint64_t seed = 20250101;
  const char* eol = "\n";
  std::size_t jumps = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--jumps" && i + 1 < argc) {
      const auto value = Count(argv[++i]);
      if (!value) return Usage();
      jumps = *value;
    } else if (arg == "--crlf") {
      eol = "\r\n";
    } else if (arg == "--seed" && i + 1 < argc) {
      const auto value = Count(argv[++i]);
      if (!value) return Usage();
      seed = *value;
    } else {
      args.push_back(arg);
    }
  }
  Random rng(seed);

  if (args.size() == 3 && args[0] == "one") {
    const auto n = Count(args[1]);
    if (!n || jumps > *n) return Usage();
    std::vector<Species> species;
    for (std::size_t i = 0; i < *n; ++i) {
      species.push_back(i < jumps ? WithJump(MakeSpecies(rng, i), i) : MakeSpecies(rng, i));
    }
    return WriteDatabase(args[2], species, rng, eol) ? 0 : 1;
  }

  if (args.size() == 6 && args[0] == "pair") {
    const auto n = Count(args[1]), common = Count(args[2]), differing = Count(args[3]);
    if (!n || !common || !differing || *common > *n || *differing > *common) return Usage();
    std::vector<Species> first, second;
    std::size_t id = 0;
    for (std::size_t i = 0; i < *common; ++i) {
      Species s = MakeSpecies(rng, id++);
      second.push_back(i < *differing ? Perturbed(s, rng) : s);
      first.push_back(std::move(s));
    }
    for (std::size_t i = *common; i < *n; ++i) first.push_back(MakeSpecies(rng, id++));
    for (std::size_t i = *common; i < *n; ++i) second.push_back(MakeSpecies(rng, id++));
    const bool ok =
        WriteDatabase(args[4], first, rng, eol) && WriteDatabase(args[5], second, rng, eol);
    return ok ? 0 : 1;
  }
  return Usage();
}
