<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
    <message>
        <source>About Pelmora</source>
        <translation>關於 Pelmora</translation>
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
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::CQ700TCUtilityDlg</name>
    <message>
        <source>Description</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>通訊設定</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP 連接埠</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>介面 :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>連接埠 :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>鮑率 :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>資料位元 :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>停止位元 :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>同位檢查 :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>流量控制 :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>虛擬記憶體開關管理</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 影像管理</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>韌體管理</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>關於 Pelmora(&amp;A)</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * 選擇功能表 
 本應用程式為 Pelmora。您可以變更通訊設定、字碼頁以及下載 NV 影像等。</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora PC 版 V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>未連接 USB 印表機!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>損壞的行</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>%2 中有些已儲存的通訊設定無法讀取 (%1)。
視窗以預設值顯示這些設定;只有「結束」會變更儲存的內容。</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>USB 印表機 %1 (%2) 已不再連接。
請再次選擇「USB」以列出目前的印表機。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>「%1」不是 IPv4 位址。
請輸入以點分隔的四個 0 到 255 的數字,例如 192.168.0.10。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>「%1」不是 TCP 連接埠。
請輸入 1 到 65535 的數字。</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>無法將通訊設定儲存到 %1。</translation>
    </message>
</context>
</TS>
