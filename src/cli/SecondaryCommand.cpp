// saltmark-cli secondary DIF NAME --start ... --days D --step MIN [--feet ...]:
// heights at a secondary port of a difference database, listed like
// `heights`. The reference port is found through the location index beside
// the difference database, and the instants are moved into its time base.
#include <cstdio>

#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "cli/ReferencePorts.h"
#include "cli/SampleOptions.h"
#include "common/RuntimeError.h"
#include "data/DifferenceFile.h"

namespace saltmark::cli {
namespace {

struct SecondaryOptions {
  std::string database;
  std::string name;
  SampleOptions samples;
};

void runSecondary(const SecondaryOptions& o) {
  std::vector<DifferenceRecord> records;
  try {
    records = DifferenceFile::read(o.database);
  } catch (const RuntimeError& error) {
    throw CliError("cannot read difference database " + o.database + ": " + error.what());
  }
  std::vector<std::string> names;
  for (const auto& r : records) names.push_back(r.name);
  const DifferenceRecord& record = records[findRecordByName(names, o.name, "secondary port")];

  ConsolePlatform platform;
  Settings settings = sampleSettings(o.samples);
  settings.portMode = 2;
  ReferencePorts ports(std::filesystem::path(o.database).parent_path(), settings, platform);
  ports.load(record.referencePort);
  ports.engine.setSecondaryPort(&record);
  forEachSample(o.samples, settings, ports.location.portZone, [&](DateTime listed, DateTime portInstant) {
    ports.engine.PredictHeight(portInstant);
    std::printf("%s\t%.9g\n", formatInstant(listed).c_str(), static_cast<double>(ports.engine.tideHeight()));
  });
}

void addSecondaryCommand(CLI::App& app) {
  auto* command = app.add_subcommand("secondary", "Print heights at a secondary port of a difference database");
  auto o = std::make_shared<SecondaryOptions>();
  command->add_option("database", o->database, "Difference database (*.dif)")->required();
  command->add_option("name", o->name, "Secondary port name, or #N for its record number")->required();
  addSampleOptions(*command, o->samples);
  command->callback([o] { runSecondary(*o); });
}

const bool registered = registerCommand(&addSecondaryCommand);

}  // namespace
}  // namespace saltmark::cli
