// saltmark-cli sun-moon DB.tid PORT --start "YYYY-MM-DD HH:MM" --days D
// [--time-base gmt|local|system --local-zone Q --system-zone Q]
// [--format text|csv|json|ics]: sunrise, sunset, civil twilight, moonrise,
// moonset and the moon's phases at the port, day by day in the time base.
// Text: one line per event, "YYYY-MM-DD HH:MM:SS", TAB, the event; a day
// without a sunrise (sunset) has the line "YYYY-MM-DD", TAB, "no sunrise".
#include <cstdio>
#include <iostream>

#include "almanac/PortSunMoon.h"
#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "cli/GeneratorCommandSupport.h"
#include "cli/ListingFormat.h"
#include "cli/SampleOptions.h"

namespace saltmark::cli {
namespace {

struct SunMoonOptions {
  std::string database;
  std::string port;
  SampleOptions samples;
  std::string format = "text";
};

std::string dateText(DateTime day) { return formatInstant(day).substr(0, 10); }

void runSunMoon(const SunMoonOptions& o) {
  if (!(o.samples.days >= 1 && o.samples.days <= 3660)) throw CliError("--days must lie between 1 and 3660");
  ConsolePlatform platform;
  Settings settings = sampleSettings(o.samples);
  const LocationRecord record = readNamedPort(o.database, o.port, settings, platform);
  const DateTime start = parseStartInstant(o.samples.start);
  const auto days = PortSunMoonDays(record, settings, start, static_cast<int>(o.samples.days));
  const double toGmt = DisplayToGmtMinutes(settings, record.portZone);

  switch (readFormat(o.format)) {
    case ListingFormat::Text: {
      std::string out;
      for (const SunMoonDay& day : days) {
        for (const SkyEvent& event : day.events)
          out += formatInstant(event.gmt) + "\t" + std::string(SkyEventCaption(event.kind)) + "\n";
        if (!day.sunrise) out += dateText(day.date) + "\t" + std::string(kNoSunrise) + "\n";
        if (!day.sunset) out += dateText(day.date) + "\t" + std::string(kNoSunset) + "\n";
      }
      std::cout << out << std::flush;
      return;
    }
    case ListingFormat::Csv:
    case ListingFormat::Json: {
      ExportTable table;
      table.utcOffsetMinutes = static_cast<int>(std::lround(-toGmt));
      table.columns = {{"event", false}};
      for (const SunMoonDay& day : days)
        for (const SkyEvent& event : day.events) table.rows.push_back({event.gmt, {std::string(SkyEventCaption(event.kind))}});
      printTable(table, readFormat(o.format));
      return;
    }
    case ListingFormat::Ics: {
      CalendarExport calendar;
      calendar.location = record.portName;
      calendar.geo = PortGeo(record);
      calendar.stamp = NowGmt();
      for (const SunMoonDay& day : days)
        for (const SkyEvent& event : day.events) {
          const std::string caption(SkyEventCaption(event.kind));
          calendar.events.push_back({event.gmt.addMinutes(toGmt), caption, caption});
        }
      printCalendar(calendar);
      return;
    }
  }
}

void addSunMoonCommand(CLI::App& app) {
  auto* command = app.add_subcommand("sun-moon", "Print sunrise, sunset, twilight, moonrise, moonset and moon phases");
  auto o = std::make_shared<SunMoonOptions>();
  command->add_option("database", o->database, "Tide database (*.tid)")->required();
  command->add_option("port", o->port, "Port name, or #N for its location number")->required();
  command->add_option("--start", o->samples.start, "First day, \"YYYY-MM-DD HH:MM\" in the time base")->required();
  command->add_option("--days", o->samples.days, "Number of days")->default_val(1);
  addTimeBaseOptions(*command, o->samples.base);
  addFormatOption(*command, o->format);
  command->callback([o] { runSunMoon(*o); });
}

const bool registered = registerCommand(&addSunMoonCommand);

}  // namespace
}  // namespace saltmark::cli
