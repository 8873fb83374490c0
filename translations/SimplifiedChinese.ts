<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
    <message>
        <source>About Pelmora</source>
        <translation>关于 Pelmora</translation>
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
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::CQ700TCUtilityDlg</name>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP 端口</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>接口 :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>端口 :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>波特率 :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>数据位 :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>停止位 :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>校验 :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>流控制 :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>虚拟存储开关管理</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 图像管理</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>固件管理</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>关于 Pelmora(&amp;A)</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * 选择菜单 
 本应用程序为 Pelmora。您可以更改通信设置、代码页以及下载 NV 图像等。</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora PC 版 V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>未连接 USB 打印机!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>损坏的行</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>%2 中有些已保存的通信设置无法读取 (%1)。
窗口以默认值显示这些设置;只有“退出”会更改保存的内容。</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>USB 打印机 %1 (%2) 已断开连接。
请再次选择“USB”以列出当前的打印机。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>“%1”不是 IPv4 地址。
请输入以点分隔的四个 0 到 255 的数字,例如 192.168.0.10。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>“%1”不是 TCP 端口。
请输入 1 到 65535 的数字。</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>无法将通信设置保存到 %1。</translation>
    </message>
</context>
</TS>
