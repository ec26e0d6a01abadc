#include "tables/ui/page_widgets.h"

#include <stdexcept>
#include <string>

namespace kvitmark::tables::ui {
namespace {

std::vector<int> CommissionWeights() {
  std::vector<int> weights = {35, 35, 50};
  for (int group = 0; group < 10; ++group) weights.insert(weights.end(), {46, 46, 40});
  return weights;
}

std::vector<PageWidgets> BuildPages() {
  std::vector<PageWidgets> pages;
  pages.push_back({
      .id = PageId::kGoods,
      .grid = "StringGrid1",
      .columnWeights = {30, 46, 135, 51, 55, 40, 40, 40, 27, 24, 70},
      .columnsFollowGoods = true,
      .file =
          FileDialogTexts{KV_PATTERN("tables", "Файлы артикулов(*.art)|*.ART|Все файлы (*.*)|*.*"),
                          KV_PATTERN("tables", "Открыть файл артикулов"),
                          KV_PATTERN("tables", "Сохранить файл артикулов")},
  });
  pages.push_back({
      .id = PageId::kOperators,
      .grid = "StringGrid2",
      .columnWeights = {60, 100, 270, 100},
      .columnsFollowGoods = true,
      .file =
          FileDialogTexts{KV_PATTERN("tables", "Файлы кассиров(*.opr)|*.OPR|Все файлы (*.*)|*.*"),
                          KV_PATTERN("tables", "Открыть файл кассиров"),
                          KV_PATTERN("tables", "Сохранить файл кассиров")},
  });
  pages.push_back({
      .id = PageId::kPaymentTypes,
      .grid = "StringGrid3",
      .columnWeights = {40, 86, 107, 194, 65, 65},
      .columnsFollowGoods = true,
      .file = FileDialogTexts{KV_PATTERN("tables",
                                         "Файлы типов оплаты(*.opl)|*.OPL|Все файлы (*.*)|*.*"),
                              KV_PATTERN("tables", "Открыть файл типов оплаты"),
                              KV_PATTERN("tables", "Сохранить файл типов оплаты")},
  });
  pages.push_back({
      .id = PageId::kDepartments,
      .grid = "StringGrid4",
      .columnWeights = {40, 500},
      .columnsFollowGoods = true,
      .file =
          FileDialogTexts{KV_PATTERN("tables", "Файлы отделов(*.otd)|*.OTD|Все файлы (*.*)|*.*"),
                          KV_PATTERN("tables", "Открыть файл отделов"),
                          KV_PATTERN("tables", "Сохранить файл отделов")},
  });
  pages.push_back({
      .id = PageId::kHeaderText,
      .grid = "StringGrid5",
      .columnWeights = {90, 450},
      .columnsFollowGoods = true,
      .file =
          FileDialogTexts{
              KV_PATTERN("tables",
                         "Файлы заголовков и рекл. текста(*.hft)|*.HFT|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл заголовка и рекламного текста"),
              KV_PATTERN("tables", "Сохранить файл заголовка и рекламного текста")},
  });
  pages.push_back({
      .id = PageId::kCashParameters,
      .edits = {"Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Edit13",
                "Edit14", "Edit19", "Edit24", "Edit35"},
      .leftColumnEdits = 7,
      .file = FileDialogTexts{KV_PATTERN("tables",
                                         "Файлы параметров кассы(*.pak)|*.PAK|Все файлы (*.*)|*.*"),
                              KV_PATTERN("tables", "Открыть файл параметров кассы"),
                              KV_PATTERN("tables", "Сохранить файл параметров кассы")},
  });
  pages.push_back({
      .id = PageId::kReceiptParameters,
      .edits = {"Edit15", "Edit16", "Edit17", "Edit18", "Edit20", "Edit21", "Edit22", "Edit23"},
      .file = FileDialogTexts{KV_PATTERN("tables",
                                         "Файлы параметров чека(*.pac)|*.PAC|Все файлы (*.*)|*.*"),
                              KV_PATTERN("tables", "Открыть параметров чека"),
                              KV_PATTERN("tables", "Сохранить файл параметров чека")},
  });
  pages.push_back({
      .id = PageId::kServiceParameters,
      .edits = {"Edit25", "Edit26", "Edit27", "Edit28", "Edit29", "Edit30", "Edit31", "Edit32",
                "Edit33", "Edit34", "Edit36"},
      .leftColumnEdits = 6,
      // Kept by the table file after the record.
      .extraEdit = "Edit37",
      .extraEditCaption = "Label42",
      // The service file's save title has always named the receipt parameters.
      .file =
          FileDialogTexts{
              KV_PATTERN("tables", "Файлы служебной информации(*.slu)|*.SLU|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл служебной информации"),
              KV_PATTERN("tables", "Сохранить файл параметров чека")},
  });
  pages.push_back({.id = PageId::kLogo});
  pages.push_back({
      .id = PageId::kRefundNames,
      .grid = "StringGrid6",
      .columnWeights = {60, 200, 70},
      .columnsFollowGoods = true,
      .file =
          FileDialogTexts{
              KV_PATTERN("tables", "Файлы названия возвратов(*.ret)|*.RET|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл названия возвратов"),
              KV_PATTERN("tables", "Сохранить файл названия возвратов")},
  });
  pages.push_back({
      .id = PageId::kPostalParameters,
      .edits = {"Edit51", "Edit52", "Edit53", "Edit54", "Edit55", "Edit56", "Edit57", "Edit64",
                "Edit58", "Edit59", "Edit60", "Edit61", "Edit62", "Edit63", "Edit65", "Edit66"},
      .leftColumnEdits = 8,
      .file =
          FileDialogTexts{
              KV_PATTERN("tables", "Файлы почтовых параметров(*.par)|*.PAR|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл почтовых параметров"),
              KV_PATTERN("tables", "Сохранить файл почтовых параметров")},
  });
  pages.push_back({
      .id = PageId::kPayments,
      .grid = "StringGrid7",
      .columnWeights = {35, 30, 65, 60, 55, 60, 130, 60, 60},
      .columnsFollowGoods = true,
      .file =
          FileDialogTexts{
              KV_PATTERN("tables",
                         "Файлы программирования платежей(*.ppl)|*.PPL|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл программирования платежей"),
              KV_PATTERN("tables", "Сохранить файл программирования платежей")},
  });
  pages.push_back({
      .id = PageId::kPurposes,
      .grid = "StringGrid8",
      .columnWeights = {35, 35, 60, 300},
      .columnsFollowGoods = true,
      .file =
          FileDialogTexts{
              KV_PATTERN("tables",
                         "Файлы программирования назначения(*.ppn)|*.PPN|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл программирования назначения"),
              KV_PATTERN("tables", "Сохранить файл программирования назначения")},
  });
  pages.push_back({
      .id = PageId::kCommissions,
      .grid = "StringGrid9",
      .columnWeights = CommissionWeights(),
      .columnsFollowGoods = true,
      .file =
          FileDialogTexts{
              KV_PATTERN("tables",
                         "Файлы программирования комиссий(*.pko)|*.pko|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл программирования комиссий"),
              KV_PATTERN("tables", "Сохранить файл программирования комиссий")},
  });
  pages.push_back({
      .id = PageId::kAttributes1,
      .grid = "StringGrid10",
      .columnWeights = std::vector<int>(21, 60),
      .file =
          FileDialogTexts{
              KV_PATTERN(
                  "tables",
                  "Файлы программирования особ. признаков 1(*.op1)|*.OP1|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл программирования особ. признаков 1"),
              KV_PATTERN("tables", "Сохранить файл программирования особ. признаков 1")},
  });
  pages.push_back({
      .id = PageId::kAttributes2,
      .grid = "StringGrid11",
      .columnWeights = std::vector<int>(21, 60),
      .file =
          FileDialogTexts{
              KV_PATTERN(
                  "tables",
                  "Файлы программирования особ. признаков 2(*.op2)|*.OP2|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл программирования особ. признаков 2"),
              KV_PATTERN("tables", "Сохранить файл программирования особ. признаков 2")},
  });
  pages.push_back({
      .id = PageId::kMessageCodes,
      .grid = "StringGrid12",
      .columnWeights = {40, 60},
      .file = FileDialogTexts{KV_PATTERN("tables",
                                         "Файлы кодов сообщений(*.kso)|*.KSO|Все файлы (*.*)|*.*"),
                              KV_PATTERN("tables", "Открыть файл кодов сообщений"),
                              KV_PATTERN("tables", "Сохранить файл кодов сообщений")},
  });
  pages.push_back({
      .id = PageId::kExtraServices,
      .grid = "StringGrid13",
      .columnWeights = {40, 60},
      .file =
          FileDialogTexts{
              KV_PATTERN(
                  "tables",
                  "Файлы программирования дополнительных услуг(*.pdu)|*.PDU|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл программирования дополнительных услуг"),
              KV_PATTERN("tables", "Сохранить файл программирования дополнительных услуг")},
  });
  pages.push_back({
      .id = PageId::kCurrencyNames,
      .grid = "StringGrid14",
      .columnWeights = {40, 100},
      .file =
          FileDialogTexts{
              KV_PATTERN("tables",
                         "Файлы программирования названия валют(*.pnv)|*.PNV|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл программирования названия валют"),
              KV_PATTERN("tables", "Сохранить файл программирования названия валют")},
  });
  pages.push_back({
      .id = PageId::kMandatoryInput,
      .edits = {"Edit67", "Edit68", "Edit69", "Edit70", "Edit71", "Edit72", "Edit73", "Edit74",
                "Edit75", "Edit76", "Edit77"},
      .leftColumnEdits = 6,
      .file =
          FileDialogTexts{
              KV_PATTERN(
                  "tables",
                  "Файлы программирования обязательного ввода (*.pov)|*.POV|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл программирования обязательного ввода"),
              KV_PATTERN("tables", "Сохранить файл программирования обязательного ввода")},
  });
  pages.push_back({
      .id = PageId::kNumerators,
      .edits = {"Edit78", "Edit80", "Edit82", "Edit84", "Edit86", "Edit79", "Edit81", "Edit83",
                "Edit85", "Edit87"},
      .leftColumnEdits = 5,
      .file =
          FileDialogTexts{
              KV_PATTERN("tables",
                         "Файлы программирования нумераторов (*.pnu)|*.PNU|Все файлы (*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл программирования нумераторов"),
              KV_PATTERN("tables", "Сохранить файл программирования нумераторов")},
  });
  pages.push_back({
      .id = PageId::kSocialHelp,
      .grid = "StringGrid15",
      .columnWeights = {40, 100},
      .file =
          FileDialogTexts{
              KV_PATTERN("tables",
                         "Файлы программирования типа социальной помощи (*.tsp)|*.TSP|Все файлы "
                         "(*.*)|*.*"),
              KV_PATTERN("tables", "Открыть файл программирования типа социальной помощи"),
              KV_PATTERN("tables", "Сохранить файл программирования типа социальной помощи")},
  });
  pages.push_back({.id = PageId::kReports});
  return pages;
}

const std::vector<PageWidgets>& Pages() {
  static const auto* pages = [] {
    auto* built = new std::vector<PageWidgets>(BuildPages());
    // Each entry stands at its own page's position: a wrong order is a broken build.
    for (size_t index = 0; index < built->size(); ++index) {
      if (PageIndex((*built)[index].id) != static_cast<int>(index)) {
        throw std::logic_error("page widgets out of order");
      }
    }
    if (built->size() != static_cast<size_t>(kPageCount)) {
      throw std::logic_error("page widgets incomplete");
    }
    return built;
  }();
  return *pages;
}

}  // namespace

const PageWidgets& WidgetsOf(PageId page) {
  const int index = PageIndex(page);
  if (index < 0 || index >= kPageCount) {
    throw std::out_of_range("no page with id " + std::to_string(index));
  }
  return Pages()[index];
}

}  // namespace kvitmark::tables::ui
