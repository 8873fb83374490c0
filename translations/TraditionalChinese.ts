<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
    <message>
        <source>About Pelmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelmora %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::CQ700TCUtilityDlg</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
