#include "tables/catalogue.h"

#include <initializer_list>

#include "base/cp1251.h"

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

struct GridPage {
  int page;
  const char* caption;
  const char* control;
  int table;
  int records;
  std::vector<FieldKind> kinds;
  bool intervalOnRead;
  std::vector<std::string> headers;
  std::vector<FieldEncoding> encodings;
  int writeFirstRow;
  bool intervalOnWrite;
};

TableDescriptor Grid(GridPage grid) {
  TableDescriptor page;
  page.page = grid.page;
  page.caption = Cp1251(grid.caption);
  page.shape = PageShape::kGrid;
  page.control = grid.control;
  page.tableNumber = grid.table;
  page.recordCount = grid.records;
  page.fieldCount = static_cast<int>(grid.encodings.size());
  for (size_t i = 0; i < grid.kinds.size(); ++i) page.kinds[i] = grid.kinds[i];
  page.intervalOnRead = grid.intervalOnRead;
  page.headers = std::move(grid.headers);
  page.encodings = std::move(grid.encodings);
  page.writeFirstRow = grid.writeFirstRow;
  page.intervalOnWrite = grid.intervalOnWrite;
  page.intervalEnd = grid.records;
  return page;
}

struct Field {
  const char* control;
  const char* caption;
  const char* hint = "";
  bool hidden = false;
};

TableDescriptor Parameters(int pageIndex, const char* caption, int table,
                           std::initializer_list<Field> fields) {
  TableDescriptor page;
  page.page = pageIndex;
  page.caption = Cp1251(caption);
  page.shape = PageShape::kParameter;
  page.tableNumber = table;
  page.recordCount = 1;
  for (const Field& field : fields) {
    page.fields.push_back({field.control, Cp1251(field.caption), Cp1251(field.hint), field.hidden});
  }
  page.fieldCount = static_cast<int>(page.fields.size());
  return page;
}

TableDescriptor Other(int pageIndex, const char* caption) {
  TableDescriptor page;
  page.page = pageIndex;
  page.caption = Cp1251(caption);
  return page;
}

const char* const kPcModeHint =
    "0 - offline;\n1 - offline ;\n4 - режим подкачки;\n"
    "5 - inline с подкачкой и offline в регистрации";
const char* const kPcSpeedHint =
    "0 - 4800\n1 - 9600\n2 - 14400\n3 - 19200\n4 - 28800\n5 - 38400\n6 - 56000\n7 - 57600\n"
    "8 - 115200";
const char* const kInternalGoodsHint =
    "от 0 до 10000 (используется только если в поле 8 таблицы стоит 1)";

std::vector<std::string> CommissionHeaders() {
  std::vector<std::string> headers = Texts({"Номер", "Код", "Код товара"});
  for (int n = 1; n <= 10; ++n) {
    const std::string number = std::to_string(n);
    for (const char* prefix : {"Нач.сум.", "Тип.ком.", "Знач."}) {
      headers.push_back(Cp1251(prefix) + number);
    }
  }
  return headers;
}

std::vector<std::string> AttributeHeaders() {
  std::vector<std::string> headers = Texts({"Номер"});
  for (int n = 1; n <= 20; ++n) headers.push_back(Cp1251("Назв") + std::to_string(n));
  return headers;
}

