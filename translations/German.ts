<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
    <message>
        <source>About Pelmora</source>
        <translation>Über Pelmora</translation>
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
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Kommunikationseinstellungen</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP-Port</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>Schnittstelle :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Anschluss :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Baudrate :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Datenbits :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Stoppbits :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Parität :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Flusssteuerung :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Verwaltung der virtuellen Speicherschalter</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV-Bildverwaltung</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>Firmware-Verwaltung</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>Ü&amp;ber Pelmora</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * Menü wählen 
 Dieses Programm ist Pelmora. Sie können die Kommunikationseinstellungen und die Codepage ändern, NV-Bilder herunterladen usw.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora für PC V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>Kein USB-Drucker angeschlossen!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>beschädigte Zeilen</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>Einige gespeicherte Kommunikationseinstellungen in %2 konnten nicht gelesen werden (%1).
Das Fenster zeigt für sie die Standardwerte; gespeichert wird erst mit „Beenden“.</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>Der USB-Drucker %1 (%2) ist nicht mehr angeschlossen.
Wählen Sie erneut „USB“, um die vorhandenen Drucker aufzulisten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>„%1“ ist keine IPv4-Adresse.
Geben Sie vier durch Punkte getrennte Zahlen von 0 bis 255 ein, z. B. 192.168.0.10.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>„%1“ ist kein TCP-Port.
Geben Sie eine Zahl von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>Die Kommunikationseinstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
</TS>
