<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>BackupWindow</name>
    <message>
        <source>Резервная копия ЭККА: в какую папку</source>
        <translation>Резервна копія ЕККА: до якої теки</translation>
    </message>
    <message>
        <source>

Папка копии:
</source>
        <translation>

Тека копії:
</translation>
    </message>
    <message>
        <source>Восстановить ЭККА из копии: папка копии</source>
        <translation>Відновити ЕККА з копії: тека копії</translation>
    </message>
    <message>
        <source>

Ничего не записано в ЭККА.</source>
        <translation>

До ЕККА нічого не записано.</translation>
    </message>
    <message>
        <source>Всего:</source>
        <translation>Усього:</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>%1 (%2) — %3 из %4</source>
        <translation>%1 (%2) — %3 з %4</translation>
    </message>
    <message>
        <source>Резервная копия ЭККА</source>
        <translation>Резервна копія ЕККА</translation>
    </message>
    <message>
        <source>Восстановление ЭККА</source>
        <translation>Відновлення ЕККА</translation>
    </message>
</context>
<context>
    <name>GoodsCsv</name>
    <message>
        <source>Чтение файла…</source>
        <translation>Читання файлу…</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1».</source>
        <translation>Не вдалося записати файл «%1».</translation>
    </message>
    <message>
        <source>В файл «%1» выгружено товаров: %2.</source>
        <translation>До файлу «%1» вивантажено товарів: %2.</translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1»: %2</source>
        <translation>Не вдалося відкрити файл «%1»: %2</translation>
    </message>
    <message>
        <source>Файл «%1» слишком велик для списка товаров.</source>
        <translation>Файл «%1» завеликий для списку товарів.</translation>
    </message>
    <message>
        <source>В файле «%1» ошибок: %2. Товары не загружены.
</source>
        <translation>У файлі «%1» помилок: %2. Товари не завантажено.
</translation>
    </message>
    <message>
        <source>
… и ещё %1</source>
        <translation>
… і ще %1</translation>
    </message>
    <message>
        <source>Товары на странице будут заменены товарами из файла (%1). Продолжить ?</source>
        <translation>Товари на сторінці буде замінено товарами з файлу (%1). Продовжити?</translation>
    </message>
    <message>
        <source>Загружено товаров: %1.</source>
        <translation>Завантажено товарів: %1.</translation>
    </message>
    <message>
        <source>Файлы CSV (*.csv);;Все файлы (*)</source>
        <translation>Файли CSV (*.csv);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Импорт товаров из CSV</source>
        <translation>Імпорт товарів із CSV</translation>
    </message>
    <message>
        <source>Экспорт товаров в CSV</source>
        <translation>Експорт товарів у CSV</translation>
    </message>
</context>
<context>
    <name>LogoFiles</name>
    <message>
        <source>Файл «%1» не является BMP-рисунком или повреждён.</source>
        <translation>Файл «%1» не є BMP-зображенням або пошкоджений.</translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1»: %2</source>
        <translation>Не вдалося відкрити файл «%1»: %2</translation>
    </message>
    <message>
        <source>Файл «%1» слишком велик для логотипа.</source>
        <translation>Файл «%1» завеликий для логотипа.</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2</source>
        <translation>Не вдалося записати файл «%1»: %2</translation>
    </message>
    <message>
        <source>Не удалось создать файл «%1»: %2</source>
        <translation>Не вдалося створити файл «%1»: %2</translation>
    </message>
    <message>
        <source>Файл «%1» не является рисунком или повреждён.</source>
        <translation>Файл «%1» не є зображенням або пошкоджений.</translation>
    </message>
    <message>
        <source>Рисунок в файле «%1» слишком велик: %2 на %3 точек (можно не больше 100 миллионов точек).</source>
        <translation>Зображення у файлі «%1» завелике: %2 на %3 точок (можна не більше 100 мільйонів точок).</translation>
    </message>
    <message>
        <source>Файл «%1» пуст.</source>
        <translation>Файл «%1» порожній.</translation>
    </message>
</context>
<context>
    <name>LogoPage</name>
    <message>
        <source>растянуть/сжать</source>
        <translation>розтягнути/стиснути</translation>
    </message>
    <message>
        <source>Загрузить логотип из файла</source>
        <translation>Завантажити логотип із файлу</translation>
    </message>
    <message>
        <source>Сохранить логотип в файл</source>
        <translation>Зберегти логотип у файл</translation>
    </message>
    <message>
        <source>Записать логотип в ЭККА</source>
        <translation>Записати логотип в ЕККА</translation>
    </message>
    <message>
        <source>Прочитать логотип из ЭККА</source>
        <translation>Прочитати логотип з ЕККА</translation>
    </message>
    <message>
        <source>Загрузка логотипа из BMP-файла</source>
        <translation>Завантаження логотипа з BMP-файлу</translation>
    </message>
    <message>
        <source>Сохранение логотипа в BMP-файл</source>
        <translation>Збереження логотипа в BMP-файл</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Рисунки</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Логотип из рисунка</source>
        <translation>Логотип із зображення</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Так напечатает ЭККА</source>
        <translation>Так надрукує ЕККА</translation>
    </message>
    <message>
        <source>Увеличено вдвое</source>
        <translation>Збільшено вдвічі</translation>
    </message>
    <message>
        <source>Преобразование:</source>
        <translation>Перетворення:</translation>
    </message>
    <message>
        <source>Порог:</source>
        <translation>Поріг:</translation>
    </message>
    <message>
        <source>Яркость:</source>
        <translation>Яскравість:</translation>
    </message>
    <message>
        <source>Контраст:</source>
        <translation>Контраст:</translation>
    </message>
    <message>
        <source>Инвертировать: точки там, где светло</source>
        <translation>Інвертувати: точки там, де світло</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Как в файле, точка в точку</source>
        <translation>Як у файлі, точка в точку</translation>
    </message>
    <message>
        <source>Порог</source>
        <translation>Поріг</translation>
    </message>
    <message>
        <source>Рассеивание Флойда — Стейнберга</source>
        <translation>Розсіювання Флойда — Стейнберга</translation>
    </message>
    <message>
        <source>Рассеивание Аткинсона</source>
        <translation>Розсіювання Аткінсона</translation>
    </message>
</context>
<context>
    <name>PortSelector</name>
    <message>
        <source> (не подключено)</source>
        <translation> (не підключено)</translation>
    </message>
    <message>
        <source>Сетевой порт...</source>
        <translation>Мережевий порт...</translation>
    </message>
</context>
<context>
    <name>ReportsPage</name>
    <message>
        <source>Установить все</source>
        <translation>Позначити всі</translation>
    </message>
    <message>
        <source>Очистить все</source>
        <translation>Зняти всі</translation>
    </message>
    <message>
        <source>разделитель между полями</source>
        <translation>роздільник між полями</translation>
    </message>
    <message>
        <source>Чтение отчетов</source>
        <translation>Читання звітів</translation>
    </message>
    <message>
        <source>Разделитель между полями нельзя записать в кодировке 1251.</source>
        <translation>Роздільник між полями не можна записати в кодуванні 1251.</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Найти ЭККА</source>
        <translation>Знайти ЕККА</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>%1, %2 бит/с, ЭККА %3</source>
        <translation>%1, %2 біт/с, ЕККА %3</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>База продаж SD-карты...</source>
        <translation>База продажів SD-картки...</translation>
    </message>
    <message>
        <source>Экспорт товаров на SD-карту...</source>
        <translation>Експорт товарів на SD-картку...</translation>
    </message>
    <message>
        <source>Открывать файлы из текущей папки</source>
        <translation>Відкривати файли з поточної теки</translation>
    </message>
    <message>
        <source>Найти ЭККА...</source>
        <translation>Знайти ЕККА...</translation>
    </message>
    <message>
        <source>Записать изменения в ЭККА</source>
        <translation>Записати зміни в ЕККА</translation>
    </message>
    <message>
        <source>Резервная копия ЭККА...</source>
        <translation>Резервна копія ЕККА...</translation>
    </message>
    <message>
        <source>Восстановить ЭККА из копии...</source>
        <translation>Відновити ЕККА з копії...</translation>
    </message>
    <message>
        <source>Экспорт товаров в CSV...</source>
        <translation>Експорт товарів у CSV...</translation>
    </message>
    <message>
        <source>Импорт товаров из CSV...</source>
        <translation>Імпорт товарів із CSV...</translation>
    </message>
    <message>
        <source>Интервал кодирования</source>
        <translation>Інтервал кодування</translation>
    </message>
    <message>
        <source>Использовать</source>
        <translation>Використовувати</translation>
    </message>
    <message>
        <source>Начало</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>Конец</source>
        <translation>Кінець</translation>
    </message>
    <message>
        <source>Номер первой записи в ЭККА:</source>
        <translation>Номер першого запису в ЕККА:</translation>
    </message>
    <message>
        <source>Подключить Datecs MP-50 Junior</source>
        <translation>Підключити Datecs MP-50 Junior</translation>
    </message>
    <message>
        <source>Последовательный
порт:</source>
        <translation>Послідовний
порт:</translation>
    </message>
    <message>
        <source>Скорость:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Номер ЭККА:</source>
        <translation>Номер ЕККА:</translation>
    </message>
    <message>
        <source>Тип ЭККА:</source>
        <translation>Тип ЕККА:</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Записать в ЭККА</source>
        <translation>Записати в ЕККА</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Прочитать из ЭККА</source>
        <translation>Прочитати з ЕККА</translation>
    </message>
    <message>
        <source>Очистить таблицу</source>
        <translation>Очистити таблицю</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Записать в ЭККА всю таблицу страницы.
Только изменённые записи (они выделены цветом): «Записать изменения в ЭККА», Ctrl+Shift+W или контекстное меню окна.</source>
        <translation>Записати в ЕККА всю таблицю сторінки.
