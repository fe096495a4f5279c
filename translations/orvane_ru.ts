<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>О программе Orvane</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane, версия 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>Редактор списка каналов базы данных ресивера</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>Нет открытой БД. Сначала откройте вашу БД!</translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Заблокировать</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>Р&amp;азблокировать</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Скрыть</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>&amp;Показать</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Переместить в &amp;начало</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Переместить в &amp;конец</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>Переместить на н&amp;омер…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>Заменить в &amp;названиях…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>Пере&amp;нумеровать выделенное с…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>Недопустимый номер!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1: ошибка (ошибка sqlite3 %2); ничего не изменено.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Переместить на номер</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>Выбранные каналы займут места, начиная с:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Перенумеровать выделенное с</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>Выбранные каналы нумеруются, начиная с:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>Добавление в «%1»</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>Этот канал уже добавлен!
%1 из %2 каналов уже были в «%3» и пропущены.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Добавить в группу &amp;избранного</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Перенумерация</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Замена в названиях</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>Заблокировать %n канал</numerusform>
            <numerusform>Заблокировать %n канала</numerusform>
            <numerusform>Заблокировать %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>Разблокировать %n канал</numerusform>
            <numerusform>Разблокировать %n канала</numerusform>
            <numerusform>Разблокировать %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>Скрыть %n канал</numerusform>
            <numerusform>Скрыть %n канала</numerusform>
            <numerusform>Скрыть %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>Показать %n канал</numerusform>
            <numerusform>Показать %n канала</numerusform>
            <numerusform>Показать %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>Добавить %n канал в %1</numerusform>
            <numerusform>Добавить %n канала в %1</numerusform>
            <numerusform>Добавить %n каналов в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>Ещё %n канал уже имеет номер от %1 до %2.
Сдвинуть каналы с номера %1 и выше на %3, чтобы освободить место? «Нет» — отмена.</numerusform>
            <numerusform>Ещё %n канала уже имеют номера от %1 до %2.
Сдвинуть каналы с номера %1 и выше на %3, чтобы освободить место? «Нет» — отмена.</numerusform>
            <numerusform>Ещё %n каналов уже имеют номера от %1 до %2.
