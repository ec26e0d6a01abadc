<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>BackupWindow</name>
    <message>
        <source>Резервная копия ЭККА: в какую папку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Папка копии:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстановить ЭККА из копии: папка копии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Ничего не записано в ЭККА.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всего:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) — %3 из %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoodsCsv</name>
    <message>
        <source>Не удалось записать файл «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В файл «%1» выгружено товаров: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1»: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» слишком велик для списка товаров.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В файле «%1» ошибок: %2. Товары не загружены.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
… и ещё %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Товары на странице будут заменены товарами из файла (%1). Продолжить ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загружено товаров: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogoFiles</name>
    <message>
        <source>Файл «%1» не является BMP-рисунком или повреждён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1»: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» слишком велик для логотипа.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось создать файл «%1»: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogoPage</name>
    <message>
        <source>растянуть/сжать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить логотип из файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить логотип в файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать логотип в ЭККА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитать логотип из ЭККА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузка логотипа из BMP-файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение логотипа в BMP-файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortSelector</name>
    <message>
        <source> (не подключено)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportsPage</name>
    <message>
        <source>Установить все</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить все</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>разделитель между полями</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение отчетов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разделитель между полями нельзя записать в кодировке 1251.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Найти ЭККА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 бит/с, ЭККА %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>База продаж SD-карты...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт товаров на SD-карту...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открывать файлы из текущей папки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найти ЭККА...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать изменения в ЭККА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резервная копия ЭККА...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстановить ЭККА из копии...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт товаров в CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Импорт товаров из CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интервал кодирования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использовать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конец</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер первой записи в ЭККА:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключить Datecs MP-50 Junior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последовательный
порт:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер ЭККА:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип ЭККА:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать в ЭККА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитать из ЭККА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить таблицу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать в ЭККА всю таблицу страницы.
Только изменённые записи (они выделены цветом): «Записать изменения в ЭККА», Ctrl+Shift+W или контекстное меню окна.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт COM%1 не существует: выберите COM1 … COM9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость %1 бит/с не поддерживается.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Непредвиденная ошибка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» — не число. Укажите скорость в бит/с, например 9600.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка подключения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт подключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не подключена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Касса не обнаружена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найти ЭККА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭККА уже подключен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭККА не найден.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 подключена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программирование Datecs MP-50 Junior</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программирование ЭККА
Datecs MP-50 Junior / Datecs MP-50 UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Ошибка чтения/записи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка записи/чтения таблицы ЭККА - запись пропущена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропустить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершить операцию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Сохранить файл артикулов на SD-диск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>База продаж SD-карты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрать местонахождение файлов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить продажи с SD карты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить продажи в файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить файл артикулов</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
