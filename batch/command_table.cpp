// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command_table.h"

#include <algorithm>
#include <ostream>

#include "batch/commands.h"

namespace tabulon::batch {

namespace {

const BatchCommand kCommands[] = {
    {"list",
     "DB",
     "the species list of a database",
     "Loads DB as DB #1 and prints the count caption, then the species list, one name per\n"
     "line, in the list's order.\n",
     {},
     RunList},
    {"show",
     "DB NAME [--hf] [T ...]",
     "one species and its Cp, H and S",
     "Shows species NAME of DB as the detail view does: its limits, the range captions, the\n"
     "high and the low coefficient sets, then Cp, H and S at each temperature T, typed in as\n"
     "a user would (at the common temperature both values, separated by '/').\n"
     "  --hf   also print the Hf/R field\n",
     {"--hf"},
     RunShow},
    {"compare",
     "DB1 DB2 [--temps A,B,C] [--hf] [--out-dir DIR]",
     "compare two databases, write the reports",
     "Loads both databases, runs Compare and, when common species were found, the property\n"
     "comparison. Prints the counts and the status messages; writes Comp.txt and Comp2.txt\n"
     "next to DB1, or into DIR.\n"
     "Exit status: 0 both reports written in full, 1 a database not loaded or a report not\n"
     "written completely (its message and status line say why), 2 wrong usage.\n"
     "  --temps A,B,C   the three temperatures of the property comparison\n"
     "                  (default 300,1000,2000)\n"
     "  --hf            tick both Hf/R boxes, so Comp.txt compares the Hf/R values too\n"
     "  --out-dir DIR   write the reports into the folder DIR (it must exist)\n",
     {"--temps", "--hf", "--out-dir"},
     RunCompare},
    {"check",
     "DB [--tol-cp X] [--tol-h X] [--tol-s X] [--format text|csv|json]",
     "check every record of a database",
     "Checks every record of DB (repeats included) and prints one finding per record and\n"
     "rule, by line, then code: incomplete, composition, layout, mw-in-common, limits,\n"
     "cp-jump, h-jump, s-jump, duplicate-identical, duplicate-conflicting, cp-negative,\n"
     "hf-mismatch.\n"
     "Exit status: 0 nothing found, 1 findings, 2 wrong usage or a file that cannot be loaded.\n"
     "  --tol-cp X   cp-jump when |cpL - cpH| / (|cpL| + 1e-4) > X (default 0.01)\n"
     "  --tol-h X    h-jump when |hL - hH| / |cpL| > X (default 0.001)\n"
     "  --tol-s X    s-jump when |sL - sH| / (|sL| + |cpL|) > X (default 0.001)\n"
     "  --format F   text (LINE<TAB>NAME<TAB>CODE<TAB>detail, the default), csv or json\n",
     {"--tol-cp", "--tol-h", "--tol-s", "--format"},
     RunCheck},
    {"diff",
     "DB1 DB2 [--csv]",
     "where two databases differ, kelvin by kelvin",
     "For every species in both databases (the first record of each), the largest difference\n"
     "of Cp (cal/mol/K), H (kcal/mol) and S (cal/mol/K) over every whole kelvin both records\n"
     "cover, and the first kelvin where it occurs. Prints a table, largest Cp difference first.\n"
     "  --csv   name,t_from,t_to,dcp_max,dcp_t,dh_max,dh_t,ds_max,ds_t in name order\n",
     {"--csv"},
     RunDiff},
    {"records",
     "DB [--csv]",
     "every record of a database with its line-1 fields",
     "Prints every record of DB in file order, repeats included, one row each: line, name,\n"
     "note (columns 19-24), formula (the element pairs as written, C1H4), phase letter,\n"
     "mw (g/mol from IUPAC standard atomic weights; empty when an element is unknown), the\n"
     "limits t_low, t_mid, t_high, and common_from: 'line', or 'default' when a blank common\n"
     "temperature took the file's default. Without --csv, an aligned table.\n"
     "  --csv   line,name,note,formula,phase,mw,t_low,t_mid,t_high,common_from\n",
     {"--csv"},
     RunRecords},
    {"report",
     "DB1 DB2 --out FILE.html [--top N] [--si] [--tol-cp X] [--tol-h X] [--tol-s X]",
     "the comparison of two databases as one HTML page",
     "Writes one self-contained HTML page: both files, the species in both and in one only,\n"
     "the largest |dCp|, |dH|, |dS| and |dG| of every species in both (as diff gives them,\n"
     "sortable by any column), the four charts and the coefficients of the species that\n"
     "differ most, and each file's check findings (as check gives them). A database file is\n"
     "never replaced.\n"
     "  --out FILE  the page to write\n"
     "  --top N     plot the N species that differ most (default 20)\n"
     "  --si        J/mol/K and kJ/mol (default: cal/mol/K and kcal/mol)\n"
     "  --tol-cp X  the check's tolerances (defaults 0.01, 0.001, 0.001); a largest\n"
     "  --tol-h X   difference is marked when the two databases' values where it occurs,\n"
     "  --tol-s X   measured as check measures a jump, exceed them\n",
     {"--out", "--top", "--si", "--tol-cp", "--tol-h", "--tol-s"},
     RunReport},
    {"table",
     "DB NAME [--db2 DB2] [--from A --to B --step C] [--si] [--per-mass]",
     "Cp, H, S and G of one species over a range of T, as CSV",
     "Prints T,Cp1,H1,S1,G1 (with --db2 also Cp2,H2,S2,G2 and the differences dCp,dH,dS,dG,\n"
     "DB #1 minus DB #2) at T = A, A+C, ... up to B, from the species' records themselves.\n"
     "A T outside a record's range leaves its cells empty. Every number is the shortest text\n"
     "that reads back to the same double.\n"
     "  --db2 DB2        the same species in a second database\n"
     "  --from, --to, --step   the temperatures (default 300, 3000, 100 K)\n"
     "  --si             J/mol/K and kJ/mol with R = 8.314462618 (default: cal/mol/K and\n"
     "                   kcal/mol with the window's R, 1.9872 in single precision)\n"
     "  --per-mass       per mass of the species, from its molecular weight: J/kg/K and\n"
     "                   kJ/kg with --si, cal/g/K and kcal/g otherwise; refused when the\n"
     "                   weight is unknown\n",
     {"--db2", "--from", "--to", "--step", "--si", "--per-mass"},
     RunTable},
    {"repair",
     "DB --out NEW [--tol-cp X] [--tol-h X] [--tol-s X] [--species A,B] [--refit both] "
     "[--max-dcp X] [--force] [--format text|csv]",
     "close the jumps of records at their common temperature, into a new file",
     "Repairs every record of DB with a cp-, h- or s-jump at the tolerances (as check finds\n"
     "them) and writes DB with the repaired records to NEW. The set that does not cover\n"
     "298.15 K changes, so H and S at 298.15 K stay: a shift of its a6, a7 when only H or S\n"
     "jumps (Cp untouched), a refit of its a1..a5 to its own Cp at every kelvin, meeting the\n"
     "other set's Cp and slope at the join, then the shift, when Cp jumps. Each repaired\n"
     "record gets lines 2 to 4 in the standard layout and a comment line with the old values;\n"
     "every other line is copied byte for byte. The file is read back and checked before it\n"
     "takes the name NEW.\n"
     "Prints one row per record considered: LINE<TAB>NAME<TAB>ACTION<TAB>detail, ACTION being\n"
     "shift, refit, refused or skipped, the detail the largest change of Cp (cal/mol/K), H\n"
     "(kcal/mol) and S (cal/mol/K) at every kelvin and the jump measures after it.\n"
     "Exit status: 0 all repaired, 1 a record refused or skipped, a name not found, or nothing\n"
     "written, 2 wrong usage.\n"
     "  --out NEW       the new file; never DB itself, an existing file only with --force\n"
     "  --tol-cp, --tol-h, --tol-s X   the jump tolerances, as for check\n"
     "  --species A,B   only the records of these species\n"
     "  --refit both    refit both sets together, then keep H and S at max(298.15 K, T low)\n"
     "  --max-dcp X     refuse a refit that changes Cp by more than X cal/mol/K (default 1)\n"
     "  --force         replace NEW when it exists\n"
     "  --format F      text (the default) or csv: line,name,action,dcp_max,dh_max,ds_max\n",
     {"--out", "--tol-cp", "--tol-h", "--tol-s", "--species", "--refit", "--max-dcp", "--force",
      "--format"},
     RunRepair},
    {"merge",
     "DB1 DB2 --out NEW [--take A,B | --take-file F] [--add-missing] [--drop-duplicates] "
     "[--drop-conflicting] [--force]",
     "DB1 with species taken from DB2, into a new file",
     "Writes DB1 to NEW with the records of the chosen species taken from DB2 (their lines as\n"
     "they stand, each after a comment line naming DB2 and its line). A chosen species that\n"
     "DB1 lacks is added before END. Every other line of DB1 is copied byte for byte.\n"
     "Prints 'taken', 'added' and 'dropped' rows. Exit status: 0 done, 1 a chosen species not\n"
     "in DB2 (the file is written all the same) or nothing written, 2 wrong usage.\n"
     "  --out NEW            the new file; never DB1 or DB2, an existing file only with --force\n"
     "  --take A,B           the species to take from DB2\n"
     "  --take-file F        the same from a file: names separated by blanks or line ends,\n"
     "                       or a mechanism's SPECIES ... END block\n"
     "  --add-missing        also add every species of DB2 that DB1 lacks, before END\n"
     "  --drop-duplicates    leave out DB1's later records of a name, when identical to its\n"
     "                       first\n"
     "  --drop-conflicting   leave them out also when they differ\n"
     "  --force              replace NEW when it exists\n",
     {"--out", "--take", "--take-file", "--add-missing", "--drop-duplicates", "--drop-conflicting",
      "--force"},
     RunMerge},
    {"subset",
     "DB --species FILE --out NEW [--force]",
     "the records of the species a list or a mechanism names, into a new file",
     "Writes to NEW the first record of each species named in FILE, in DB's order; every\n"
     "line outside the records (header, comments, END) is copied byte for byte. FILE holds\n"
     "names separated by blanks or line ends, or is a mechanism whose SPECIES (or SPEC) ...\n"
     "END block names them (any case); '!' starts a comment. Prints the count of records.\n"
     "Exit status: 0 done, 1 a name not in DB (listed on stderr; the file is written all the\n"
     "same) or nothing written, 2 wrong usage.\n"
     "  --species FILE   the names\n"
     "  --out NEW        the new file; never DB or FILE, an existing file only with --force\n"
     "  --force          replace NEW when it exists\n",
     {"--species", "--out", "--force"},
     RunSubset},
    {"plot",
     "DB NAME [--db2 DB2] --out FILE.svg|FILE.png [--size WxH] [--si] [--per-mass]",
     "the plot window's four charts of one species, into a file",
     "Draws Cp, H, S and G = H - T*S of species NAME against T, as the plot window does, and\n"
     "writes them as SVG or PNG (by the name's extension), without a screen. The window\n"
     "program draws them (tabulon --plot, found beside tabulon-batch or in the build tree).\n"
     "  --db2 DB2   the same species in a second database, overlaid\n"
     "  --out FILE  the picture to write (.svg or .png); a database file is never replaced\n"
     "  --size WxH  the picture's size in pixels (default 1200x900)\n"
     "  --si        J/mol/K and kJ/mol\n"
     "  --per-mass  per mass of the species, from its molecular weight: J/kg/K and kJ/kg\n"
     "              with --si, cal/g/K and kcal/g otherwise; refused when it is unknown\n",
     {"--db2", "--out", "--size", "--si", "--per-mass"},
     RunPlot},
};

}  // namespace

std::span<const BatchCommand> BatchCommands() {
  return kCommands;
}

const BatchCommand* FindBatchCommand(std::string_view name) {
  const auto found = std::ranges::find(kCommands, name, &BatchCommand::name);
  return found == std::end(kCommands) ? nullptr : &*found;
}

}  // namespace tabulon::batch