Сдвинуть каналы с номера %1 и выше на %3, чтобы освободить место? «Нет» — отмена.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>Перенумеровать %n канал с %1</numerusform>
            <numerusform>Перенумеровать %n канала с %1</numerusform>
            <numerusform>Перенумеровать %n каналов с %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>Замена в %n названии</numerusform>
            <numerusform>Замена в %n названиях</numerusform>
            <numerusform>Замена в %n названиях</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>Переместить %n канал в начало</numerusform>
            <numerusform>Переместить %n канала в начало</numerusform>
            <numerusform>Переместить %n каналов в начало</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>Переместить %n канал в конец</numerusform>
            <numerusform>Переместить %n канала в конец</numerusform>
            <numerusform>Переместить %n каналов в конец</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>Переместить %n канал на номер %1</numerusform>
            <numerusform>Переместить %n канала на номер %1</numerusform>
            <numerusform>Переместить %n каналов на номер %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 из %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Добавить каналы из другого файла</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n канал из %1 отсутствует в этом файле:</numerusform>
            <numerusform>%n канала из %1 отсутствуют в этом файле:</numerusform>
            <numerusform>%n каналов из %1 отсутствуют в этом файле:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Фильтр по названию, спутнику или провайдеру</translation>
    </message>
    <message>
        <source>No</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>после последнего канала</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>&amp;Нумеровать с:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить &amp;всё</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Выберите каналы для добавления.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>Укажите номер канала от 1 до 99999 или оставьте поле пустым.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Перенумерация каналов</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Переименование каналов</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Сравнение с %1</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>добавлено: %1, удалено: %2, перемещено: %3, переименовано: %4</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Все изменения</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Добавленные</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Удалённые</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Перемещённые</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Переименованные</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>No</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>Новый №</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Новое название</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Правило</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>added</source>
        <translation>добавлен</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>удалён</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>перемещён</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>переименован</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>Применить &amp;порядок из этого файла</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>Добавить &amp;новые каналы в группу…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Добавить новые каналы в группу</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Группа:</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Сравнить с файлом…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>&amp;Добавить каналы из другого файла…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 не проходит проверки ресивера и не использован; ничего не изменено.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Сравнить с файлом</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Добавить каналы из другого файла</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>Не удалось прочитать %1.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>В этом файле нет группы избранного, в которую можно добавить каналы.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>Добавить %n новый канал в %1</numerusform>
            <numerusform>Добавить %n новых канала в %1</numerusform>
            <numerusform>Добавить %n новых каналов в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Не удалось добавить в «%1» (ошибка sqlite3 %2); ничего не изменено.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Этот файл содержит все каналы из %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>Ни один из выбранных каналов нельзя добавить; ничего не изменено.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n из выбранных каналов нельзя добавить. Добавить остальные (%1)?</numerusform>
            <numerusform>%n из выбранных каналов нельзя добавить. Добавить остальные (%1)?</numerusform>
            <numerusform>%n из выбранных каналов нельзя добавить. Добавить остальные (%1)?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>&amp;Добавить остальные</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>Добавить %n канал из %1</numerusform>
            <numerusform>Добавить %n канала из %1</numerusform>
            <numerusform>Добавить %n каналов из %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>Не удалось добавить каналы (ошибка sqlite3 %1); ничего не изменено.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>Гетеродин (верхний диапазон)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>Скопировать настройки конвертера тюнера 1 в тюнер 2</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>Показан тюнер %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Перенумерация каналов</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Предварительный просмотр…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;Экспорт в PDF…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>Не удалось напечатать список.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 — открытый файл каналов; выберите другое имя для PDF.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>показано %1 из %2</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Группа «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>проверка: ресивер ответил</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>размер: %1 байт в %2, файл прошёл проверки</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>восстановление: отправка резервной копии %1</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>проверка: ресивер ответил</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>размер и объявление: %1 байт, в %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>получено: %1 из %2 байт за %3 блоков</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>полученная часть удалена, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>Получено %1 байт за %2 с в %3</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Предыдущее совпадение (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Следующее совпадение (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Название, провайдер, ID сервиса или МГц</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Закрыть панель поиска (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>Только &amp;совпадения</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Радио</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Любой спутник</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>За&amp;блокированные</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>Скр&amp;ытые</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>&amp;Кодированные</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>&amp;Не в группе избранного</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Достигнут конец, продолжено с начала</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Достигнуто начало, продолжено с конца</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Совпадений нет</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>&amp;Экспорт каналов в CSV…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>&amp;Импорт каналов из CSV…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>Применить &amp;порядок из эталонного файла…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>Найти &amp;дубликаты каналов…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>Не удалось прочитать каналы (ошибка sqlite3 %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1: ошибка (ошибка sqlite3 %2); ничего не изменено.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Экспорт каналов в CSV</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>Не удалось записать %1.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>Каналов записано в %2: %1.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Импорт каналов из CSV</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>%1 не удалось прочитать как список каналов.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>%1 не импортирован; ничего не изменено.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 ничего не меняет.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>Импорт %1 вносит следующие изменения (%2):</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Импорт</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Применить порядок из эталонного файла</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Эталонные списки (*.dat *.csv);;Все файлы (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>Не удалось прочитать эталонный список; ничего не изменено.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>Сопоставленные каналы получают порядок из %1; несопоставленные следуют в текущем порядке.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Взять также группы &amp;избранного из эталона</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Применение порядка</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>Дубликаты каналов не найдены.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Поиск дубликатов каналов</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>Наборов одинаковых каналов: %1. При удалении в каждом наборе остаётся канал в [ ] (избранный, иначе с наименьшим номером).</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>&amp;Удалить дубликаты</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>Удалить каналы (%1) вместе с их записями избранного, расписания и кодирования?</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Удаление дубликатов</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Импорт каналов из CSV</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Применение порядка из эталонного файла</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Удаление повторяющихся каналов</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Без названия</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>Не удалось прочитать список из БД: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Эта строка содержит значение, недопустимое в формате ресивера (%1). Она оставлена без изменений.</translation>
    </message>
</context>
<context>
    <name>DialogFields</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 должно быть целым числом от %2 до %3.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 должно быть числом.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>Заполните все поля!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>Заполните все поля!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>Нет свободного номера канала меньше 20000.
Канал не добавлен.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Не удалось сохранить провайдера в БД.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Не удалось сохранить канал в БД.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Изменить канал</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>Данные N&amp;IT</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>Спутник :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>&amp;Название канала :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>№ канала :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>I&amp;D сервиса :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>&amp;Провайдер :</translation>
    </message>
    <message>
        <source>&amp;V-Pid :</source>
        <translation>&amp;Видео PID :</translation>
    </message>
    <message>
        <source>&amp;A-Pid :</source>
        <translation>&amp;Аудио PID :</translation>
    </message>
    <message>
        <source>P&amp;CR-PID :</source>
        <translation>P&amp;CR PID :</translation>
    </message>
    <message>
        <source>P&amp;MT-Pid :</source>
        <translation>P&amp;MT PID :</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID сервиса</translation>
    </message>
    <message>
        <source>V-Pid</source>
        <translation>Видео PID</translation>
    </message>
    <message>
        <source>A-Pid</source>
        <translation>Аудио PID</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>PMT-Pid</source>
        <translation>PMT PID</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Флаги</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>&amp;Заблокирован(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>&amp;Кодирован(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>&amp;Скрыт(H)</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;ТВ</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Радио</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Изменить	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Изменить	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Удалить	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Удалить	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Перенумерация</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>Изменить конвертер</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>mini A</source>
        <translation>mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>АВТО</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>Гетеродин</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Спутник :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>Тип конвертера :</translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation>Гетеродин :</translation>
    </message>
    <message>
        <source>DiSEqC 1.0 :</source>
        <translation>DiSEqC 1.0 :</translation>
    </message>
    <message>
        <source>DiSEqC 1.1 :</source>
        <translation>DiSEqC 1.1 :</translation>
    </message>
    <message>
        <source>22 khz :</source>
        <translation>22 кГц :</translation>
    </message>
    <message>
        <source>TP Freq :</source>
        <translation>Частота TP :</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Не удалось сохранить транспондер в БД.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>Изменить NIT</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Данные транспондера</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Вертикальная</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Горизонтальная</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>Частота [МГц]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Скорость потока</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>Частота [МГц] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>Скорость потока :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Поляризация :</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC :</translation>
    </message>
</context>
<context>
    <name>EditSatDlg</name>
    <message>
        <source>It&apos;s invalid longitude range.</source>
        <translation>Недопустимый диапазон долготы.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Не удалось сохранить спутник в БД.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Изменить спутник</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>ВОСТОК</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>ЗАПАД</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Название :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>Позиция :</translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Нет открытой БД.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Откройте файл БД ресивера командой Файл &amp;gt; Открыть (Ctrl+O) или получите его с ресивера командой Файл &amp;gt; Приём по USB.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;Недавние файлы:</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>Удалить эту группу избранного из БД?</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Добавление группы избранного</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Переименование группы избранного</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Удаление группы избранного</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Перемещение группы избранного</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>Удалить из списка избранного?</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>Удалить этот список избранного из БД?</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Выбраны недопустимые данные</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>Не удалось удалить записи из БД.
Ничего не удалено.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Удаление записей избранного</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Перемещение записи избранного</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>Файлы БД (*.dat);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>Выберите папку для сохранения файла.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>Раздельно</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Сквозное (Loop Thru)</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Подключение :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>Настройка конвертера</translation>
    </message>
    <message>
        <source>Tuner1</source>
        <translation>Тюнер 1</translation>
    </message>
    <message>
        <source>Tuner2</source>
        <translation>Тюнер 2</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>СОХРАНИТЬ</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Тип переключателя :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>Удалить этот элемент из БД?</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>Не удалось сохранить настройки конвертера; сохранённые остаются в силе.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>Сохранение настроек конвертера</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Выбор языка</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Язык меню </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Язык звука </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Язык субтитров :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Сбросить расположение</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>No</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Скорость потока</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Пол.</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>V-PID</source>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>A-PID</source>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>PCR</source>
        <translation>PCR</translation>
    </message>
    <message>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Флаги</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Тип конвертера</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>Гетеродин</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>22 khz</source>
        <translation>22 кГц</translation>
    </message>
</context>
<context>
    <name>ListPrintSheet</name>
    <message>
        <source>Channel list</source>
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Группа избранного: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Родительский контроль </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Блокировка системы</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Блокировка каналов</translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation>Скрыть канал</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Инструменты</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>Ф&amp;ормат</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Импорт</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>Из SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Экспорт</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;О программе Orvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Показать сведения о программе, номер версии и авторские права</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>Интерфейс переключится на %1 при следующем запуске Orvane.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Создать новый документ</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Открыть существующий документ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Сохранить активный документ</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>&amp;Приём по USB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Приём</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>Передать файл БД с ресивера</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>&amp;Передача по USB</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Передача</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>Передать файл БД на ресивер</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>Восстановить &amp;резервную копию ресивера...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Недавний файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation>Редактор &amp;каналов</translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation>Редактор &amp;NIT</translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation>Редактор &amp;конвертеров</translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation>Следующая &amp;панель</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>П&amp;редыдущая панель</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Найти...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Найти &amp;далее</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Найти &amp;назад</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартная</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Перенумерация</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Ошибка загрузки вида</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>NIT Edit</source>
        <translation>NIT</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>Удалить этот элемент из БД?</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>Не удалось удалить</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Сначала щёлкните слева спутник нового транспондера.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Добавление спутника</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Изменение спутника %1</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Добавление транспондера</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Изменение транспондера</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Удаление спутников</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Удаление транспондеров</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Перемещение спутников</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 — это %2, а не файл БД, поэтому он не открыт.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 не найден.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>%1 открыт в другом окне. Закройте его там, прежде чем открывать здесь.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>%1 не открыт: %2 — ссылка или файл другого пользователя там, где редактор хранит свой файл. Удалите его и откройте файл снова.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>%1 не читается так, как его читает SQLite, поэтому он не открыт.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>Не удалось создать рабочую копию %1, поэтому файл не открыт.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>Ошибка открытия файла при чтении БД</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Недопустимая версия БД. Требуется %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>БД не имеет структуры таблиц ресивера, поэтому она не открыта.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Не удалось открыть документ.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>Сохранить изменения в БД?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>%1 был изменён другой программой после открытия. Заменить его вашей версией?
Выберите «Нет», чтобы сохранить его, и используйте «Сохранить как».</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>%1 открыт в другом окне. Закройте его там, прежде чем сохранять поверх.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>Не удалось сохранить БД в %1.
%2 — ссылка или файл другого пользователя там, где редактор хранит свой файл; сначала удалите его.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>Не удалось сохранить БД в %1.
Это сама рабочая копия; выберите другое имя.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>БД находится в процессе изменения и не сохранена. Повторите попытку.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>Не удалось сохранить БД в %1.
Не удалось забрать последние изменения из %2-wal; возможно, его читает другая программа (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>Не удалось сохранить БД в %1.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 доступен только для чтения, поэтому БД нельзя сохранить туда. Выберите другое имя.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>Недопустимый номер!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>Удалить этот канал из БД?</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>Этот канал уже добавлен!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>Канал «%1» уже добавлен!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>Ошибка! Операция отменена.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>Не удалось удалить каналы из БД.
Ничего не удалено.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>Список не показывает каналы, сохранённые в БД.
Откройте файл заново и перенумеруйте снова.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Не удалось сохранить новые номера в БД.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>Перенумерация и перестановка перетаскиванием отключены, пока фильтр скрывает каналы: порядок скрытых каналов не должен меняться незаметно.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Фильтр включён: показано %1 из %2 каналов. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Добавление канала</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Изменение канала %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Удалить %n канал</numerusform>
            <numerusform>Удалить %n канала</numerusform>
            <numerusform>Удалить %n каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Перенумерация</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>Добавить %n канал в группу избранного</numerusform>
            <numerusform>Добавить %n канала в группу избранного</numerusform>
            <numerusform>Добавить %n каналов в группу избранного</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>Добавить %n канал в список избранного</numerusform>
            <numerusform>Добавить %n канала в список избранного</numerusform>
            <numerusform>Добавить %n каналов в список избранного</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: невозможно записать: %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>не удалось построить PDF</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>Каналов: %1</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 из %2 каналов</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>Изменения на этой странице ещё не сохранены кнопкой «СОХРАНИТЬ».
Сохранить их сейчас?</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>Без учёта &amp;регистра</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>Заменить в названиях</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Было</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Стало</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Заменить на:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>более %1 байт</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>Новых названий длиннее %2 байт: %1.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>Изменяемых названий: %1.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Восстановить резервную копию ресивера</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>Резервные копии списка ресивера в %1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> байт</translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation>Отправить(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Отмена(&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowFormat</name>
    <message>
        <source>mini A</source>
        <translation>mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>АВТО</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Горизонтальная</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Вертикальная</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Нет данных</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>Выберите данные транспондера в списке.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>Выбор NIT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation>&amp;Спутники</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>Список &amp;TP</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>Не удалось прочитать настройки ресивера из БД:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>Не удалось сохранить настройки в БД:
%1
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>Не удалось скопировать настройки по умолчанию в БД:
%1
Ничего не изменено.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>В этом файле нет настроек по умолчанию.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>Сохранённые настройки содержат значение, недопустимое в формате ресивера (%1 = %2).
Они оставлены без изменений.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>Настройки по умолчанию содержат значение, недопустимое в формате ресивера (%1 = %2).
Настройки оставлены без изменений.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Настройки главного меню</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Настройки пользователя</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>Управление блокировкой</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>Язык </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>По &amp;умолчанию</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Настройки приёмника</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Нидерландский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Датский</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабский</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческий</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкий</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Шведский</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Норвежский</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation>5 лет</translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation>8 лет</translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation>10 лет</translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation>13 лет</translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation>15 лет</translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation>18 лет</translation>
    </message>
    <message>
        <source>4 : 3 PS</source>
        <translation>4 : 3 PS</translation>
    </message>
    <message>
        <source>4 : 3 LB</source>
        <translation>4 : 3 LB</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 секунды</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 секунды</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 секунды</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 секунд</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 секунд</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 секунд</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 секунд</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 секунд</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 секунд</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Простой</translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation>Каналы в файле, из них ТВ и радио, и записи текущей группы избранного</translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation>Каналы: %1   ТВ: %2   Радио: %3</translation>
    </message>
</context>
<context>
    <name>TransferDlg</name>
    <message>
        <source>Start(&amp;S)</source>
        <translation>Старт(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Отмена(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>Остановить передачу после текущего блока?</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>Не удалось открыть файл!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>Передача остановлена после %1 из %2 байт.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>Ошибка чтения файла! Файл БД передан не полностью.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>Ошибка запроса передачи данных по PIPE03!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>Ошибка записи в PIPE03!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>Приём остановлен после %1 из %2 байт.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>Ошибка запроса передачи данных по PIPE02!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>Ошибка чтения из PIPE02!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>Ошибка записи %1!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>Не удалось открыть драйвер! Запись в PIPE03 невозможна.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>Не удалось открыть устройство! Запись в PIPE03 невозможна.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>Путь %1 слишком длинный; он должен быть короче %2 байт.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>Не удаётся открыть файл.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>Не удалось получить размер файла с ресивера!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>Не удалось открыть драйвер! Запись в PIPE02 невозможна.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>Не удалось открыть устройство! Запись в PIPE02 невозможна.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>Файл БД получен не полностью: пришло %1 из %2 байт. Они сохранены в %3, который не открывается.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Невозможно записать %1.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>Ничего не отправлено; ресивер сохраняет свой список. Проверьте, что он включён и подключён, и снова нажмите «Старт».</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>Ничего не отправлено. Разрешите запись в папку или снимите флажок «Сначала сохранить копию списка ресивера», чтобы отправить без копии.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>Не удалось сохранить копию списка ресивера. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>Ресивер может содержать неполный список. Отправьте резервную копию (Файл &gt; Восстановить резервную копию ресивера...) или этот файл снова.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>Ничего не отправлено; ресивер сохраняет свой список. Нажмите «Старт», чтобы повторить.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>Файл отправлен, но не прочитан обратно. Получите список ресивера через «Приём по USB», чтобы проверить его.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>не прочитан обратно</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>Список ресивера не совпадает с отправленным: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Отправьте файл снова; если различие останется, ресивер сам изменяет список.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>Отправлено %1 байт за %2 с</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>; обратное чтение: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>USB не подключён. Попробуйте снова!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Повторить: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>Не удалось выполнить «%1 %2»: БД занята или недоступна для записи (ошибка SQLite %3).
БД осталась прежней.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>Передача по USB</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>Передать из файла(&amp;D)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Локальный файл</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Файл(&amp;F)</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation>Сначала сохранить копию списка ресивера</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>Прочитать список обратно и сравнить</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>Ход передачи</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>Файл БД(*.dat);;Все файлы(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Сначала откройте или выберите файл БД.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Если передать этот файл БД, существующая БД в ресивере будет удалена. Продолжить?</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>Не удалось открыть файл!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>Файл %1 не отправлен: %2.
Исправьте его (orvane-cli check называет каждую проблему) или выберите другой файл.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>Ресивер может содержать неполный список. Отправить резервную копию его списка, сделанную перед этой передачей (%1)?</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>Приём по USB</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>Локальная папка</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Обзор(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Открыть полученный файл БД(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Ход приёма</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>Не удаётся получить путь для выбранного элемента!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Сообщение об ошибке</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Сначала выберите папку.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 не является папкой. Выберите папку.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>Папка %1 не существует. Создать её?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>Формат экрана </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>Время показа баннера (секунды)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>Тип баннера</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>Субтитры </translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
</context>
<context>
    <name>print::CPrintOptionsDlg</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>Список каналов, как показан</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Группа избранного: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>Карточка каналов (номер и название, крупный шрифт)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>&amp;Печатать:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Макет:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Ориентация:</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Предыдущая страница</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Следующая страница</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
</context>
</TS>