Лише змінені записи (їх виділено кольором): «Записати зміни в ЕККА», Ctrl+Shift+W або контекстне меню вікна.</translation>
    </message>
    <message>
        <source>Порт COM%1 не существует: выберите COM1 … COM9.</source>
        <translation>Порту COM%1 не існує: виберіть COM1 … COM9.</translation>
    </message>
    <message>
        <source>Скорость %1 бит/с не поддерживается.</source>
        <translation>Швидкість %1 біт/с не підтримується.</translation>
    </message>
    <message>
        <source>Ошибка: </source>
        <translation>Помилка: </translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Непредвиденная ошибка.</source>
        <translation>Непередбачена помилка.</translation>
    </message>
    <message>
        <source>«%1» — не число. Укажите скорость в бит/с, например 9600.</source>
        <translation>«%1» — не число. Вкажіть швидкість у біт/с, наприклад 9600.</translation>
    </message>
    <message>
        <source>Ошибка подключения</source>
        <translation>Помилка підключення</translation>
    </message>
    <message>
        <source>Порт подключен</source>
        <translation>Порт підключено</translation>
    </message>
    <message>
        <source>Не подключена</source>
        <translation>Не підключено</translation>
    </message>
    <message>
        <source>Касса не обнаружена</source>
        <translation>Касу не виявлено</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Найти ЭККА</source>
        <translation>Знайти ЕККА</translation>
    </message>
    <message>
        <source>ЭККА уже подключен.</source>
        <translation>ЕККА вже підключено.</translation>
    </message>
    <message>
        <source>ЭККА не найден.</source>
        <translation>ЕККА не знайдено.</translation>
    </message>
    <message>
        <source>%1 подключена</source>
        <translation>%1 підключено</translation>
    </message>
    <message>
        <source>Отключить</source>
        <translation>Відключити</translation>
    </message>
    <message>
        <source>Подключить</source>
        <translation>Підключити</translation>
    </message>
    <message>
        <source>Программирование Datecs MP-50 Junior</source>
        <translation>Програмування Datecs MP-50 Junior</translation>
    </message>
    <message>
        <source>Сетевой порт</source>
        <translation>Мережевий порт</translation>
    </message>
    <message>
        <source>Адрес ЭККА в сети: rfc2217://узел:порт или tcp://узел:порт</source>
        <translation>Адреса ЕККА в мережі: rfc2217://вузол:порт або tcp://вузол:порт</translation>
    </message>
    <message>
        <source>Неверный сетевой адрес: %1
Например: rfc2217://192.168.1.20:4001</source>
        <translation>Неправильна мережева адреса: %1
Наприклад: rfc2217://192.168.1.20:4001</translation>
    </message>
    <message>
        <source>Не удалось записать порт в %1.</source>
        <translation>Не вдалося записати порт у %1.</translation>
    </message>
    <message>
        <source>Не подключено</source>
        <translation>Не підключено</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>ЭККА</source>
        <translation>ЕККА</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Показать продажи из файлов SD-карты ЭККА</source>
        <translation>Показати продажі з файлів SD-картки ЕККА</translation>
    </message>
    <message>
        <source>Записать товары страницы в файл для SD-карты ЭККА</source>
        <translation>Записати товари сторінки у файл для SD-картки ЕККА</translation>
    </message>
    <message>
        <source>Диалог открытия файла снова начнёт с папки программы</source>
        <translation>Вікно відкриття файлу знову почне з теки програми</translation>
    </message>
    <message>
        <source>Перебрать порты, скорости и номера, пока ЭККА не ответит</source>
        <translation>Перебрати порти, швидкості й номери, доки ЕККА не відповість</translation>
    </message>
    <message>
        <source>Записать в ЭККА только изменённые записи страницы</source>
        <translation>Записати в ЕККА лише змінені записи сторінки</translation>
    </message>
    <message>
        <source>Прочитать все таблицы и логотип ЭККА в папку копии</source>
        <translation>Прочитати всі таблиці й логотип ЕККА в теку копії</translation>
    </message>
    <message>
        <source>Проверить папку копии и записать её в ЭККА</source>
        <translation>Перевірити теку копії та записати її в ЕККА</translation>
    </message>
    <message>
        <source>Сохранить товары таблицей для LibreOffice или Excel</source>
        <translation>Зберегти товари таблицею для LibreOffice чи Excel</translation>
    </message>
    <message>
        <source>Загрузить товары из таблицы LibreOffice или Excel</source>
        <translation>Завантажити товари з таблиці LibreOffice чи Excel</translation>
    </message>
    <message>
        <source>Загрузить файл таблицы в страницу</source>
        <translation>Завантажити файл таблиці в сторінку</translation>
    </message>
    <message>
        <source>Сохранить таблицу страницы в файл</source>
        <translation>Зберегти таблицю сторінки у файл</translation>
    </message>
    <message>
        <source>Очистить таблицу страницы в окне</source>
        <translation>Очистити таблицю сторінки у вікні</translation>
    </message>
    <message>
        <source>Закрыть программу</source>
        <translation>Закрити програму</translation>
    </message>
    <message>
        <source>Подключить ЭККА на выбранном порту или отключить</source>
        <translation>Підключити ЕККА на вибраному порту або відключити</translation>
    </message>
    <message>
        <source>Прочитать таблицу страницы из ЭККА</source>
        <translation>Прочитати таблицю сторінки з ЕККА</translation>
    </message>
    <message>
        <source>Записать всю таблицу страницы в ЭККА</source>
        <translation>Записати всю таблицю сторінки в ЕККА</translation>
    </message>
    <message>
        <source>Записать в таблицу ЭККА заводские записи</source>
        <translation>Записати в таблицю ЕККА заводські записи</translation>
    </message>
    <message>
        <source>Прервать операцию после записи</source>
        <translation>Перервати операцію після поточного запису</translation>
    </message>
    <message>
        <source>О программе и её версии</source>
        <translation>Про програму та її версію</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Программирование ЭККА
Datecs MP-50 Junior / Datecs MP-50 UP</source>
        <translation>Програмування ЕККА
Datecs MP-50 Junior / Datecs MP-50 UP</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Ошибка чтения/записи</source>
        <translation>Помилка читання/запису</translation>
    </message>
    <message>
        <source>Ошибка записи/чтения таблицы ЭККА - запись пропущена</source>
        <translation>Помилка запису/читання таблиці ЕККА - запис пропущено</translation>
    </message>
    <message>
        <source>Пропустить</source>
        <translation>Пропустити</translation>
    </message>
    <message>
        <source>Завершить операцию</source>
        <translation>Перервати операцію</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Повторити</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Сохранить файл артикулов на SD-диск</source>
        <translation>Зберегти файл артикулів на SD-картку</translation>
    </message>
    <message>
        <source>База продаж SD-карты</source>
        <translation>База продажів SD-картки</translation>
    </message>
    <message>
        <source>Выбрать местонахождение файлов:</source>
        <translation>Вибрати розташування файлів:</translation>
    </message>
    <message>
        <source>Загрузить продажи с SD карты</source>
        <translation>Завантажити продажі з SD-картки</translation>
    </message>
    <message>
        <source>Сохранить продажи в файл</source>
        <translation>Зберегти продажі у файл</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Сохранить файл артикулов</source>
        <translation>Зберегти файл артикулів</translation>
    </message>
