<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
    <message>
        <source>About Pelmora</source>
        <translation>A Pelmora névjegye</translation>
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
        <translation>Leírás</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Kommunikációs beállítások</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP-port</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>Csatoló :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Adatátviteli sebesség :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Adatbitek :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Stopbitek :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Paritás :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Átvitelvezérlés :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Virtuális memóriakapcsolók kezelése</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV-képek kezelése</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>Firmware-kezelés</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>A Pelmora &amp;névjegye</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * Válasszon menüt 
 Ez az alkalmazás a Pelmora. Módosíthatja a kommunikációs beállításokat és a kódlapot, NV-képeket tölthet le stb.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora PC-re V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NINCS</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>Nincs csatlakoztatott USB-nyomtató!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>sérült sorok</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>Néhány tárolt kommunikációs beállítás nem olvasható (%1) itt: %2.
Az ablak az alapértékeket mutatja; a tárolt adatokat csak a „Kilépés” módosítja.</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>A(z) %1 USB-nyomtató (%2) már nincs csatlakoztatva.
Válassza újra az „USB” lehetőséget a jelenlévő nyomtatók listázásához.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>A(z) „%1” nem IPv4-cím.
Írjon be négy, pontokkal elválasztott számot 0 és 255 között, például 192.168.0.10.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>A(z) „%1” nem TCP-port.
Írjon be egy számot 1 és 65535 között.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>A kommunikációs beállításokat nem sikerült tárolni itt: %1.</translation>
    </message>
</context>
</TS>
