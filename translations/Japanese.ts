<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
    <message>
        <source>About Pelmora</source>
        <translation>Pelmora のバージョン情報</translation>
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
        <translation>説明</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>通信設定</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP ポート</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>インターフェース :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>ポート :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>ボーレート :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>データビット :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>ストップビット :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>パリティ :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>フロー制御 :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>仮想メモリスイッチ管理</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 画像管理</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>ファームウェア管理</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>Pelmora のバージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * メニューを選択 
 このアプリケーションは Pelmora です。通信設定やコードページの変更、NV 画像のダウンロードなどができます。</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora PC 版 V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>USB プリンターが接続されていません!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>破損した行</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>%2 に保存された通信設定の一部を読み取れませんでした (%1)。
ウィンドウには既定値を表示します。保存内容は「終了」でのみ変更されます。</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>USB プリンター %1 (%2) は接続されていません。
もう一度「USB」を選んで、接続中のプリンターを表示してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>「%1」は IPv4 アドレスではありません。
0 から 255 までの 4 つの数値をドットで区切って入力してください (例: 192.168.0.10)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>「%1」は TCP ポートではありません。
1 から 65535 までの数値を入力してください。</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>通信設定を %1 に保存できませんでした。</translation>
    </message>
</context>
</TS>