std::vector<TableDescriptor> BuildCatalogue() {
  std::vector<TableDescriptor> pages;
  pages.push_back(Grid({0,
                        "Товары",
                        "StringGrid1",
                        0,
                        14000,
                        {N, T, N, N, N, N, N, N, N, N, N},
                        true,
                        Texts({"Ряд", "Код", "Название", "Цена", "Количество", "Отдел", "Группа",
                               "Налог", "Тип", "КНЛ", "Штрих-код"}),
                        {AsIs(),
                         First(32),
                         {Encoding::kPrice},
                         {Encoding::kQuantity},
                         AsIs(),
                         AsIs(),
                         AsIs(),
                         AsIs(),
                         AsIs(),
                         {Encoding::kBarcode}},
                        1,
                        true}));
  pages.push_back(Grid({1,
                        "Операторы",
                        "StringGrid2",
                        3,
                        20,
                        {T, T, N},
                        true,
                        Texts({"Номер", "Пароль", "Имя", "Разрешение"}),
                        {First(8), First(20), First(1)},
                        1,
                        true}));
  pages.push_back(Grid({2,
                        "Типы оплат",
                        "StringGrid3",
                        9,
                        5,
                        {N, N, N, N, N},
                        false,
                        Texts({"Номер", "Разрешение (0-1)", "Разреш. для возвр. (0-1)",
                               "Название (10 симв.)", "Сдача (0-1)", "Запрос (0-1)"}),
                        {Flag(), Flag(), First(20), Flag(), Flag()},
                        2,
                        false}));
  pages.push_back(Grid({3,
                        "Отделы",
                        "StringGrid4",
                        10,
                        20,
                        {T},
                        true,
                        Texts({"Номер", "Название отдела (22 символа)"}),
                        {First(22)},
                        1,
                        true}));
  pages.push_back(Grid({4,
                        "Загол. и рекл. текст",
                        "StringGrid5",
                        6,
                        12,
                        {T},
                        false,
                        Texts({"#", "Заголовок/рекламный текст (38 символов)"}),
                        {First(38)},
                        1,
                        true}));
  pages.push_back(Parameters(
      5, "Параметры кассы", 2,
      {{"Edit5", "Номер аппарата:", "1 - 99"},
       {"Edit6",
        "Тип:", "0 - обычный режим:\n1 - режим работы с многими отделами\n2 - ресторанный режим"},
       {"Edit7", "Открытие денежного ящика:",
        "0 - ящик открывается только для служебных чеков\n"
        "1 - ящик открывается для всех типов чеков"},
       {"Edit8", "Время открытия денежного ящика:", "0 - 250"},
       {"Edit9", "Оплата наличными:", "1 - перед оплатой всегда вводить сумму наличными"},
       {"Edit10", "Регистрация наличного количества:",
        "0 - наличное количество уменьшается при продаже;\n"
        "1 - наличное количество увеличивается при продаже;"},
       {"Edit11",
        "Не обнулять обороты товаров:", "0 - обнуляется при Z- отчете;\n1 - не обнуляется;"},
       {"Edit12", "Режим работы ПК:", kPcModeHint},
       {"Edit13", "Скорость работы с ПК:", kPcSpeedHint},
       {"Edit14", "Количество внутренних товаров:", kInternalGoodsHint},
       {"Edit19", "Тип протокола:", kPcModeHint},
       {"Edit24", "Адаптер:", kPcSpeedHint},
       {"Edit35", "Интерфейс:", kInternalGoodsHint}}));
  pages.push_back(Parameters(
      6, "Параметры чека", 5,
      {{"Edit15", "Печать логотипа пользователя:",
        "0 - не печатать;\n1 - печатать между чеками;\n2 - печатать после клише;\n"
        "3 - печатать после рекламного текста."},
       {"Edit16", "Количество строк в логотипе:",
        "0 - логотип печататься не будет\n1 - 200 - количество строк в логотипе"},
       {"Edit17",
        "Количество строк рекламного текста:", "0 - 4 (строки печатаются если они не пустые)"},
       {"Edit18",
        "Печать в чеке количества покупок:", "1 - печатать в чеке общее количество покупок"},
       {"Edit20", "Печать штрих-кода:", "0 - не печатать\n1-99 - высота штрихкода."},
       {"Edit21", "Выделять чек пустыми строчками:",
        "1 - отделять в чеке продажи товаров пустой строкой от другой информации"},
       {"Edit22", "Количество копий:", "0 - 3"},
       {"Edit23", "Служебные чеки:", "0 - 3", true}}));
  pages.push_back(Parameters(
      7, "Служебная", 8,
      {{"Edit25",
        "Высота символов в контрольной ленте:", "0 - стандартная высота;\n1 - уменьшенная вісота"},
       {"Edit26", "Служебное:", "0 - 1"},
       {"Edit27", "Контрасность печати:", "0 - 3"},
       {"Edit28", "Скорость работы со сканером:", "0 - 4800\n1 - 9600"},
       {"Edit29", "Дополнение:",
        "(для режима подкачки)\n"
        "1 - в каждом сообщении добавляется номер чекаи общая сумма по чеку;\n"
        "0 - не добавляется"},
       {"Edit30", "Показ. свобод. место при подкачке:",
        "(при запросе внешнего товара указывается)\n0 - номер товара в наборе;\n"
        "1 - свободная ячейка куда будет подкачан товар"},
       {"Edit31", "Запрос разреш. аннул. всего чека:",
        "(для режима подкачки)\n0 - запрет аннулирования\n1 - разрешение аннулирования"},
       {"Edit32", "Контроль дубл. кодов и штрихкодов:",
        "0 - контроль не выполняется\n1 - контроль выполняется"},
       {"Edit33", "Весы:", "0 - весы не подключены\n1 - DIGI\n2 - CAS"},
       {"Edit34", "Яркость матричного индикатора:", "0 - 7"},
       {"Edit36", "Режим работы  с весами Digi:", "0 - 7"}}));
  pages.push_back(Other(kLogoPage, "Логотип"));
  pages.push_back(Grid({9,
                        "Названия возвратов",
                        "StringGrid6",
                        12,
                        10,
                        {T, N},
                        true,
                        Texts({"Номер", "Название", "Использование"}),
                        {First(32), First(1)},
                        1,
                        false}));
  pages.push_back(Parameters(10, "Почтовые параметры", 97,
                             {{"Edit51", "Индекс почтового отделения:"},
                              {"Edit52", "ГКП:"},
                              {"Edit53", "Количество знаков:"},
                              {"Edit54", "Расчет:"},
                              {"Edit55", "Печать почт. отчетов перед Z-отчетом:"},
                              {"Edit56", "Код издания:"},
                              {"Edit57", "Индексы 1:"},
                              {"Edit64", "Индексы 2:"},
                              {"Edit58", "Индексы 3:"},
                              {"Edit59", "Индексы 4:"},
                              {"Edit60", "Индексы 5:"},
                              {"Edit61", "Индексы 6:"},
                              {"Edit62", "Индексы 7:"},
                              {"Edit63", "Индексы 8:"},
                              {"Edit65", "Индексы 9:"},
                              {"Edit66", "Индексы 10:"}}));
  pages.push_back(
      Grid({11,
            "Программ. платежей",
            "StringGrid7",
            98,
            3000,
            {N, N, T, N, N, N, N, T},
            true,
            Texts({"Номер", "Код", "Расчетный счет", "Название", "Назначение", "Комиссия",
                   "Ввод расч. счет плательшика", "Разр. вводить доп.данные плат.", "Информация"}),
            {Text(), First(20), First(16), Number(), Number(), Flag(), Flag(), First(50)},
            1,
            true}));
  pages.push_back(Grid({12,
                        "Программ. назначения",
                        "StringGrid8",
                        99,
                        1000,
                        {N, N, T},
                        true,
                        Texts({"Номер", "Код", "Код товара", "Название"}),
                        {Number(), Number(), First(50)},
                        1,
                        true}));
  pages.push_back(
      Grid({13, "Программ. комиссий", "StringGrid9", 100, 99, std::vector<FieldKind>(32, N), true,
            CommissionHeaders(), std::vector<FieldEncoding>(32, Number()), 1, true}));
  pages.push_back(Grid({14, "Программ. особ. признаков 1", "StringGrid10", 101, 20,
                        std::vector<FieldKind>(20, T), true, AttributeHeaders(),
                        std::vector<FieldEncoding>(20, Text()), 1, true}));
  pages.push_back(Grid({15, "Программ. особ. признаков 2", "StringGrid11", 102, 20,
                        std::vector<FieldKind>(20, T), true, AttributeHeaders(),
                        std::vector<FieldEncoding>(20, Number()), 1, true}));
  pages.push_back(Grid({16,
                        "Коды сообщений",
                        "StringGrid12",
                        103,
                        9,
                        {T},
                        true,
                        Texts({"Номер", "Код товара"}),
                        {Number()},
                        1,
                        true}));
  pages.push_back(Grid({17,
                        "Дополн. услуги",
                        "StringGrid13",
                        104,
                        99,
                        {N},
                        true,
                        Texts({"Номер", "Код товара"}),
                        {Number()},
                        1,
                        true}));
  pages.push_back(Grid({18,
                        "Названия валют",
                        "StringGrid14",
                        105,
                        20,
                        {T},
                        true,
                        Texts({"Номер", "Название"}),
                        {AsIs()},
                        1,
                        true}));
  pages.push_back(Parameters(19, "Обяз. ввод", 106,
                             {{"Edit67", "Страна:"},
                              {"Edit68", "ШКИ:"},
                              {"Edit69", "Кому:"},
                              {"Edit70", "Масса:"},
                              {"Edit71", "За ценность:"},
                              {"Edit72", "Предоплата:"},
                              {"Edit73", "С посыльным:"},
                              {"Edit74", "Экспидиционная плата:"},
                              {"Edit75", "Вручение лично:"},
                              {"Edit76", "Проверка контр. разряда ШКИ:"},
                              {"Edit77", "Проверка контр. разр. при выпл.:"}}));
  pages.push_back(Parameters(20, "Программ. нумераторов", 107,
                             {{"Edit78", "Обнуления:"},
                              {"Edit80", "Номер перевода:"},
                              {"Edit82", "Переговоров:"},
                              {"Edit84", "Электронных сообщений:"},
                              {"Edit86", "Телеграмм:"},
                              {"Edit79", "Подписки:"},
                              {"Edit81", "Аренда:"},
                              {"Edit83", "Платежи:"},
                              {"Edit85", "Реестр оплаченных переводов:"},
                              {"Edit87", "Реестр принятых переводов:", "", true}}));
  // The social-help types are names, like the currency names, and go out as typed.
  pages.push_back(Grid({21,
                        "Программ. типа соц. помощи",
                        "StringGrid15",
                        108,
                        99,
                        {T},
                        true,
                        Texts({"Номер", "Название"}),
                        {AsIs()},
                        1,
                        true}));
  pages.push_back(Other(kReportsPage, "Отчеты"));
  return pages;
}

