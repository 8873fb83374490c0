<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigListText</name>
    <message>
        <source>Printing Density</source>
        <translation>Плотность печати</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>Скорость печати</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>Кодовая страница по умолчанию</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Шрифт по умолчанию</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>Режим двухбайтового шрифта</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>Режим принтера</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>позиция отрыва</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>Сигнал окончания бумаги</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>Сигнал разряда батареи</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>Время автовыключения (нет соединения)</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>Время энергосбережения (есть соединение)</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>Запуск MSR</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>Параметр маркеров</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Биты данных</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Стоповые биты</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Проверка подлинности и шифрование</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Режим подключения</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Имя принтера</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>Код начала дорожки 1</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>Код начала дорожки 2</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>Код начала дорожки 3</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>Код конца дорожки 1</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>Код конца дорожки 2</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>Код конца дорожки 3</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>Шрифт A ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>Шрифт B ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>Шрифт C ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>Шрифт A(12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>Шрифт B(9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Чек</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Этикетка</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>Дорожки 1/2/3 чтение по команде</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>Дорожка 1 автоматическое чтение</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>Дорожка 2 автоматическое чтение</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>Дорожка 3 автоматическое чтение</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>Дорожки 1/2 автоматическое чтение</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>Дорожки 2/3 автоматическое чтение</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>Дорожки 1/2/3 автоматическое чтение</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>Запуск MSR не используется</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>Постоянный маркер</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>Настраиваемый маркер</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Нечёт</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Чёт</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Режим 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Режим 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Режим 3</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>Ошибка открытия порта!</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>Ошибка открытия порта!!!</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>Модель принтера не совпадает!</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>Название модели принтера не совпадает...!!</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>Не удалось прочитать версию принтера!</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>Не удалось прочитать версию принтера!</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>Не удалось восстановить заводские настройки!</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>Не удалось прочитать кодовую страницу!</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>Не удалось прочитать режим MSR!</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>Не удалось прочитать данные SW1!</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>Не удалось прочитать данные SW2!</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>Не удалось прочитать данные SW3!</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>Не удалось прочитать данные SW5!</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>Не удалось прочитать данные SW6!</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>Не удалось прочитать данные SW7!</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>Не удалось прочитать данные SW8!</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>Не удалось прочитать позицию отрыва!</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>Не удалось прочитать данные SW51!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>Не удалось прочитать данные IFSW1!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>Не удалось прочитать данные IFSW2!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>Не удалось прочитать данные IFSW3!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>Не удалось прочитать данные IFSW4!</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>Не удалось прочитать маркер дорожки 1!</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>Не удалось прочитать маркер дорожки 1!</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>Не удалось прочитать маркер дорожки 2!</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>Не удалось прочитать маркер дорожки 2!</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>Не удалось прочитать маркер дорожки 3!</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>Не удалось прочитать маркер дорожки 3!</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>Не удалось прочитать RF-интерфейс!</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>Не удалось прочитать RF-интерфейс!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>Не удалось прочитать режим соединения Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>Не удалось прочитать режим соединения Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>Не удалось прочитать имя устройства Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>Не удалось прочитать имя устройства Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>Не удалось прочитать PIN-код Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>Не удалось прочитать PIN-код Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>Не удалось прочитать сведения о шифровании Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>Не удалось прочитать сведения о шифровании Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>Не удалось прочитать кодовую страницу!</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>Не удалось прочитать режим MSR!</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>Не удалось прочитать данные MSW1!</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>Не удалось прочитать данные MSW1!</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>Не удалось прочитать данные MSW2!</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>Не удалось прочитать данные MSW2!</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>Не удалось прочитать данные MSW3!</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>Не удалось прочитать данные MSW3!</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>Не удалось прочитать данные MSW5!</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>Не удалось прочитать данные MSW5!</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>Не удалось прочитать данные MSW6!</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>Не удалось прочитать данные MSW6!</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>Не удалось прочитать данные MSW7!</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>Не удалось прочитать данные MSW7!</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>Не удалось прочитать данные MSW8!</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>Не удалось прочитать данные MSW8!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>Не удалось прочитать данные IFSW1!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>Не удалось прочитать данные IFSW2!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>Не удалось прочитать данные IFSW3!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>Не удалось прочитать данные IFSW4!</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>Не удалось отправить команду инициализации!</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>Не удалось отправить команду завершения настройки!</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>Не удалось отправить команду завершения настройки!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>Не удалось записать параметры Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>Не удалось записать параметры Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>Не удалось отправить команду инициализации!</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>Не удалось записать данные MSW1!</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>Не удалось записать данные MSW2!</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>Не удалось записать данные MSW3!</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>Не удалось записать данные MSW5!</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>Не удалось записать данные MSW6!</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>Не удалось записать данные MSW7!</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>Не удалось записать данные MSW8!</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>Не удалось записать данные IFSW1!</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>Не удалось записать данные SW51!</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>Не удалось записать данные IFSW2!</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>Не удалось записать данные IFSW3!</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>Не удалось записать данные IFSW4!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>Не удалось установить маркер дорожки 1!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>Не удалось установить маркер дорожки 1!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>Не удалось установить маркер дорожки 2!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>Не удалось установить маркер дорожки 2!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>Не удалось установить маркер дорожки 3!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>Не удалось установить маркер дорожки 3!</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>Не удалось установить RF-интерфейс!</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>Не удалось установить RF-интерфейс!</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>Не удалось отправить команду инициализации!</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>Не удалось записать параметры последовательного порта!</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>Не удалось записать параметры последовательного порта!</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Диспетчер виртуальных переключателей памяти</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>Чтение состояния</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>Запись состояния</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>Чтение состояния...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>Запись состояния...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Обработка...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Чтение состояния</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>Запись состояния</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>Конфигурация VMSM успешно установлена! <byte value="xd"/>
Выключите и снова включите принтер.</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>Не удалось сохранить конфигурацию VMSM!<byte value="xd"/>
Проверьте состояние принтера.</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>Утилита управления VMSM</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>VMSM успешно установлен!</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>Не удалось сохранить виртуальные переключатели памяти!!<byte value="xd"/>
Проверьте состояние принтера</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>Общая утилита управления</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>Загрузка остановлена...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Диспетчер NV-изображений</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>Выполняется...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>Открытие порта...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>Проверка принтера...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>Чтение адресов NV-изображений...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>Удаление выбранного NV-изображения...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>Удаление всех NV-изображений...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>Начало загрузки...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>Печать всех NV-изображений...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>Печать выбранного NV-изображения...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>Завершение загрузки...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>Не удалось прочитать адреса NV-изображений!</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> Операция не поддерживается!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> Не удалось записать данные!<byte value="xd"/>
Проверьте принтер.</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>Не выбран ни один файл точечного рисунка.</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>Область NV-изображений слишком мала!</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>Чтение адресов NV-изображений</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>Удаление выбранного NV-изображения</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>Удаление всех NV-изображений</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>Загрузка изображения....</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>Печать всех NV-изображений...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>Печать выбранного NV-изображения...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>Открытие порта..</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>Проверка принтера...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>Чтение адресов NV-изображений</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>Удаление выбранного NV-изображения</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>Удаление всех NV-изображений</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>Начало загрузки....</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>Печать всех NV-изображений</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>Печать выбранного NV-изображения</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>Завершение загрузки....</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>Не удалось прочитать адреса NV-изображений!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> Не удалось записать данные!<byte value="xd"/>
Проверьте принтер!</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>Не удалось записать данные!<byte value="xd"/>
Проверьте принтер!</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>Не выбран ни один файл точечного рисунка.</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>Область NV-изображений слишком мала!</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>Свободных кодов адреса не осталось!</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>Загрузка изображения отменена.</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>Не удалось загрузить файл изображения!</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>Код адреса должен состоять из двух символов!</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>Адрес уже существует!</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>Готово к загрузке микропрограммы.</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>Загрузка микропрограммы...Не выключайте принтер!!!</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>Микропрограмма загружена, перезапустите принтер!</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>Ошибка : не удалось открыть файл!</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>Ошибка : не удалось открыть порт! Проверьте принтер</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>Ошибка : сбой отправки!</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>Микропрограмма успешно загружена!</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>В файле изображения нет пикселей!</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>Чтение состояния : %1 %</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>Запись состояния : %1 %</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>Чтение состояния : %1 %</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>Запись состояния : %1 %</translation>
    </message>
    <message>
        <source>Completed....: %1 %</source>
        <translation>Выполнено....: %1 %</translation>
    </message>
    <message>
        <source>Completed..: %1 %</source>
        <translation>Выполнено..: %1 %</translation>
    </message>
    <message>
        <source>%1 Downloading...</source>
        <translation>Загрузка %1...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>Изображение слишком плоское: при ширине %1 точек не остаётся ни одной строки!</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>Изображение слишком велико для одного NV-изображения: %1 байт растра, не более %2 (не более 1365 строк при 384 точках)!</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>Принтер закрыл соединение.</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>Принтер не принял запрос.</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>Принтер сообщает другого производителя.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>Ответ принтера не содержит модели.</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>Ответ не пришёл за %1 с.</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>Ответ не пришёл за %1 с; прежние ответы заняли %2 с: возможно, принтер занят другим клиентом.</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>Прежние ответы заняли %1 с: возможно, принтер занят другим клиентом.</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>Принтер сообщает модель «%1».</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>Ответ принтера «%1» не содержит модели.</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Недопустимое значение!</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>Неверный формат HEXA!!</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>Длина маркера больше 10 ( допустимо : 1~10 )</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>Недопустимое значение маркера (0x20~0x7F)</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>Сохранение отменено. В принтер ничего не записано.</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>Сохранение отменено после начала: часть настроек, возможно, уже записана в принтер.<byte value="xd"/>
Прочитайте настройки заново, прежде чем изменять их.</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>%1 не существует: принтер не подключён или имя порта указано неверно (`pelmora ports` выводит список портов).</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>%1 — не порт, через который можно связаться с принтером (`pelmora ports` выводит список портов).</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>Отказано в доступе к %1 (попросите администратора этого компьютера открыть доступ к порту).</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>Отказано в доступе к %1: вступите в группу %2 (sudo usermod -aG %2 $USER, затем войдите в систему заново).</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>%1 занят другой программой: закройте её и повторите попытку.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>%1 занят другой программой, %2: закройте её и повторите попытку.</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>%1 отклонил соединение: этот порт никто не прослушивает (проверьте адрес и порт принтера).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>%1 недоступен: к нему нет маршрута (проверьте адрес и сетевое подключение этого компьютера).</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>%1 не принял соединение за %2 с (проверьте, что принтер включён и адрес указан верно).</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>Имя хоста в %1 неизвестно (проверьте написание или укажите IP-адрес принтера).</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>%1 не может быть адресом принтера.</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>%1 открыт, но ни один принтер не удерживает сигнал DSR: принтер выключен или не подключён.</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>%1 не принял параметры линии.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Не удалось открыть %1: %2.</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>За %2 с вернулось байтов: %1, но это не ответ принтера: по этому каналу отвечает что-то другое (проверьте порт, а для последовательной линии — и её скорость).</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
    <message>
        <source>About Pelmora</source>
        <translation>О программе Pelmora</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Pelmora %1</source>
        <translation>Pelmora %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Лицензия: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Поиск принтеров</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>Найденные принтеры:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Адреса:</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>TCP-порт:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>Использовать этот принтер</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>Введите адреса для поиска.</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>Введите TCP-порт от 1 до 65535.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>Остановлено после %1 из %2 адресов, найдено принтеров: %3</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>%1 из %2 адресов, найдено принтеров: %3</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>На этом компьютере нет последовательных, Bluetooth- или USB-портов для принтеров.</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>Порты этого компьютера: опрошено %1 из %2, найдено принтеров: %3</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FoundPrinterModel</name>
    <message>
        <source>%1, firmware %2 (%3)</source>
        <translation>%1, микропрограмма %2 (%3)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Пропущен: %1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>Не MPT-Q700VII: %1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1; главное окно принимает только адреса IPv4</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>Опрос...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Принтер</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Параметры связи</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP-порт</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>Интерфейс :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Порт :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Скорость (бод) :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Биты данных :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Стоповые биты :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Чётность :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Управление потоком :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Диспетчер виртуальных переключателей памяти</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Диспетчер NV-изображений</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>Диспетчер микропрограммы</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>&amp;О программе Pelmora</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * Выберите меню 
 Это приложение Pelmora. Вы можете изменить параметры связи и кодовую страницу, загрузить NV-изображения и т. д.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora для ПК V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>USB-принтер не подключён!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>повреждённые строки</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>Не удалось прочитать некоторые сохранённые параметры связи (%1) в %2.
Окно показывает значения по умолчанию; сохранённое меняет только «Выход».</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>USB-принтер %1 (%2) больше не подключён.
Выберите «USB» ещё раз, чтобы увидеть подключённые принтеры.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>«%1» не является адресом IPv4.
Введите четыре числа от 0 до 255, разделённые точками, например 192.168.0.10.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>«%1» не является TCP-портом.
Введите число от 1 до 65535.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>Не удалось сохранить параметры связи в %1.</translation>
    </message>
    <message>
        <source>Find Printers...</source>
        <translation>Найти принтеры...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>Параметры связи</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>Связь TCP/IP</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Диспетчер виртуальных переключателей памяти</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>Диспетчер NV</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora</source>
        <translation>MPT-Q700VII Pelmora</translation>
    </message>
    <message>
        <source>IP :</source>
        <translation>IP :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Порт :</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Скорость :</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>Порт TCP</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>«%1» не является адресом IPv4.
Введите четыре числа от 0 до 255 через точку, например 192.168.1.1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>«%1» не является портом TCP.
Введите число от 1 до 65535.</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>Принтер принял параметры, но сохранить их не удалось.
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>Не удалось сохранить параметры связи.
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>Не удалось прочитать сохранённые настройки; на экране показаны значения по умолчанию.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>Скорость печати :</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>Плотность печати :</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Шрифт по умолчанию</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>Кодовая страница по умолчанию</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>Дополнительно..</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>Режим запуска MSR</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>Режим :</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Чек</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Этикетка</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>Позиция отрыва :
&lt;0~640 единиц&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>Сигнал конца рулона бумаги</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Beep mode for low battery status</source>
        <translation>Сигнал низкого заряда батареи</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>Режим двухбайтовых символов</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>Настройка последовательного интерфейса</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Скорость :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Чётность :</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>Длина данных :</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>Стоп-биты :</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>Время автовыключения<byte value="xd"/>
&lt;0~90 мин&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>Время автоматического<byte value="xd"/>
энергосбережения &lt;10~255 с&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>Разрешить изменение настроек BT</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Аутентификация и шифрование</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>Режим подключения</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>Режим1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>Режим2</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>Режим3</translation>
    </message>
    <message>
        <source>PIN code &lt;Max 12 chars&gt;</source>
        <translation>PIN-код &lt;не более 12 символов&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>Имя принтера &lt;не более 30 символов&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;Шаг%1-%2&gt; Диспетчер  VMSM</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>VMSM Manager</source>
        <translation>Диспетчер VMSM</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>Отменить диспетчер VMSM?</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Введите положительное целое число.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>Введите не более %1 символов, только Latin-1.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>Настройки принтера 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>Настройки принтера 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>Интерфейс принтера</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Страницы настроек</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::PrinterSettingsPage</name>
    <message>
        <source>Print density</source>
        <translation>Плотность</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>единиц (0~%1)</translation>
    </message>
    <message>
        <source>min (0~%1 ex&gt; 30)</source>
        <translation>мин (0~%1 напр. 30)</translation>
    </message>
    <message>
        <source>sec (0, 10~%1 ex&gt; 100)</source>
        <translation>с (0, 10~%1 напр. 100)</translation>
    </message>
    <message>
        <source>MSR Configuration</source>
        <translation>Настройка MSR</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Дополнительно</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>Настройка последовательного интерфейса</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>Включить настройку Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>Настройка интерфейса Bluetooth</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>Дополнительные настройки MSR</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>Настройки маркеров MSR</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>Параметр маркеров</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Постоянный</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Настраиваемый</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>Дорожка 1 начало</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>Дорожка 2 начало</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>Дорожка 3 начало</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>Дорожка 1 конец</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>Дорожка 2 конец</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>Дорожка 3 конец</translation>
    </message>
    <message>
        <source>ASCII (ex: &quot;START(1)&quot;)</source>
        <translation>ASCII (напр.: &quot;START(1)&quot;)</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>HEXA</source>
        <translation>HEXA</translation>
    </message>
    <message>
        <source>HEXA (ex: \&quot;0A 1F 10 4C\&quot;)</source>
        <translation>HEXA (напр.: \&quot;0A 1F 10 4C\&quot;)</translation>
    </message>
    <message>
        <source>ASCII (ex: \&quot;START(1)\&quot;)</source>
        <translation>ASCII (напр.: \&quot;START(1)\&quot;)</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::FirmwareWindow</name>
    <message>
        <source>Firmware Download Manager</source>
        <translation>Диспетчер загрузки микропрограммы</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Ход загрузки</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>Состояние : </translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>Выберите файл микропрограммы (*.fls). </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Начать загрузку</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>Файл микропрограммы(*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>Не удаётся открыть %1 для чтения и записи.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>Файл %1 доступен только для чтения.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 — это папка.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>Файл %1 больше %2 МиБ.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Не удалось прочитать %1.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>Диспетчер NV-изображений</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Яркость </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>Как при печати</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>Показывает точки, которые принтер сохранит для этого изображения</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>Изменить цветовой диапазон</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>Список изображений</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Функции</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Добавить изображение</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>Убирает выбранные точечные рисунки из списка</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>Автоматическая адресация</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>Список NV-изображений</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>Печатать все</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>Удаляет выбранное изображение из принтера</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>Список файлов изображений</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>Автоматическая адресация</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>Служебная программа управления NV</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 Б</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;Изображения: %1/%2 - Память: %3/%4 (байт)&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>Файлы изображений(*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>Все файлы изображений(%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>Не выбран ни один файл точечного рисунка.</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>Удалить все выбранные элементы?</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>Выберите адрес!</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>Не удалось сохранить список изображений.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>Диспетчер NV-изображений</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>NV-адрес</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>Код адреса : </translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>Код адреса :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Недопустимое значение!</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>Выполняется...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Обработка...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Идёт отмена...</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchJob</name>
    <message>
        <source>The printer took the settings, but they could not be stored: %1</source>
        <translation>Принтер принял настройки, но сохранить их не удалось: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Введите положительное целое число.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvManagerLaunch</name>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>Служебная программа управления NV</translation>
    </message>
</context>
</TS>
