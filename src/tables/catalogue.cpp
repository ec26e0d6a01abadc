#include "tables/catalogue.h"

#include <initializer_list>
#include <stdexcept>

#include "base/cp1251.h"
#include "base/text_pattern.h"
#include "base/translatable.h"
#include "tables/default_records.h"

namespace kvitmark::tables {
namespace {

using base::Cp1251;

constexpr FieldKind N = FieldKind::kNumber;
constexpr FieldKind T = FieldKind::kText;

FieldEncoding AsIs() { return {Encoding::kAsIs}; }
FieldEncoding First(int n) { return {Encoding::kFirstN, n}; }
FieldEncoding Flag() { return {Encoding::kFlag}; }
FieldEncoding Number() { return {Encoding::kNumber}; }
FieldEncoding Text() { return {Encoding::kText}; }

std::vector<std::string> Texts(std::initializer_list<const char*> utf8) {
  std::vector<std::string> texts;
  for (const char* text : utf8) texts.push_back(Cp1251(text));
  return texts;
}

std::array<FieldKind, kMaxFields> Kinds(int count, FieldKind kind) {
  std::array<FieldKind, kMaxFields> kinds{};
  for (int position = 0; position < count; ++position) kinds[position] = kind;
  return kinds;
}

// A parameter field as written below, in UTF-8.
struct FieldText {
  const char* control;
  const char* caption;
  const char* hint = "";
  bool hidden = false;
  const char* designCaption = "";
  bool hiddenInDesign = false;
};

std::vector<ParameterField> Fields(std::initializer_list<FieldText> texts) {
  std::vector<ParameterField> fields;
  for (const FieldText& text : texts) {
    fields.push_back({text.control, Cp1251(text.caption), Cp1251(text.hint), text.hidden,
                      Cp1251(text.designCaption), text.hiddenInDesign});
  }
  return fields;
}

// Each pattern's %1 numbered 1 to 4.
std::vector<std::string> NumberedLabels(std::initializer_list<base::TextPattern> patterns) {
  std::vector<std::string> labels;
  for (const base::TextPattern& pattern : patterns) {
    for (int n = 1; n <= 4; ++n) labels.push_back(base::Format(pattern, {std::to_string(n)}));
  }
  return labels;
}

const char* const kPcModeHint = KV_TR("tables",
                                      "0 - offline;\n1 - offline ;\n4 - режим подкачки;\n"
                                      "5 - inline с подкачкой и offline в регистрации");
const char* const kPcSpeedHint =
    "0 - 4800\n1 - 9600\n2 - 14400\n3 - 19200\n4 - 28800\n5 - 38400\n6 - 56000\n7 - 57600\n"
    "8 - 115200";
const char* const kInternalGoodsHint =
    KV_TR("tables", "от 0 до 10000 (используется только если в поле 8 таблицы стоит 1)");

std::vector<std::string> CommissionHeaders() {
  std::vector<std::string> headers =
      Texts({KV_TR("tables", "Номер"), KV_TR("tables", "Код"), KV_TR("tables", "Код товара")});
  for (int n = 1; n <= 10; ++n) {
    const std::string number = std::to_string(n);
    for (const base::TextPattern& pattern :
         {KV_PATTERN("tables", "Нач.сум.%1"), KV_PATTERN("tables", "Тип.ком.%1"),
          KV_PATTERN("tables", "Знач.%1")}) {
      headers.push_back(base::Format(pattern, {number}));
    }
  }
  return headers;
}

std::vector<int> CommissionWeights() {
  std::vector<int> weights = {35, 35, 50};
  for (int group = 0; group < 10; ++group) weights.insert(weights.end(), {46, 46, 40});
  return weights;
}

std::vector<std::string> AttributeHeaders() {
  std::vector<std::string> headers = Texts({KV_TR("tables", "Номер")});
  for (int n = 1; n <= 20; ++n) {
    headers.push_back(base::Format(KV_PATTERN("tables", "Назв%1"), {std::to_string(n)}));
  }
  return headers;
}

std::vector<TableDescriptor> BuildCatalogue() {
  std::vector<TableDescriptor> pages;
  pages.push_back({
      .id = PageId::kGoods,
      .caption = Cp1251(KV_TR("tables", "Товары")),
      .shape = PageShape::kGrid,
      .control = "StringGrid1",
      .tableNumber = 0,
      .recordCount = kJuniorGoodsRecords,
      .kinds = {N, T, N, N, N, N, N, N, N, N, N},
      .headers =
          Texts({KV_TR("tables", "Ряд"), KV_TR("tables", "Код"), KV_TR("tables", "Название"),
                 KV_TR("tables", "Цена"), KV_TR("tables", "Количество"), KV_TR("tables", "Отдел"),
                 KV_TR("tables", "Группа"), KV_TR("tables", "Налог"), KV_TR("tables", "Тип"),
                 KV_TR("tables", "КНЛ"), KV_TR("tables", "Штрих-код")}),
      .encodings = {AsIs(),
                    First(32),
                    {Encoding::kPrice},
                    {Encoding::kQuantity},
                    AsIs(),
                    AsIs(),
                    AsIs(),
                    AsIs(),
                    AsIs(),
                    {Encoding::kBarcode}},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .juniorRows = kJuniorGoodsRecords + 1,
      .columnWeights = {30, 46, 135, 51, 55, 40, 40, 40, 27, 24, 70},
      .columnsFollowGoods = true,
      .clear = ClearPlan{1, DefaultGoodsRecord},
      .file = {"art", KV_TR("tables", "Файлы артикулов(*.art)|*.ART|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл артикулов"),
               KV_TR("tables", "Сохранить файл артикулов")},
      .fileNeedsType = true,
  });
  pages.push_back({
      .id = PageId::kOperators,
      .caption = Cp1251(KV_TR("tables", "Операторы")),
      .shape = PageShape::kGrid,
      .control = "StringGrid2",
      .tableNumber = 3,
      .recordCount = 20,
      .kinds = {T, T, N},
      .headers = Texts({KV_TR("tables", "Номер"), KV_TR("tables", "Пароль"), KV_TR("tables", "Имя"),
                        KV_TR("tables", "Разрешение")}),
      .encodings = {First(8), First(20), First(1)},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = {60, 100, 270, 100},
      .columnsFollowGoods = true,
      .clear = ClearPlan{1, DefaultOperatorRecord},
      .file = {"opr", KV_TR("tables", "Файлы кассиров(*.opr)|*.OPR|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл кассиров"),
               KV_TR("tables", "Сохранить файл кассиров")},
  });
  pages.push_back({
      .id = PageId::kPaymentTypes,
      .caption = Cp1251(KV_TR("tables", "Типы оплат")),
      .shape = PageShape::kGrid,
      .control = "StringGrid3",
      .tableNumber = 9,
      .recordCount = 5,
      .kinds = {N, N, N, N, N},
      .headers = Texts({KV_TR("tables", "Номер"), KV_TR("tables", "Разрешение (0-1)"),
                        KV_TR("tables", "Разреш. для возвр. (0-1)"),
                        KV_TR("tables", "Название (10 симв.)"), KV_TR("tables", "Сдача (0-1)"),
                        KV_TR("tables", "Запрос (0-1)")}),
      .encodings = {Flag(), Flag(), First(20), Flag(), Flag()},
      // The cash payment, record 1, is never written or cleared.
      .writeFirstRow = 2,
      .juniorRows = 6,
      .columnWeights = {40, 86, 107, 194, 65, 65},
      .columnsFollowGoods = true,
      .clear = ClearPlan{2, DefaultPaymentTypeRecord},
      .file = {"opl", KV_TR("tables", "Файлы типов оплаты(*.opl)|*.OPL|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл типов оплаты"),
               KV_TR("tables", "Сохранить файл типов оплаты")},
  });
  pages.push_back({
      .id = PageId::kDepartments,
      .caption = Cp1251(KV_TR("tables", "Отделы")),
      .shape = PageShape::kGrid,
      .control = "StringGrid4",
      .tableNumber = 10,
      .recordCount = 20,
      .kinds = {T},
      .headers = Texts({KV_TR("tables", "Номер"), KV_TR("tables", "Название отдела (22 символа)")}),
      .encodings = {First(22)},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = {40, 500},
      .columnsFollowGoods = true,
      .clear = ClearPlan{1, DefaultDepartmentRecord},
      .file = {"otd", KV_TR("tables", "Файлы отделов(*.otd)|*.OTD|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл отделов"), KV_TR("tables", "Сохранить файл отделов")},
  });
  pages.push_back({
      .id = PageId::kHeaderText,
      .caption = Cp1251(KV_TR("tables", "Загол. и рекл. текст")),
      .shape = PageShape::kGrid,
      .control = "StringGrid5",
      .tableNumber = 6,
      .recordCount = 12,
      .kinds = {T},
      .headers = Texts({"#", KV_TR("tables", "Заголовок/рекламный текст (38 символов)")}),
      .encodings = {First(38)},
      .intervalOnWrite = true,
      .rowLabels = NumberedLabels({KV_PATTERN("tables", "Заголовок %1"),
                                   KV_PATTERN("tables", "Рекламный текст %1"),
                                   KV_PATTERN("tables", "Сервисный текст %1")}),
      .juniorRowLabels = NumberedLabels({KV_PATTERN("tables", "Заголовок %1"),
                                         KV_PATTERN("tables", "Рекламный текст %1"),
                                         KV_PATTERN("tables", "Сервис %1")}),
      // The Junior prints seven receipt lines; rows 8 to 12 stay in the table, unshown.
      .juniorRows = 8,
      .columnWeights = {90, 450},
      .columnsFollowGoods = true,
      .clear = ClearPlan{1, DefaultHeaderTextRecord},
      .file = {"hft",
               KV_TR("tables", "Файлы заголовков и рекл. текста(*.hft)|*.HFT|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл заголовка и рекламного текста"),
               KV_TR("tables", "Сохранить файл заголовка и рекламного текста")},
  });
  pages.push_back({
      .id = PageId::kCashParameters,
      .caption = Cp1251(KV_TR("tables", "Параметры кассы")),
      .shape = PageShape::kParameter,
      .tableNumber = 2,
      .recordCount = 1,
      .fields = Fields({
          {"Edit5", KV_TR("tables", "Номер аппарата:"), "1 - 99"},
          {.control = "Edit6",
           .caption = KV_TR("tables", "Тип:"),
           .hint = KV_TR("tables",
                         "0 - обычный режим:\n1 - режим работы с многими отделами\n"
                         "2 - ресторанный режим"),
           .designCaption = KV_TR("tables", "Отчет по операторам:")},
          {"Edit7", KV_TR("tables", "Открытие денежного ящика:"),
           KV_TR("tables",
                 "0 - ящик открывается только для служебных чеков\n"
                 "1 - ящик открывается для всех типов чеков")},
          {"Edit8", KV_TR("tables", "Время открытия денежного ящика:"), "0 - 250"},
          {.control = "Edit9",
           .caption = KV_TR("tables", "Оплата наличными:"),
           .hint = KV_TR("tables", "1 - перед оплатой всегда вводить сумму наличными"),
           .designCaption = KV_TR("tables", "Выключение аппарата в режиме регистрации:")},
          {.control = "Edit10",
           .caption = KV_TR("tables", "Регистрация наличного количества:"),
           .hint = KV_TR("tables",
                         "0 - наличное количество уменьшается при продаже;\n"
                         "1 - наличное количество увеличивается при продаже;"),
           .designCaption = KV_TR("tables", "Озвучивать нажатие клавиши:")},
          {.control = "Edit11",
           .caption = KV_TR("tables", "Не обнулять обороты товаров:"),
           .hint = KV_TR("tables", "0 - обнуляется при Z- отчете;\n1 - не обнуляется;"),
           .designCaption = KV_TR("tables", "Оплата наличными:")},
          {"Edit12", KV_TR("tables", "Режим работы ПК:"), kPcModeHint},
          {"Edit13", KV_TR("tables", "Скорость работы с ПК:"), kPcSpeedHint},
          {"Edit14", KV_TR("tables", "Количество внутренних товаров:"), kInternalGoodsHint},
          {"Edit19", KV_TR("tables", "Тип протокола:"), kPcModeHint},
          {.control = "Edit24",
           .caption = KV_TR("tables", "Адаптер:"),
           .hint = kPcSpeedHint,
           .hiddenInDesign = true},
          {.control = "Edit35",
           .caption = KV_TR("tables", "Интерфейс:"),
           .hint = kInternalGoodsHint,
           .hiddenInDesign = true},
      }),
      .leftColumnFields = 7,
      .file = {"pak", KV_TR("tables", "Файлы параметров кассы(*.pak)|*.PAK|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл параметров кассы"),
               KV_TR("tables", "Сохранить файл параметров кассы")},
      .fileNeedsType = true,
  });
  pages.push_back({
      .id = PageId::kReceiptParameters,
      .caption = Cp1251(KV_TR("tables", "Параметры чека")),
      .shape = PageShape::kParameter,
      .tableNumber = 5,
      .recordCount = 1,
      .fields = Fields({
          {"Edit15", KV_TR("tables", "Печать логотипа пользователя:"),
           KV_TR("tables",
                 "0 - не печатать;\n1 - печатать между чеками;\n2 - печатать после клише;\n"
                 "3 - печатать после рекламного текста.")},
          {"Edit16", KV_TR("tables", "Количество строк в логотипе:"),
           KV_TR("tables",
                 "0 - логотип печататься не будет\n1 - 200 - количество строк в логотипе")},
          {"Edit17", KV_TR("tables", "Количество строк рекламного текста:"),
           KV_TR("tables", "0 - 4 (строки печатаются если они не пустые)")},
          {"Edit18", KV_TR("tables", "Печать в чеке количества покупок:"),
           KV_TR("tables", "1 - печатать в чеке общее количество покупок")},
          {"Edit20", KV_TR("tables", "Печать штрих-кода:"),
           KV_TR("tables", "0 - не печатать\n1-99 - высота штрихкода.")},
          {"Edit21", KV_TR("tables", "Выделять чек пустыми строчками:"),
           KV_TR("tables",
                 "1 - отделять в чеке продажи товаров пустой строкой от другой информации")},
          {"Edit22", KV_TR("tables", "Количество копий:"), "0 - 3"},
          {"Edit23", KV_TR("tables", "Служебные чеки:"), "0 - 3", true},
      }),
      .file = {"pac", KV_TR("tables", "Файлы параметров чека(*.pac)|*.PAC|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть параметров чека"),
               KV_TR("tables", "Сохранить файл параметров чека")},
  });
  pages.push_back({
      .id = PageId::kServiceParameters,
      .caption = Cp1251(KV_TR("tables", "Служебная")),
      .shape = PageShape::kParameter,
      .tableNumber = 8,
      .recordCount = 1,
      .fields = Fields({
          {"Edit25", KV_TR("tables", "Высота символов в контрольной ленте:"),
           KV_TR("tables", "0 - стандартная высота;\n1 - уменьшенная вісота")},
          {"Edit26", KV_TR("tables", "Служебное:"), "0 - 1"},
          {"Edit27", KV_TR("tables", "Контрасность печати:"), "0 - 3"},
          {"Edit28", KV_TR("tables", "Скорость работы со сканером:"), "0 - 4800\n1 - 9600"},
          {"Edit29", KV_TR("tables", "Дополнение:"),
           KV_TR("tables",
                 "(для режима подкачки)\n"
                 "1 - в каждом сообщении добавляется номер чекаи общая сумма по чеку;\n"
                 "0 - не добавляется")},
          {"Edit30", KV_TR("tables", "Показ. свобод. место при подкачке:"),
           KV_TR("tables",
                 "(при запросе внешнего товара указывается)\n0 - номер товара в наборе;\n"
                 "1 - свободная ячейка куда будет подкачан товар")},
          {"Edit31", KV_TR("tables", "Запрос разреш. аннул. всего чека:"),
           KV_TR("tables",
                 "(для режима подкачки)\n0 - запрет аннулирования\n1 - разрешение аннулирования")},
          {"Edit32", KV_TR("tables", "Контроль дубл. кодов и штрихкодов:"),
           KV_TR("tables", "0 - контроль не выполняется\n1 - контроль выполняется")},
          {"Edit33", KV_TR("tables", "Весы:"),
           KV_TR("tables", "0 - весы не подключены\n1 - DIGI\n2 - CAS")},
          {.control = "Edit34",
           .caption = KV_TR("tables", "Яркость матричного индикатора:"),
           .hint = "0 - 7",
           .designCaption = KV_TR("tables", "2D-отчет:")},
          {.control = "Edit36",
           .caption = KV_TR("tables", "Режим работы  с весами Digi:"),
           .hint = "0 - 7",
           .hiddenInDesign = true},
      }),
      // Edit37, kept by the table file after the record.
      .keepsExtraEdit = true,
      .leftColumnFields = 6,
      // The service file's save title has always named the receipt parameters.
      .file = {"slu",
               KV_TR("tables", "Файлы служебной информации(*.slu)|*.SLU|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл служебной информации"),
               KV_TR("tables", "Сохранить файл параметров чека")},
      .skipEndsExchange = true,
  });
  pages.push_back({.id = PageId::kLogo, .caption = Cp1251(KV_TR("tables", "Логотип"))});
  pages.push_back({
      .id = PageId::kRefundNames,
      .caption = Cp1251(KV_TR("tables", "Названия возвратов")),
      .shape = PageShape::kGrid,
      .control = "StringGrid6",
      .tableNumber = 12,
      .recordCount = 10,
      .kinds = {T, N},
      .headers = Texts({KV_TR("tables", "Номер"), KV_TR("tables", "Название"),
                        KV_TR("tables", "Использование")}),
      .encodings = {First(32), First(1)},
      .intervalOnRead = true,
      .columnWeights = {60, 200, 70},
      .columnsFollowGoods = true,
      .file = {"ret", KV_TR("tables", "Файлы названия возвратов(*.ret)|*.RET|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл названия возвратов"),
               KV_TR("tables", "Сохранить файл названия возвратов")},
  });
  pages.push_back({
      .id = PageId::kPostalParameters,
      .caption = Cp1251(KV_TR("tables", "Почтовые параметры")),
      .shape = PageShape::kParameter,
      .tableNumber = 97,
      .recordCount = 1,
      .fields = Fields({{"Edit51", KV_TR("tables", "Индекс почтового отделения:")},
                        {"Edit52", KV_TR("tables", "ГКП:")},
                        {"Edit53", KV_TR("tables", "Количество знаков:")},
                        {"Edit54", KV_TR("tables", "Расчет:")},
                        {"Edit55", KV_TR("tables", "Печать почт. отчетов перед Z-отчетом:")},
                        {"Edit56", KV_TR("tables", "Код издания:")},
                        {"Edit57", KV_TR("tables", "Индексы 1:")},
                        {"Edit64", KV_TR("tables", "Индексы 2:")},
                        {"Edit58", KV_TR("tables", "Индексы 3:")},
                        {"Edit59", KV_TR("tables", "Индексы 4:")},
                        {"Edit60", KV_TR("tables", "Индексы 5:")},
                        {"Edit61", KV_TR("tables", "Индексы 6:")},
                        {"Edit62", KV_TR("tables", "Индексы 7:")},
                        {"Edit63", KV_TR("tables", "Индексы 8:")},
                        {"Edit65", KV_TR("tables", "Индексы 9:")},
                        {"Edit66", KV_TR("tables", "Индексы 10:")}}),
      .emptyFieldsShowZero = true,
      .leftColumnFields = 8,
      .file = {"par", KV_TR("tables", "Файлы почтовых параметров(*.par)|*.PAR|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл почтовых параметров"),
               KV_TR("tables", "Сохранить файл почтовых параметров")},
  });
  pages.push_back({
      .id = PageId::kPayments,
      .caption = Cp1251(KV_TR("tables", "Программ. платежей")),
      .shape = PageShape::kGrid,
      .control = "StringGrid7",
      .tableNumber = 98,
      .recordCount = 3000,
      .kinds = {N, N, T, N, N, N, N, T},
      .headers = Texts(
          {KV_TR("tables", "Номер"), KV_TR("tables", "Код"), KV_TR("tables", "Расчетный счет"),
           KV_TR("tables", "Название"), KV_TR("tables", "Назначение"), KV_TR("tables", "Комиссия"),
           KV_TR("tables", "Ввод расч. счет плательшика"),
           KV_TR("tables", "Разр. вводить доп.данные плат."), KV_TR("tables", "Информация")}),
      .encodings = {Text(), First(20), First(16), Number(), Number(), Flag(), Flag(), First(50)},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = {35, 30, 65, 60, 55, 60, 130, 60, 60},
      .columnsFollowGoods = true,
      .file = {"ppl",
               KV_TR("tables", "Файлы программирования платежей(*.ppl)|*.PPL|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл программирования платежей"),
               KV_TR("tables", "Сохранить файл программирования платежей")},
  });
  pages.push_back({
      .id = PageId::kPurposes,
      .caption = Cp1251(KV_TR("tables", "Программ. назначения")),
      .shape = PageShape::kGrid,
      .control = "StringGrid8",
      .tableNumber = 99,
      .recordCount = 1000,
      .kinds = {N, N, T},
      .headers = Texts({KV_TR("tables", "Номер"), KV_TR("tables", "Код"),
                        KV_TR("tables", "Код товара"), KV_TR("tables", "Название")}),
      .encodings = {Number(), Number(), First(50)},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = {35, 35, 60, 300},
      .columnsFollowGoods = true,
      .file = {"ppn",
               KV_TR("tables",
                     "Файлы программирования назначения(*.ppn)|*.PPN|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл программирования назначения"),
               KV_TR("tables", "Сохранить файл программирования назначения")},
  });
  pages.push_back({
      .id = PageId::kCommissions,
      .caption = Cp1251(KV_TR("tables", "Программ. комиссий")),
      .shape = PageShape::kGrid,
      .control = "StringGrid9",
      .tableNumber = 100,
      .recordCount = 99,
      .kinds = Kinds(32, N),
      .headers = CommissionHeaders(),
      .encodings = std::vector<FieldEncoding>(32, Number()),
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = CommissionWeights(),
      .columnsFollowGoods = true,
      .file = {"pko",
               KV_TR("tables", "Файлы программирования комиссий(*.pko)|*.pko|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл программирования комиссий"),
               KV_TR("tables", "Сохранить файл программирования комиссий")},
  });
  pages.push_back({
      .id = PageId::kAttributes1,
      .caption = Cp1251(KV_TR("tables", "Программ. особ. признаков 1")),
      .shape = PageShape::kGrid,
      .control = "StringGrid10",
      .tableNumber = 101,
      .recordCount = 20,
      .kinds = Kinds(20, T),
      .headers = AttributeHeaders(),
      .encodings = std::vector<FieldEncoding>(20, Text()),
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = std::vector<int>(21, 60),
      .file = {"op1",
               KV_TR("tables",
                     "Файлы программирования особ. признаков 1(*.op1)|*.OP1|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл программирования особ. признаков 1"),
               KV_TR("tables", "Сохранить файл программирования особ. признаков 1")},
  });
  pages.push_back({
      .id = PageId::kAttributes2,
      .caption = Cp1251(KV_TR("tables", "Программ. особ. признаков 2")),
      .shape = PageShape::kGrid,
      .control = "StringGrid11",
      .tableNumber = 102,
      .recordCount = 20,
      .kinds = Kinds(20, T),
      .headers = AttributeHeaders(),
      .encodings = std::vector<FieldEncoding>(20, Number()),
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = std::vector<int>(21, 60),
      .file = {"op2",
               KV_TR("tables",
                     "Файлы программирования особ. признаков 2(*.op2)|*.OP2|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл программирования особ. признаков 2"),
               KV_TR("tables", "Сохранить файл программирования особ. признаков 2")},
  });
  pages.push_back({
      .id = PageId::kMessageCodes,
      .caption = Cp1251(KV_TR("tables", "Коды сообщений")),
      .shape = PageShape::kGrid,
      .control = "StringGrid12",
      .tableNumber = 103,
      .recordCount = 9,
      .kinds = {T},
      .headers = Texts({KV_TR("tables", "Номер"), KV_TR("tables", "Код товара")}),
      .encodings = {Number()},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = {40, 60},
      .file = {"kso", KV_TR("tables", "Файлы кодов сообщений(*.kso)|*.KSO|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл кодов сообщений"),
               KV_TR("tables", "Сохранить файл кодов сообщений")},
  });
  pages.push_back({
      .id = PageId::kExtraServices,
      .caption = Cp1251(KV_TR("tables", "Дополн. услуги")),
      .shape = PageShape::kGrid,
      .control = "StringGrid13",
      .tableNumber = 104,
      .recordCount = 99,
      .kinds = {N},
      .headers = Texts({KV_TR("tables", "Номер"), KV_TR("tables", "Код товара")}),
      .encodings = {Number()},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = {40, 60},
      .file = {"pdu",
               KV_TR(
                   "tables",
                   "Файлы программирования дополнительных услуг(*.pdu)|*.PDU|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл программирования дополнительных услуг"),
               KV_TR("tables", "Сохранить файл программирования дополнительных услуг")},
  });
  pages.push_back({
      .id = PageId::kCurrencyNames,
      .caption = Cp1251(KV_TR("tables", "Названия валют")),
      .shape = PageShape::kGrid,
      .control = "StringGrid14",
      .tableNumber = 105,
      .recordCount = 20,
      .kinds = {T},
      .headers = Texts({KV_TR("tables", "Номер"), KV_TR("tables", "Название")}),
      .encodings = {AsIs()},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = {40, 100},
      .file = {"pnv",
               KV_TR("tables",
                     "Файлы программирования названия валют(*.pnv)|*.PNV|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл программирования названия валют"),
               KV_TR("tables", "Сохранить файл программирования названия валют")},
  });
  pages.push_back({
      .id = PageId::kMandatoryInput,
      .caption = Cp1251(KV_TR("tables", "Обяз. ввод")),
      .shape = PageShape::kParameter,
      .tableNumber = 106,
      .recordCount = 1,
      .fields = Fields({{"Edit67", KV_TR("tables", "Страна:")},
                        {"Edit68", KV_TR("tables", "ШКИ:")},
                        {"Edit69", KV_TR("tables", "Кому:")},
                        {"Edit70", KV_TR("tables", "Масса:")},
                        {"Edit71", KV_TR("tables", "За ценность:")},
                        {"Edit72", KV_TR("tables", "Предоплата:")},
                        {"Edit73", KV_TR("tables", "С посыльным:")},
                        {"Edit74", KV_TR("tables", "Экспидиционная плата:")},
                        {"Edit75", KV_TR("tables", "Вручение лично:")},
                        {"Edit76", KV_TR("tables", "Проверка контр. разряда ШКИ:")},
                        {"Edit77", KV_TR("tables", "Проверка контр. разр. при выпл.:")}}),
      .leftColumnFields = 6,
      .file = {"pov",
               KV_TR(
                   "tables",
                   "Файлы программирования обязательного ввода (*.pov)|*.POV|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл программирования обязательного ввода"),
               KV_TR("tables", "Сохранить файл программирования обязательного ввода")},
  });
  pages.push_back({
      .id = PageId::kNumerators,
      .caption = Cp1251(KV_TR("tables", "Программ. нумераторов")),
      .shape = PageShape::kParameter,
      .tableNumber = 107,
      .recordCount = 1,
      .fields = Fields({{"Edit78", KV_TR("tables", "Обнуления:")},
                        {"Edit80", KV_TR("tables", "Номер перевода:")},
                        {"Edit82", KV_TR("tables", "Переговоров:")},
                        {"Edit84", KV_TR("tables", "Электронных сообщений:")},
                        {"Edit86", KV_TR("tables", "Телеграмм:")},
                        {"Edit79", KV_TR("tables", "Подписки:")},
                        {"Edit81", KV_TR("tables", "Аренда:")},
                        {"Edit83", KV_TR("tables", "Платежи:")},
                        {"Edit85", KV_TR("tables", "Реестр оплаченных переводов:")},
                        {"Edit87", KV_TR("tables", "Реестр принятых переводов:"), "", true}}),
      .leftColumnFields = 5,
      .file = {"pnu",
               KV_TR("tables",
                     "Файлы программирования нумераторов (*.pnu)|*.PNU|Все файлы (*.*)|*.*"),
               KV_TR("tables", "Открыть файл программирования нумераторов"),
               KV_TR("tables", "Сохранить файл программирования нумераторов")},
  });
  // The social-help types are names, like the currency names, and go out as typed.
  pages.push_back({
      .id = PageId::kSocialHelp,
      .caption = Cp1251(KV_TR("tables", "Программ. типа соц. помощи")),
      .shape = PageShape::kGrid,
      .control = "StringGrid15",
      .tableNumber = 108,
      .recordCount = 99,
      .kinds = {T},
      .headers = Texts({KV_TR("tables", "Номер"), KV_TR("tables", "Название")}),
      .encodings = {AsIs()},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .columnWeights = {40, 100},
      .file =
          {"tsp",
           KV_TR("tables",
                 "Файлы программирования типа социальной помощи (*.tsp)|*.TSP|Все файлы (*.*)|*.*"),
           KV_TR("tables", "Открыть файл программирования типа социальной помощи"),
           KV_TR("tables", "Сохранить файл программирования типа социальной помощи")},
  });
  pages.push_back({.id = PageId::kReports, .caption = Cp1251(KV_TR("tables", "Отчеты"))});
  return pages;
}

const std::vector<TableDescriptor>& Catalogue() {
  static const auto* catalogue = [] {
    auto* pages = new std::vector<TableDescriptor>(BuildCatalogue());
    // Each entry stands at its own page's position: a wrong order is a broken build.
    for (size_t index = 0; index < pages->size(); ++index) {
      if (PageIndex((*pages)[index].id) != static_cast<int>(index)) {
        throw std::logic_error("page catalogue out of order");
      }
    }
    return pages;
  }();
  return *catalogue;
}

}  // namespace

int PageIndex(PageId page) { return static_cast<int>(page); }

PageId PageAt(int index) {
  if (index < 0 || index >= kPageCount) {
    throw std::out_of_range("no page at position " + std::to_string(index));
  }
  return static_cast<PageId>(index);
}

const std::array<PageId, kPageCount>& AllPages() {
  static const auto pages = [] {
    std::array<PageId, kPageCount> all{};
    for (int index = 0; index < kPageCount; ++index) all[index] = static_cast<PageId>(index);
    return all;
  }();
  return pages;
}

int TableDescriptor::FieldCount() const {
  switch (shape) {
    case PageShape::kGrid:
      return static_cast<int>(encodings.size());
    case PageShape::kParameter:
      return static_cast<int>(fields.size());
    case PageShape::kOther:
      break;
  }
  return 0;
}

const TableDescriptor& Page(PageId page) {
  const auto& catalogue = Catalogue();
  const int index = PageIndex(page);
  if (index < 0 || index >= kPageCount) {
    throw std::out_of_range("no page with id " + std::to_string(index));
  }
  return catalogue[index];
}

bool IsGridPage(PageId page) { return Page(page).shape == PageShape::kGrid; }
bool IsParameterPage(PageId page) { return Page(page).shape == PageShape::kParameter; }

}  // namespace kvitmark::tables
