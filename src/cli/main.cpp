// kvitmark-cli: the register operations from a shell, for batch work.
#include <CLI/CLI.hpp>
#include <cstring>
#include <iostream>
#include <optional>
#include <set>
#include <string>

#include "base/ui/translation.h"
#include "cli/backup_commands.h"
#include "cli/cli_options.h"
#include "cli/cli_text.h"
#include "cli/command_report.h"
#include "cli/csv_commands.h"
#include "cli/find_command.h"
#include "cli/logo_commands.h"
#include "cli/port_commands.h"
#include "cli/report_commands.h"
#include "cli/sdcard_commands.h"
#include "cli/table_commands.h"
#include "cli/terminal_observer.h"
#include "cli/terminal_streams.h"
#include "cli/usage_errors.h"
#include "tables/catalogue.h"

namespace {

using namespace kvitmark::cli;
namespace tables = kvitmark::tables;

// The table file kinds offered: every page's, or those of the pages "Очистить" applies to.
std::set<std::string> Kinds(bool clearableOnly) {
  std::set<std::string> kinds;
  for (tables::PageId id : tables::AllPages()) {
    const tables::TableDescriptor& page = tables::Page(id);
    if (page.fileExtension && (!clearableOnly || page.Clearable())) {
      kinds.insert(page.fileExtension);
    }
  }
  return kinds;
}

void AddInterval(CLI::App* command, IntervalOptions& interval) {
  command->add_option("--first", interval.first, "first row of the coding interval (default 1)")
      ->check(NumberBetween("--first", 1, 14000));
  command
      ->add_option("--last", interval.last,
                   "last row of the coding interval (default: the page's last row)")
      ->check(NumberBetween("--last", 1, 14000));
  command
      ->add_option("--record", interval.record,
                   "register record that takes the first row (default: --first)")
      ->check(NumberBetween("--record", 1, 14000));
}

// The subcommand named on the command line, for a result object of a command line that could
// not be understood.
std::string NamedCommand(const CLI::App& app, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    for (const CLI::App* command : app.get_subcommands({})) {
      if (command->get_name() == argv[i]) return argv[i];
    }
  }
  return "";
}

