#include "reports/report_catalogue.h"

#include "base/cp1251.h"
#include "base/translatable.h"

namespace kvitmark::reports {
namespace {

struct CatalogueRow {
  const char* caption;
  const char* checkBox;
  const char* fileNameField;
  const char* settingsKey;
  const char* defaultFileName;
  int tableNumber;
  int recordCount;
};

constexpr CatalogueRow kRows[kReportCount] = {
    {KV_TR("reports", "Обороты по артикулам"), "CheckBox3", "Edit38", "Art", "RepArt.dat", 65,
     14000},
    {KV_TR("reports", "Обороты по отделам"), "CheckBox4", "Edit39", "Otd", "RepOtd.dat", 74, 20},
    {KV_TR("reports", "Обороты по группам товаров"), "CheckBox5", "Edit40", "Grp", "RepGrp.dat", 75,
     99},
    {KV_TR("reports", "Обороты по операторам"), "CheckBox8", "Edit42", "Operat", "RepOperat.dat",
     76, 20},
    {KV_TR("reports", "Обороты по налогам"), "CheckBox9", "Edit43", "Nalog", "RepNalog.dat", 78, 1},
    {KV_TR("reports", "Обороты по оплатам"), "CheckBox10", "Edit44", "Opl", "RepOpl.dat", 77, 1},
    {KV_TR("reports", "Обороты по операциям за смену"), "CheckBox11", "Edit45", "Operac",
     "RepOperac.dat", 79, 1},
    {KV_TR("reports", "Административный отчет 1"), "CheckBox6", "Edit46", "Adm1", "RepAdm1.dat", 81,
     1},
    {KV_TR("reports", "Административный отчет 2"), "CheckBox7", "Edit47", "Adm2", "RepAdm2.dat", 82,
     1},
    {KV_TR("reports", "Административный отчет 3"), "CheckBox12", "Edit48", "Adm3", "RepAdm3.dat",
     83, 1},
    {KV_TR("reports", "Отчет номеров вып. операций"), "CheckBox13", "Edit49", "Numoper",
     "RepNum.dat", 84, 1},
    {KV_TR("reports", "Отчет реестров"), "CheckBox14", "Edit50", "Regist", "RepReg.dat", 85, 1},
};

// Goods turnover is the first report; its size follows the register type.
constexpr int kGoodsTurnover = 0;

}  // namespace

const std::array<ReportDescriptor, kReportCount>& ReportCatalogue() {
  static const auto* catalogue = [] {
    auto* reports = new std::array<ReportDescriptor, kReportCount>;
    for (int i = 0; i < kReportCount; ++i) {
      const CatalogueRow& row = kRows[i];
      (*reports)[i] = ReportDescriptor{
          base::Cp1251(row.caption), row.checkBox,    row.fileNameField, row.settingsKey,
          row.defaultFileName,       row.tableNumber, row.recordCount,   row.caption};
    }
    return reports;
  }();
  return *catalogue;
}

int RecordCount(int report, int typeIndex) {
  if (report < 0 || report >= kReportCount) return 0;
  if (report == kGoodsTurnover && typeIndex < 0) return 0;
  return kRows[report].recordCount;
}

}  // namespace kvitmark::reports