</context>
<context>
    <name>backup</name>
    <message>
        <source>Файл %1: %2</source>
        <translation>Файл %1: %2</translation>
    </message>
    <message>
        <source>В копии нет ни одной таблицы.</source>
        <translation>У копії немає жодної таблиці.</translation>
    </message>
    <message>
        <source>В папке нет файла %1 (или он не читается): это не резервная копия ЭККА.</source>
        <translation>У теці немає файлу %1 (або він не читається): це не резервна копія ЕККА.</translation>
    </message>
    <message>
        <source>manifest.json: таблица "%1" - такого вида таблиц нет</source>
        <translation>manifest.json: таблиця "%1" - такого виду таблиць немає</translation>
    </message>
    <message>
        <source>manifest.json: таблица "%1" указана дважды</source>
        <translation>manifest.json: таблицю "%1" вказано двічі</translation>
    </message>
    <message>
        <source>manifest.json: таблица "%1" в файле "%2", а должна быть в %3</source>
        <translation>manifest.json: таблиця "%1" у файлі "%2", а має бути в %3</translation>
    </message>
    <message>
        <source>manifest.json: таблица "%1" из %2 записей, а в таблице их %3</source>
        <translation>manifest.json: таблиця "%1" з %2 записів, а в таблиці їх %3</translation>
    </message>
    <message>
        <source>manifest.json: таблица "%1" без верной суммы sha256</source>
        <translation>manifest.json: таблиця "%1" без правильної суми sha256</translation>
    </message>
    <message>
        <source>manifest.json: логотип в файле "%1", а должен быть в %2</source>
        <translation>manifest.json: логотип у файлі "%1", а має бути в %2</translation>
    </message>
    <message>
        <source>manifest.json: логотип без верной суммы sha256</source>
        <translation>manifest.json: логотип без правильної суми sha256</translation>
    </message>
    <message>
        <source>В копии нет логотипа.</source>
        <translation>У копії немає логотипа.</translation>
    </message>
    <message>
        <source>Нет такого вида таблиц: "%1"</source>
        <translation>Немає такого виду таблиць: "%1"</translation>
    </message>
    <message>
        <source>В копии нет таблицы "%1" (%2).</source>
        <translation>У копії немає таблиці "%1" (%2).</translation>
    </message>
    <message>
        <source>Файла %1 нет в папке копии (или он не читается).</source>
        <translation>Файлу %1 немає в теці копії (або він не читається).</translation>
    </message>
    <message>
        <source>Файл %1 в папке копии - символическая ссылка: копия читается только из своих файлов.</source>
        <translation>Файл %1 у теці копії - символічне посилання: копія читається лише з власних файлів.</translation>
    </message>
    <message>
        <source>Файл %1 в папке копии - не обычный файл (канал, устройство или папка).</source>
        <translation>Файл %1 у теці копії - не звичайний файл (канал, пристрій або тека).</translation>
    </message>
    <message>
        <source>Файл %1 в папке копии больше, чем бывает в копии ЭККА (больше %2 КБ).</source>
        <translation>Файл %1 у теці копії більший, ніж буває в копії ЕККА (більше %2 КБ).</translation>
    </message>
    <message>
        <source>Файл %1 изменён или повреждён: его сумма sha256 не та, что в manifest.json.</source>
        <translation>Файл %1 змінено або пошкоджено: його сума sha256 не та, що в manifest.json.</translation>
    </message>
    <message>
        <source>Файл %1: %2 (строка %3)</source>
        <translation>Файл %1: %2 (рядок %3)</translation>
    </message>
    <message>
        <source>Файл %1: рисунок %2 x %3, а логотип 192 x 200.</source>
        <translation>Файл %1: зображення %2 x %3, а логотип 192 x 200.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 запись</source>
        <translation>%1 запис</translation>
    </message>
    <message>
        <source>%1 записи</source>
        <translation>%1 записи</translation>
    </message>
    <message>
        <source>%1 записей</source>
        <translation>%1 записів</translation>
    </message>
    <message>
        <source>Не удалось создать папку для копии: %1</source>
        <translation>Не вдалося створити теку для копії: %1</translation>
    </message>
    <message>
        <source>Не удалось создать папку для копии: все имена этой минуты заняты</source>
        <translation>Не вдалося створити теку для копії: усі імена цієї хвилини зайняті</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не вдалося записати файл %1: %2</translation>
    </message>
    <message>
        <source>Не удалось прочитать только что записанный файл %1</source>
        <translation>Не вдалося прочитати щойно записаний файл %1</translation>
    </message>
    <message>
        <source>не прочитаны записи %1</source>
        <translation>не прочитано записи %1</translation>
    </message>
    <message>
        <source>Не удалось записать %1</source>
        <translation>Не вдалося записати %1</translation>
    </message>
    <message>
        <source>Резервная копия ЭККА %1 сохранена: таблиц %2 и логотип.</source>
        <translation>Резервну копію ЕККА %1 збережено: таблиць %2 і логотип.</translation>
    </message>
    <message>
        <source>Резервная копия ЭККА %1 сохранена не полностью.</source>
        <translation>Резервну копію ЕККА %1 збережено не повністю.</translation>
    </message>
    <message>
        <source>Резервная копия прервана: сохранено таблиц %1 из %2 и логотип. Копия отмечена как неполная.</source>
        <translation>Створення резервної копії перервано: збережено таблиць %1 з %2 і логотип. Копію позначено як неповну.</translation>
    </message>
    <message>
        <source>Резервная копия прервана: сохранено таблиц %1 из %2. Копия отмечена как неполная.</source>
        <translation>Створення резервної копії перервано: збережено таблиць %1 з %2. Копію позначено як неповну.</translation>
    </message>
    <message>
        <source>Резервная копия не сделана.</source>
        <translation>Резервну копію не створено.</translation>
    </message>
    <message>
        <source>Резервная копия прервана, копия отмечена как неполная.</source>
        <translation>Створення резервної копії перервано, копію позначено як неповну.</translation>
    </message>
    <message>
        <source>прочитан не полностью</source>
        <translation>прочитано не повністю</translation>
    </message>
    <message>
        <source>Не прочитано полностью (восстановление это не записывает):</source>
        <translation>Прочитано не повністю (відновлення цього не записує):</translation>
    </message>
    <message>
        <source>manifest.json: нет поля "%1" или оно не того типа</source>
        <translation>manifest.json: немає поля "%1" або воно не того типу</translation>
    </message>
    <message>
        <source>manifest.json: поле "%1" вне допустимых пределов</source>
        <translation>manifest.json: поле "%1" поза допустимими межами</translation>
    </message>
    <message>
        <source>manifest.json: поле "%1" не "done" и не "failed"</source>
        <translation>manifest.json: поле "%1" не "done" і не "failed"</translation>
    </message>
    <message>
        <source>manifest.json: это не JSON-объект</source>
        <translation>manifest.json: це не JSON-об'єкт</translation>
    </message>
    <message>
        <source>manifest.json: в "kinds" не объект</source>
        <translation>manifest.json: у "kinds" не об'єкт</translation>
    </message>
    <message>
        <source>manifest.json: в "failed" не номер записи</source>
        <translation>manifest.json: у "failed" не номер запису</translation>
    </message>
    <message>
        <source>%1 строка</source>
        <translation>%1 рядок</translation>
    </message>
    <message>
        <source>%1 строки</source>
        <translation>%1 рядки</translation>
    </message>
    <message>
        <source>%1 строк</source>
        <translation>%1 рядків</translation>
    </message>
    <message>
        <source>не будет записана - в копии неполная</source>
        <translation>не буде записано — у копії прочитано не повністю</translation>
    </message>
    <message>
        <source>не будет записан - в копии неполный</source>
        <translation>не буде записано — у копії прочитано не повністю</translation>
    </message>
    <message>
        <source>без изменений</source>
        <translation>без змін</translation>
    </message>
    <message>
        <source>изменённых записей %1 из %2</source>
        <translation>змінених записів %1 з %2</translation>
    </message>
    <message>
        <source>%1 (запись 1 не записывается)</source>
        <translation>%1 (запис 1 не записується)</translation>
    </message>
    <message>
        <source>В ЭККА %1 будет записано из резервной копии ЭККА %2 от %3:</source>
        <translation>До ЕККА %1 буде записано з резервної копії ЕККА %2 від %3:</translation>
    </message>
    <message>
        <source>Копия неполная: её создание было прервано.</source>
        <translation>Копія неповна: її створення було перервано.</translation>
    </message>
    <message>
        <source>Таблицы, прочитанные или записанные после подключения, записываются только изменёнными записями. Если ЭККА меняли не этой программой, переподключитесь, чтобы записать всё.</source>
        <translation>У таблицях, прочитаних або записаних після підключення, записуються лише змінені записи. Якщо ЕККА змінювали не цією програмою, перепідключіться, щоб записати все.</translation>
    </message>
    <message>
        <source>Внимание: копия сделана с ЭККА %1, а подключен ЭККА %2.</source>
        <translation>Увага: копію зроблено з ЕККА %1, а підключено ЕККА %2.</translation>
    </message>
    <message>
        <source>Продолжить ?</source>
        <translation>Продовжити?</translation>
    </message>
    <message>
        <source>Восстановление ЭККА прервано.</source>
        <translation>Відновлення ЕККА перервано.</translation>
    </message>
    <message>
        <source>Восстановление ЭККА завершено.</source>
        <translation>Відновлення ЕККА завершено.</translation>
    </message>
    <message>
        <source>записан</source>
        <translation>записано</translation>
    </message>
    <message>
        <source>записано %1</source>
        <translation>записано %1</translation>
    </message>
    <message>
        <source>не записаны строки %1</source>
        <translation>не записано рядки %1</translation>
    </message>
    <message>
        <source>не записаны записи %1</source>
        <translation>не записано записи %1</translation>
    </message>
    <message>
        <source>не записан</source>
        <translation>не записано</translation>
    </message>
    <message>
        <source>не записана</source>
        <translation>не записано</translation>
    </message>
    <message>
        <source>не записан - в копии неполный</source>
        <translation>не записано — у копії прочитано не повністю</translation>
    </message>
    <message>
        <source>не записана - в копии неполная</source>
        <translation>не записано — у копії прочитано не повністю</translation>
    </message>
</context>
<context>
    <name>base</name>
    <message>
        <source>нет такого файла или папки</source>
        <translation>немає такого файлу або теки</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>немає доступу</translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation>немає місця на диску</translation>
    </message>
    <message>
        <source>диск только для чтения</source>
        <translation>диск лише для читання</translation>
    </message>
    <message>
        <source>занят другой программой</source>
        <translation>зайнятий іншою програмою</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>це тека, а не файл</translation>
    </message>
    <message>
        <source>это не последовательный порт</source>
        <translation>це не послідовний порт</translation>
    </message>
    <message>
        <source>устройство не найдено</source>
        <translation>пристрій не знайдено</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>помилка введення-виведення</translation>
    </message>
    <message>
        <source>время ожидания истекло</source>
        <translation>час очікування минув</translation>
    </message>
    <message>
        <source>чужая символическая ссылка в общей папке</source>
        <translation>чуже символьне посилання у спільній теці</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Папка копии: %1</source>
        <translation>Тека копії: %1</translation>
    </message>
    <message>
        <source>%1: %2
Ничего не записано в ЭККА.</source>
        <translation>%1: %2
