// tcd2saltmark: converts the public harmonic constants of a TCD file into a
// Saltmark program folder's tide databases, location index, difference files
// and sample stream database; with --accuracy it also measures the result.
//
//   tcd2saltmark --tcd harmonics.tcd --out build/saltmark
//   tcd2saltmark --tcd harmonics.tcd --out /tmp/x --accuracy docs/accuracy.md
//   tcd2saltmark --tcd harmonics.tcd --out /tmp/x --stream-accuracy docs/stream-accuracy.md
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "AccuracyReport.h"
#include "Conversion.h"
#include "Regions.h"
#include "StreamAccuracy.h"
#include "StreamConversion.h"
#include "TcdReader.h"

namespace {

constexpr std::string_view kUsage =
    "usage: tcd2saltmark --tcd FILE.tcd --out FOLDER [--fit-year YEAR] [--no-fit]\n"
    "                    [--accuracy REPORT.md [--accuracy-year YEAR] [--later-year YEAR]\n"
    "                    [--accuracy-stations N]]\n"
    "       [--notes] lists every skipped station\n"
    "       [--log FILE] writes the summary and every skipped station to FILE\n"
    "       [--stream-check FILE] writes the streams the program must reproduce\n"
    "       [--stream-accuracy REPORT.md] measures the streams in the year after the fit year\n"
    "       [--no-streams] leaves the stream databases out\n";

struct Arguments {
  std::string tcd, out, accuracy, streamCheck, streamAccuracy, log;
  bool notes = false;
  saltmark::tcd::ConversionOptions conversion;
  saltmark::tcd::AccuracyOptions accuracyOptions;
};

bool readInt(const char* text, int& value) {
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (!end || *end || v < -100000 || v > 100000) return false;
  value = static_cast<int>(v);
  return true;
}

bool parse(int argc, char** argv, Arguments& a) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--no-fit") a.conversion.fit = false;
    else if (arg == "--notes") a.notes = true;
    else if (arg == "--no-streams") a.conversion.streams = false;
    else if (!hasValue) return false;
    else if (arg == "--tcd") a.tcd = argv[++i];
    else if (arg == "--out") a.out = argv[++i];
    else if (arg == "--accuracy") a.accuracy = argv[++i];
    else if (arg == "--stream-check") a.streamCheck = argv[++i];
    else if (arg == "--log") a.log = argv[++i];
    else if (arg == "--stream-accuracy") a.streamAccuracy = argv[++i];
    else if (arg == "--fit-year") { if (!readInt(argv[++i], a.conversion.fitYear)) return false; }
    else if (arg == "--accuracy-year") { if (!readInt(argv[++i], a.accuracyOptions.year)) return false; }
    else if (arg == "--later-year") { if (!readInt(argv[++i], a.accuracyOptions.laterYear)) return false; }
    else if (arg == "--accuracy-stations") { if (!readInt(argv[++i], a.accuracyOptions.stations)) return false; }
    else return false;
  }
  return !a.tcd.empty() && !a.out.empty();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace saltmark::tcd;
  Arguments args;
  if (!parse(argc, argv, args)) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    const TcdData data = ReadTcdFile(args.tcd);
    if (!data.constituents.covers(args.conversion.fitYear)) {
      std::cerr << "tcd2saltmark: the file's tables do not cover the fit year " << args.conversion.fitYear << "\n";
      return 1;
    }
    const Conversion conversion = ConvertTcdData(data, args.conversion, SystemZoneLookup(args.conversion.fitYear));
    const auto written = WriteProgramFolder(args.out, conversion.folder);
    if (!written) {
      std::cerr << "tcd2saltmark: " << written.error << "\n";
      return 1;
    }
    std::cout << SummaryText(conversion.summary) << StreamSummaryText(conversion.streams);
    if (args.notes) {
      for (const auto& note : conversion.summary.notes) std::cout << "  " << note << "\n";
      for (const auto& note : conversion.streams.notes) std::cout << "  " << note << "\n";
    }
    std::cout << "written to " << args.out << ": " << conversion.folder.tideFiles.size() << " tide databases, "
              << conversion.folder.differenceFiles.size() << " difference files, "
              << conversion.folder.streamFiles.size() << " stream databases, SALTMARK.IND\n";
    if (!args.log.empty()) {
      std::string text = SummaryText(conversion.summary) + StreamSummaryText(conversion.streams);
      for (const auto& note : conversion.summary.notes) text += note + "\n";
      for (const auto& note : conversion.streams.notes) text += note + "\n";
      if (const auto saved = saltmark::writeFileAtomically(args.log, text); !saved) {
        std::cerr << "tcd2saltmark: cannot write " << args.log << ": " << saved.error << "\n";
        return 1;
      }
      std::cout << "every skipped station is listed in " << args.log << "\n";
    }
    if (!args.streamCheck.empty()) {
      std::string text;
      for (const auto& line : conversion.streams.checkLines) text += line + "\n";
      if (const auto saved = saltmark::writeFileAtomically(args.streamCheck, text); !saved) {
        std::cerr << "tcd2saltmark: cannot write " << args.streamCheck << ": " << saved.error << "\n";
        return 1;
      }
    }
    if (!args.streamAccuracy.empty()) {
      const std::string text = StreamAccuracyMarkdown(data, conversion, args.conversion.fitYear + 1);
      if (const auto saved = saltmark::writeFileAtomically(args.streamAccuracy, text); !saved) {
        std::cerr << "tcd2saltmark: cannot write " << args.streamAccuracy << ": " << saved.error << "\n";
        return 1;
      }
      std::cout << "stream accuracy report written to " << args.streamAccuracy << "\n";
    }

    if (!args.accuracy.empty()) {
      const auto reports = MeasureAccuracy(data, conversion, args.accuracyOptions);
      std::vector<StationReport> later;
      if (data.constituents.covers(args.accuracyOptions.laterYear)) {
        AccuracyOptions laterOptions = args.accuracyOptions;
        laterOptions.year = laterOptions.laterYear;
        later = MeasureAccuracy(data, conversion, laterOptions);
      }
      const std::string text = AccuracyMarkdown(reports, later, args.accuracyOptions, args.conversion);
      const auto saved = saltmark::writeFileAtomically(args.accuracy, text);
      if (!saved) {
        std::cerr << "tcd2saltmark: cannot write " << args.accuracy << ": " << saved.error << "\n";
        return 1;
      }
      std::cout << "accuracy report written to " << args.accuracy << "\n";
    }
  } catch (const std::exception& error) {
    std::cerr << "tcd2saltmark: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
