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
        <translation>Завершити операцію</translation>
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
    <name>cli</name>
    <message>
        <source>Папка копии: %1</source>
        <translation>Тека копії: %1</translation>
    </message>
    <message>
        <source>%1: %2
Ничего не записано в ЭККА.</source>
        <translation>%1: %2
Нічого не записано в ЕККА.</translation>
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
        <translation>Помилка запису/читання таблиці ЕККА: запис %1, операцію завершено</translation>
    </message>
    <message>
        <source>Нужно подтверждение: запустите с --yes (ввод не с терминала).</source>
        <translation>Потрібне підтвердження: запустіть з --yes (введення не з термінала).</translation>
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
        <translation>Штрих-код</translation>
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
        <source>Операция завершена, но %1 записи не удалось записать в ЭККА: она осталась прежней.</source>
        <translation>Операцію завершено, але %1 запис не вдалося записати в ЕККА: він залишився колишнім.</translation>
    </message>
    <message>
        <source>Операция завершена, но %1 записей не удалось записать в ЭККА: они остались прежними.</source>
        <translation>Операцію завершено, але %1 записів не вдалося записати в ЕККА: вони залишилися колишніми.</translation>
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
</context>
</TS>