До ЕККА нічого не записано.</translation>
    </message>
    <message>
        <source>Неверный порт: %1</source>
        <translation>Неправильний порт: %1</translation>
    </message>
    <message>
        <source>Скорость %1 бит/с не поддерживается.</source>
        <translation>Швидкість %1 біт/с не підтримується.</translation>
    </message>
    <message>
        <source>Ошибка подключения: %1</source>
        <translation>Помилка підключення: %1</translation>
    </message>
    <message>
        <source> (строка %1)</source>
        <translation> (рядок %1)</translation>
    </message>
    <message>
        <source>%1: не удалось записать файл</source>
        <translation>%1: не вдалося записати файл</translation>
    </message>
    <message>
        <source>Товаров: %1</source>
        <translation>Товарів: %1</translation>
    </message>
    <message>
        <source>%1: не удалось прочитать файл</source>
        <translation>%1: не вдалося прочитати файл</translation>
    </message>
    <message>
        <source>%1: файл слишком велик для списка товаров</source>
        <translation>%1: файл завеликий для списку товарів</translation>
    </message>
    <message>
        <source>Ошибок: %1. Файл %2 не записан.</source>
        <translation>Помилок: %1. Файл %2 не записано.</translation>
    </message>
    <message>
        <source>Нет такого отчета: %1</source>
        <translation>Немає такого звіту: %1</translation>
    </message>
    <message>
        <source>Не удалось прочитать записи: %1</source>
        <translation>Не вдалося прочитати записи: %1</translation>
    </message>
    <message>
        <source>Не удалось обменяться записями: %1</source>
        <translation>Не вдалося обмінятися записами: %1</translation>
    </message>
    <message>
        <source>%1: файл другого вида, чем %2</source>
        <translation>%1: файл іншого виду, ніж %2</translation>
    </message>
    <message>
        <source>%1: не подходит как то, что хранит ЭККА</source>
        <translation>%1: не годиться як те, що зберігає ЕККА</translation>
    </message>
    <message>
        <source>Касса не обнаружена</source>
        <translation>Касу не виявлено</translation>
    </message>
    <message>
        <source>ЭККА %1 отвечает</source>
        <translation>ЕККА %1 відповідає</translation>
    </message>
    <message>
        <source>Не записана %1 запись</source>
        <translation>Не записано %1 запис</translation>
    </message>
    <message>
        <source>Не записаны %1 записи</source>
        <translation>Не записано %1 записи</translation>
    </message>
    <message>
        <source>Не записано %1 записей</source>
        <translation>Не записано %1 записів</translation>
    </message>
    <message>
        <source>Ошибка записи/чтения таблицы ЭККА: запись %1 пропущена</source>
        <translation>Помилка запису/читання таблиці ЕККА: запис %1 пропущено</translation>
    </message>
    <message>
        <source>Ошибка записи/чтения таблицы ЭККА: запись %1, операция завершена</source>
        <translation>Помилка запису/читання таблиці ЕККА: запис %1, операцію перервано</translation>
    </message>
    <message>
        <source>Нужно подтверждение: запустите с --yes (ввод не с терминала).</source>
        <translation>Потрібне підтвердження: запустіть з --yes (введення не з термінала).</translation>
    </message>
    <message>
        <source>Нет такого вида таблиц: %1 (можно: %2)</source>
        <translation>Немає такого виду таблиць: %1 (можна: %2)</translation>
    </message>
    <message>
        <source>Нет такой команды: %1</source>
        <translation>Немає такої команди: %1</translation>
    </message>
    <message>
        <source>Лишний аргумент: %1</source>
        <translation>Зайвий аргумент: %1</translation>
    </message>
    <message>
        <source>Команда %1 не принимает параметр %2</source>
        <translation>Команда %1 не приймає параметра %2</translation>
    </message>
    <message>
        <source>Неизвестный параметр: %1</source>
        <translation>Невідомий параметр: %1</translation>
    </message>
    <message>
        <source>Не указана команда</source>
        <translation>Не вказано команду</translation>
    </message>
    <message>
        <source>Не указан аргумент %1</source>
        <translation>Не вказано аргумент %1</translation>
    </message>
    <message>
        <source>Параметры %1 и %2 нельзя указывать вместе</source>
        <translation>Параметри %1 і %2 не можна вказувати разом</translation>
    </message>
    <message>
        <source>Параметр %1 указан больше одного раза</source>
        <translation>Параметр %1 вказано більше одного разу</translation>
    </message>
    <message>
        <source>После %1 нужно значение</source>
        <translation>Після %1 потрібне значення</translation>
    </message>
    <message>
        <source>Неверное значение %1: %2</source>
        <translation>Неправильне значення %1: %2</translation>
    </message>
    <message>
        <source>%1 — это папка, а не файл</source>
        <translation>%1 — це тека, а не файл</translation>
    </message>
    <message>
        <source>Нет такого файла: %1</source>
        <translation>Немає такого файлу: %1</translation>
    </message>
    <message>
        <source>%1 — это файл, а не папка</source>
        <translation>%1 — це файл, а не тека</translation>
    </message>
    <message>
        <source>Нет такой папки: %1</source>
        <translation>Немає такої теки: %1</translation>
    </message>
    <message>
        <source>Неверное значение %1: %2 (нужно целое число от %3 до %4)</source>
        <translation>Неправильне значення %1: %2 (потрібне ціле число від %3 до %4)</translation>
    </message>
    <message>
        <source>Неверное значение %1: %2 (нужно целое число)</source>
        <translation>Неправильне значення %1: %2 (потрібне ціле число)</translation>
    </message>
    <message>
        <source>Неверное значение %1: %2 (можно: %3)</source>
        <translation>Неправильне значення %1: %2 (можна: %3)</translation>
    </message>
    <message>
        <source>Таблицу вида %1 очистить нельзя (можно: %2)</source>
        <translation>Таблицю виду %1 не можна очистити (можна: %2)</translation>
    </message>
    <message>
        <source>Ошибка в командной строке: %1</source>
        <translation>Помилка в командному рядку: %1</translation>
    </message>
    <message>
        <source>Подробнее: %1 --help</source>
        <translation>Докладніше: %1 --help</translation>
    </message>
    <message>
        <source>--speeds и --registers принимают числа через запятую, например 9600,19200</source>
        <translation>--speeds і --registers приймають числа через кому, наприклад 9600,19200</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>Ошибка открытия файла</source>
        <translation>Помилка відкриття файлу</translation>
    </message>
    <message>
        <source>Файл отсутствует или неверный формат</source>
        <translation>Файл відсутній або неправильний формат</translation>
    </message>
    <message>
        <source>Конец файла! 
 В файле неверное число записей!</source>
        <translation>Кінець файлу! 
 У файлі неправильна кількість записів!</translation>
    </message>
    <message>
        <source>Незапланированный конец файла</source>
        <translation>Неочікуваний кінець файлу</translation>
    </message>
    <message>
        <source>Ошибка чтения данных в файл %1</source>
        <translation>Помилка читання даних: неправильний рядок «%1…»</translation>
    </message>
    <message>
        <source>Неверный формат файла</source>
        <translation>Неправильний формат файлу</translation>
    </message>
    <message>
        <source>Ошибка записи данных в файл</source>
        <translation>Помилка запису даних у файл</translation>
    </message>
    <message>
        <source>Ошибка работы с файлом</source>
        <translation>Помилка роботи з файлом</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>соединение отклонено</source>
        <translation>з'єднання відхилено</translation>
    </message>
    <message>
        <source>нет ответа</source>
        <translation>немає відповіді</translation>
    </message>
    <message>
        <source>узел недоступен</source>
        <translation>вузол недоступний</translation>
    </message>
    <message>
        <source>соединение разорвано (порт может быть занят другим подключением)</source>
        <translation>з'єднання розірвано (порт може бути зайнятий іншим підключенням)</translation>
    </message>
    <message>
        <source>имя узла не найдено</source>
        <translation>ім'я вузла не знайдено</translation>
    </message>
    <message>
        <source>Устройство %1 не найдено. Проверьте, что адаптер подключен и выбран нужный порт.</source>
        <translation>Пристрій %1 не знайдено. Перевірте, чи підключено адаптер і чи вибрано потрібний порт.</translation>
    </message>
    <message>
        <source>%1 занят другой программой.</source>
        <translation>%1 зайнятий іншою програмою.</translation>
    </message>
    <message>
        <source>%1 занят другой программой (процесс %2).</source>
        <translation>%1 зайнятий іншою програмою (процес %2).</translation>
    </message>
    <message>
        <source>%1 занят другой программой: %2 (процесс %3).</source>
        <translation>%1 зайнятий іншою програмою: %2 (процес %3).</translation>
    </message>
    <message>
        <source>Нет доступа к %1. Добавьте пользователя в группу dialout: sudo usermod -aG dialout $USER, затем войдите в систему заново.</source>
        <translation>Немає доступу до %1. Додайте користувача до групи dialout: sudo usermod -aG dialout $USER, а потім знову увійдіть у систему.</translation>
    </message>
    <message>
        <source>Неверный сетевой адрес %1: нужен rfc2217://ХОСТ:ПОРТ или tcp://ХОСТ:ПОРТ.</source>
        <translation>Неправильна мережева адреса %1: потрібна rfc2217://ВУЗОЛ:ПОРТ або tcp://ВУЗОЛ:ПОРТ.</translation>
    </message>
    <message>
        <source>Нет соединения с %1: %2</source>
        <translation>Немає з'єднання з %1: %2</translation>
    </message>
    <message>
        <source>%1 не принимает настройки линии по RFC 2217 (%2). Если это порт без RFC 2217, укажите tcp://%1.</source>
        <translation>%1 не приймає налаштування лінії за RFC 2217 (%2). Якщо це порт без RFC 2217, вкажіть tcp://%1.</translation>
    </message>
    <message>
        <source>USB-устройство (ACM)</source>
        <translation>USB-пристрій (ACM)</translation>
    </message>
    <message>
        <source>USB-адаптер</source>
        <translation>USB-адаптер</translation>
    </message>
    <message>
        <source>последовательный порт</source>
        <translation>послідовний порт</translation>
    </message>
    <message>
        <source>%1: не открывается: %2</source>
        <translation>%1: не відкривається: %2</translation>
    </message>
    <message>
        <source>%1: не удалось прочитать настройки линии: %2</source>
        <translation>%1: не вдалося прочитати налаштування лінії: %2</translation>
    </message>
    <message>
        <source>%1: не удалось установить настройки линии: %2</source>
        <translation>%1: не вдалося встановити налаштування лінії: %2</translation>
    </message>
    <message>
        <source>%1: не удалось установить скорость: %2</source>
        <translation>%1: не вдалося встановити швидкість: %2</translation>
    </message>
    <message>
        <source>%1: ошибка передачи: %2</source>
        <translation>%1: помилка передавання: %2</translation>
    </message>
    <message>
        <source>%1: линия не принимает байты: %2</source>
        <translation>%1: лінія не приймає байти: %2</translation>
    </message>
    <message>
        <source>%1: линия оборвалась: %2</source>
        <translation>%1: лінія обірвалася: %2</translation>
    </message>
    <message>
        <source>%1: ошибка закрытия: %2</source>
        <translation>%1: помилка закриття: %2</translation>
    </message>
    <message>
        <source>%1 · %2 бит/с · ЭККА %3</source>
        <translation>%1 · %2 біт/с · ЕККА %3</translation>
    </message>
</context>
<context>
    <name>logo</name>
    <message>
        <source>Успешно!</source>
        <translation>Успішно!</translation>
    </message>
    <message>
        <source>Ошибка записи логотипа!</source>
        <translation>Помилка запису логотипа!</translation>
    </message>
    <message>
        <source>Ошибка чтения логотипа! Чтение остановлено.</source>
        <translation>Помилка читання логотипа! Читання зупинено.</translation>
    </message>
    <message>
        <source>Точек почти нет: логотип напечатается пустым местом.</source>
        <translation>Точок майже немає: логотип надрукується порожнім місцем.</translation>
    </message>
    <message>
        <source>Точки почти сплошь: логотип напечатается чёрным прямоугольником.</source>
        <translation>Точки майже скрізь: логотип надрукується чорним прямокутником.</translation>
    </message>
    <message>
        <source>Логотип займёт %1 строку: столько и укажите в «Количество строк в логотипе» на странице «Параметры чека».</source>
        <translation>Логотип займе %1 рядок: стільки й укажіть у «Кількість рядків у логотипі» на сторінці «Параметри чека».</translation>
    </message>
    <message>
        <source>Логотип займёт %1 строки: столько и укажите в «Количество строк в логотипе» на странице «Параметры чека».</source>
        <translation>Логотип займе %1 рядки: стільки й укажіть у «Кількість рядків у логотипі» на сторінці «Параметри чека».</translation>
    </message>
    <message>
        <source>Логотип займёт %1 строк: столько и укажите в «Количество строк в логотипе» на странице «Параметры чека».</source>
        <translation>Логотип займе %1 рядків: стільки й укажіть у «Кількість рядків у логотипі» на сторінці «Параметри чека».</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>Обороты по артикулам</source>
        <translation>Обороти за артикулами</translation>
    </message>
    <message>
        <source>Обороты по отделам</source>
        <translation>Обороти за відділами</translation>
    </message>
    <message>
        <source>Обороты по группам товаров</source>
        <translation>Обороти за групами товарів</translation>
    </message>
    <message>
        <source>Обороты по операторам</source>
        <translation>Обороти за операторами</translation>
    </message>
    <message>
        <source>Обороты по налогам</source>
        <translation>Обороти за податками</translation>
    </message>
    <message>
        <source>Обороты по оплатам</source>
        <translation>Обороти за оплатами</translation>
    </message>
    <message>
        <source>Обороты по операциям за смену</source>
        <translation>Обороти операцій за зміну</translation>
    </message>
    <message>
        <source>Административный отчет 1</source>
        <translation>Адміністративний звіт 1</translation>
    </message>
    <message>
        <source>Административный отчет 2</source>
        <translation>Адміністративний звіт 2</translation>
    </message>
    <message>
        <source>Административный отчет 3</source>
        <translation>Адміністративний звіт 3</translation>
    </message>
    <message>
        <source>Отчет номеров вып. операций</source>
        <translation>Звіт номерів вик. операцій</translation>
    </message>
    <message>
        <source>Отчет реестров</source>
        <translation>Звіт реєстрів</translation>
    </message>
    <message>
        <source>Успешно!</source>
        <translation>Успішно!</translation>
    </message>
    <message>
        <source>Укажите разделитель между полями: один символ.</source>
        <translation>Вкажіть роздільник між полями: один символ.</translation>
    </message>
    <message>
        <source>Ошибка работы с файлом</source>
        <translation>Помилка роботи з файлом</translation>
    </message>
    <message>
        <source>Ошибка открытия файла</source>
        <translation>Помилка відкриття файлу</translation>
    </message>
    <message>
        <source>Ошибка записи данных в файл</source>
        <translation>Помилка запису даних у файл</translation>
    </message>
    <message>
        <source>Ошибка чтения из ЭККА</source>
        <translation>Помилка читання з ЕККА</translation>
    </message>
    <message>
        <source>Ошибка чтения отчета</source>
        <translation>Помилка читання звіту</translation>
    </message>
