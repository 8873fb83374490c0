<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>ConfigListText</name>
    <message>
        <source>Printing Density</source>
        <translation>印字濃度</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>印字速度</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>既定のコードページ</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>既定のフォント</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>2バイトフォントモード</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>プリンターサービス</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>ティアオフ位置</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>ロール紙切れ時のビープ</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>バッテリー残量低下時のビープ</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>自動電源オフ時間（未接続）</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>自動省電力時間（接続中）</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>MSR トリガー</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>センチネルオプション</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>ボーレート</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>データビット</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>パリティ</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>ストップビット</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>認証と暗号化</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>接続モード</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN コード</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>プリンター名</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>トラック1 開始コード</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>トラック2 開始コード</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>トラック3 開始コード</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>トラック1 終了コード</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>トラック2 終了コード</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>トラック3 終了コード</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>フォント A ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>フォント B ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>フォント C ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>A フォント(12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>B フォント(9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>レシート</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>トラック 1/2/3 コマンド読み取り</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>トラック 1 自動読み取り</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>トラック 2 自動読み取り</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>トラック 3 自動読み取り</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>トラック 1/2 自動読み取り</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>トラック 2/3 自動読み取り</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>トラック 1/2/3 自動読み取り</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>MSR トリガーを使用しない</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>固定センチネル</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>可変センチネル</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶数</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>モード 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>モード 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>モード 3</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>ポートを開けません！</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>ポートを開けません！！！</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>プリンターの機種が一致しません！</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>プリンターの機種名が一致しません...！！</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>プリンターのバージョンを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>プリンターのバージョンを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>工場出荷時設定に戻せませんでした！</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>コードページを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>MSR モードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>SW1 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>SW2 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>SW3 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>SW5 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>SW6 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>SW7 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>SW8 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>ティアオフ位置を読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>SW51 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>IFSW1 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>IFSW2 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>IFSW3 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>IFSW4 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>トラック 1 のセンチネルコードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>トラック 1 のセンチネルコードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>トラック 2 のセンチネルコードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>トラック 2 のセンチネルコードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>トラック 3 のセンチネルコードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>トラック 3 のセンチネルコードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>RF インターフェースを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>RF インターフェースを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>Bluetooth 接続モードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>Bluetooth 接続モードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>Bluetooth デバイス名を読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>Bluetooth デバイス名を読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>Bluetooth PIN コードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>Bluetooth PIN コードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>Bluetooth 暗号化情報を読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>Bluetooth 暗号化情報を読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>コードページを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>MSR モードを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>MSW1 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>MSW1 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>MSW2 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>MSW2 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>MSW3 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>MSW3 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>MSW5 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>MSW5 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>MSW6 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>MSW6 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>MSW7 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>MSW7 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>MSW8 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>MSW8 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>IFSW1 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>IFSW2 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>IFSW3 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>IFSW4 データを読み取れませんでした！</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>初期化コマンドを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>設定終了コマンドを書き込めませんでした！</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>設定終了コマンドを書き込めませんでした！</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>Bluetooth 情報を設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>Bluetooth 情報を設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>初期化コマンドを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>MSW1 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>MSW2 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>MSW3 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>MSW5 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>MSW6 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>MSW7 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>MSW8 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>IFSW1 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>SW51 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>IFSW2 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>IFSW3 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>IFSW4 データを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>トラック 1 のセンチネルコードを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>トラック 1 のセンチネルコードを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>トラック 2 のセンチネルコードを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>トラック 2 のセンチネルコードを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>トラック 3 のセンチネルコードを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>トラック 3 のセンチネルコードを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>RF インターフェースを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>RF インターフェースを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>初期化コマンドを設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>シリアル情報を設定できませんでした！</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>シリアル情報を設定できませんでした！</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>仮想メモリスイッチ管理</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>状態の取得</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>状態の設定</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>状態の取得...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>状態の設定...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>処理中...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>状態の取得</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>状態の設定</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>VMSM 設定に成功しました！<byte value="xd"/>
プリンターの電源を入れ直してください。</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>VMSM 設定を保存できませんでした！<byte value="xd"/>
プリンターの状態を確認してください。</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>VMSM 管理ユーティリティ</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>VMSM の設定に成功しました！</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>仮想メモリスイッチを保存できませんでした！！<byte value="xd"/>
プリンターの状態を確認してください</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>総合管理ユーティリティ</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>ダウンロードを中止しました...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 画像管理</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>実行中...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>ポートを開いています...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>プリンターを確認しています...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>NV 画像アドレスを取得しています...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>選択した NV 画像を削除しています...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>すべての NV 画像を削除しています...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>ダウンロードを開始しています...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>すべての NV 画像を印刷しています...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>選択した NV 画像を印刷しています...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>ダウンロードを完了しています...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>NV 画像アドレスを読み取れませんでした！</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> サポートされていない操作です！</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> データを書き込めませんでした！<byte value="xd"/>
プリンターを確認してください。</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>ビットマップファイルが選択されていません。</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>NV 画像領域が小さすぎます！</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>NV 画像アドレスを取得しています</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>選択した NV 画像を削除しています</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>すべての NV 画像を削除しています</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>画像をダウンロードしています....</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>すべての NV 画像を印刷しています...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>選択した NV 画像を印刷しています...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>ポートを開いています..</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>プリンターを確認しています...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>NV 画像アドレスを取得しています</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>選択した NV 画像を削除しています</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>すべての NV 画像を削除しています</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>ダウンロードを開始しています....</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>すべての NV 画像を印刷しています</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>選択した NV 画像を印刷しています</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>ダウンロードを完了しています....</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>NV 画像アドレスを読み取れませんでした！</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> データを書き込めませんでした！<byte value="xd"/>
プリンターを確認してください！</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>データを書き込めませんでした！<byte value="xd"/>
プリンターを確認してください！</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>ビットマップファイルが選択されていません。</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>NV 画像領域が小さすぎます！</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>空きアドレスコードがありません！</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>画像のダウンロードを取り消しました。</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>画像ファイルを読み込めませんでした！</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>アドレスコードは 2 文字必要です！</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>アドレスは既に存在します！</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>ファームウェアのダウンロード準備ができました。</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>ファームウェアをダウンロードしています...プリンターの電源を切らないでください！！！</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>ファームウェアのダウンロードが完了しました。プリンターをリセットしてください！</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>エラー：ファイルを開けません！</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>エラー：ポートを開けません！プリンターを確認してください</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>エラー：送信に失敗しました！</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>ファームウェアのダウンロードに成功しました！</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>画像ファイルにピクセルがありません！</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>状態の取得：%1 %</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>状態の設定：%1 %</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>状態の取得：%1 %</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>状態の設定：%1 %</translation>
    </message>
    <message>
        <source>Completed....: %1 %</source>
        <translation>完了....: %1 %</translation>
    </message>
    <message>
        <source>Completed..: %1 %</source>
        <translation>完了..: %1 %</translation>
    </message>
    <message>
        <source>%1 Downloading...</source>
        <translation>%1 をダウンロードしています...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>画像が平たすぎます：幅 %1 ドットでは行が残りません！</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>画像が 1 つの NV 画像には大きすぎます：ラスター %1 バイト、最大 %2（384 ドット幅で最大 1365 行）！</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>プリンターが接続を閉じました。</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>プリンターが問い合わせを受け付けませんでした。</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>プリンターは別のメーカーを報告しています。</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>プリンターの応答に機種名がありません。</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>%1 秒以内に応答がありませんでした。</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>%1 秒以内に応答がありませんでした。以前の応答には %2 秒かかりました。プリンターは別のクライアントの処理中かもしれません。</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>以前の応答には %1 秒かかりました。プリンターは別のクライアントの処理中かもしれません。</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>プリンターが報告した機種は「%1」です。</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>プリンターの応答「%1」に機種名がありません。</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>無効な値です！</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>HEXA 形式が正しくありません！！</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>センチネルの長さが 10 を超えています（範囲：1~10）</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>センチネルの値が無効です（0x20~0x7F）</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>保存を取り消しました。プリンターには何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>保存の途中で取り消しました。一部の設定はすでにプリンターに書き込まれている可能性があります。<byte value="xd"/>
変更する前に、設定をもう一度読み込んでください。</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>%1 は存在しません。プリンターが接続されていないか、ポート名が間違っています（`pelmora ports` でポートを一覧表示できます）。</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>%1 はプリンターに接続できるポートではありません（`pelmora ports` でポートを一覧表示できます）。</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>%1 へのアクセスが拒否されました（このコンピューターの管理者にポートへのアクセス権を依頼してください）。</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>%1 へのアクセスが拒否されました。グループ %2 に参加してください（sudo usermod -aG %2 $USER を実行し、ログインし直します）。</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>%1 は別のプログラムが使用中です。そのプログラムを閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>%1 は別のプログラム（%2）が使用中です。そのプログラムを閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>%1 が接続を拒否しました。そのポートで待ち受けているものがありません（プリンターのアドレスとポートを確認してください）。</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>%1 に到達できません。経路がありません（アドレスとこのコンピューターのネットワーク接続を確認してください）。</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>%1 は %2 秒以内に接続に応答しませんでした（プリンターの電源が入っていること、アドレスが正しいことを確認してください）。</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>%1 のホスト名が見つかりません（つづりを確認するか、プリンターの IP アドレスを指定してください）。</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>%1 はプリンターのアドレスとして使えません。</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>%1 を開きましたが、DSR を保持しているプリンターがありません。電源が切れているか、接続されていません。</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>%1 が回線設定を受け付けませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 を開けませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>%2 秒以内に %1 バイトが返ってきましたが、プリンターの応答ではありません。このリンクでは別の機器が応答しています（ポートと、シリアル回線ではその速度を確認してください）。</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
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
    <message>
        <source>License: %1</source>
        <translation>ライセンス: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>プリンターの検索</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>見つかったプリンター：</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>アドレス：</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>TCP ポート：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>このプリンターを使用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>検索するアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>1～65535 の TCP ポートを入力してください。</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>%2 件中 %1 件のアドレスで停止、%3 台検出</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>%2 件中 %1 件のアドレス、%3 台検出</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>このコンピューターにはシリアル、Bluetooth、USB のプリンターポートがありません。</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>このコンピューターのポート：%2 件中 %1 件を照会、%3 台検出</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FoundPrinterModel</name>
    <message>
        <source>%1, firmware %2 (%3)</source>
        <translation>%1、ファームウェア %2 (%3)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>スキップ：%1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>MPT-Q700VII ではありません：%1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1 (メインウィンドウは IPv4 アドレスのみ使用できます)</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>照会中...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>インターフェース</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>プリンター</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
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
        <translation>インターフェース：</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>ボーレート：</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>データビット：</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>ストップビット：</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>パリティ：</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>フロー制御：</translation>
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
        <translation>USB プリンターが接続されていません！</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>破損した行</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>%2 に保存された通信設定の一部を読み取れませんでした（%1）。
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
0 から 255 までの 4 つの数値をドットで区切って入力してください（例：192.168.0.10）。</translation>
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
    <message>
        <source>Find Printers...</source>
        <translation>プリンターの検索...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>通信設定</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>TCP/IP 通信</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>仮想メモリスイッチマネージャ</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>NV マネージャ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
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
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>ボーレート：</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP ポート</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>「%1」は IPv4 アドレスではありません。
0 から 255 までの数字を 4 つ、ドットで区切って入力してください（例 192.168.1.1）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>「%1」は TCP ポートではありません。
1 から 65535 までの数字を入力してください。</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>プリンターは設定を受け付けましたが、保存できませんでした。
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>通信設定を保存できませんでした。
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>保存された設定を読み込めませんでした。画面には既定値が表示されています。
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>印刷速度：</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>印字濃度：</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>既定のフォント</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>既定のコードページ</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>詳細..</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>MSR トリガーモード</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>サービス：</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>レシート</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>ティアオフ位置：
&lt;0~640 単位&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>ロール紙切れ時のビープ</translation>
    </message>
    <message>
        <source>False</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>True</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Beep mode for low battery status</source>
        <translation>バッテリー低下時のビープ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>2 バイト文字モード</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>シリアルインターフェースの設定</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>ボーレート：</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>パリティ：</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>データ長：</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>ストップビット：</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>自動電源オフ時間<byte value="xd"/>
&lt;0~90 分&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>自動省電力<byte value="xd"/>
時間 &lt;10~255 秒&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>BT 設定の変更を有効にする</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>認証と暗号化</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>接続モード</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>モード1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>モード2</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>モード3</translation>
    </message>
    <message>
        <source>PIN code &lt;Max 12 chars&gt;</source>
        <translation>PIN コード &lt;最大 12 文字&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>プリンタ名 &lt;最大 30 文字&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;ステップ%1-%2&gt; VMSM  マネージャ</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定値</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>VMSM Manager</source>
        <translation>VMSM マネージャ</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>VMSM マネージャをキャンセルしますか？</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>正の整数を入力してください。</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>%1 文字以内で入力してください（Latin-1 のみ）。</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>プリンター設定 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>プリンター設定 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>プリンターインターフェイス</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>設定ページ</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定値</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::PrinterSettingsPage</name>
    <message>
        <source>Print density</source>
        <translation>印字濃度</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>単位（0~%1）</translation>
    </message>
    <message>
        <source>min (0~%1 ex&gt; 30)</source>
        <translation>分（0~%1、例：30）</translation>
    </message>
    <message>
        <source>sec (0, 10~%1 ex&gt; 100)</source>
        <translation>秒（0 または 10~%1、例：100）</translation>
    </message>
    <message>
        <source>MSR Configuration</source>
        <translation>MSR 設定</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>詳細</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>シリアルインターフェイス設定</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>Bluetooth 設定を有効にする</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>Bluetooth インターフェイス設定</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>MSR 詳細設定</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>MSR センチネル設定</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>センチネルオプション</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>可変</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>トラック1 開始</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>トラック2 開始</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>トラック3 開始</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>トラック1 終了</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>トラック2 終了</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>トラック3 終了</translation>
    </message>
    <message>
        <source>ASCII (ex: &quot;START(1)&quot;)</source>
        <translation>ASCII（例：&quot;START(1)&quot;）</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>HEXA</source>
        <translation>16進</translation>
    </message>
    <message>
        <source>HEXA (ex: \&quot;0A 1F 10 4C\&quot;)</source>
        <translation>HEXA（例：\&quot;0A 1F 10 4C\&quot;）</translation>
    </message>
    <message>
        <source>ASCII (ex: \&quot;START(1)\&quot;)</source>
        <translation>ASCII（例：\&quot;START(1)\&quot;）</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::FirmwareWindow</name>
    <message>
        <source>Firmware Download Manager</source>
        <translation>ファームウェアダウンロード管理</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>ダウンロードの進行状況</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>状態：</translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>ファームウェアファイル(*.fls)を選択してください。 </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>ダウンロード開始</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>ファームウェアファイル(*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>%1 を読み書き用に開けません。</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 は読み取り専用です。</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 はフォルダーです。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 は %2 MiB を超えています。</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 を読み取れませんでした。</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 画像管理</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>明るさ </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>印刷イメージ</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>プリンターがこの画像として保存するドットを表示します</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>色範囲の変更</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>画像リスト</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>機能</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>画像の追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>選択したビットマップをリストから外します</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>自動アドレス指定</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>NV 画像リスト</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>すべて印刷</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>選択した画像をプリンターから削除します</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>画像ファイルリスト</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>自動アドレス指定</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>NV 管理ユーティリティ</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;画像：%1/%2 - メモリ：%3/%4（バイト）&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>画像ファイル(*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>すべての画像ファイル(%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>ビットマップファイルが選択されていません。</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>選択したものをすべて削除しますか？</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>アドレスを選択してください！</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>画像リストを保存できませんでした。
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 画像管理</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>NV アドレス</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>アドレスコード：</translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>アドレスコード：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>無効な値です！</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>実行中...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>処理中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセル中...</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchJob</name>
    <message>
        <source>The printer took the settings, but they could not be stored: %1</source>
        <translation>プリンターは設定を受け付けましたが、保存できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>正の整数を入力してください。</translation>
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
        <translation>NV 管理ユーティリティ</translation>
    </message>
</context>
</TS>