const std::vector<TableDescriptor>& Catalogue() {
  static const auto* catalogue = new std::vector<TableDescriptor>(BuildCatalogue());
  return *catalogue;
}

}  // namespace

const TableDescriptor& Page(int page) {
  const auto& catalogue = Catalogue();
  if (page < 0 || page >= kPageCount) return catalogue[kLogoPage];  // a page with no table
  return catalogue[page];
}

bool IsGridPage(int page) { return Page(page).shape == PageShape::kGrid; }
bool IsParameterPage(int page) { return Page(page).shape == PageShape::kParameter; }

std::vector<std::string> HeaderTextRowLabels(bool juniorLayout) {
  std::vector<std::string> labels;
  for (int n = 1; n <= 4; ++n) labels.push_back(Cp1251("Заголовок ") + std::to_string(n));
  for (int n = 1; n <= 4; ++n) labels.push_back(Cp1251("Рекламный текст ") + std::to_string(n));
  const char* service = juniorLayout ? "Сервис " : "Сервисный текст ";
  for (int n = 1; n <= 4; ++n) labels.push_back(Cp1251(service) + std::to_string(n));
  return labels;
}

const std::vector<DesignCaption>& DesignCaptions() {
  static const auto* captions = new std::vector<DesignCaption>{
      {5, 1, Cp1251("Отчет по операторам:")},
      {5, 4, Cp1251("Выключение аппарата в режиме регистрации:")},
      {5, 5, Cp1251("Озвучивать нажатие клавиши:")},
      {5, 6, Cp1251("Оплата наличными:")},
      {7, 9, Cp1251("2D-отчет:")},
  };
  return *captions;
}

}  // namespace kvitmark::tables
