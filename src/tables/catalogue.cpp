#include "tables/catalogue.h"

#include <initializer_list>
#include <stdexcept>

#include "base/text_pattern.h"
#include "tables/default_records.h"

namespace kvitmark::tables {
namespace {

using enum Encoding;

constexpr FieldKind N = FieldKind::kNumber;
constexpr FieldKind T = FieldKind::kText;

// A hint of numbers alone: nothing in it to translate.
base::Message Numbers(const char* text) { return base::Message::Data(text); }

// Each pattern's %1 numbered 1 to 4.
std::vector<base::Message> NumberedLabels(std::initializer_list<base::TextPattern> patterns) {
  std::vector<base::Message> labels;
  for (const base::TextPattern& pattern : patterns) {
    for (int n = 1; n <= 4; ++n) labels.push_back(base::Message(pattern).Arg(n));
  }
  return labels;
}

const base::TextPattern kPcModeHint =
    KV_PATTERN("tables",
               "0 - offline;\n1 - offline ;\n4 - режим подкачки;\n"
               "5 - inline с подкачкой и offline в регистрации");
const char* const kPcSpeedHint =
    "0 - 4800\n1 - 9600\n2 - 14400\n3 - 19200\n4 - 28800\n5 - 38400\n6 - 56000\n7 - 57600\n"
    "8 - 115200";
const base::TextPattern kInternalGoodsHint =
    KV_PATTERN("tables", "от 0 до 10000 (используется только если в поле 8 таблицы стоит 1)");

// Code, goods code, then ten tiers of start sum, commission type and value.
std::vector<GridField> CommissionColumns() {
  std::vector<GridField> columns = {{KV_PATTERN("tables", "Код"), N, kNumber},
                                    {KV_PATTERN("tables", "Код товара"), N, kNumber}};
  for (int n = 1; n <= 10; ++n) {
    for (const base::TextPattern& pattern :
         {KV_PATTERN("tables", "Нач.сум.%1"), KV_PATTERN("tables", "Тип.ком.%1"),
          KV_PATTERN("tables", "Знач.%1")}) {
      columns.push_back({base::Message(pattern).Arg(n), N, kNumber});
    }
  }
  return columns;
}

// Twenty names, "Назв1" to "Назв20", each written as `encoding` says.
std::vector<GridField> AttributeColumns(Encoding encoding) {
  std::vector<GridField> columns;
  for (int n = 1; n <= 20; ++n) {
    columns.push_back({base::Message(KV_PATTERN("tables", "Назв%1")).Arg(n), T, encoding});
  }
  return columns;
}

std::vector<TableDescriptor> BuildCatalogue() {
  std::vector<TableDescriptor> pages;
  pages.push_back({
      .id = PageId::kGoods,
      .caption = KV_PATTERN("tables", "Товары"),
      .shape = PageShape::kGrid,
      .tableNumber = 0,
      .recordCount = kJuniorGoodsRecords,
      .numberCaption = KV_PATTERN("tables", "Ряд"),
      .columns = {{KV_PATTERN("tables", "Код"), N, kAsIs},
                  {KV_PATTERN("tables", "Название"), T, kFirstN, 32},
                  {KV_PATTERN("tables", "Цена"), N, kPrice},
                  {KV_PATTERN("tables", "Количество"), N, kQuantity},
                  {KV_PATTERN("tables", "Отдел"), N, kAsIs},
                  {KV_PATTERN("tables", "Группа"), N, kAsIs},
                  {KV_PATTERN("tables", "Налог"), N, kAsIs},
                  {KV_PATTERN("tables", "Тип"), N, kAsIs},
                  {KV_PATTERN("tables", "КНЛ"), N, kAsIs},
                  {KV_PATTERN("tables", "Штрих-код"), N, kBarcode}},
      .unshownFields = {N},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .juniorRows = kJuniorGoodsRecords + 1,
      .clear = ClearPlan{1, DefaultGoodsRecord},
      .fileExtension = "art",
      .fileNeedsType = true,
  });
  pages.push_back({
      .id = PageId::kOperators,
      .caption = KV_PATTERN("tables", "Операторы"),
      .shape = PageShape::kGrid,
      .tableNumber = 3,
      .recordCount = 20,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = {{KV_PATTERN("tables", "Пароль"), T, kFirstN, 8},
                  {KV_PATTERN("tables", "Имя"), T, kFirstN, 20},
                  {KV_PATTERN("tables", "Разрешение"), N, kFirstN, 1}},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .clear = ClearPlan{1, DefaultOperatorRecord},
      .fileExtension = "opr",
  });
  pages.push_back({
      .id = PageId::kPaymentTypes,
      .caption = KV_PATTERN("tables", "Типы оплат"),
      .shape = PageShape::kGrid,
      .tableNumber = 9,
      .recordCount = 5,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = {{KV_PATTERN("tables", "Разрешение (0-1)"), N, kFlag},
                  {KV_PATTERN("tables", "Разреш. для возвр. (0-1)"), N, kFlag},
                  {KV_PATTERN("tables", "Название (10 симв.)"), N, kFirstN, 20},
                  {KV_PATTERN("tables", "Сдача (0-1)"), N, kFlag},
                  {KV_PATTERN("tables", "Запрос (0-1)"), N, kFlag}},
      // The cash payment, record 1, is never written or cleared.
      .writeFirstRow = 2,
      .juniorRows = 6,
      .clear = ClearPlan{2, DefaultPaymentTypeRecord},
      .fileExtension = "opl",
  });
  pages.push_back({
      .id = PageId::kDepartments,
      .caption = KV_PATTERN("tables", "Отделы"),
      .shape = PageShape::kGrid,
      .tableNumber = 10,
      .recordCount = 20,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = {{KV_PATTERN("tables", "Название отдела (22 символа)"), T, kFirstN, 22}},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .clear = ClearPlan{1, DefaultDepartmentRecord},
      .fileExtension = "otd",
  });
  pages.push_back({
      .id = PageId::kHeaderText,
      .caption = KV_PATTERN("tables", "Загол. и рекл. текст"),
      .shape = PageShape::kGrid,
      .tableNumber = 6,
      .recordCount = 12,
      .numberCaption = base::Message::Data("#"),
      .columns = {{KV_PATTERN("tables", "Заголовок/рекламный текст (38 символов)"), T, kFirstN,
                   38}},
      .intervalOnWrite = true,
      .rowLabels = NumberedLabels({KV_PATTERN("tables", "Заголовок %1"),
                                   KV_PATTERN("tables", "Рекламный текст %1"),
                                   KV_PATTERN("tables", "Сервисный текст %1")}),
      .juniorRowLabels = NumberedLabels({KV_PATTERN("tables", "Заголовок %1"),
                                         KV_PATTERN("tables", "Рекламный текст %1"),
                                         KV_PATTERN("tables", "Сервис %1")}),
      // The Junior prints seven receipt lines; rows 8 to 12 stay in the table, unshown.
      .juniorRows = 8,
      .clear = ClearPlan{1, DefaultHeaderTextRecord},
      .fileExtension = "hft",
  });
  pages.push_back({
      .id = PageId::kCashParameters,
      .caption = KV_PATTERN("tables", "Параметры кассы"),
      .shape = PageShape::kParameter,
      .tableNumber = 2,
      .recordCount = 1,
      .fields =
          {
              {KV_PATTERN("tables", "Номер аппарата:"), Numbers("1 - 99")},
              {.caption = KV_PATTERN("tables", "Тип:"),
               .hint = KV_PATTERN("tables",
                                  "0 - обычный режим:\n1 - режим работы с многими отделами\n"
                                  "2 - ресторанный режим"),
               .designCaption = KV_PATTERN("tables", "Отчет по операторам:")},
              {KV_PATTERN("tables", "Открытие денежного ящика:"),
               KV_PATTERN("tables",
                          "0 - ящик открывается только для служебных чеков\n"
                          "1 - ящик открывается для всех типов чеков")},
              {KV_PATTERN("tables", "Время открытия денежного ящика:"), Numbers("0 - 250")},
              {.caption = KV_PATTERN("tables", "Оплата наличными:"),
               .hint = KV_PATTERN("tables", "1 - перед оплатой всегда вводить сумму наличными"),
               .designCaption = KV_PATTERN("tables", "Выключение аппарата в режиме регистрации:")},
              {.caption = KV_PATTERN("tables", "Регистрация наличного количества:"),
               .hint = KV_PATTERN("tables",
                                  "0 - наличное количество уменьшается при продаже;\n"
                                  "1 - наличное количество увеличивается при продаже;"),
               .designCaption = KV_PATTERN("tables", "Озвучивать нажатие клавиши:")},
              {.caption = KV_PATTERN("tables", "Не обнулять обороты товаров:"),
               .hint = KV_PATTERN("tables", "0 - обнуляется при Z- отчете;\n1 - не обнуляется;"),
               .designCaption = KV_PATTERN("tables", "Оплата наличными:")},
              {KV_PATTERN("tables", "Режим работы ПК:"), kPcModeHint},
              {KV_PATTERN("tables", "Скорость работы с ПК:"), Numbers(kPcSpeedHint)},
              {KV_PATTERN("tables", "Количество внутренних товаров:"), kInternalGoodsHint},
              {KV_PATTERN("tables", "Тип протокола:"), kPcModeHint},
              {.caption = KV_PATTERN("tables", "Адаптер:"),
               .hint = Numbers(kPcSpeedHint),
               .hiddenInDesign = true},
              {.caption = KV_PATTERN("tables", "Интерфейс:"),
               .hint = kInternalGoodsHint,
               .hiddenInDesign = true},
          },
      .fileExtension = "pak",
      .fileNeedsType = true,
  });
  pages.push_back({
      .id = PageId::kReceiptParameters,
      .caption = KV_PATTERN("tables", "Параметры чека"),
      .shape = PageShape::kParameter,
      .tableNumber = 5,
      .recordCount = 1,
      .fields =
          {
              {KV_PATTERN("tables", "Печать логотипа пользователя:"),
               KV_PATTERN(
                   "tables",
                   "0 - не печатать;\n1 - печатать между чеками;\n2 - печатать после клише;\n"
                   "3 - печатать после рекламного текста.")},
              {KV_PATTERN("tables", "Количество строк в логотипе:"),
               KV_PATTERN(
                   "tables",
                   "0 - логотип печататься не будет\n1 - 200 - количество строк в логотипе")},
              {KV_PATTERN("tables", "Количество строк рекламного текста:"),
               KV_PATTERN("tables", "0 - 4 (строки печатаются если они не пустые)")},
              {KV_PATTERN("tables", "Печать в чеке количества покупок:"),
               KV_PATTERN("tables", "1 - печатать в чеке общее количество покупок")},
              {KV_PATTERN("tables", "Печать штрих-кода:"),
               KV_PATTERN("tables", "0 - не печатать\n1-99 - высота штрихкода.")},
              {KV_PATTERN("tables", "Выделять чек пустыми строчками:"),
               KV_PATTERN(
                   "tables",
                   "1 - отделять в чеке продажи товаров пустой строкой от другой информации")},
              {KV_PATTERN("tables", "Количество копий:"), Numbers("0 - 3")},
              {KV_PATTERN("tables", "Служебные чеки:"), Numbers("0 - 3"), true},
          },
      .fileExtension = "pac",
  });
  pages.push_back({
      .id = PageId::kServiceParameters,
      .caption = KV_PATTERN("tables", "Служебная"),
      .shape = PageShape::kParameter,
      .tableNumber = 8,
      .recordCount = 1,
      .fields =
          {
              {KV_PATTERN("tables", "Высота символов в контрольной ленте:"),
               KV_PATTERN("tables", "0 - стандартная высота;\n1 - уменьшенная вісота")},
              {KV_PATTERN("tables", "Служебное:"), Numbers("0 - 1")},
              {KV_PATTERN("tables", "Контрасность печати:"), Numbers("0 - 3")},
              {KV_PATTERN("tables", "Скорость работы со сканером:"), Numbers("0 - 4800\n1 - 9600")},
              {KV_PATTERN("tables", "Дополнение:"),
               KV_PATTERN("tables",
                          "(для режима подкачки)\n"
                          "1 - в каждом сообщении добавляется номер чекаи общая сумма по чеку;\n"
                          "0 - не добавляется")},
              {KV_PATTERN("tables", "Показ. свобод. место при подкачке:"),
               KV_PATTERN("tables",
                          "(при запросе внешнего товара указывается)\n0 - номер товара в наборе;\n"
                          "1 - свободная ячейка куда будет подкачан товар")},
              {KV_PATTERN("tables", "Запрос разреш. аннул. всего чека:"),
               KV_PATTERN("tables",
                          "(для режима подкачки)\n0 - запрет аннулирования\n1 - разрешение "
                          "аннулирования")},
              {KV_PATTERN("tables", "Контроль дубл. кодов и штрихкодов:"),
               KV_PATTERN("tables", "0 - контроль не выполняется\n1 - контроль выполняется")},
              {KV_PATTERN("tables", "Весы:"),
               KV_PATTERN("tables", "0 - весы не подключены\n1 - DIGI\n2 - CAS")},
              {.caption = KV_PATTERN("tables", "Яркость матричного индикатора:"),
               .hint = Numbers("0 - 7"),
               .designCaption = KV_PATTERN("tables", "2D-отчет:")},
              {.caption = KV_PATTERN("tables", "Режим работы  с весами Digi:"),
               .hint = Numbers("0 - 7"),
               .hiddenInDesign = true},
          },
      // A hidden edit after the record, kept by the page and its table file.
      .keepsExtraEdit = true,
      .fileExtension = "slu",
      .skipEndsExchange = true,
  });
  pages.push_back(
      {.id = PageId::kLogo, .caption = KV_PATTERN("tables", "Логотип"), .shape = PageShape::kLogo});
  pages.push_back({
      .id = PageId::kRefundNames,
      .caption = KV_PATTERN("tables", "Названия возвратов"),
      .shape = PageShape::kGrid,
      .tableNumber = 12,
      .recordCount = 10,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = {{KV_PATTERN("tables", "Название"), T, kFirstN, 32},
                  {KV_PATTERN("tables", "Использование"), N, kFirstN, 1}},
      .intervalOnRead = true,
      .fileExtension = "ret",
  });
  pages.push_back({
      .id = PageId::kPostalParameters,
      .caption = KV_PATTERN("tables", "Почтовые параметры"),
      .shape = PageShape::kParameter,
      .tableNumber = 97,
      .recordCount = 1,
      .fields = {{KV_PATTERN("tables", "Индекс почтового отделения:")},
                 {KV_PATTERN("tables", "ГКП:")},
                 {KV_PATTERN("tables", "Количество знаков:")},
                 {KV_PATTERN("tables", "Расчет:")},
                 {KV_PATTERN("tables", "Печать почт. отчетов перед Z-отчетом:")},
                 {KV_PATTERN("tables", "Код издания:")},
                 {KV_PATTERN("tables", "Индексы 1:")},
                 {KV_PATTERN("tables", "Индексы 2:")},
                 {KV_PATTERN("tables", "Индексы 3:")},
                 {KV_PATTERN("tables", "Индексы 4:")},
                 {KV_PATTERN("tables", "Индексы 5:")},
                 {KV_PATTERN("tables", "Индексы 6:")},
                 {KV_PATTERN("tables", "Индексы 7:")},
                 {KV_PATTERN("tables", "Индексы 8:")},
                 {KV_PATTERN("tables", "Индексы 9:")},
                 {KV_PATTERN("tables", "Индексы 10:")}},
      .emptyFieldsShowZero = true,
      .fileExtension = "par",
  });
  pages.push_back({
      .id = PageId::kPayments,
      .caption = KV_PATTERN("tables", "Программ. платежей"),
      .shape = PageShape::kGrid,
      .tableNumber = 98,
      .recordCount = 3000,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = {{KV_PATTERN("tables", "Код"), N, kText},
                  {KV_PATTERN("tables", "Расчетный счет"), N, kFirstN, 20},
                  {KV_PATTERN("tables", "Название"), T, kFirstN, 16},
                  {KV_PATTERN("tables", "Назначение"), N, kNumber},
                  {KV_PATTERN("tables", "Комиссия"), N, kNumber},
                  {KV_PATTERN("tables", "Ввод расч. счет плательшика"), N, kFlag},
                  {KV_PATTERN("tables", "Разр. вводить доп.данные плат."), N, kFlag},
                  {KV_PATTERN("tables", "Информация"), T, kFirstN, 50}},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .fileExtension = "ppl",
  });
  pages.push_back({
      .id = PageId::kPurposes,
      .caption = KV_PATTERN("tables", "Программ. назначения"),
      .shape = PageShape::kGrid,
      .tableNumber = 99,
      .recordCount = 1000,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = {{KV_PATTERN("tables", "Код"), N, kNumber},
                  {KV_PATTERN("tables", "Код товара"), N, kNumber},
                  {KV_PATTERN("tables", "Название"), T, kFirstN, 50}},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .fileExtension = "ppn",
  });
  pages.push_back({
      .id = PageId::kCommissions,
      .caption = KV_PATTERN("tables", "Программ. комиссий"),
      .shape = PageShape::kGrid,
      .tableNumber = 100,
      .recordCount = 99,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = CommissionColumns(),
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .fileExtension = "pko",
  });
  pages.push_back({
      .id = PageId::kAttributes1,
      .caption = KV_PATTERN("tables", "Программ. особ. признаков 1"),
      .shape = PageShape::kGrid,
      .tableNumber = 101,
      .recordCount = 20,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = AttributeColumns(kText),
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .fileExtension = "op1",
  });
  pages.push_back({
      .id = PageId::kAttributes2,
      .caption = KV_PATTERN("tables", "Программ. особ. признаков 2"),
      .shape = PageShape::kGrid,
      .tableNumber = 102,
      .recordCount = 20,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = AttributeColumns(kNumber),
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .fileExtension = "op2",
  });
  pages.push_back({
      .id = PageId::kMessageCodes,
      .caption = KV_PATTERN("tables", "Коды сообщений"),
      .shape = PageShape::kGrid,
      .tableNumber = 103,
      .recordCount = 9,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = {{KV_PATTERN("tables", "Код товара"), T, kNumber}},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .fileExtension = "kso",
  });
  pages.push_back({
      .id = PageId::kExtraServices,
      .caption = KV_PATTERN("tables", "Дополн. услуги"),
      .shape = PageShape::kGrid,
      .tableNumber = 104,
      .recordCount = 99,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = {{KV_PATTERN("tables", "Код товара"), N, kNumber}},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .fileExtension = "pdu",
  });
  pages.push_back({
      .id = PageId::kCurrencyNames,
      .caption = KV_PATTERN("tables", "Названия валют"),
      .shape = PageShape::kGrid,
      .tableNumber = 105,
      .recordCount = 20,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = {{KV_PATTERN("tables", "Название"), T, kAsIs}},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .fileExtension = "pnv",
  });
  pages.push_back({
      .id = PageId::kMandatoryInput,
      .caption = KV_PATTERN("tables", "Обяз. ввод"),
      .shape = PageShape::kParameter,
      .tableNumber = 106,
      .recordCount = 1,
      .fields = {{KV_PATTERN("tables", "Страна:")},
                 {KV_PATTERN("tables", "ШКИ:")},
                 {KV_PATTERN("tables", "Кому:")},
                 {KV_PATTERN("tables", "Масса:")},
                 {KV_PATTERN("tables", "За ценность:")},
                 {KV_PATTERN("tables", "Предоплата:")},
                 {KV_PATTERN("tables", "С посыльным:")},
                 {KV_PATTERN("tables", "Экспидиционная плата:")},
                 {KV_PATTERN("tables", "Вручение лично:")},
                 {KV_PATTERN("tables", "Проверка контр. разряда ШКИ:")},
                 {KV_PATTERN("tables", "Проверка контр. разр. при выпл.:")}},
      .fileExtension = "pov",
  });
  pages.push_back({
      .id = PageId::kNumerators,
      .caption = KV_PATTERN("tables", "Программ. нумераторов"),
      .shape = PageShape::kParameter,
      .tableNumber = 107,
      .recordCount = 1,
      .fields = {{KV_PATTERN("tables", "Обнуления:")},
                 {KV_PATTERN("tables", "Номер перевода:")},
                 {KV_PATTERN("tables", "Переговоров:")},
                 {KV_PATTERN("tables", "Электронных сообщений:")},
                 {KV_PATTERN("tables", "Телеграмм:")},
                 {KV_PATTERN("tables", "Подписки:")},
                 {KV_PATTERN("tables", "Аренда:")},
                 {KV_PATTERN("tables", "Платежи:")},
                 {KV_PATTERN("tables", "Реестр оплаченных переводов:")},
                 {KV_PATTERN("tables", "Реестр принятых переводов:"), {}, true}},
      .fileExtension = "pnu",
  });
  // The social-help types are names, like the currency names, and go out as typed.
  pages.push_back({
      .id = PageId::kSocialHelp,
      .caption = KV_PATTERN("tables", "Программ. типа соц. помощи"),
      .shape = PageShape::kGrid,
      .tableNumber = 108,
      .recordCount = 99,
      .numberCaption = KV_PATTERN("tables", "Номер"),
      .columns = {{KV_PATTERN("tables", "Название"), T, kAsIs}},
      .intervalOnRead = true,
      .intervalOnWrite = true,
      .fileExtension = "tsp",
  });
  pages.push_back({.id = PageId::kReports,
                   .caption = KV_PATTERN("tables", "Отчеты"),
                   .shape = PageShape::kReports});
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
      return static_cast<int>(columns.size());
    case PageShape::kParameter:
      return static_cast<int>(fields.size());
    case PageShape::kLogo:
    case PageShape::kReports:
      break;
  }
  return 0;
}

FieldKind TableDescriptor::AnswerFieldKind(int position) const {
  if (position < 1) return FieldKind::kAbsent;
  const size_t index = static_cast<size_t>(position) - 1;
  if (index < columns.size()) return columns[index].kind;
  if (index - columns.size() < unshownFields.size()) return unshownFields[index - columns.size()];
  return FieldKind::kAbsent;
}

const base::Message& TableDescriptor::ColumnCaption(int column) const {
  static const base::Message kNone;
  if (column == 0) return numberCaption;
  if (column < 0 || static_cast<size_t>(column) > columns.size()) return kNone;
  return columns[column - 1].caption;
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
