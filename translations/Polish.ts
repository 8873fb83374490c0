<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
    <message>
        <source>About Pelmora</source>
        <translation>O programie Pelmora</translation>
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
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::CQ700TCUtilityDlg</name>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Ustawienia komunikacji</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>Interfejs :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Szybkość transmisji :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Bity danych :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Bity stopu :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Parzystość :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Sterowanie przepływem :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Menedżer wirtualnych przełączników pamięci</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Menedżer obrazów NV</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>Menedżer oprogramowania sprzętowego</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>&amp;O programie Pelmora</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * Wybierz menu 
 Ta aplikacja to Pelmora. Możesz zmienić ustawienia komunikacji i stronę kodową, pobrać obrazy NV itp.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora dla PC V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>BRAK</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>Brak podłączonej drukarki USB!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>uszkodzone wiersze</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>Nie udało się odczytać niektórych zapisanych ustawień komunikacji (%1) w %2.
Okno pokazuje wartości domyślne; zapis zmienia dopiero „Zakończ”.</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>Drukarka USB %1 (%2) nie jest już podłączona.
Wybierz ponownie „USB”, aby wyświetlić obecne drukarki.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>„%1” nie jest adresem IPv4.
Wpisz cztery liczby od 0 do 255 oddzielone kropkami, np. 192.168.0.10.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>„%1” nie jest portem TCP.
Wpisz liczbę od 1 do 65535.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>Nie udało się zapisać ustawień komunikacji w %1.</translation>
    </message>
</context>
</TS>