</context>
<context>
    <name>sdcard</name>
    <message>
        <source>Выберите папку с файлами upload.art и sales.art</source>
        <translation>Виберіть теку з файлами upload.art і sales.art</translation>
    </message>
    <message>
        <source>Папка не выбрана</source>
        <translation>Теку не вибрано</translation>
    </message>
    <message>
        <source>Ошибка открытия файла %1</source>
        <translation>Помилка відкриття файлу %1</translation>
    </message>
    <message>
        <source>Файл отсутствует или неверный формат</source>
        <translation>Файл відсутній або неправильний формат</translation>
    </message>
    <message>
        <source>Конец файла! 
 В файле неверное число записей!</source>
        <translation>Кінець файлу! 
 У файлі неправильна кількість записів!</translation>
    </message>
    <message>
        <source>Незапланированный конец файла</source>
        <translation>Неочікуваний кінець файлу</translation>
    </message>
    <message>
        <source>Строка %2 файла %3 длиннее %1 символа</source>
        <translation>Рядок %2 файлу %3 містить більше %1 символу</translation>
    </message>
    <message>
        <source>Строка %2 файла %3 длиннее %1 символов</source>
        <translation>Рядок %2 файлу %3 містить більше %1 символів</translation>
    </message>
    <message>
        <source>Неверный формат файла</source>
        <translation>Неправильний формат файлу</translation>
    </message>
    <message>
        <source>Ошибка чтения данных из файла %1</source>
        <translation>Помилка читання даних з файлу %1</translation>
    </message>
    <message>
        <source>Ошибка работы с файлом</source>
        <translation>Помилка роботи з файлом</translation>
    </message>
    <message>
        <source>Ряд</source>
        <translation>Рядок</translation>
    </message>
    <message>
        <source>Код</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Цена</source>
        <translation>Ціна</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Кількість</translation>
    </message>
    <message>
        <source>Отдел</source>
        <translation>Відділ</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Група</translation>
    </message>
    <message>
        <source>Налог</source>
        <translation>Податок</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>КНЛ</source>
        <translation>КНЛ</translation>
    </message>
    <message>
        <source>Штрих-код</source>
        <translation>Штрихкод</translation>
    </message>
    <message>
        <source>Прз</source>
        <translation>Озн</translation>
    </message>
    <message>
        <source>Клво прод</source>
        <translation>К-сть прод</translation>
    </message>
    <message>
        <source>Об. прод</source>
        <translation>Об. прод</translation>
    </message>
    <message>
        <source>Клво возв</source>
        <translation>К-сть пов</translation>
    </message>
    <message>
        <source>Об. возв</source>
        <translation>Об. пов</translation>
    </message>
    <message>
        <source>Скидки</source>
        <translation>Знижки</translation>
    </message>
    <message>
        <source>Файлы артикулов(*.art)|*.ART|Все файлы (*.*)|*.*</source>
        <translation>Файли артикулів(*.art)|*.ART|Усі файли (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>sheets</name>
    <message>
        <source>кавычки не закрыты или стоят не на месте; дальше файл не прочитан</source>
        <translation>лапки не закрито або вони стоять не на місці; далі файл не прочитано</translation>
    </message>
    <message>
        <source>в файле нет ни одной строки</source>
        <translation>у файлі немає жодного рядка</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>рядок %1: %2</translation>
    </message>
    <message>
        <source>строка %1, столбец %2 (%3): %4</source>
        <translation>рядок %1, стовпець %2 (%3): %4</translation>
    </message>
    <message>
        <source>строка %1, столбец %2: %3</source>
        <translation>рядок %1, стовпець %2: %3</translation>
    </message>
    <message>
        <source>символ %1 не из кодовой страницы 1251: ЭККА его не напечатает</source>
        <translation>символу %1 немає в кодовій сторінці 1251: ЕККА його не надрукує</translation>
    </message>
    <message>
        <source>неизвестный столбец; столбцы товаров: %1</source>
        <translation>невідомий стовпець; стовпці товарів: %1</translation>
    </message>
    <message>
        <source>этот столбец уже есть (столбец %1)</source>
        <translation>цей стовпець уже є (стовпець %1)</translation>
    </message>
    <message>
        <source>в первой строке нет заголовков столбцов товаров: %1</source>
        <translation>у першому рядку немає заголовків стовпців товарів: %1</translation>
    </message>
    <message>
        <source>значение в столбце без заголовка</source>
        <translation>значення в стовпці без заголовка</translation>
    </message>
    <message>
        <source>товаров больше, чем записей в ЭККА (%1)</source>
        <translation>товарів більше, ніж записів в ЕККА (%1)</translation>
    </message>
    <message>
        <source>нет номера записи (столбец №)</source>
        <translation>немає номера запису (стовпець №)</translation>
    </message>
    <message>
        <source>запись %1 уже задана в строке %2</source>
        <translation>запис %1 уже задано в рядку %2</translation>
    </message>
    <message>
        <source>"%1" - не номер записи от 1 до %2</source>
        <translation>"%1" - не номер запису від 1 до %2</translation>
    </message>
    <message>
        <source>";" в записи ЭККА храниться не может</source>
        <translation>";" не може зберігатися в записі ЕККА</translation>
    </message>
    <message>
        <source>перевод строки в записи ЭККА храниться не может</source>
        <translation>перенесення рядка не може зберігатися в записі ЕККА</translation>
    </message>
    <message>
        <source>название длиннее 32 символов (%1)</source>
        <translation>назва довша за 32 символи (%1)</translation>
    </message>
    <message>
        <source>"%1" - не штрих-код: не более 13 цифр (в Excel задайте столбцу текстовый формат)</source>
        <translation>"%1" - не штрихкод: не більше 13 цифр (в Excel задайте стовпцю текстовий формат)</translation>
    </message>
    <message>
        <source>"%1" - не целое число</source>
        <translation>"%1" - не ціле число</translation>
    </message>
    <message>
        <source>"%1" - не число</source>
        <translation>"%1" - не число</translation>
    </message>
    <message>
        <source>больше %1 столбцов в строке: это не список товаров</source>
        <translation>більше %1 стовпців у рядку: це не список товарів</translation>
    </message>
    <message>
        <source>управляющий символ %1: ЭККА его не напечатает</source>
        <translation>керувальний символ %1: ЕККА його не надрукує</translation>
    </message>
    <message>
        <source>символ %1 в ЭККА не передаётся</source>
        <translation>символ %1 не передається в ЕККА</translation>
    </message>
    <message>
        <source>запись длиной %1, а в запрос ЭККА помещается %2</source>
        <translation>запис довжиною %1, а в запит ЕККА уміщується %2</translation>
    </message>
    <message>
        <source>%1 символ</source>
        <translation>%1 символ</translation>
    </message>
    <message>
        <source>%1 символа</source>
        <translation>%1 символи</translation>
    </message>
    <message>
        <source>%1 символов</source>
        <translation>%1 символів</translation>
    </message>
    <message>
        <source>не более %1 символа</source>
        <translation>не більше %1 символу</translation>
    </message>
    <message>
        <source>не более %1 символов</source>
        <translation>не більше %1 символів</translation>
    </message>
    <message>
        <source>… и ещё %1 ошибка</source>
        <translation>… і ще %1 помилка</translation>
    </message>
    <message>
        <source>… и ещё %1 ошибки</source>
        <translation>… і ще %1 помилки</translation>
    </message>
    <message>
        <source>… и ещё %1 ошибок</source>
        <translation>… і ще %1 помилок</translation>
    </message>
</context>
<context>
    <name>tables</name>
    <message>
        <source>Номер</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Код</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Код товара</source>
        <translation>Код товару</translation>
    </message>
    <message>
        <source>Товары</source>
        <translation>Товари</translation>
    </message>
    <message>
        <source>Ряд</source>
        <translation>Рядок</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Цена</source>
        <translation>Ціна</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Кількість</translation>
    </message>
    <message>
        <source>Отдел</source>
        <translation>Відділ</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Група</translation>
    </message>
    <message>
        <source>Налог</source>
        <translation>Податок</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>КНЛ</source>
        <translation>КНЛ</translation>
    </message>
    <message>
        <source>Штрих-код</source>
        <translation>Штрихкод</translation>
    </message>
    <message>
        <source>Операторы</source>
        <translation>Оператори</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Ім'я</translation>
    </message>
    <message>
        <source>Разрешение</source>
        <translation>Дозвіл</translation>
    </message>
    <message>
        <source>Типы оплат</source>
        <translation>Види оплат</translation>
    </message>
    <message>
        <source>Разрешение (0-1)</source>
        <translation>Дозвіл (0-1)</translation>
    </message>
    <message>
        <source>Разреш. для возвр. (0-1)</source>
        <translation>Дозв. для поверн. (0-1)</translation>
    </message>
    <message>
        <source>Название (10 симв.)</source>
        <translation>Назва (10 симв.)</translation>
    </message>
    <message>
        <source>Сдача (0-1)</source>
        <translation>Решта (0-1)</translation>
    </message>
    <message>
        <source>Запрос (0-1)</source>
        <translation>Запит (0-1)</translation>
    </message>
    <message>
        <source>Отделы</source>
        <translation>Відділи</translation>
    </message>
    <message>
        <source>Название отдела (22 символа)</source>
        <translation>Назва відділу (22 символи)</translation>
    </message>
    <message>
        <source>Загол. и рекл. текст</source>
        <translation>Загол. і рекл. текст</translation>
    </message>
    <message>
        <source>Заголовок/рекламный текст (38 символов)</source>
        <translation>Заголовок/рекламний текст (38 символів)</translation>
    </message>
    <message>
        <source>Параметры кассы</source>
        <translation>Параметри каси</translation>
    </message>
    <message>
        <source>Параметры чека</source>
        <translation>Параметри чека</translation>
    </message>
    <message>
        <source>Служебная</source>
        <translation>Службова</translation>
    </message>
    <message>
        <source>Логотип</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Названия возвратов</source>
        <translation>Назви повернень</translation>
    </message>
    <message>
        <source>Использование</source>
        <translation>Використання</translation>
    </message>
    <message>
        <source>Почтовые параметры</source>
        <translation>Поштові параметри</translation>
    </message>
    <message>
        <source>Программ. платежей</source>
        <translation>Програм. платежів</translation>
    </message>
    <message>
        <source>Расчетный счет</source>
        <translation>Поточний рахунок</translation>
    </message>
    <message>
        <source>Назначение</source>
        <translation>Призначення</translation>
    </message>
    <message>
        <source>Комиссия</source>
        <translation>Комісія</translation>
    </message>
    <message>
        <source>Ввод расч. счет плательшика</source>
        <translation>Введення пот. рахунку платника</translation>
    </message>
    <message>
        <source>Разр. вводить доп.данные плат.</source>
        <translation>Дозв. вводити дод. дані плат.</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Программ. назначения</source>
        <translation>Програм. призначення</translation>
    </message>
    <message>
        <source>Программ. комиссий</source>
        <translation>Програм. комісій</translation>
    </message>
    <message>
        <source>Программ. особ. признаков 1</source>
        <translation>Програм. особл. ознак 1</translation>
    </message>
    <message>
        <source>Программ. особ. признаков 2</source>
        <translation>Програм. особл. ознак 2</translation>
    </message>
    <message>
        <source>Коды сообщений</source>
        <translation>Коди повідомлень</translation>
    </message>
    <message>
        <source>Дополн. услуги</source>
        <translation>Додатк. послуги</translation>
    </message>
    <message>
        <source>Названия валют</source>
        <translation>Назви валют</translation>
    </message>
    <message>
        <source>Обяз. ввод</source>
        <translation>Обов. введення</translation>
    </message>
    <message>
        <source>Программ. нумераторов</source>
        <translation>Програм. нумераторів</translation>
    </message>
    <message>
        <source>Программ. типа соц. помощи</source>
        <translation>Програм. типу соц. допомоги</translation>
    </message>
    <message>
        <source>Отчеты</source>
        <translation>Звіти</translation>
    </message>
    <message>
        <source>Операция завершена, но %1 запись не удалось записать в ЭККА: она осталась прежней.</source>
        <translation>Операцію завершено, але %1 запис не вдалося записати в ЕККА: він лишився без змін.</translation>
    </message>
    <message>
        <source>Операция завершена, но %1 записи не удалось записать в ЭККА: они остались прежними.</source>
        <translation>Операцію завершено, але %1 записи не вдалося записати в ЕККА: вони лишилися без змін.</translation>
    </message>
    <message>
        <source>Операция завершена, но %1 записей не удалось записать в ЭККА: они остались прежними.</source>
        <translation>Операцію завершено, але %1 записів не вдалося записати в ЕККА: вони лишилися без змін.</translation>
    </message>
    <message>
        <source>Операция завершена успешно!</source>
        <translation>Операцію завершено успішно!</translation>
    </message>
    <message>
        <source>Строка %1, столбец "%2": "%3" - не число. Таблица в ЭККА не записана.</source>
        <translation>Рядок %1, стовпець "%2": "%3" - не число. Таблицю в ЕККА не записано.</translation>
    </message>
    <message>
        <source>Таблица "%2": будет записана %1 изменённая запись. Продолжить ?</source>
        <translation>Таблиця "%2": буде записано %1 змінений запис. Продовжити?</translation>
    </message>
    <message>
        <source>Таблица "%2": будут записаны %1 изменённые записи. Продолжить ?</source>
        <translation>Таблиця "%2": буде записано %1 змінені записи. Продовжити?</translation>
    </message>
    <message>
        <source>Таблица "%2": будет записано %1 изменённых записей. Продолжить ?</source>
        <translation>Таблиця "%2": буде записано %1 змінених записів. Продовжити?</translation>
    </message>
    <message>
        <source>Изменений для записи нет.</source>
        <translation>Змін для запису немає.</translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation>Рядок %1</translation>
    </message>
    <message>
        <source>%1 символ</source>
        <translation>%1 символ</translation>
    </message>
    <message>
        <source>%1 символа</source>
        <translation>%1 символи</translation>
    </message>
    <message>
        <source>%1 символов</source>
        <translation>%1 символів</translation>
    </message>
    <message>
        <source>не более %1 символа</source>
        <translation>не більше %1 символу</translation>
    </message>
    <message>
        <source>не более %1 символов</source>
        <translation>не більше %1 символів</translation>
    </message>
    <message>
        <source>%1: запись длиной %2, а в запрос помещается %3. Таблица в ЭККА не записана.</source>
        <translation>%1: запис довжиною %2, а в запит уміщується %3. Таблицю в ЕККА не записано.</translation>
    </message>
    <message>
        <source>%1: символ %2 не передаётся в ЭККА. Таблица в ЭККА не записана.</source>
        <translation>%1: символ %2 не передається в ЕККА. Таблицю в ЕККА не записано.</translation>
    </message>
    <message>
        <source>Строка %1, столбец "%2"</source>
        <translation>Рядок %1, стовпець "%2"</translation>
    </message>
    <message>
        <source>%1, поле %2</source>
        <translation>%1, поле %2</translation>
    </message>
    <message>
        <source>0 - offline;
1 - offline ;
4 - режим подкачки;
5 - inline с подкачкой и offline в регистрации</source>
        <translation>0 - offline;
1 - offline ;
4 - режим підкачування;
5 - inline з підкачуванням і offline у реєстрації</translation>
    </message>
    <message>
        <source>от 0 до 10000 (используется только если в поле 8 таблицы стоит 1)</source>
        <translation>від 0 до 10000 (використовується, лише якщо в полі 8 таблиці стоїть 1)</translation>
    </message>
    <message>
        <source>Нач.сум.%1</source>
        <translation>Поч.сум.%1</translation>
    </message>
    <message>
        <source>Тип.ком.%1</source>
        <translation>Тип.ком.%1</translation>
    </message>
    <message>
        <source>Знач.%1</source>
        <translation>Знач.%1</translation>
    </message>
    <message>
        <source>Назв%1</source>
        <translation>Назв%1</translation>
    </message>
    <message>
        <source>Файлы артикулов(*.art)|*.ART|Все файлы (*.*)|*.*</source>
        <translation>Файли артикулів(*.art)|*.ART|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл артикулов</source>
        <translation>Відкрити файл артикулів</translation>
    </message>
    <message>
        <source>Сохранить файл артикулов</source>
        <translation>Зберегти файл артикулів</translation>
    </message>
    <message>
        <source>Файлы кассиров(*.opr)|*.OPR|Все файлы (*.*)|*.*</source>
        <translation>Файли операторів(*.opr)|*.OPR|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл кассиров</source>
        <translation>Відкрити файл операторів</translation>
    </message>
    <message>
        <source>Сохранить файл кассиров</source>
        <translation>Зберегти файл операторів</translation>
    </message>
    <message>
        <source>Файлы типов оплаты(*.opl)|*.OPL|Все файлы (*.*)|*.*</source>
        <translation>Файли видів оплати(*.opl)|*.OPL|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл типов оплаты</source>
        <translation>Відкрити файл видів оплати</translation>
    </message>
    <message>
        <source>Сохранить файл типов оплаты</source>
        <translation>Зберегти файл видів оплати</translation>
    </message>
    <message>
        <source>Файлы отделов(*.otd)|*.OTD|Все файлы (*.*)|*.*</source>
        <translation>Файли відділів(*.otd)|*.OTD|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл отделов</source>
        <translation>Відкрити файл відділів</translation>
    </message>
    <message>
        <source>Сохранить файл отделов</source>
        <translation>Зберегти файл відділів</translation>
    </message>
    <message>
        <source>Заголовок %1</source>
        <translation>Заголовок %1</translation>
    </message>
    <message>
        <source>Рекламный текст %1</source>
        <translation>Рекламний текст %1</translation>
    </message>
    <message>
        <source>Сервисный текст %1</source>
        <translation>Сервісний текст %1</translation>
    </message>
    <message>
        <source>Сервис %1</source>
        <translation>Сервіс %1</translation>
    </message>
    <message>
        <source>Файлы заголовков и рекл. текста(*.hft)|*.HFT|Все файлы (*.*)|*.*</source>
        <translation>Файли заголовків і рекл. тексту(*.hft)|*.HFT|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл заголовка и рекламного текста</source>
        <translation>Відкрити файл заголовка і рекламного тексту</translation>
    </message>
    <message>
        <source>Сохранить файл заголовка и рекламного текста</source>
        <translation>Зберегти файл заголовка і рекламного тексту</translation>
    </message>
    <message>
        <source>Номер аппарата:</source>
        <translation>Номер апарата:</translation>
    </message>
    <message>
        <source>Тип:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>0 - обычный режим:
1 - режим работы с многими отделами
2 - ресторанный режим</source>
        <translation>0 - звичайний режим:
1 - режим роботи з багатьма відділами
2 - ресторанний режим</translation>
    </message>
    <message>
        <source>Отчет по операторам:</source>
        <translation>Звіт за операторами:</translation>
    </message>
    <message>
        <source>Открытие денежного ящика:</source>
        <translation>Відкриття грошової скриньки:</translation>
    </message>
    <message>
        <source>0 - ящик открывается только для служебных чеков
1 - ящик открывается для всех типов чеков</source>
        <translation>0 - скринька відкривається лише для службових чеків
1 - скринька відкривається для всіх типів чеків</translation>
    </message>
    <message>
        <source>Время открытия денежного ящика:</source>
        <translation>Час відкриття грошової скриньки:</translation>
    </message>
    <message>
        <source>Оплата наличными:</source>
        <translation>Оплата готівкою:</translation>
    </message>
    <message>
        <source>1 - перед оплатой всегда вводить сумму наличными</source>
        <translation>1 - перед оплатою завжди вводити суму готівкою</translation>
    </message>
    <message>
        <source>Выключение аппарата в режиме регистрации:</source>
        <translation>Вимкнення апарата в режимі реєстрації:</translation>
    </message>
    <message>
        <source>Регистрация наличного количества:</source>
        <translation>Реєстрація наявної кількості:</translation>
    </message>
    <message>
        <source>0 - наличное количество уменьшается при продаже;
1 - наличное количество увеличивается при продаже;</source>
        <translation>0 - наявна кількість зменшується під час продажу;
1 - наявна кількість збільшується під час продажу;</translation>
    </message>
    <message>
        <source>Озвучивать нажатие клавиши:</source>
        <translation>Озвучувати натискання клавіші:</translation>
    </message>
    <message>
        <source>Не обнулять обороты товаров:</source>
        <translation>Не обнуляти обороти товарів:</translation>
    </message>
    <message>
        <source>0 - обнуляется при Z- отчете;
1 - не обнуляется;</source>
        <translation>0 - обнуляються під час Z- звіту;
1 - не обнуляються;</translation>
    </message>
    <message>
        <source>Режим работы ПК:</source>
        <translation>Режим роботи ПК:</translation>
    </message>
    <message>
        <source>Скорость работы с ПК:</source>
        <translation>Швидкість роботи з ПК:</translation>
    </message>
    <message>
        <source>Количество внутренних товаров:</source>
        <translation>Кількість внутрішніх товарів:</translation>
    </message>
    <message>
        <source>Тип протокола:</source>
        <translation>Тип протоколу:</translation>
    </message>
    <message>
        <source>Адаптер:</source>
        <translation>Адаптер:</translation>
    </message>
    <message>
        <source>Интерфейс:</source>
        <translation>Інтерфейс:</translation>
    </message>
    <message>
        <source>Файлы параметров кассы(*.pak)|*.PAK|Все файлы (*.*)|*.*</source>
        <translation>Файли параметрів каси(*.pak)|*.PAK|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл параметров кассы</source>
        <translation>Відкрити файл параметрів каси</translation>
    </message>
    <message>
        <source>Сохранить файл параметров кассы</source>
        <translation>Зберегти файл параметрів каси</translation>
    </message>
    <message>
        <source>Печать логотипа пользователя:</source>
        <translation>Друк логотипа користувача:</translation>
    </message>
    <message>
        <source>0 - не печатать;
1 - печатать между чеками;
2 - печатать после клише;
3 - печатать после рекламного текста.</source>
        <translation>0 - не друкувати;
1 - друкувати між чеками;
2 - друкувати після кліше;
3 - друкувати після рекламного тексту.</translation>
    </message>
    <message>
        <source>Количество строк в логотипе:</source>
        <translation>Кількість рядків у логотипі:</translation>
    </message>
    <message>
        <source>0 - логотип печататься не будет
1 - 200 - количество строк в логотипе</source>
        <translation>0 - логотип не друкуватиметься
1 - 200 - кількість рядків у логотипі</translation>
    </message>
    <message>
        <source>Количество строк рекламного текста:</source>
        <translation>Кількість рядків рекламного тексту:</translation>
    </message>
    <message>
        <source>0 - 4 (строки печатаются если они не пустые)</source>
        <translation>0 - 4 (рядки друкуються, якщо вони не порожні)</translation>
    </message>
    <message>
        <source>Печать в чеке количества покупок:</source>
        <translation>Друк у чеку кількості покупок:</translation>
    </message>
    <message>
        <source>1 - печатать в чеке общее количество покупок</source>
        <translation>1 - друкувати в чеку загальну кількість покупок</translation>
    </message>
    <message>
        <source>Печать штрих-кода:</source>
        <translation>Друк штрихкоду:</translation>
    </message>
    <message>
        <source>0 - не печатать
1-99 - высота штрихкода.</source>
        <translation>0 - не друкувати
1-99 - висота штрихкоду.</translation>
    </message>
    <message>
        <source>Выделять чек пустыми строчками:</source>
        <translation>Виділяти чек порожніми рядками:</translation>
    </message>
    <message>
        <source>1 - отделять в чеке продажи товаров пустой строкой от другой информации</source>
        <translation>1 - відокремлювати в чеку продаж товарів порожнім рядком від іншої інформації</translation>
    </message>
    <message>
        <source>Количество копий:</source>
        <translation>Кількість копій:</translation>
    </message>
    <message>
        <source>Служебные чеки:</source>
        <translation>Службові чеки:</translation>
    </message>
    <message>
        <source>Файлы параметров чека(*.pac)|*.PAC|Все файлы (*.*)|*.*</source>
        <translation>Файли параметрів чека(*.pac)|*.PAC|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть параметров чека</source>
        <translation>Відкрити файл параметрів чека</translation>
    </message>
    <message>
        <source>Сохранить файл параметров чека</source>
        <translation>Зберегти файл параметрів чека</translation>
    </message>
    <message>
        <source>Высота символов в контрольной ленте:</source>
        <translation>Висота символів у контрольній стрічці:</translation>
    </message>
    <message>
        <source>0 - стандартная высота;
1 - уменьшенная вісота</source>
        <translation>0 - стандартна висота;
1 - зменшена висота</translation>
    </message>
    <message>
        <source>Служебное:</source>
        <translation>Службове:</translation>
    </message>
    <message>
        <source>Контрасность печати:</source>
        <translation>Контрастність друку:</translation>
    </message>
    <message>
        <source>Скорость работы со сканером:</source>
        <translation>Швидкість роботи зі сканером:</translation>
    </message>
    <message>
        <source>Дополнение:</source>
        <translation>Доповнення:</translation>
    </message>
    <message>
        <source>(для режима подкачки)
1 - в каждом сообщении добавляется номер чекаи общая сумма по чеку;
0 - не добавляется</source>
        <translation>(для режиму підкачування)
1 - у кожному повідомленні додаються номер чека і загальна сума чека;
0 - не додаються</translation>
    </message>
    <message>
        <source>Показ. свобод. место при подкачке:</source>
        <translation>Показ. вільн. місце при підкачуванні:</translation>
    </message>
    <message>
        <source>(при запросе внешнего товара указывается)
0 - номер товара в наборе;
1 - свободная ячейка куда будет подкачан товар</source>
        <translation>(вказується під час запиту зовнішнього товару)
0 - номер товару в наборі;
1 - вільна комірка, куди буде підкачано товар</translation>
    </message>
    <message>
        <source>Запрос разреш. аннул. всего чека:</source>
        <translation>Запит дозв. анул. всього чека:</translation>
    </message>
    <message>
        <source>(для режима подкачки)
0 - запрет аннулирования
1 - разрешение аннулирования</source>
        <translation>(для режиму підкачування)
0 - заборона анулювання
1 - дозвіл анулювання</translation>
    </message>
    <message>
        <source>Контроль дубл. кодов и штрихкодов:</source>
        <translation>Контроль дубл. кодів і штрихкодів:</translation>
    </message>
    <message>
        <source>0 - контроль не выполняется
1 - контроль выполняется</source>
        <translation>0 - контроль не виконується
1 - контроль виконується</translation>
    </message>
    <message>
        <source>Весы:</source>
        <translation>Ваги:</translation>
    </message>
    <message>
        <source>0 - весы не подключены
1 - DIGI
2 - CAS</source>
        <translation>0 - ваги не підключено
1 - DIGI
2 - CAS</translation>
    </message>
    <message>
        <source>Яркость матричного индикатора:</source>
        <translation>Яскравість матричного індикатора:</translation>
    </message>
    <message>
        <source>2D-отчет:</source>
        <translation>2D-звіт:</translation>
    </message>
    <message>
        <source>Режим работы  с весами Digi:</source>
        <translation>Режим роботи з вагами Digi:</translation>
    </message>
    <message>
        <source>Файлы служебной информации(*.slu)|*.SLU|Все файлы (*.*)|*.*</source>
        <translation>Файли службової інформації(*.slu)|*.SLU|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл служебной информации</source>
        <translation>Відкрити файл службової інформації</translation>
    </message>
    <message>
        <source>Файлы названия возвратов(*.ret)|*.RET|Все файлы (*.*)|*.*</source>
        <translation>Файли назв повернень(*.ret)|*.RET|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл названия возвратов</source>
        <translation>Відкрити файл назв повернень</translation>
    </message>
    <message>
        <source>Сохранить файл названия возвратов</source>
        <translation>Зберегти файл назв повернень</translation>
    </message>
    <message>
        <source>Индекс почтового отделения:</source>
        <translation>Індекс поштового відділення:</translation>
    </message>
    <message>
        <source>ГКП:</source>
        <translation>ГКП:</translation>
    </message>
    <message>
        <source>Количество знаков:</source>
        <translation>Кількість знаків:</translation>
    </message>
    <message>
        <source>Расчет:</source>
        <translation>Розрахунок:</translation>
    </message>
    <message>
        <source>Печать почт. отчетов перед Z-отчетом:</source>
        <translation>Друк пошт. звітів перед Z-звітом:</translation>
    </message>
    <message>
        <source>Код издания:</source>
        <translation>Код видання:</translation>
    </message>
    <message>
        <source>Индексы 1:</source>
        <translation>Індекси 1:</translation>
    </message>
    <message>
        <source>Индексы 2:</source>
        <translation>Індекси 2:</translation>
    </message>
    <message>
        <source>Индексы 3:</source>
        <translation>Індекси 3:</translation>
    </message>
    <message>
        <source>Индексы 4:</source>
        <translation>Індекси 4:</translation>
    </message>
    <message>
        <source>Индексы 5:</source>
        <translation>Індекси 5:</translation>
    </message>
    <message>
        <source>Индексы 6:</source>
        <translation>Індекси 6:</translation>
    </message>
    <message>
        <source>Индексы 7:</source>
        <translation>Індекси 7:</translation>
    </message>
    <message>
        <source>Индексы 8:</source>
        <translation>Індекси 8:</translation>
    </message>
    <message>
        <source>Индексы 9:</source>
        <translation>Індекси 9:</translation>
    </message>
    <message>
        <source>Индексы 10:</source>
        <translation>Індекси 10:</translation>
    </message>
    <message>
        <source>Файлы почтовых параметров(*.par)|*.PAR|Все файлы (*.*)|*.*</source>
        <translation>Файли поштових параметрів(*.par)|*.PAR|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл почтовых параметров</source>
        <translation>Відкрити файл поштових параметрів</translation>
    </message>
    <message>
        <source>Сохранить файл почтовых параметров</source>
        <translation>Зберегти файл поштових параметрів</translation>
    </message>
    <message>
        <source>Файлы программирования платежей(*.ppl)|*.PPL|Все файлы (*.*)|*.*</source>
        <translation>Файли програмування платежів(*.ppl)|*.PPL|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл программирования платежей</source>
        <translation>Відкрити файл програмування платежів</translation>
    </message>
    <message>
        <source>Сохранить файл программирования платежей</source>
        <translation>Зберегти файл програмування платежів</translation>
    </message>
    <message>
        <source>Файлы программирования назначения(*.ppn)|*.PPN|Все файлы (*.*)|*.*</source>
        <translation>Файли програмування призначення(*.ppn)|*.PPN|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл программирования назначения</source>
        <translation>Відкрити файл програмування призначення</translation>
    </message>
    <message>
        <source>Сохранить файл программирования назначения</source>
        <translation>Зберегти файл програмування призначення</translation>
    </message>
    <message>
        <source>Файлы программирования комиссий(*.pko)|*.pko|Все файлы (*.*)|*.*</source>
        <translation>Файли програмування комісій(*.pko)|*.pko|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл программирования комиссий</source>
        <translation>Відкрити файл програмування комісій</translation>
    </message>
    <message>
        <source>Сохранить файл программирования комиссий</source>
        <translation>Зберегти файл програмування комісій</translation>
    </message>
    <message>
        <source>Файлы программирования особ. признаков 1(*.op1)|*.OP1|Все файлы (*.*)|*.*</source>
        <translation>Файли програмування особл. ознак 1(*.op1)|*.OP1|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл программирования особ. признаков 1</source>
        <translation>Відкрити файл програмування особл. ознак 1</translation>
    </message>
    <message>
        <source>Сохранить файл программирования особ. признаков 1</source>
        <translation>Зберегти файл програмування особл. ознак 1</translation>
    </message>
    <message>
        <source>Файлы программирования особ. признаков 2(*.op2)|*.OP2|Все файлы (*.*)|*.*</source>
        <translation>Файли програмування особл. ознак 2(*.op2)|*.OP2|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл программирования особ. признаков 2</source>
        <translation>Відкрити файл програмування особл. ознак 2</translation>
    </message>
    <message>
        <source>Сохранить файл программирования особ. признаков 2</source>
        <translation>Зберегти файл програмування особл. ознак 2</translation>
    </message>
    <message>
        <source>Файлы кодов сообщений(*.kso)|*.KSO|Все файлы (*.*)|*.*</source>
        <translation>Файли кодів повідомлень(*.kso)|*.KSO|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл кодов сообщений</source>
        <translation>Відкрити файл кодів повідомлень</translation>
    </message>
    <message>
        <source>Сохранить файл кодов сообщений</source>
        <translation>Зберегти файл кодів повідомлень</translation>
    </message>
    <message>
        <source>Файлы программирования дополнительных услуг(*.pdu)|*.PDU|Все файлы (*.*)|*.*</source>
        <translation>Файли програмування додаткових послуг(*.pdu)|*.PDU|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл программирования дополнительных услуг</source>
        <translation>Відкрити файл програмування додаткових послуг</translation>
    </message>
    <message>
        <source>Сохранить файл программирования дополнительных услуг</source>
        <translation>Зберегти файл програмування додаткових послуг</translation>
    </message>
    <message>
        <source>Файлы программирования названия валют(*.pnv)|*.PNV|Все файлы (*.*)|*.*</source>
        <translation>Файли програмування назв валют(*.pnv)|*.PNV|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл программирования названия валют</source>
        <translation>Відкрити файл програмування назв валют</translation>
    </message>
    <message>
        <source>Сохранить файл программирования названия валют</source>
        <translation>Зберегти файл програмування назв валют</translation>
    </message>
    <message>
        <source>Страна:</source>
        <translation>Країна:</translation>
    </message>
    <message>
        <source>ШКИ:</source>
        <translation>ШКІ:</translation>
    </message>
    <message>
        <source>Кому:</source>
        <translation>Кому:</translation>
    </message>
    <message>
        <source>Масса:</source>
        <translation>Маса:</translation>
    </message>
    <message>
        <source>За ценность:</source>
        <translation>За цінність:</translation>
    </message>
    <message>
        <source>Предоплата:</source>
        <translation>Передоплата:</translation>
    </message>
    <message>
        <source>С посыльным:</source>
        <translation>З посильним:</translation>
    </message>
    <message>
        <source>Экспидиционная плата:</source>
        <translation>Експедиційна плата:</translation>
    </message>
    <message>
        <source>Вручение лично:</source>
        <translation>Вручення особисто:</translation>
    </message>
    <message>
        <source>Проверка контр. разряда ШКИ:</source>
        <translation>Перевірка контр. розряду ШКІ:</translation>
    </message>
    <message>
        <source>Проверка контр. разр. при выпл.:</source>
        <translation>Перевірка контр. розр. при випл.:</translation>
    </message>
    <message>
        <source>Файлы программирования обязательного ввода (*.pov)|*.POV|Все файлы (*.*)|*.*</source>
        <translation>Файли програмування обов'язкового введення (*.pov)|*.POV|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл программирования обязательного ввода</source>
        <translation>Відкрити файл програмування обов'язкового введення</translation>
    </message>
    <message>
        <source>Сохранить файл программирования обязательного ввода</source>
        <translation>Зберегти файл програмування обов'язкового введення</translation>
    </message>
    <message>
        <source>Обнуления:</source>
        <translation>Обнулення:</translation>
    </message>
    <message>
        <source>Номер перевода:</source>
        <translation>Номер переказу:</translation>
    </message>
    <message>
        <source>Переговоров:</source>
        <translation>Переговорів:</translation>
    </message>
    <message>
        <source>Электронных сообщений:</source>
        <translation>Електронних повідомлень:</translation>
    </message>
    <message>
        <source>Телеграмм:</source>
        <translation>Телеграм:</translation>
    </message>
    <message>
        <source>Подписки:</source>
        <translation>Передплати:</translation>
    </message>
    <message>
        <source>Аренда:</source>
        <translation>Оренда:</translation>
    </message>
    <message>
        <source>Платежи:</source>
        <translation>Платежі:</translation>
    </message>
    <message>
        <source>Реестр оплаченных переводов:</source>
        <translation>Реєстр оплачених переказів:</translation>
    </message>
    <message>
        <source>Реестр принятых переводов:</source>
        <translation>Реєстр прийнятих переказів:</translation>
    </message>
    <message>
        <source>Файлы программирования нумераторов (*.pnu)|*.PNU|Все файлы (*.*)|*.*</source>
        <translation>Файли програмування нумераторів (*.pnu)|*.PNU|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл программирования нумераторов</source>
        <translation>Відкрити файл програмування нумераторів</translation>
    </message>
    <message>
        <source>Сохранить файл программирования нумераторов</source>
        <translation>Зберегти файл програмування нумераторів</translation>
    </message>
    <message>
        <source>Файлы программирования типа социальной помощи (*.tsp)|*.TSP|Все файлы (*.*)|*.*</source>
        <translation>Файли програмування типу соціальної допомоги (*.tsp)|*.TSP|Усі файли (*.*)|*.*</translation>
    </message>
    <message>
        <source>Открыть файл программирования типа социальной помощи</source>
        <translation>Відкрити файл програмування типу соціальної допомоги</translation>
    </message>
    <message>
        <source>Сохранить файл программирования типа социальной помощи</source>
        <translation>Зберегти файл програмування типу соціальної допомоги</translation>
    </message>
    <message>
        <source>ЭККА не подключен</source>
        <translation>ЕККА не підключено</translation>
    </message>
    <message>
        <source>Ошибка! Неверные границы данных!</source>
        <translation>Помилка! Неправильні межі даних!</translation>
    </message>
    <message>
        <source>Операция завершена успешно</source>
        <translation>Операцію завершено успішно</translation>
    </message>
    <message>
        <source>Операция прервана</source>
        <translation>Операцію перервано</translation>
    </message>
    <message>
        <source>Таблица "%1"  в ЭККА будет перезаписана. Продолжить ?</source>
        <translation>Таблицю "%1" в ЕККА буде перезаписано. Продовжити?</translation>
    </message>
    <message>
        <source>Приняты некорректные данные из ЭККА! Ошибка! Операция прерана!</source>
        <translation>Отримано некоректні дані з ЕККА! Помилка! Операцію перервано!</translation>
    </message>
    <message>
        <source>Программирование Datecs MP-50 Junior</source>
        <translation>Програмування Datecs MP-50 Junior</translation>
    </message>
    <message>
        <source>Подключить Datecs MP-50 Junior</source>
        <translation>Підключити Datecs MP-50 Junior</translation>
    </message>
    <message>
        <source>Прочитано %1 из %2, %3 с</source>
        <translation>Прочитано %1 з %2, %3 с</translation>
    </message>
    <message>
        <source>Прочитано не полностью: %1 из %2, %3 с</source>
        <translation>Прочитано не повністю: %1 з %2, %3 с</translation>
    </message>
    <message>
        <source>Записано %1 из %2, %3 с</source>
        <translation>Записано %1 з %2, %3 с</translation>
    </message>
    <message>
        <source>Записано не полностью: %1 из %2, %3 с</source>
        <translation>Записано не повністю: %1 з %2, %3 с</translation>
    </message>
    <message>
        <source>Очищено %1 из %2, %3 с</source>
        <translation>Очищено %1 з %2, %3 с</translation>
    </message>
    <message>
        <source>Очищено не полностью: %1 из %2, %3 с</source>
        <translation>Очищено не повністю: %1 з %2, %3 с</translation>
    </message>
    <message>
        <source>Логотип прочитан, %1 с</source>
        <translation>Логотип прочитано, %1 с</translation>
    </message>
    <message>
        <source>Логотип прочитан не полностью, %1 с</source>
        <translation>Логотип прочитано не повністю, %1 с</translation>
    </message>
    <message>
        <source>Логотип записан, %1 с</source>
        <translation>Логотип записано, %1 с</translation>
    </message>
    <message>
        <source>Логотип записан не полностью, %1 с</source>
        <translation>Логотип записано не повністю, %1 с</translation>
    </message>
    <message>
        <source>Отчеты загружены, %1 с</source>
        <translation>Звіти завантажено, %1 с</translation>
    </message>
    <message>
        <source>Отчеты загружены не полностью, %1 с</source>
        <translation>Звіти завантажено не повністю, %1 с</translation>
    </message>
    <message>
        <source>%1 записи</source>
        <translation>%1 запису</translation>
    </message>
    <message>
        <source>%1 записей</source>
        <translation>%1 записів</translation>
    </message>
</context>
</TS>
