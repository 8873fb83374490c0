<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
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
</context>
<context>
    <name>pelmora::desktop::CQ700TCUtilityDlg</name>
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
</context>
</TS>