bool AskedForJson(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--json") == 0) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  EscapeControlsOnTerminal();
  CLI::App app{
      "kvitmark-cli: programs a Datecs MP-50 Junior register (ЭККА) from a shell.\n"
      "Exit status: 0 done, 1 the register or a file failed, 2 bad usage."};
  app.require_subcommand(1);
  // The options of the connection are taken after the command too, as users type them
  // (kvitmark-cli read opr ops.opr --json); the commands inherit this.
  app.fallthrough();
  ConnectionOptions connection;
  std::string onError = "stop";
  app.add_option("--port", connection.port,
                 "COM1 … COM9; the device is the one [Ports] in Tabulon.ini names, else "
                 "/dev/ttyS<n-1> (default: SerialPort from Tabulon.ini, else COM1)");
  app.add_option("--device", connection.device,
                 "a serial device path, or a register behind the network (rfc2217://HOST:PORT, "
                 "tcp://HOST:PORT), instead of --port");
  app.add_option("--speed", connection.speed, "bit/s (default: Speed from Tabulon.ini, else 4800)")
      ->check(WholeNumber("--speed"));
  app.add_option("--register", connection.registerNumber, "register number, 1 to 99 (default 1)")
      ->check(NumberBetween("--register", 1, 99));
  app.add_flag("--trace", connection.trace, "dump every byte on the line to standard error");
  app.add_option("--on-error", onError,
                 "a record that fails ten times: stop ends the command, skip goes on")
      ->check(OneOf("--on-error", {"stop", "skip"}));
  std::string language;
  CLI::Option* lang =
      app.add_option("--lang", language,
                     "uk or ru: the language of the messages (default: Language= of [Interface] "
                     "in Tabulon.ini, else the locale)")
          ->check(OneOf("--lang", {"uk", "ru"}, true));
  bool json = false;
  app.add_flag("--json", json,
               "at the end, print one JSON object on standard output saying how the command "
               "ended (what it printed there otherwise goes to standard error)");

  std::string kind;
  std::string file;
  IntervalOptions interval;

  auto* ports = app.add_subcommand("ports", "list the serial ports of this machine");
  auto* presence = app.add_subcommand("presence", "does the register answer");

  std::string speedList;
  std::string registerList;
  auto* find = app.add_subcommand(
      "find", "look for the register at other speeds and numbers (and ports, unless one is given)");
  find->add_option("--speeds", speedList, "speeds to try, such as 9600,19200 (default: all)");
  find->add_option("--registers", registerList, "register numbers to try (default: 1,2,3,4,5)");

  auto* read = app.add_subcommand("read", "read a table from the register into a table file");
  read->add_option("KIND", kind, "table file kind (art, opr, …)")
      ->required()
      ->check(TableKind(Kinds(false)));
  read->add_option("FILE", file, "the table file to write")->required();
  AddInterval(read, interval);

  auto* write = app.add_subcommand("write", "write a table file into the register");
  write->add_option("KIND", kind, "table file kind (art, opr, …)")
      ->required()
      ->check(TableKind(Kinds(false)));
  write->add_option("FILE", file, "the table file to send")->required()->check(ExistingFile());
  AddInterval(write, interval);
  write->add_flag("--yes", connection.assumeYes, "do not ask before overwriting the table");
  WriteOptions writeOptions;
  write
      ->add_option("--changed-from", writeOptions.changedFrom,
                   "a table file of what the register holds: write only the records that differ")
      ->check(ExistingFile());
  write->add_flag("--dry-run", writeOptions.dryRun,
                  "open nothing; print the records that would be written");

  auto* clear = app.add_subcommand("clear", "reset a table of the register to its factory records");
  clear->add_option("KIND", kind, "art, opr, opl, otd or hft")
      ->required()
      ->check(ClearableKind(Kinds(true), Kinds(false)));
  clear->add_flag("--yes", connection.assumeYes, "do not ask before overwriting the table");

  std::string bmp;
  auto* logoRead = app.add_subcommand("logo-read", "read the receipt logo into a BMP file");
  logoRead->add_option("FILE", bmp, "the BMP file to write")->required();
  auto* logoWrite = app.add_subcommand("logo-write", "write a picture as the receipt logo");
  logoWrite
      ->add_option("IMAGE", bmp,
                   "the picture (BMP, PNG, JPEG, GIF, WebP, SVG, ...); one larger than 192 x 200 "
                   "dots is made smaller to fit, a BMP that fits goes dot for dot")
      ->required()
      ->check(ExistingFile());
  LogoOptions writeLogo;
  AddLogoOptions(*logoWrite, writeLogo);
  std::string logoOut;
  auto* logoConvert = app.add_subcommand(
      "logo-convert", "picture -> the one-bit BMP, 192 dots wide, that logo-write would send");
  logoConvert->add_option("IMAGE", bmp, "the picture, as for logo-write")
      ->required()
      ->check(ExistingFile());
  logoConvert->add_option("OUT_FILE", logoOut, "the BMP file to write")->required();
  LogoOptions convertLogo;
  AddLogoOptions(*logoConvert, convertLogo);

  std::string outFile;
  std::string goodsFile;
  auto* sdExport =
      app.add_subcommand("sd-export", "goods table file -> goods file for the SD card");
  sdExport->add_option("GOODS_FILE", goodsFile, "a goods table file (.art)")
      ->required()
      ->check(ExistingFile());
  sdExport->add_option("OUT_FILE", outFile, "the goods file for the card")->required();
  std::string cardFolder;
  auto* sdSales = app.add_subcommand("sd-sales", "upload.art + sales.art -> one sales file");
  sdSales->add_option("FOLDER", cardFolder, "the card's folder")
      ->required()
      ->check(ExistingFolder());
  sdSales->add_option("OUT_FILE", outFile, "the sales file to write")->required();

  std::string folder;
  std::string only;
  std::string separator = ";";
  auto* reports = app.add_subcommand("reports", "download reports into delimited text files");
  reports->add_option("FOLDER", folder, "the folder the report files go to")
      ->required()
      ->check(ExistingFolder());
  reports->add_option("--only", only,
                      "the reports, by their settings keys: Art,Otd,Grp,Operat,Nalog,Opl,Operac,"
                      "Adm1,Adm2,Adm3,Numoper,Regist (default: all)");
  reports->add_option("--separator", separator, "field separator, one character (default ;)");

  std::string backupFolder;
  auto* backup =
      app.add_subcommand("backup", "read every table and the logo into a new backup folder");
  backup->add_option("FOLDER", folder, "the folder the backup's own folder is made in")
      ->required()
      ->check(ExistingFolder());
  auto* restore = app.add_subcommand("restore", "write a backup folder back into the register");
  restore->add_option("BACKUP", backupFolder, "the backup folder (with manifest.json)")
      ->required()
      ->check(ExistingFolder());
  restore->add_option("--only", only, "the tables to write, by kind, and logo: art,opr,logo");
  bool restoreDryRun = false;
  restore->add_flag("--dry-run", restoreDryRun,
                    "open nothing; check the backup and print what would be written");
  restore->add_flag("--yes", connection.assumeYes, "do not ask before writing");

  std::string csvFile;
  auto* csvExport = app.add_subcommand("csv-export", "goods table file -> CSV for a spreadsheet");
  csvExport->add_option("ART", goodsFile, "a goods table file (.art)")
      ->required()
      ->check(ExistingFile());
  csvExport->add_option("CSV", csvFile, "the CSV file to write")->required();
  auto* csvImport = app.add_subcommand("csv-import", "CSV from a spreadsheet -> goods table file");
  csvImport->add_option("CSV", csvFile, "the CSV file (UTF-8 or Windows-1251; ; , or tab)")
      ->required()
      ->check(ExistingFile());
  csvImport->add_option("ART", goodsFile, "the goods table file to write")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& help) {
    return app.exit(help);
  } catch (const CLI::ParseError& error) {
    // In the language asked for, where --lang was read before the line went wrong.
    ChooseLanguage(lang->results().empty()
                       ? std::nullopt
                       : kvitmark::base::LanguageFromCode(lang->results().back()));
    // A script that asked for the object gets one, also for a command line it got wrong.
    Report().Start(NamedCommand(app, argc, argv), AskedForJson(argc, argv));
    Say(kvitmark::base::ui::Render(UsageError(app, error)).toStdString());
    std::cerr << kvitmark::base::ui::Render(UsageTip(app)).toStdString() << '\n';
    if (Report().Json()) PrintReport(2, false);
    return 2;
  }
  ChooseLanguage(kvitmark::base::LanguageFromCode(language));
  connection.onError = onError == "skip" ? OnError::kSkip : OnError::kStop;
  const CLI::App* command = app.get_subcommands().front();
  Report().Start(command->get_name(), json);
  // Ctrl+C ends an operation between records, with the register's exchange closed, instead
  // of leaving the register in the middle of one.
  InstallInterruptStop();

  const bool asksRegister =
      !(*ports || *sdExport || *sdSales || *csvExport || *csvImport || *logoConvert);
  if (asksRegister && !*find) {
    Report().SetRegister(connection.registerNumber);
    if (!connection.device.empty()) Report().SetDevice(connection.device);
  }
  int status = 2;
  if (*ports) status = ListPorts();
  if (*presence) status = Presence(connection);
  if (*find) status = FindRegister(connection, speedList, registerList);
  if (*read) status = ReadTable(connection, kind, file, interval);
  if (*write) status = WriteTable(connection, kind, file, interval, writeOptions);
  if (*clear) status = ClearTable(connection, kind);
  if (*reports) status = DownloadReports(connection, folder, only, separator);
  if (*logoRead) status = ReadLogo(connection, bmp);
  if (*logoWrite) status = WriteLogo(connection, bmp, writeLogo);
  if (*logoConvert) status = ConvertLogo(bmp, logoOut, convertLogo);
  if (*sdExport) status = ExportGoodsForSdCard(goodsFile, outFile);
  if (*sdSales) status = SdCardSales(cardFolder, outFile);
  if (*backup) status = Backup(connection, folder);
  if (*restore) status = Restore(connection, backupFolder, only, restoreDryRun);
  if (*csvExport) status = ExportGoodsCsv(goodsFile, csvFile);
  if (*csvImport) status = ImportGoodsCsv(csvFile, goodsFile);
  if (json) PrintReport(status, Interrupted());
  return status;
}
