// The command line of chainadj-console. Each option at most once; its value (a file, a grade, a
// mean error, an encoding, a text of the project) may follow it as the next argument or after
// '=' (--data=FILE, --grade=三等, --observer=张三); a flag (--csv-bom) has none.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "entry/plane_settings.h"
#include "entry/project_info.h"
#include "quality/settings_layer.h"
#include "report/cass_coordinates.h"

namespace chainadj {

struct ConsoleOptions {
  std::optional<std::string> dataFile;      // --data FILE: run the chain of FILE once
  std::optional<std::string> saveDataFile;  // --save-data FILE: write the last run's data
  // The results of the last completed run: the text report, the coordinate CSV, the PDF report.
  std::optional<std::string> reportFile;    // --report FILE.txt
  std::optional<std::string> csvFile;       // --csv FILE.csv
  std::optional<std::string> pdfFile;       // --pdf FILE.pdf
  std::optional<std::string> jsonFile;      // --json FILE.json: the whole result for scripts
  // The same run's results for the surveyor's next programs: the drawing for CAD, the CASS
  // coordinate file, the Excel workbook.
  std::optional<std::string> dxfFile;       // --dxf FILE.dxf
  std::optional<std::string> cassFile;      // --cass FILE.dat
  std::optional<std::string> xlsxFile;      // --xlsx FILE.xlsx
  bool csvByteOrderMark = false;            // --csv-bom: the CSV begins with the UTF-8 BOM
  TextEncoding cassEncoding = TextEncoding::Gbk;  // --encoding gbk|utf-8: of the CASS file
  // The settings of the quality check in the results (--grade, --m-beta, --m-alpha, --m-base,
  // --weakest-side, --method):
  // over the data file's lines grade and m_beta, which are over the defaults.
  QualitySettingsLayer quality;
  // The project of the report's head (--project, --chain-name, ...): over the data file's lines.
  ProjectInfoLayer project;
  // The Gauss–Krüger plane (--central-meridian, --zone, ...): over the data file's lines.
  SettingLines planeLines;
  bool help = false;                        // --help, -h

  // Whether any results file is asked for.
  bool wantsResults() const {
    return reportFile || csvFile || pdfFile || jsonFile || dxfFile || cassFile || xlsxFile;
  }
};

// The options, or the Chinese message that says what is wrong with the command line.
struct ParsedCommandLine {
  std::optional<ConsoleOptions> options;
  std::string error;
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

// What --help prints.
const char* consoleHelpText();

}  // namespace chainadj
