#include "files/table_file_kinds.h"

#include <array>

#include "base/cp1251.h"
#include "tables/catalogue.h"

namespace kvitmark::files {
namespace {

using base::Cp1251;

constexpr int kCashPage = 5;
constexpr int kServicePage = 7;

struct KindText {
  int page;
  const char* extension;
  const char* filter;
  const char* openTitle;
  const char* saveTitle;
};

constexpr KindText kKinds[] = {
    {0, "art", "Файлы артикулов(*.art)|*.ART|Все файлы (*.*)|*.*", "Открыть файл артикулов",
     "Сохранить файл артикулов"},
    {1, "opr", "Файлы кассиров(*.opr)|*.OPR|Все файлы (*.*)|*.*", "Открыть файл кассиров",
     "Сохранить файл кассиров"},
    {2, "opl", "Файлы типов оплаты(*.opl)|*.OPL|Все файлы (*.*)|*.*", "Открыть файл типов оплаты",
     "Сохранить файл типов оплаты"},
    {3, "otd", "Файлы отделов(*.otd)|*.OTD|Все файлы (*.*)|*.*", "Открыть файл отделов",
     "Сохранить файл отделов"},
    {4, "hft", "Файлы заголовков и рекл. текста(*.hft)|*.HFT|Все файлы (*.*)|*.*",
     "Открыть файл заголовка и рекламного текста", "Сохранить файл заголовка и рекламного текста"},
    {5, "pak", "Файлы параметров кассы(*.pak)|*.PAK|Все файлы (*.*)|*.*",
     "Открыть файл параметров кассы", "Сохранить файл параметров кассы"},
    {6, "pac", "Файлы параметров чека(*.pac)|*.PAC|Все файлы (*.*)|*.*", "Открыть параметров чека",
     "Сохранить файл параметров чека"},
    // The service file's save title has always named the receipt parameters.
    {7, "slu", "Файлы служебной информации(*.slu)|*.SLU|Все файлы (*.*)|*.*",
     "Открыть файл служебной информации", "Сохранить файл параметров чека"},
    {9, "ret", "Файлы названия возвратов(*.ret)|*.RET|Все файлы (*.*)|*.*",
     "Открыть файл названия возвратов", "Сохранить файл названия возвратов"},
    {10, "par", "Файлы почтовых параметров(*.par)|*.PAR|Все файлы (*.*)|*.*",
     "Открыть файл почтовых параметров", "Сохранить файл почтовых параметров"},
    {11, "ppl", "Файлы программирования платежей(*.ppl)|*.PPL|Все файлы (*.*)|*.*",
     "Открыть файл программирования платежей", "Сохранить файл программирования платежей"},
    {12, "ppn", "Файлы программирования назначения(*.ppn)|*.PPN|Все файлы (*.*)|*.*",
     "Открыть файл программирования назначения", "Сохранить файл программирования назначения"},
    {13, "pko", "Файлы программирования комиссий(*.pko)|*.pko|Все файлы (*.*)|*.*",
     "Открыть файл программирования комиссий", "Сохранить файл программирования комиссий"},
    {14, "op1", "Файлы программирования особ. признаков 1(*.op1)|*.OP1|Все файлы (*.*)|*.*",
     "Открыть файл программирования особ. признаков 1",
     "Сохранить файл программирования особ. признаков 1"},
    {15, "op2", "Файлы программирования особ. признаков 2(*.op2)|*.OP2|Все файлы (*.*)|*.*",
     "Открыть файл программирования особ. признаков 2",
     "Сохранить файл программирования особ. признаков 2"},
    {16, "kso", "Файлы кодов сообщений(*.kso)|*.KSO|Все файлы (*.*)|*.*",
     "Открыть файл кодов сообщений", "Сохранить файл кодов сообщений"},
    {17, "pdu", "Файлы программирования дополнительных услуг(*.pdu)|*.PDU|Все файлы (*.*)|*.*",
     "Открыть файл программирования дополнительных услуг",
     "Сохранить файл программирования дополнительных услуг"},
    {18, "pnv", "Файлы программирования названия валют(*.pnv)|*.PNV|Все файлы (*.*)|*.*",
     "Открыть файл программирования названия валют",
     "Сохранить файл программирования названия валют"},
    {19, "pov", "Файлы программирования обязательного ввода (*.pov)|*.POV|Все файлы (*.*)|*.*",
     "Открыть файл программирования обязательного ввода",
     "Сохранить файл программирования обязательного ввода"},
    {20, "pnu", "Файлы программирования нумераторов (*.pnu)|*.PNU|Все файлы (*.*)|*.*",
     "Открыть файл программирования нумераторов", "Сохранить файл программирования нумераторов"},
    {21, "tsp",
     "Файлы программирования типа социальной помощи (*.tsp)|*.TSP|Все файлы (*.*)|*.*",
     "Открыть файл программирования типа социальной помощи",
     "Сохранить файл программирования типа социальной помощи"},
};

const std::array<TableFileKind, std::size(kKinds)>& Kinds() {
  static const auto* kinds = [] {
    auto* built = new std::array<TableFileKind, std::size(kKinds)>();
    for (size_t i = 0; i < std::size(kKinds); ++i) {
      const KindText& text = kKinds[i];
      (*built)[i] = {text.page, text.extension, Cp1251(text.filter), Cp1251(text.openTitle),
                     Cp1251(text.saveTitle)};
    }
    return built;
  }();
  return *kinds;
}

}  // namespace

const TableFileKind* KindForPage(int page) {
  for (const TableFileKind& kind : Kinds()) {
    if (kind.page == page) return &kind;
  }
  return nullptr;
}

int RecordCount(int page, bool typeSelected) {
  if (!KindForPage(page)) return 0;
  if (page == 0 && !typeSelected) return 0;
  return tables::Page(page).recordCount;
}

int LoadFieldCount(int page, bool typeSelected) {
  if (!KindForPage(page)) return 0;
  if (!typeSelected && page == kCashPage) return 11;
  if (!typeSelected && page == kServicePage) return 10;
  return tables::Page(page).fieldCount;
}

int SaveFieldCount(int page, bool typeSelected) {
  if (!KindForPage(page)) return 0;
  if (!typeSelected && page == kCashPage) return 0;
  const int fields = LoadFieldCount(page, typeSelected);
  return page == kServicePage ? fields + 1 : fields;
}

}  // namespace kvitmark::files
